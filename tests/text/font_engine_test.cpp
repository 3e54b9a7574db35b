// Finding fonts: names, stand-ins, fallbacks, styles and the list of families.
#include "text/font_engine.h"

#include <fontconfig/fontconfig.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/geometry.h"
#include "glyph_recorder.h"
#include "reference_font.h"

using namespace pw;

namespace {

FontSpec Font(const std::string& name, uint8_t style = 0, int32_t height = 200) {
    return {name, height, style};
}

TEST(FontLookup, WindowsFamiliesFindTheirMetricCompatibleStandIns) {
    FontEngine& e = FontEngine::Instance();
    for (const char* name : {"Arial", "ARIAL", "arial", "Liberation Sans", "liberation SANS"}) {
        EXPECT_EQ(e.ResolvedFamily(Font(name)), "Liberation Sans") << name;
        EXPECT_FALSE(e.IsFallback(Font(name))) << name;
    }
    EXPECT_EQ(e.ResolvedFamily(Font("Times New Roman")), "Liberation Serif");
    EXPECT_FALSE(e.IsFallback(Font("Times New Roman")));
    EXPECT_EQ(e.ResolvedFamily(Font("courier new", fsItalic)), "Liberation Mono");
    EXPECT_FALSE(e.IsFallback(Font("courier new", fsItalic)));
}

TEST(FontLookup, UnknownFamiliesFallBackToASansFontVisibly) {
    FontEngine& e = FontEngine::Instance();
    for (const char* name : {"No Such Family 4711", "", "Arial Narrow Nonexistent", "sans-serif"}) {
        FontSpec f = Font(name);
        EXPECT_TRUE(e.IsFallback(f)) << name;
        std::string family = e.ResolvedFamily(f);
        EXPECT_FALSE(family.empty()) << name;
        EXPECT_NE(family, name);
        // The fallback really serves: it measures and draws.
        EXPECT_GT(e.TextWidth(f, "Abc"), 0) << name;
        EXPECT_EQ(e.Metrics(f).height, 200) << name;
    }
    // A wrong name does not spoil the right one asked for next.
    EXPECT_FALSE(e.IsFallback(Font("Arial")));
}

TEST(FontLookup, BoldAndItalicChooseTheirFacesUnderlineAndStrikeOutDoNot) {
    FontEngine& e = FontEngine::Instance();
    test::ReferenceFont regular("Liberation Sans", "Regular"), bold("Liberation Sans", "Bold");
    ASSERT_TRUE(regular.IsOpen() && bold.IsOpen());
    const int32_t h = 2288;  // one font unit per model unit: advances are the font's own
    bool differs = false;
    for (char32_t c : U"Beschriftung 0123 MW") {
        if (c == 0) continue;
        EXPECT_EQ(e.Advance(Font("Arial", fsBold, h), c), bold.Advance(c));
        EXPECT_EQ(e.Advance(Font("Arial", 0, h), c), regular.Advance(c));
        differs |= bold.Advance(c) != regular.Advance(c);
    }
    EXPECT_TRUE(differs);
    EXPECT_FALSE(e.IsFallback(Font("Arial", fsBold | fsItalic)));
    EXPECT_EQ(e.ResolvedFamily(Font("Arial", fsBold | fsItalic)), "Liberation Sans");
    EXPECT_GT(e.TextWidth(Font("Arial", fsBold), "Beschriftung"), e.TextWidth(Font("Arial"), "Beschriftung"));
    EXPECT_EQ(e.TextWidth(Font("Arial", fsUnderline | fsStrikeOut), "Beschriftung"),
              e.TextWidth(Font("Arial"), "Beschriftung"));
}

TEST(FontLookup, MissingBoldAndItalicFacesAreSynthesised) {
    // Needs a family with a regular face only; DejaVu's mathematics font is one.
    FontEngine& e = FontEngine::Instance();
    const std::string family = "DejaVu Math TeX Gyre";
    if (e.IsFallback(Font(family))) GTEST_SKIP() << family << " is not installed";
    EXPECT_FALSE(e.IsFallback(Font(family, fsBold | fsItalic)));
    // Emboldening widens each advance by 1/24 em, several units at this height.
    EXPECT_GT(e.Advance(Font(family, fsBold, 2000), U'l'), e.Advance(Font(family, 0, 2000), U'l'));
    test::GlyphRecorder upright, slanted;
    ASSERT_TRUE(e.Outline(Font(family), U'l', {}, upright));
    ASSERT_TRUE(e.Outline(Font(family, fsItalic), U'l', {}, slanted));
    ASSERT_EQ(upright.records.size(), slanted.records.size());
    // The slant moves every point by a fifth of its height above the baseline.
    for (size_t i = 0; i < upright.records.size(); ++i) {
        ASSERT_EQ(upright.records[i].pts.size(), slanted.records[i].pts.size());
        for (size_t j = 0; j < upright.records[i].pts.size(); ++j) {
            GlyphPoint a = upright.records[i].pts[j], b = slanted.records[i].pts[j];
            EXPECT_NEAR(FromFixed16(b.x), FromFixed16(a.x) + FromFixed16(a.y) / 5, 0.05);
            EXPECT_NEAR(FromFixed16(b.y), FromFixed16(a.y), 0.05);
        }
    }
}

TEST(FontLookup, FamilyNamesAreSortedUniqueAndHoldTheLiberationFonts) {
    std::vector<std::string> names = FontEngine::Instance().FamilyNames();
    EXPECT_THAT(names, testing::IsSupersetOf({"Liberation Sans", "Liberation Serif", "Liberation Mono"}));
    for (size_t i = 1; i < names.size(); ++i) {
        auto a = reinterpret_cast<const FcChar8*>(names[i - 1].c_str());
        auto b = reinterpret_cast<const FcChar8*>(names[i].c_str());
        EXPECT_LT(FcStrCmpIgnoreCase(a, b), 0) << names[i - 1] << " / " << names[i];
    }
    // Every listed family is found as itself.
    for (const std::string& name : names) EXPECT_FALSE(FontEngine::Instance().IsFallback(Font(name))) << name;
}

TEST(FontLookup, ClearedCachesReadEverythingAgainAlike) {
    FontEngine& e = FontEngine::Instance();
    int32_t before = e.TextWidth(Font("Arial", fsBold), "Frontplatte");
    std::string family = e.ResolvedFamily(Font("Nothing Like This"));
    e.ClearCaches();
    EXPECT_EQ(e.TextWidth(Font("Arial", fsBold), "Frontplatte"), before);
    EXPECT_EQ(e.ResolvedFamily(Font("Nothing Like This")), family);
    EXPECT_TRUE(e.IsFallback(Font("Nothing Like This")));
}

}  // namespace
