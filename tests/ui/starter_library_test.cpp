// The starter library shipped in data/LIB: the committed pages and SOURCES.md are what the
// generator writes, and every symbol is a named group whose holes and contours are those of
// the table, which in turn holds the published spacings.
#include "starter_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/rechteck.h"
#include "panel/document.h"
#include "panel/register_elements.h"
#include "starter_contours.h"

namespace pw {
namespace {

std::string DataFile(const std::string& name) {
    return std::string(PW_DATA_DIR) + "/LIB/" + name;
}

TEST(StarterLibrary, TheCommittedFilesAreTheGeneratorsOutput) {
    for (size_t p = 0; p < StarterPages().size(); ++p)
        EXPECT_TRUE(ReadWholeFile(DataFile(StarterPages()[p].file)) == StarterPageBytes(static_cast<int>(p)))
            << StarterPages()[p].file << " differs from what tools/make_library writes";
    const std::vector<uint8_t> sources = ReadWholeFile(DataFile("SOURCES.md"));
    const std::string text(sources.begin(), sources.end());
    EXPECT_EQ(text, StarterSourcesText());
    for (const StarterSymbol& s : StarterSymbols()) {
        EXPECT_NE(text.find(std::string("**") + s.name + "**: " + s.dimensions), std::string::npos) << s.name;
        EXPECT_GT(std::string(s.source).size(), 20u) << s.name;
    }
}

TEST(StarterLibrary, EverySymbolIsANamedGroupOfItsHolesAndContours) {
    RegisterBuiltinElementClasses();
    size_t total = 0;
    for (size_t p = 0; p < StarterPages().size(); ++p) {
        TBibo page;
        ASSERT_FALSE(page.Load(DataFile(StarterPages()[p].file)));
        EXPECT_EQ(page.PageName(), StarterPages()[p].name);
        size_t i = 0;
        for (const StarterSymbol& s : StarterSymbols()) {
            if (s.page != static_cast<int>(p)) continue;
            ASSERT_LT(i, page.ElementCount()) << s.name;
            auto* group = dynamic_cast<TGruppe*>(page.Element(i++));
            ASSERT_NE(group, nullptr) << s.name;
            EXPECT_EQ(group->Description.Text(), s.name);
            const MPoint at = group->InsertPoint;
            const size_t outline = s.outlineWidth > 0 ? 1 : 0;
            ASSERT_EQ(group->MemberCount(), s.holes.size() + s.contours.size() + outline) << s.name;
            for (size_t h = 0; h < s.holes.size(); ++h) {
                auto* hole = dynamic_cast<TBohrung*>(group->Member(h));
                ASSERT_NE(hole, nullptr) << s.name;
                EXPECT_NEAR(static_cast<double>(hole->Diameter), s.holes[h].diameter * 50, 1e-9) << s.name;
                EXPECT_NEAR(static_cast<double>(hole->Centre.x - at.x), s.holes[h].x * 50, 1e-9) << s.name;
                EXPECT_NEAR(static_cast<double>(hole->Centre.y - at.y), s.holes[h].y * 50, 1e-9) << s.name;
            }
            for (size_t c = 0; c < s.contours.size(); ++c) {
                auto* contour = dynamic_cast<TRechteck*>(group->Member(s.holes.size() + c));
                ASSERT_NE(contour, nullptr) << s.name;
                EXPECT_TRUE(contour->Fraesen()) << s.name;
                EXPECT_EQ(contour->StiftBreite(), 0) << s.name;
                ASSERT_EQ(contour->Points().size(), s.contours[c].corners.size()) << s.name;
                for (size_t k = 0; k < s.contours[c].corners.size(); ++k) {
                    const MPoint want = at + s.contours[c].corners[k] * 50;
                    EXPECT_NEAR(static_cast<double>(contour->Point(k).x - want.x), 0, 1e-9) << s.name;
                    EXPECT_NEAR(static_cast<double>(contour->Point(k).y - want.y), 0, 1e-9) << s.name;
                }
            }
            if (outline) {
                auto* line = dynamic_cast<TRechteck*>(group->Member(group->MemberCount() - 1));
                ASSERT_NE(line, nullptr) << s.name;
                EXPECT_FALSE(line->Fraesen()) << s.name;
                const MRect b = line->GetShapeBounds().Normalised();
                EXPECT_NEAR(static_cast<double>(b.x2 - b.x1), s.outlineWidth * 50, 1e-6) << s.name;
                EXPECT_NEAR(static_cast<double>(b.y2 - b.y1), s.outlineHeight * 50, 1e-6) << s.name;
            }
            // The insertion point is the centre of the hole pattern, or the shaft axis of a part
            // with an anti-rotation lug.
            if (s.onShaftAxis) {
                ASSERT_FALSE(s.holes.empty()) << s.name;
                EXPECT_EQ(s.holes[0].x, 0) << s.name;
                EXPECT_EQ(s.holes[0].y, 0) << s.name;
                continue;
            }
            MRect b = group->GetShapeBounds().Normalised();
            EXPECT_NEAR(static_cast<double>((b.x1 + b.x2) / 2 - at.x), 0, 1e-6) << s.name;
            EXPECT_NEAR(static_cast<double>((b.y1 + b.y2) / 2 - at.y), 0, 1e-6) << s.name;
        }
        EXPECT_EQ(i, page.ElementCount());
        total += i;
    }
    EXPECT_EQ(total, StarterSymbols().size());
}

const StarterSymbol& Symbol(const std::string& name) {
    for (const StarterSymbol& s : StarterSymbols())
        if (name == s.name) return s;
    ADD_FAILURE() << "no symbol " << name;
    return StarterSymbols().front();
}

MRect Extent(const std::vector<MPoint>& points) {
    MRect r{points[0].x, points[0].y, points[0].x, points[0].y};
    for (MPoint p : points)
        r = {std::min(r.x1, p.x), std::min(r.y1, p.y), std::max(r.x2, p.x), std::max(r.y2, p.y)};
    return r;
}

// Distance from p to the nearest point of the segment a-b.
double SegmentDistance(MPoint p, MPoint a, MPoint b) {
    const MPoint ab = b - a, ap = p - a;
    const Real t = std::clamp((ap.x * ab.x + ap.y * ab.y) / (ab.x * ab.x + ab.y * ab.y), Real(0), Real(1));
    const MPoint q = a + ab * t - p;
    return static_cast<double>(std::sqrt(q.x * q.x + q.y * q.y));
}

TEST(StarterLibrary, TheTableHoldsThePublishedSpacings) {
    // Centre distances (mm) between the first hole and the second (across) and, for four-hole
    // patterns, the third (down), as the sources publish them.
    const std::map<std::string, std::pair<double, double>> published = {
        {"D-Sub 9 (DE-9), Frontmontage", {24.99, 0}},
        {"D-Sub 15 (DA-15), Frontmontage", {33.32, 0}},
        {"D-Sub 25 (DB-25), Frontmontage", {47.04, 0}},
        {"D-Sub 37 (DC-37), Frontmontage", {63.50, 0}},
        {"Kaltgerätestecker C14, geschraubt", {40, 0}},
        {"C14 mit Sicherung JR-101-1F", {36, 0}},
        {"LCD 16 x 2 (1602A), Fenster", {75, 31}},
        {"19 Zoll, 1 HE, Befestigungsbohrungen", {465.1, 31.75}},
        {"19 Zoll, 2 HE, Befestigungsbohrungen", {465.1, 76.2}},
        {"19 Zoll, 3 HE, Befestigungsbohrungen", {465.1, 120.65}},
        {"Eurorack 3 HE, 4 TE, Befestigung", {4 * 5.08 - 15, 122.5}},
        {"Eurorack 3 HE, 42 TE, Befestigung", {42 * 5.08 - 15, 122.5}},
    };
    for (const auto& [name, spacing] : published) {
        const StarterSymbol& s = Symbol(name);
        ASSERT_GE(s.holes.size(), 2u) << name;
        EXPECT_NEAR(s.holes[1].x - s.holes[0].x, spacing.first, 1e-9) << name;
        if (s.holes.size() == 4) {
            EXPECT_NEAR(s.holes[2].y - s.holes[0].y, spacing.second, 1e-9) << name;
        }
    }
    // Neutrik D-size: the bore at the insertion point, the screw holes 19 x 24 mm on a diagonal.
    for (const char* name : {"XLR-Buchse Neutrik NC3FD-L (D-Größe)", "RJ45 Neutrik NE8FDP (D-Größe)",
                             "USB-B Neutrik NAUSB-W (D-Größe)", "BNC-Durchführung Neutrik NBB75DFG",
                             "HDMI Neutrik NAHDMI-W (D-Größe)"}) {
        const StarterSymbol& s = Symbol(name);
        ASSERT_EQ(s.holes.size(), 3u) << name;
        EXPECT_EQ(s.holes[0].x, 0);
        EXPECT_EQ(s.holes[0].y, 0);
        EXPECT_GE(s.holes[0].diameter, 23.6) << name;
        EXPECT_NEAR(s.holes[2].x - s.holes[1].x, 19.0, 1e-9) << name;
        EXPECT_NEAR(s.holes[2].y - s.holes[1].y, 24.0, 1e-9) << name;
    }
    // The D-sub cut-outs: overall width H at the wide edge and height J of DIN 41652-1.
    const std::map<std::string, double> dsubWidth = {{"D-Sub 9 (DE-9), Frontmontage", 19.53},
                                                     {"D-Sub 15 (DA-15), Frontmontage", 27.76},
                                                     {"D-Sub 25 (DB-25), Frontmontage", 41.53},
                                                     {"D-Sub 37 (DC-37), Frontmontage", 57.96}};
    for (const auto& [name, width] : dsubWidth) {
        const MRect e = Extent(Symbol(name).contours.at(0).corners);
        EXPECT_NEAR(static_cast<double>(e.x2 - e.x1), width, 1e-9) << name;
        EXPECT_NEAR(static_cast<double>(e.y2 - e.y1), 10.97, 1e-9) << name;
        // Sides 10 degrees off vertical, corners 0.062 in.
        EXPECT_EQ(Symbol(name).contours.at(0).corners, RoundedTrapezoid(width, 10.97, 10, 0.062 * 25.4))
            << name;
    }
}

TEST(StarterLibrary, TheSheetShowsEverySymbolOnceWithoutOverlaps) {
    const std::unique_ptr<TBibo> sheet = BuildStarterSheet(500);
    ASSERT_EQ(sheet->ElementCount(), StarterSymbols().size());
    std::vector<MRect> bounds;
    for (size_t i = 0; i < sheet->ElementCount(); ++i) {
        EXPECT_EQ(sheet->Element(i)->Description.Text(), StarterSymbols()[i].name);
        bounds.push_back(sheet->Element(i)->GetShapeBounds().Normalised());
        EXPECT_GE(static_cast<double>(bounds.back().x1), 0) << StarterSymbols()[i].name;
        EXPECT_GE(static_cast<double>(bounds.back().y1), 0) << StarterSymbols()[i].name;
    }
    for (size_t i = 0; i < bounds.size(); ++i)
        for (size_t j = i + 1; j < bounds.size(); ++j) {
            const bool apart = bounds[i].x2 < bounds[j].x1 || bounds[j].x2 < bounds[i].x1 ||
                               bounds[i].y2 < bounds[j].y1 || bounds[j].y2 < bounds[i].y1;
            EXPECT_TRUE(apart) << StarterSymbols()[i].name << " / " << StarterSymbols()[j].name;
        }
}

TEST(StarterContours, TheRoundedTrapezoidLiesOneRadiusOutsideItsCentreTrapezoid) {
    // DE-9: 19.53 x 10.97 mm, sides 10 degrees, R 1.5748 mm. The corner centres are the
    // trapezoid shrunk by r; every vertex of the outline lies exactly r away from it.
    const double w = 19.53, h = 10.97, r = 1.5748, inset = (h - 2 * r) * std::tan(10 * M_PI / 180);
    const std::vector<MPoint> c = {{-(w / 2 - r), -(h / 2 - r)},
                                   {w / 2 - r, -(h / 2 - r)},
                                   {w / 2 - r - inset, h / 2 - r},
                                   {-(w / 2 - r - inset), h / 2 - r}};
    const std::vector<MPoint> outline = RoundedTrapezoid(w, h, 10, r);
    ASSERT_GT(outline.size(), 20u);
    for (MPoint p : outline) {
        double d = 1e9;
        for (size_t i = 0; i < c.size(); ++i)
            d = std::min(d, SegmentDistance(p, c[i], c[(i + 1) % c.size()]));
        EXPECT_NEAR(d, r, 1e-9);
    }
    const MRect e = Extent(outline);
    EXPECT_NEAR(static_cast<double>(e.x2 - e.x1), w, 1e-9);
    EXPECT_NEAR(static_cast<double>(e.y2 - e.y1), h, 1e-9);
    // The wide edge is on top (y negative): the lowest vertices span the narrow edge only.
    for (MPoint p : outline) {
        if (p.y > h / 2 - 1e-9) {
            EXPECT_LE(std::abs(static_cast<double>(p.x)), w / 2 - r - inset + 1e-9);
        }
    }
    // A rectangle without rounding keeps its four corners.
    EXPECT_EQ(RoundedRect(71.3, 24.3, 0).size(), 4u);
}

TEST(StarterContours, TheFlattedCircleStaysOnTheCircleOrOnAFlat) {
    for (bool vertical : {true, false}) {
        const std::vector<MPoint> outline = FlattedCircle(12.0, 11.0, vertical);
        bool flatLow = false, flatHigh = false;
        for (MPoint p : outline) {
            const double across = static_cast<double>(vertical ? p.x : p.y);
            const double radius = std::hypot(static_cast<double>(p.x), static_cast<double>(p.y));
            EXPECT_LE(std::abs(across), 5.5 + 1e-9);
            EXPECT_NEAR(radius, 6.0, 1e-9);
            flatLow |= std::abs(across + 5.5) < 1e-9;
            flatHigh |= std::abs(across - 5.5) < 1e-9;
        }
        // Both flats are edges of the contour: their end points are vertices.
        EXPECT_TRUE(flatLow && flatHigh) << vertical;
        const MRect e = Extent(outline);
        EXPECT_NEAR(static_cast<double>(vertical ? e.y2 - e.y1 : e.x2 - e.x1), 12.0, 1e-9);
    }
}

}  // namespace
}  // namespace pw
