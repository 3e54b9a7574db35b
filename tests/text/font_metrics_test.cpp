// Metrics and widths, checked against the font file read with FreeType apart from the engine.
#include <gtest/gtest.h>

#include <cmath>

#include "core/cp1252.h"
#include "core/numbers.h"
#include "reference_font.h"
#include "text/font_engine.h"

using namespace pw;

namespace {

// Font units at height h, rounded to nearest with halves to even (the default rounding mode).
long Rounded(long units, int32_t h, long cell) {
    return std::lrint(static_cast<long double>(units) * h / cell);
}

class LiberationSans : public testing::Test {
  protected:
    test::ReferenceFont ref{"Liberation Sans", "Regular"};
    FontEngine& engine = FontEngine::Instance();
    void SetUp() override { ASSERT_TRUE(ref.IsOpen()); }
};

TEST_F(LiberationSans, CellIsTheHeightSplitByWinAscentAndWinDescent) {
    ASSERT_GT(ref.Cell(), 0);
    for (int32_t h = 1; h <= 5000; h += (h < 300 ? 1 : 97)) {
        TextMetrics m = engine.Metrics({"Arial", h, 0});
        EXPECT_EQ(m.height, h);
        EXPECT_EQ(m.ascent + m.descent, h) << h;
        EXPECT_EQ(m.ascent, Rounded(ref.WinAscent(), h, ref.Cell())) << h;
    }
    TextMetrics m = engine.Metrics({"Arial", 200, 0});
    EXPECT_EQ(m.ascent, 162);  // 1854 * 200 / 2288 = 162.06
    EXPECT_EQ(m.descent, 38);
}

TEST_F(LiberationSans, WidthIsTheSumOfRoundedAdvances) {
    const std::string word = "Beschriftung Größe 12,5 mm";
    for (int32_t h : {200, 100, 37, 1000}) {
        long sum = 0;
        for (char32_t c : Utf8ToUtf32(word)) {
            long expected = Rounded(ref.Advance(c), h, ref.Cell());
            EXPECT_EQ(engine.Advance({"Arial", h, 0}, c), expected) << h << " " << static_cast<int>(c);
            sum += expected;
        }
        EXPECT_EQ(engine.TextWidth({"Arial", h, 0}, word), sum) << h;
        EXPECT_EQ(engine.TextWidth({"Liberation Sans", h, 0}, word), sum) << h;
    }
    // Each character is rounded on its own, not the whole text: find a height where that differs.
    const long i = ref.Advance(U'i');
    int32_t h = 1;
    while (h < 5000 && 4 * Rounded(i, h, ref.Cell()) == Rounded(4 * i, h, ref.Cell())) ++h;
    ASSERT_LT(h, 5000);
    EXPECT_EQ(engine.TextWidth({"Arial", h, 0}, "iiii"), 4 * Rounded(i, h, ref.Cell()));
    EXPECT_EQ(engine.TextWidth({"Arial", 200, 0}, ""), 0);
}

TEST_F(LiberationSans, ExactHalvesRoundToEven) {
    // Find heights at which an advance falls exactly on a half; both neighbours must occur.
    int down = 0, up = 0;
    for (char32_t c : U"aeimnorstw") {
        const long adv = ref.Advance(c);
        for (int32_t h = 1; h <= 5000; ++h) {
            if ((2 * adv * h) % ref.Cell() != 0 || (2 * adv * h / ref.Cell()) % 2 == 0) continue;
            const long floor = adv * h / ref.Cell();
            const int32_t got = engine.Advance({"Arial", h, 0}, c);
            EXPECT_EQ(got, floor % 2 == 0 ? floor : floor + 1) << static_cast<char>(c) << " at " << h;
            (got == floor ? down : up)++;
        }
    }
    EXPECT_GT(down, 0);
    EXPECT_GT(up, 0);
}

TEST(FontMetrics, HeightsOfZeroOrLessMeasureNothing) {
    FontEngine& e = FontEngine::Instance();
    for (int32_t h : {0, -200}) {
        TextMetrics m = e.Metrics({"Arial", h, 0});
        EXPECT_EQ(m.height + m.ascent + m.descent, 0);
        EXPECT_EQ(e.TextWidth({"Arial", h, 0}, "Text"), 0);
        EXPECT_EQ(e.Advance({"Arial", h, 0}, U'T'), 0);
    }
}

TEST(FontMetrics, HugeHeightsAndLongTextsDoNotOverflow) {
    FontEngine& e = FontEngine::Instance();
    TextMetrics m = e.Metrics({"Arial", INT32_MAX, 0});
    EXPECT_EQ(static_cast<int64_t>(m.ascent) + m.descent, kCoordLimit);
    EXPECT_GT(m.ascent, m.descent);
    EXPECT_EQ(e.TextWidth({"Arial", INT32_MAX, 0}, std::string(255, 'W')), kCoordLimit);
}

TEST(FontMetrics, CharactersWithoutGlyphAdvanceLikeTheDefaultGlyph) {
    FontEngine& e = FontEngine::Instance();
    const FontSpec f{"Arial", 2288, 0};
    const int32_t missing = e.Advance(f, U'\U000E0100');
    EXPECT_GT(missing, 0);
    EXPECT_EQ(e.Advance(f, U'\uE000'), missing);
    // Invalid UTF-8 is measured as replacement characters, never skipped silently.
    EXPECT_EQ(e.TextWidth(f, "a\xFF"), e.Advance(f, U'a') + e.Advance(f, U'\uFFFD'));
}

}  // namespace
