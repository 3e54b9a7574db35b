// The rulers' step rule and tick layout.
#include "ui/main/ruler_scale.h"

#include <gtest/gtest.h>

#include "support/hook_guards.h"
#include "ui_test_support.h"

namespace pw {
namespace {

TEST(NiceStep, PowersOfTenHalvesAndFifths) {
    // 1 px/mm over 800 mm: 1000 covers 1000 px, 100 covers 100 px.
    EXPECT_DOUBLE_EQ(NiceStep(800, 0, 1), 100);
    // 4 px/mm over 200 mm: 100 covers 400 px (over 250), so a fifth: 20 (80 px).
    EXPECT_DOUBLE_EQ(NiceStep(200, 0, 4), 20);
    // 10 px/mm over 80 mm: 10 covers exactly 100 px, which is not more than 100.
    EXPECT_DOUBLE_EQ(NiceStep(80, 0, 10), 10);
    // 1.5 px/mm: 100 covers 150 px, more than 100: halved.
    EXPECT_DOUBLE_EQ(NiceStep(500, 0, 1.5), 50);
    // 40 px/mm over 20 mm: 10 covers 400 px -> 2 (80 px).
    EXPECT_DOUBLE_EQ(NiceStep(20, 0, 40), 2);
    // A range of less than a millimetre.
    EXPECT_DOUBLE_EQ(NiceStep(0.5, 0, 400), 0.2);
}

TEST(NiceStep, TheStepIsMeasuredAtTheRangesLeftEnd) {
    // 0.5 px/mm: 1000 mm cover 500 px, more than 250: a fifth, 200 (100 px, not halved).
    EXPECT_DOUBLE_EQ(NiceStep(1600, 0, 0.5), 200);
    // The same range further right keeps its step.
    EXPECT_DOUBLE_EQ(NiceStep(2600, 1000, 0.5), 200);
}

TEST(NiceStep, DegenerateRangesEnd) {
    EXPECT_GT(NiceStep(0, 0, 1), 0);
    EXPECT_GT(NiceStep(1e12, 0, 1), 0);
    EXPECT_GT(NiceStep(10, 0, 1e-9), 0);
}

TEST(RulerLayout, TicksAreWholeStepsAndTheOriginIsMarked) {
    // Origin at 10 mm, zoom 4 px/mm, scrolled by 100 px, 400 px long: 15 to 115 mm shown.
    RulerLayout r = LayoutRuler(10, 100, 400, 4);
    ASSERT_DOUBLE_EQ(r.step, 20);
    ASSERT_FALSE(r.main.empty());
    // The first tick lies one step before the range.
    EXPECT_DOUBLE_EQ(r.main.front().value, -20);
    int origins = 0;
    for (const RulerTick& t : r.main) {
        EXPECT_EQ(t.pixel, static_cast<int>((t.value + 10) * 4 - 100) + 1);
        if (t.origin) {
            ++origins;
            EXPECT_EQ(t.value, 0);
            EXPECT_EQ(t.pixel, -59);
        }
        EXPECT_LT(t.value, 115);
    }
    EXPECT_EQ(origins, 1);
    EXPECT_EQ(r.minor.size(), r.main.size() * 10);
    // The minor ticks of the first main tick: every 2 mm, 8 px apart.
    EXPECT_EQ(r.minor[0], r.main[0].pixel + 8);
    EXPECT_EQ(r.minor[9], r.main[1].pixel);
}

TEST(RulerLayout, NothingWithoutAZoomOrALength) {
    EXPECT_TRUE(LayoutRuler(0, 0, 0, 1).main.empty());
    EXPECT_TRUE(LayoutRuler(0, 0, 100, 0).main.empty());
}

TEST(RulerLabel, FourSignificantDigitsInTheLanguagesNotation) {
    test::LanguageScope scope;
    LanguageGuard language(Language::German);
    EXPECT_EQ(RulerLabel(2.5), "2,5");
    EXPECT_EQ(RulerLabel(-20), "-20");
    EXPECT_EQ(RulerLabel(0.125), "0,125");
    SetLanguage(Language::English);
    EXPECT_EQ(RulerLabel(2.5), "2.5");
    EXPECT_EQ(RulerLabel(1000), "1000");
}

}  // namespace
}  // namespace pw
