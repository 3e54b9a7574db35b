// The starter library shipped in data/LIB: the committed pages and SOURCES.md are what the
// generator writes, and every symbol is a named group whose holes and contours are those of
// the table, which in turn holds the published spacings.
#include "starter_library.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/rechteck.h"
#include "panel/document.h"
#include "panel/register_elements.h"

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
                ASSERT_EQ(contour->Points().size(), s.contours[c].corners.size()) << s.name;
            }
            if (outline) {
                auto* line = dynamic_cast<TRechteck*>(group->Member(group->MemberCount() - 1));
                ASSERT_NE(line, nullptr) << s.name;
                EXPECT_FALSE(line->Fraesen()) << s.name;
                const MRect b = line->GetShapeBounds().Normalised();
                EXPECT_NEAR(static_cast<double>(b.x2 - b.x1), s.outlineWidth * 50, 1e-6) << s.name;
                EXPECT_NEAR(static_cast<double>(b.y2 - b.y1), s.outlineHeight * 50, 1e-6) << s.name;
            }
            // The insertion point is the centre of the hole pattern.
            MRect b = group->GetShapeBounds().Normalised();
            EXPECT_NEAR(static_cast<double>((b.x1 + b.x2) / 2 - at.x), 0, 1e-6) << s.name;
            EXPECT_NEAR(static_cast<double>((b.y1 + b.y2) / 2 - at.y), 0, 1e-6) << s.name;
        }
        EXPECT_EQ(i, page.ElementCount());
        total += i;
    }
    EXPECT_EQ(total, StarterSymbols().size());
}

TEST(StarterLibrary, TheTableHoldsThePublishedSpacings) {
    // Centre distances (mm) between the first hole and the second (across) and, for four-hole
    // patterns, the third (down), as the sources publish them.
    const std::map<std::string, std::pair<double, double>> published = {
        {"D-Sub 9 (DE-9), Befestigungsbohrungen", {24.99, 0}},
        {"19 Zoll, 1 HE, Befestigungsbohrungen", {465.1, 31.75}},
        {"19 Zoll, 2 HE, Befestigungsbohrungen", {465.1, 76.2}},
        {"19 Zoll, 3 HE, Befestigungsbohrungen", {465.1, 120.65}},
        {"Eurorack 3 HE, 4 TE, Befestigung", {4 * 5.08 - 15, 122.5}},
        {"Eurorack 3 HE, 42 TE, Befestigung", {42 * 5.08 - 15, 122.5}},
    };
    for (const StarterSymbol& s : StarterSymbols()) {
        auto it = published.find(s.name);
        if (it == published.end()) continue;
        EXPECT_NEAR(s.holes[1].x - s.holes[0].x, it->second.first, 1e-9) << s.name;
        if (s.holes.size() == 4) {
            EXPECT_NEAR(s.holes[2].y - s.holes[0].y, it->second.second, 1e-9) << s.name;
        }
    }
}

}  // namespace
}  // namespace pw
