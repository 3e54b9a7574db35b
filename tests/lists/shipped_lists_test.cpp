// The lists shipped in data/home, which a first start copies into the program directory.
#include <gtest/gtest.h>

#include "core/brush_list.h"
#include "core/font_list.h"
#include "core/pen_list.h"
#include "text/font_engine.h"

namespace pw::test {
namespace {

std::string Shipped(const char* name) {
    return std::string(PW_DATA_DIR) + "/home/" + name;
}

TEST(ShippedLists, PensBrushesAndInstalledFonts) {
    PenList pens(Shipped("Stifte.ini"));
    ASSERT_TRUE(pens.Load());
    ASSERT_GE(pens.Entries().Count(), 6);
    EXPECT_EQ(pens.Entries().At(0).value.width, 0);  // the hairline first
    BrushList brushes(Shipped("Fuellung.ini"));
    ASSERT_TRUE(brushes.Load());
    ASSERT_GE(brushes.Entries().Count(), 6);
    bool hatch = false, none = false;
    for (const auto& line : brushes.Entries().Entries()) {
        hatch |= line.value.style >= bsHorizontal;
        none |= line.value.style == bsClear;
    }
    EXPECT_TRUE(hatch && none);

    FontList fonts(Shipped("Fonts.ini"));
    ASSERT_TRUE(fonts.Load());
    ASSERT_GE(fonts.Entries().Count(), 4);
    for (const auto& line : fonts.Entries().Entries()) {
        EXPECT_FALSE(FontEngine::Instance().IsFallback(line.value.font)) << line.value.font.name;
        EXPECT_GE(line.value.font.height, 125);
        EXPECT_LE(line.value.font.height, 250);
    }
}

}  // namespace
}  // namespace pw::test
