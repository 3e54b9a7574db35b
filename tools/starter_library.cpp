#include "starter_library.h"

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

// EIA-310-D rack panels: mounting hole centres 465.1 mm apart horizontally; the outermost rail
// holes of n units lie n * 44.45 - 12.7 mm apart vertically (rail pattern 15.875, 15.875,
// 12.7 mm per unit).
StarterSymbol RackPanel(int units, const char* name, const char* dimensions) {
    const double dy = (units * 44.45 - 12.7) / 2;
    return {4,
            name,
            {{-232.55, -dy, 6.6}, {232.55, -dy, 6.6}, {-232.55, dy, 6.6}, {232.55, dy, 6.6}},
            {},
            482.6,
            units * 44.45,
            dimensions,
            "EIA-310-D rack standard as published at audiorax.com/rack-rail-hole-spacing-explained "
            "(rail holes 15.875 / 15.875 / 12.7 mm, 1 U = 44.45 mm) and in EIA-310-D summaries "
            "(465.1 mm centre to centre), panel outline 482.6 mm by n x 44.45 mm (interfacebus.com, rack "
            "mounting rail dimensions; nominal, real panels are a little lower); hole diameter: ISO 273 "
            "medium clearance for M6 rack screws"};
}

// Eurorack 3U panels: two hole rows 122.5 mm apart, holes 7.5 mm in from each side edge.
StarterSymbol Eurorack(int hp, const char* name, const char* dimensions) {
    const double width = hp * 5.08;
    const double left = -width / 2 + 7.5;
    const double right = width / 2 - 7.5;
    return {4,
            name,
            {{left, -61.25, 3.2}, {right, -61.25, 3.2}, {left, 61.25, 3.2}, {right, 61.25, 3.2}},
            {},
            width,
            128.5,
            dimensions,
            "Doepfer A-100 construction details (doepfer.de/a100_man/a100m_e.htm: 1 HP = 5.08 mm, "
            "3 U panels 128.5 mm high; the nominal width n x 5.08 mm, real panels a few tenths less), "
            "rail hole distance 122.5 mm (sdiy.info/wiki/Eurorack_panel_components), "
            "holes 7.5 mm from the panel edges as in Doepfer's diagram (discussed at "
            "muffwiggler.com/forum/viewtopic.php?t=5107), hole diameter 3.2 mm as in the SN-L00 panel "
            "design notes (git.sub-net.at/submodular/SN-L00, hardware/panel notes: holes 3.2 mm, "
            "7.5 mm from the edges, 3.0 mm from the top, 122.5 mm apart). The right column lies 7.5 mm "
            "inside the nominal width; on panels a few tenths narrower (SN-L00: 6 HP = 30.00 mm, holes at "
            "7.5 and 22.5 mm) it is up to 0.5 mm further left, which the 3.2 x 4 mm slots SN-L00 "
            "allows take up"};
}

}  // namespace

const std::vector<StarterPage>& StarterPages() {
    static const std::vector<StarterPage> pages = {{"LIB1.Lib", "Steckverbinder"},
                                                   {"LIB2.Lib", "Netz und Sicherung"},
                                                   {"LIB3.Lib", "Bedienelemente"},
                                                   {"LIB4.Lib", "Anzeigen"},
                                                   {"LIB5.Lib", "Gehäuse"}};
    return pages;
}

const std::vector<StarterSymbol>& StarterSymbols() {
    static const std::vector<StarterSymbol> symbols = {
        {0,
         "D-Sub 9 (DE-9), Befestigungsbohrungen",
         {{-12.495, 0, 3.05}, {12.495, 0, 3.05}},
         {},
         0,
         0,
         "two holes 3.05 mm, centres 24.99 mm apart",
         "industrialmonitordirect.com, DB9 panel mount connectors selection guide (standard D-sub "
         "panel mount DE-9: two 3.05 mm mounting holes on 24.99 mm centres)"},
        {0,
         "Klinkenbuchse 3,5 mm Thonkiconn PJ398SM",
         {{0, 0, 6.0}},
         {},
         0,
         0,
         "one hole 6.0 mm",
         "SN-L00 Eurorack panel design notes (git.sub-net.at/submodular/SN-L00, "
         "hardware/panel notes: jack holes 6.0 mm for Thonkiconn PJ398SM)"},
        {3,
         "LED 3 mm, ohne Fassung",
         {{0, 0, 3.0}},
         {},
         0,
         0,
         "one hole 3.0 mm",
         "SN-L00 Eurorack panel design notes (git.sub-net.at/submodular/SN-L00, "
         "hardware/panel notes: 3.0 mm hole for a 3 mm LED)"},
        {3,
         "LED-Fassung für Bohrung 6,35 mm",
         {{0, 0, 6.35}},
         {},
         0,
         0,
         "one hole 6.35 mm",
         "thehobbyshed.co.uk, control panel indicator kit (the bezel requires a 6.35 mm hole)"},
        {2,
         "Drehgeber Bourns PEC11R (M7 x 0,75)",
         {{0, 0, 7.4}},
         {},
         0,
         0,
         "one hole 7.4 mm for the M7 x 0.75 bushing; no hole for the anti-rotation lug",
         "Bourns PEC11R series datasheet, product dimensions (bushing thread M7 x 0.75), as published "
         "at manualshelf.com/manual/bourns/pec11r-4220f-s0024; hole diameter: ISO 273 fine clearance "
         "for M7; the lug's position was not at hand, so the symbol leaves it out"},
        RackPanel(1, "19 Zoll, 1 HE, Befestigungsbohrungen",
                  "four holes 6.6 mm at x = ±232.55 mm, y = ±15.875 mm"),
        RackPanel(2, "19 Zoll, 2 HE, Befestigungsbohrungen",
                  "four holes 6.6 mm at x = ±232.55 mm, y = ±38.1 mm"),
        RackPanel(3, "19 Zoll, 3 HE, Befestigungsbohrungen",
                  "four holes 6.6 mm at x = ±232.55 mm, y = ±60.325 mm"),
        Eurorack(4, "Eurorack 3 HE, 4 TE, Befestigung", "four holes 3.2 mm at x = ±2.66 mm, y = ±61.25 mm"),
        Eurorack(8, "Eurorack 3 HE, 8 TE, Befestigung", "four holes 3.2 mm at x = ±12.82 mm, y = ±61.25 mm"),
        Eurorack(12, "Eurorack 3 HE, 12 TE, Befestigung",
                 "four holes 3.2 mm at x = ±22.98 mm, y = ±61.25 mm"),
        Eurorack(16, "Eurorack 3 HE, 16 TE, Befestigung",
                 "four holes 3.2 mm at x = ±33.14 mm, y = ±61.25 mm"),
        Eurorack(20, "Eurorack 3 HE, 20 TE, Befestigung",
                 "four holes 3.2 mm at x = ±43.30 mm, y = ±61.25 mm"),
        Eurorack(42, "Eurorack 3 HE, 42 TE, Befestigung",
                 "four holes 3.2 mm at x = ±99.18 mm, y = ±61.25 mm"),
    };
    return symbols;
}

std::unique_ptr<TBibo> BuildStarterPage(int page) {
    RegisterBuiltinElementClasses();
    auto bibo = std::make_unique<TBibo>();
    bibo->Name = ShortString40{};
    bibo->Name.SetText(StarterPages()[page].name);
    const MPoint at{kPlaceX * kMm, kPlaceY * kMm};
    for (const StarterSymbol& s : StarterSymbols()) {
        if (s.page != page) continue;
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
        bibo->AddElement(std::move(group));
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
        "Written by `build/tools/make_library data` from the table in tools/starter_library.cpp;\n"
        "do not edit by hand. Every symbol is a named group of drill holes (and milled contours)\n"
        "whose insertion point is the part's centre or mounting axis. Dimensions in millimetres,\n"
        "hole positions relative to the insertion point.\n";
    for (size_t p = 0; p < StarterPages().size(); ++p) {
        text += "\n## " + std::string(StarterPages()[p].name) + " (" + StarterPages()[p].file + ")\n\n";
        bool any = false;
        for (const StarterSymbol& s : StarterSymbols()) {
            if (s.page != static_cast<int>(p)) continue;
            text += "- **" + std::string(s.name) + "**: " + s.dimensions;
            if (s.outlineWidth > 0) {
                char outline[96];
                std::snprintf(outline, sizeof outline, "; panel outline %.2f x %.2f mm (a line, not milled)",
                              s.outlineWidth, s.outlineHeight);
                text += outline;
            }
            text += ". Source: " + std::string(s.source) + ".\n";
            any = true;
        }
        if (!any) text += "No symbol yet: no part of this page could be sourced (see below).\n";
    }
    text +=
        "\n## Not shipped\n\n"
        "No datasheet or published standard cut-out was at hand for these parts, so they are left out\n"
        "rather than drawn from guessed dimensions: the D-shaped cut-outs of D-sub 9/15/25/37 and the\n"
        "mounting holes of sizes 15/25/37, XLR D-size, BNC bulkhead, RCA, 6.35 mm jacks,\n"
        "4 mm banana socket, DC barrel jack, USB-B, RJ45, IEC C14 inlets (snap-in and screw),\n"
        "5 x 20 mm fuse holder, rocker switch, toggle switches, push buttons, 5 mm LEDs without\n"
        "bezel, potentiometers with 7, 9.5 and 10 mm bushings and their anti-rotation pin\n"
        "holes, the rotary encoder's anti-rotation lug, 16 x 2 LCD window and panel meter.\n";
    return text;
}

}  // namespace pw
