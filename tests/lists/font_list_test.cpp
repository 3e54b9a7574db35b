// The font list: Fonts.ini read and written, the buttons' operations and the current font.
#include "core/font_list.h"

#include <gtest/gtest.h>

#include "core/ini_file.h"
#include "core/language.h"
#include "core/list_file.h"
#include "lists/list_test_support.h"

namespace pw::test {
namespace {

struct FontListTest : ::testing::Test {
    ListDir dir;
    std::string path = dir.File("Fonts.ini");
    Language saved = CurrentLanguage();
    ~FontListTest() override { SetLanguage(saved); }

    std::string Section(int i, const std::string& name, int height) {
        return "[Font" + std::to_string(i) + "]\nName=" + name + "\nHoehe=" + std::to_string(height) +
               "\nItalic=" + (i % 2 ? "1" : "0") + "\nBold=1\nBeschreibung=D" + std::to_string(i) +
               "\nFarbe=" + std::to_string(i) + "\n";
    }
    void WriteFonts(int anzahl, int sections) {
        std::string text = "[Fonts]\nAnzahl=" + std::to_string(anzahl) + "\n";
        for (int i = 0; i < sections; ++i) text += Section(i, "Liberation Serif", 100 + 25 * i);
        dir.Write("Fonts.ini", text);
    }
};

TEST_F(FontListTest, CountTakesOnlyTheFirstSections) {
    WriteFonts(3, 6);
    FontList fonts(path);
    ASSERT_TRUE(fonts.Load());
    ASSERT_EQ(fonts.Entries().Count(), 3);
    EXPECT_EQ(fonts.Entries().At(2).name, "D2");
    EXPECT_EQ(fonts.Entries().Selected(), 0);
    EXPECT_EQ(fonts.Current().font, (FontSpec{"Liberation Serif", 100, fsBold}));
    EXPECT_EQ(fonts.Entries().At(1).value.font.style, fsBold | fsItalic);
    EXPECT_EQ(fonts.Entries().At(1).value.color, 1u);
}

TEST_F(FontListTest, MissingOrEmptyListKeepsTheDefaultFont) {
    for (bool empty : {false, true}) {
        if (empty) dir.Write("Fonts.ini", "[Fonts]\nAnzahl=0\n");
        FontList fonts(path);
        EXPECT_TRUE(fonts.Load());
        EXPECT_TRUE(fonts.Entries().Empty());
        EXPECT_FALSE(fonts.Entries().HasSelection());
        EXPECT_EQ(fonts.Current().font, (FontSpec{"Arial", 200, 0}));
        EXPECT_EQ(fonts.Current().color, 0u);
        fonts.SelectLine(0);
        EXPECT_FALSE(fonts.Entries().HasSelection());
    }
}

TEST_F(FontListTest, DefaultsAndRangesOfTheFile) {
    dir.Write("Fonts.ini",
              "[Fonts]\nAnzahl=3\n[Font0]\n[Font1]\nName=\nHoehe=0\nFarbe=-1\n"
              "[Font2]\nHoehe=99999\nItalic=7\n");
    FontList fonts(path);
    fonts.Load();
    ASSERT_EQ(fonts.Entries().Count(), 3);
    EXPECT_EQ(fonts.Entries().At(0).name, "Font");
    EXPECT_EQ(fonts.Entries().At(0).value.font, (FontSpec{"Arial", 200, 0}));
    EXPECT_EQ(fonts.Entries().At(1).value.font.name, "Arial");
    EXPECT_EQ(fonts.Entries().At(1).value.font.height, 1);
    EXPECT_EQ(fonts.Entries().At(1).value.color, 0u);
    EXPECT_EQ(fonts.Entries().At(2).value.font.height, 5000);
    EXPECT_EQ(fonts.Entries().At(2).value.font.style, fsItalic);
}

TEST_F(FontListTest, WritesTheKeysInTheirOrder) {
    FontList fonts(path);
    fonts.SetItalic(true);
    fonts.SetColour(0xFF0000);
    fonts.Add("3,5", "Liberation Mono");
    EXPECT_EQ(dir.Read("Fonts.ini"),
              "[Fonts]\r\nAnzahl=1\r\n\r\n[Font0]\r\nName=Liberation Mono\r\nHoehe=175\r\nItalic=1\r\n"
              "Bold=0\r\nBeschreibung=Liberation Mono\r\nFarbe=16711680\r\n");
    FontList again(path);
    again.Load();
    EXPECT_EQ(again.Current().font, (FontSpec{"Liberation Mono", 175, fsItalic}));
    EXPECT_EQ(again.Current().color, 0xFF0000u);
}

TEST_F(FontListTest, HeightShownInTheListAndInTheField) {
    EXPECT_EQ(FontList::HeightLabel(175), "3 mm");
    EXPECT_EQ(FontList::HeightLabel(49), "0 mm");
    SetLanguage(Language::German);
    EXPECT_EQ(MillimetreText(175), "3,5");
    SetLanguage(Language::English);
    EXPECT_EQ(MillimetreText(175), "3.5");
}

TEST_F(FontListTest, AddingClampsTheHeight) {
    FontList fonts(path);
    FontList::AddResult r = fonts.Add("60", "Liberation Sans");
    EXPECT_EQ(r.outcome, FontList::AddOutcome::Corrected);
    EXPECT_EQ(r.height, 2500);
    EXPECT_EQ(fonts.Current().font.height, 2500);
    EXPECT_EQ(fonts.Entries().At(0).name, "Liberation Sans");
    EXPECT_EQ(fonts.Add("-2", "").height, 1);
    EXPECT_EQ(fonts.Entries().At(0).value.font.name, "Liberation Sans");  // kept when none chosen
    EXPECT_EQ(fonts.Add("50", "x").outcome, FontList::AddOutcome::Added);
    EXPECT_EQ(fonts.Add("0", "x").outcome, FontList::AddOutcome::Added);
    EXPECT_EQ(fonts.Current().font.height, 1);
    EXPECT_EQ(fonts.Add("1e30", "x").outcome, FontList::AddOutcome::Invalid);
    EXPECT_EQ(fonts.Entries().Count(), 4);
}

TEST_F(FontListTest, DeletingSelectsTheNeighbourOrNothing) {
    WriteFonts(2, 2);
    FontList fonts(path);
    fonts.Load();
    fonts.SelectLine(1);
    ASSERT_TRUE(fonts.DeleteSelected());
    EXPECT_EQ(fonts.Entries().Selected(), 0);  // the last went: the line above
    EXPECT_EQ(fonts.Current().font.height, 100);
    fonts.SetHeightText("7");
    ASSERT_TRUE(fonts.DeleteSelected());
    EXPECT_FALSE(fonts.Entries().HasSelection());
    EXPECT_EQ(fonts.Current().font.height, 350);  // the only line went: current font unchanged
}

TEST_F(FontListTest, ControlsFeedTheCurrentFontWithinItsRange) {
    WriteFonts(1, 1);
    FontList fonts(path);
    fonts.Load();
    fonts.SetHeightText("0");
    EXPECT_EQ(fonts.Current().font.height, 1);
    EXPECT_TRUE(fonts.Entries().HasSelection());
    fonts.SetHeightText("2,5");
    EXPECT_EQ(fonts.Current().font.height, 125);
    fonts.SetBold(false);
    EXPECT_FALSE(fonts.Entries().HasSelection());
    EXPECT_EQ(fonts.Current().font.style, 0);
    fonts.SetName("Liberation Mono");
    fonts.SetName("");
    EXPECT_EQ(fonts.Current().font.name, "Liberation Mono");
    fonts.ShowText({FontSpec{"DejaVu Sans", -5, fsItalic}, 0x00FF00});
    EXPECT_EQ(fonts.Current().font, (FontSpec{"DejaVu Sans", 1, fsItalic}));
}

TEST_F(FontListTest, OnlyStorableFamiliesCanBeChosen) {
    EXPECT_EQ(FontList::ChoosableFamilies(
                  {"Liberation Sans", "\xE6\x96\x87\xE6\xB3\x89\xE9\xA9\xBF", "", "Caf\xC3\xA9"}),
              (std::vector<std::string>{"Liberation Sans", "Caf\xC3\xA9"}));
}

}  // namespace
}  // namespace pw::test
