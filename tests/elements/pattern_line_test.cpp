#include "elements/pattern_line.h"

#include <gtest/gtest.h>

#include "element_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

using Lines = std::vector<std::vector<IPoint>>;

Lines Draw(IPoint from, IPoint to, int32_t period, TPattern pattern, int32_t penWidth = 0) {
    PanelCanvas c;
    c.SetPenWidth(penWidth);
    c.MoveTo(from);
    DrawPatternLine(c, to, period, pattern);
    Lines out;
    for (const RecordedCall& call : c.calls) out.push_back(call.pts);
    return out;
}

TEST(PatternLine, DashesEndWithADash) {
    // Step 100, n = 4, sigma = 400 / 4.5.
    Lines l = Draw({0, 0}, {400, 0}, 100, ptStrich);
    const Real s = 400 / 4.5L;
    ASSERT_EQ(l.size(), 5u);
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(l[k], (std::vector<IPoint>{{RoundToInt(k * s), 0}, {RoundToInt(k * s + s / 2), 0}}));
    EXPECT_EQ(l[4], (std::vector<IPoint>{{356, 0}, {400, 0}}));
}

TEST(PatternLine, DotsAreOneUnitLongAtEveryHalfStep) {
    // Step 100 + 2 * 25 = 150, n = round(300 / 150) = 2, four intervals, five dots.
    Lines l = Draw({0, 0}, {0, 300}, 100, ptPunkt, 25);
    EXPECT_EQ(l, (Lines{{{0, 0}, {1, 0}},
                        {{0, 75}, {1, 75}},
                        {{0, 150}, {1, 150}},
                        {{0, 225}, {1, 225}},
                        {{0, 300}, {1, 300}}}));
}

TEST(PatternLine, DashDotAlternatesAndEndsOnTheTarget) {
    // n = round(3.3) = 3, sigma = 330 / 3.5: dash (k = 0), dot (k = 1), dash (k = 2), then a
    // line from 2 sigma to the target.
    Lines l = Draw({0, 0}, {330, 0}, 100, ptPunktStrich);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0], (std::vector<IPoint>{{0, 0}, {94, 0}}));
    EXPECT_EQ(l[1], (std::vector<IPoint>{{141, 0}, {142, 0}}));
    EXPECT_EQ(l[2], (std::vector<IPoint>{{189, 0}, {283, 0}}));
    EXPECT_EQ(l[3], (std::vector<IPoint>{{189, 0}, {330, 0}}));
}

TEST(PatternLine, SegmentShorterThanHalfAStepIsSolid) {
    EXPECT_EQ(Draw({0, 0}, {49, 0}, 100, ptStrich), (Lines{{{0, 0}, {49, 0}}}));
    // Exactly half a step rounds to the even 0 as well.
    EXPECT_EQ(Draw({0, 0}, {50, 0}, 100, ptPunkt), (Lines{{{0, 0}, {50, 0}}}));
    EXPECT_EQ(Draw({0, 0}, {51, 0}, 100, ptStrich).size(), 2u);
    EXPECT_EQ(Draw({0, 0}, {400, 0}, 100, ptDurchgezogen), (Lines{{{0, 0}, {400, 0}}}));
    EXPECT_TRUE(Draw({0, 0}, {400, 0}, 100, ptClear).empty());
}

TEST(PatternLine, AbsurdLengthsAreBounded) {
    Lines l = Draw({-2000000000, 0}, {2000000000, 0}, 1, ptStrich);
    EXPECT_EQ(l.size(), static_cast<size_t>(kMaxPatternSteps) + 1);
}

}  // namespace
