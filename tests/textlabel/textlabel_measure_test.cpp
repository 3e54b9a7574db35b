// A new text, its texts for the status line, and its measurement against the font file.
#include <gtest/gtest.h>

#include "elements/textlabel.h"
#include "text_helpers.h"

using namespace pw;
using pw::test::LanguageScope;
using pw::test::ReferenceFont;

TEST(TextLabelNew, IsAnInscriptionInArialFourMillimetresHigh) {
    TTextLabel t;
    EXPECT_EQ(t.LabelText(), "Beschriftung");
    EXPECT_EQ(t.LabelFont().name, "Arial");
    EXPECT_EQ(t.LabelFont().height, 200);
    EXPECT_EQ(t.LabelFont().style, 0);
    EXPECT_EQ(t.KindCode, 7);
    EXPECT_TRUE(t.FuellenFlag());
    EXPECT_EQ(t.BrushStyle(), bsClear);
    EXPECT_EQ(t.StiftFarbe(), kBlack);
    EXPECT_EQ(t.BrushFarbe(), kBlack);
    EXPECT_EQ(t.StiftBreite(), 0);
    EXPECT_FALSE(t.FlippedH || t.FlippedV);
    for (const MPoint& p : t.Corners) EXPECT_EQ(p, (MPoint{0, 0}));
    EXPECT_EQ(t.InfoText(), "[4 mm]");
    EXPECT_EQ(t.KindName(), "Text Arial");
    EXPECT_EQ(std::string(t.ClassName()), "TTextLabel");

    LanguageScope english(Language::English);
    EXPECT_EQ(TTextLabel().LabelText(), "Inscription");
}

TEST(TextLabelNew, InfoTextShowsTheHeightInShortestFormWithTheDecimalSeparator) {
    TTextLabel t;
    FontSpec f = t.LabelFont();
    f.height = 175;
    t.SetLabelFont(f);
    EXPECT_EQ(t.InfoText(), "[3,5 mm]");
    f.height = 201;
    t.SetLabelFont(f);
    EXPECT_EQ(t.InfoText(), "[4,02 mm]");
    LanguageScope english(Language::English);
    EXPECT_EQ(t.InfoText(), "[4.02 mm]");
}

TEST(TextLabelMeasure, WidthIsTheSumOfTheRoundedAdvancesInTheFontFile) {
    ReferenceFont ref("Liberation Sans", "Regular");
    ASSERT_TRUE(ref.IsOpen());
    struct Case {
        std::u32string word;
        const char* utf8;
        int32_t height;
    };
    const Case cases[] = {{U"Frontplatte", "Frontplatte", 200},
                          {U"Beschriftung", "Beschriftung", 100},
                          {U"W\u00e4hler 10k\u20ac?", "W\u00e4hler 10k\u20ac?", 137},
                          {U"iiiiiiii", "iiiiiiii", 33}};
    for (const Case& c : cases) {
        TTextLabel t(FontSpec{"Arial", c.height, 0}, c.utf8, {1000, 500});
        const long width = pw::test::ReferenceWidth(ref, c.word, c.height);
        EXPECT_EQ(t.NaturalWidth(), width) << c.utf8;
        EXPECT_EQ(t.Corners[0], (MPoint{1000, 500}));
        EXPECT_EQ(t.Corners[1], (MPoint{1000.0L + width, 500}));
        EXPECT_EQ(t.Corners[2], (MPoint{1000.0L + width, 500.0L + c.height}));
        EXPECT_EQ(t.Corners[3], (MPoint{1000, 500.0L + c.height}));
    }
}

TEST(TextLabelMeasure, TextIsCutToTwoHundredFiftyFiveCharacters) {
    TTextLabel t;
    std::string umlauts;
    for (int i = 0; i < 300; ++i) umlauts += "\u00e4";
    t.SetLabelText(umlauts);
    EXPECT_EQ(t.LabelText().size(), 255u * 2);  // characters, not bytes
    t.SetLabelText("kurz");
    EXPECT_EQ(t.LabelText(), "kurz");
}

TEST(TextLabelMeasure, EmptyTextHasAFrameOfCellHeightAndNoWidth) {
    TTextLabel t(FontSpec{}, "", {10, 20});
    EXPECT_EQ(t.Corners[1], (MPoint{10, 20}));
    EXPECT_EQ(t.Corners[3], (MPoint{10, 220}));
}
