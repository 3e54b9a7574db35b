#include "starter_library.h"

#include <algorithm>
#include <cstdio>

#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/rechteck.h"
#include "panel/register_elements.h"

namespace pw {

namespace {

constexpr Real kMm = 50;
// Where the symbols' insertion points lie on their page, in millimetres.
constexpr Real kPlaceX = 100;
constexpr Real kPlaceY = 100;
// The panel outline: a 0.2 mm grey line.
constexpr Real kOutlinePen = 10;
constexpr Color kOutlineColour = 0x808080;

}  // namespace

const std::vector<StarterPage>& StarterPages() {
    static const std::vector<StarterPage> pages = {{"LIB1.Lib", "Steckverbinder"},
                                                   {"LIB2.Lib", "Netz und Sicherung"},
                                                   {"LIB3.Lib", "Bedienelemente"},
                                                   {"LIB4.Lib", "Anzeigen"},
                                                   {"LIB5.Lib", "Gehäuse"}};
    return pages;
}

namespace {

// The symbol as a named group with its insertion point at `at` (model units).
std::unique_ptr<TGruppe> BuildSymbol(const StarterSymbol& s, MPoint at) {
    auto group = std::make_unique<TGruppe>();
    for (const StarterHole& h : s.holes) {
        auto hole = std::make_unique<TBohrung>();
        hole->Centre = at + MPoint{h.x * kMm, h.y * kMm};
        hole->Diameter = h.diameter * kMm;
        hole->GroupMember = true;
        group->AddMember(std::move(hole));
    }
    for (const StarterContour& c : s.contours) {
        auto contour = std::make_unique<TRechteck>();
        for (MPoint p : c.corners) contour->AddPoint(at + MPoint{p.x * kMm, p.y * kMm});
        contour->SetFraesen(true);
        // A hairline pen: the grey area shown is the cut-out itself, not grown by half a pen.
        contour->SetStiftBreite(0);
        contour->GroupMember = true;
        group->AddMember(std::move(contour));
    }
    if (s.outlineWidth > 0) {
        const Real w = s.outlineWidth * kMm / 2, h = s.outlineHeight * kMm / 2;
        auto outline = std::make_unique<TRechteck>();
        for (MPoint p : {MPoint{-w, -h}, MPoint{w, -h}, MPoint{w, h}, MPoint{-w, h}})
            outline->AddPoint(at + p);
        outline->SetStiftBreite(kOutlinePen);
        outline->SetStiftFarbe(kOutlineColour);
        outline->GroupMember = true;
        group->AddMember(std::move(outline));
    }
    group->Description.SetText(s.name);
    group->GroupName.SetText(s.name);
    group->InsertPoint = at;
    return group;
}

// The symbol's extent around its insertion point, in millimetres.
MRect SymbolExtent(const StarterSymbol& s) {
    MRect r{-s.outlineWidth / 2, -s.outlineHeight / 2, s.outlineWidth / 2, s.outlineHeight / 2};
    auto add = [&r](Real x1, Real y1, Real x2, Real y2) {
        r = {std::min(r.x1, x1), std::min(r.y1, y1), std::max(r.x2, x2), std::max(r.y2, y2)};
    };
    for (const StarterHole& h : s.holes)
        add(h.x - h.diameter / 2, h.y - h.diameter / 2, h.x + h.diameter / 2, h.y + h.diameter / 2);
    for (const StarterContour& c : s.contours)
        for (MPoint p : c.corners) add(p.x, p.y, p.x, p.y);
    return r;
}

std::unique_ptr<TBibo> NewPage(const char* name) {
    RegisterBuiltinElementClasses();
    auto bibo = std::make_unique<TBibo>();
    bibo->Name = ShortString40{};
    bibo->Name.SetText(name);
    return bibo;
}

}  // namespace

std::unique_ptr<TBibo> BuildStarterPage(int page) {
    auto bibo = NewPage(StarterPages()[page].name);
    const MPoint at{kPlaceX * kMm, kPlaceY * kMm};
    for (const StarterSymbol& s : StarterSymbols())
        if (s.page == page) bibo->AddElement(BuildSymbol(s, at));
    return bibo;
}

std::unique_ptr<TBibo> BuildStarterSheet(double width) {
    auto bibo = NewPage("Alle Symbole");
    constexpr double kGap = 8;
    double x = kGap, top = kGap, rowHeight = 0;
    for (const StarterSymbol& s : StarterSymbols()) {
        const MRect e = SymbolExtent(s);
        const double w = static_cast<double>(e.x2 - e.x1), h = static_cast<double>(e.y2 - e.y1);
        if (x > kGap && x + w > width) {
            x = kGap;
            top += rowHeight + kGap;
            rowHeight = 0;
        }
        const MPoint at{(x - e.x1) * kMm, (top - e.y1) * kMm};
        bibo->AddElement(BuildSymbol(s, at));
        x += w + kGap;
        rowHeight = std::max(rowHeight, h);
    }
    return bibo;
}

std::vector<uint8_t> StarterPageBytes(int page) {
    std::vector<uint8_t> bytes;
    BuildStarterPage(page)->WritePanel(bytes, false);
    return bytes;
}

std::string StarterSourcesText() {
    std::string text =
        "# The starter library: dimensions and sources\n\n"
        "Written by `build/tools/make_library data` from the table in tools/starter_table.cpp;\n"
        "do not edit by hand. Every symbol is a named group of drill holes (and milled contours)\n"
        "whose insertion point is the part's centre or mounting axis. Dimensions in millimetres,\n"
        "hole positions relative to the insertion point, x to the right and y downward.\n";
    for (size_t p = 0; p < StarterPages().size(); ++p) {
        text += "\n## " + std::string(StarterPages()[p].name) + " (" + StarterPages()[p].file + ")\n\n";
        bool any = false;
        for (const StarterSymbol& s : StarterSymbols()) {
            if (s.page != static_cast<int>(p)) continue;
            text += "- **" + std::string(s.name) + "**: " + s.dimensions;
            if (s.outlineWidth > 0) {
                char outline[128];
                std::snprintf(outline, sizeof outline, "; %s %.2f x %.2f mm (a line, not milled)",
                              s.outlineOf, s.outlineWidth, s.outlineHeight);
                text += outline;
            }
            text += ". Source: " + std::string(s.source) + ".\n";
            any = true;
        }
        if (!any) text += "No symbol yet: no part of this page could be sourced (see below).\n";
    }
    text +=
        "\n## Not shipped\n\n"
        "No maker's datasheet, standard or open hardware library recording one was at hand for these\n"
        "parts, so they are left out rather than drawn from guessed dimensions: RCA sockets, 6.35 mm\n"
        "jack sockets, a BNC bulkhead socket with a D-flat hole (the BNC symbol is the Neutrik D-size\n"
        "feedthrough), toggle switches with a 12 mm bushing, panel push buttons, 5 mm LEDs without\n"
        "bezel, potentiometers with 7 mm and 9.5 mm (3/8 in) bushings (NopSCADlib models a 3/8 in pot,\n"
        "but no panel hole for an imperial thread is at hand), and the anti-rotation lug of the Bourns\n"
        "PEC11R encoder. Several symbols rest on NopSCADlib's models rather than on a maker's drawing;\n"
        "their sources say so, and say where no maker or part number is named.\n";
    return text;
}

}  // namespace pw
