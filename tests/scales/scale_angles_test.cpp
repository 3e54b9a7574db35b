#include <gtest/gtest.h>

#include "scale_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

double Deg(Real rad) {
    return static_cast<double>(rad * 180 / kPi);
}

TEST(ScaleAngles, DefaultRangeRunsFromLowerLeftOverTheTopToLowerRight) {
    TScale s;
    EXPECT_NEAR(Deg(s.StartAngle()), 225, 1e-12);
    EXPECT_NEAR(Deg(s.EndAngle()), 315, 1e-12);
    EXPECT_NEAR(Deg(s.Span()), 270, 1e-12);
    s.SetParam(9, 90);  // rotation turns the range counter-clockwise
    EXPECT_NEAR(Deg(s.StartAngle()), 315, 1e-12);
    EXPECT_NEAR(Deg(s.EndAngle()), 405, 1e-12);
    EXPECT_NEAR(Deg(s.Span()), 270, 1e-12);
    s.SetParam(0, 90);
    s.SetParam(9, 0);
    EXPECT_NEAR(Deg(s.StartAngle()), 135, 1e-12);
    EXPECT_NEAR(Deg(s.EndAngle()), 45, 1e-12);
    EXPECT_NEAR(Deg(s.Span()), 90, 1e-12);
}

TEST(ScaleAngles, FullCircleStartsAndEndsAtTheBottom) {
    TScale s;
    s.SetParam(0, 360);
    EXPECT_NEAR(Deg(s.StartAngle()), 270, 1e-12);
    EXPECT_EQ(s.EndAngle(), s.StartAngle() - 2 * kPi);
    EXPECT_EQ(s.Span(), 2 * kPi);
}

TEST(ScaleAngles, ZeroRangeIsAFullTurnFromTheTop) {
    // Start and end agree only up to the last bits; the scale covers the whole circle rather
    // than nothing, whatever those bits say.
    for (Real rho : {0.0L, 45.0L, 90.0L, 137.5L, 360.0L}) {
        TScale s;
        s.SetParam(0, 0);
        s.SetParam(9, rho);
        EXPECT_NEAR(Deg(s.StartAngle()), 90 + static_cast<double>(rho), 1e-9);
        EXPECT_EQ(s.EndAngle(), s.StartAngle() - 2 * kPi);
        EXPECT_EQ(s.Span(), 2 * kPi) << static_cast<double>(rho);
    }
}

TEST(ScaleAngles, RotationParameterOfEachStyle) {
    struct Case {
        int style;
        size_t index;
    } cases[] = {{1, 9}, {3, 9}, {5, 9}, {6, 16}, {7, 4}, {8, 4}, {9, 4}, {10, 4}, {11, 3}};
    for (const Case& c : cases) {
        auto s = ScaleOfStyle(c.style);
        s->SetParam(c.index, 30);
        EXPECT_EQ(s->RotationParam(), 30) << c.style;
    }
    for (int style : {0, 2, 4, 12}) {
        auto s = ScaleOfStyle(style);
        EXPECT_EQ(s->RotationParam(), 0) << style;
    }
}

}  // namespace
