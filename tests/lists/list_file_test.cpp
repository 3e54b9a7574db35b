// What the three list files share: bounded counts, the strict number field, the element's
// attributes shown in the windows.
#include "core/list_file.h"

#include <gtest/gtest.h>

#include "elements/marked_attributes.h"
#include "elements/rechteck.h"
#include "elements/textlabel.h"

namespace pw::test {
namespace {

TEST(ListFile, CountStopsAtTheFirstMissingSection) {
    IniFile ini;
    ini.Parse("[L]\nAnzahl=4\n[E0]\n[E1]\n[E3]\n");
    EXPECT_EQ(StoredCount(ini, "L", "E"), 2);
    ini.Parse("[L]\nAnzahl=-3\n[E0]\n");
    EXPECT_EQ(StoredCount(ini, "L", "E"), 0);
    ini.Parse("[E0]\n");
    EXPECT_EQ(StoredCount(ini, "L", "E"), 0);
    ini.Parse("[l]\nanzahl=1\n[e0]\n");  // letter case does not matter
    EXPECT_EQ(StoredCount(ini, "L", "E"), 1);
}

TEST(ListFile, NumberFieldMustBeOneNumber) {
    EXPECT_EQ(ReadNumberField("7,5", 50), 7.5L);
    EXPECT_EQ(ReadNumberField(" -3.25 ", 50), -3.25L);
    EXPECT_EQ(ReadNumberField(".5", 50), 0.5L);
    EXPECT_EQ(ReadNumberField("1e1", 50), 10.0L);
    for (const char* bad : {"", "  ", "abc", "5mm", "1,2,3", "-", "1e", "e5", "1e30"})
        EXPECT_FALSE(ReadNumberField(bad, 50)) << bad;
    EXPECT_TRUE(ReadNumberField("40000000", 50));
    EXPECT_FALSE(ReadNumberField("50000000", 50));  // 2.5e9 units do not fit
}

TEST(ListFile, MarkedElementsShowTheirAttributes) {
    TRechteck box;
    box.SetStiftBreite(37.5L);
    box.SetStiftFarbe(0x0000FF);
    box.SetStiftPattern(ptPunkt);
    box.SetBrushFarbe(0x00FF00);
    box.SetBrushStyle(bsCross);
    EXPECT_EQ(PenOf(box).width, 38);
    EXPECT_EQ(PenOf(box).pattern, ptPunkt);
    EXPECT_EQ(BrushOf(box).style, bsCross);
    EXPECT_EQ(BrushOf(box).color, 0x00FF00u);
    EXPECT_FALSE(FontOf(box));

    TTextLabel text(FontSpec{"Liberation Serif", 300, fsItalic}, "Abc", MPoint{0, 0});
    text.SetStiftFarbe(0x112233);
    ASSERT_TRUE(FontOf(text));
    EXPECT_EQ(FontOf(text)->font, (FontSpec{"Liberation Serif", 300, fsItalic}));
    EXPECT_EQ(FontOf(text)->color, 0x112233u);
}

}  // namespace
}  // namespace pw::test
