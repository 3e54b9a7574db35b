#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/numbers.h"

using namespace pw;

namespace {

TEST(RoundEven, HalvesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundEven(0.5L), 0);
    EXPECT_EQ(RoundEven(1.5L), 2);
    EXPECT_EQ(RoundEven(2.5L), 2);
    EXPECT_EQ(RoundEven(-2.5L), -2);
    EXPECT_EQ(RoundEven(-3.5L), -4);
    EXPECT_EQ(RoundEven(2.5000000000000001L), 3);
    EXPECT_EQ(RoundEven(-7.49L), -7);
    EXPECT_EQ(RoundToInt(1708.5L), 1708);
    EXPECT_EQ(RoundToInt(-1708.5L), -1708);
}

TEST(RoundEven, SignsOfZeroAndValuesBeyondIntegersArePreserved) {
    EXPECT_TRUE(std::signbit(RoundEven(-0.3L)));
    EXPECT_TRUE(std::signbit(RoundEven(-0.0L)));
    EXPECT_FALSE(std::signbit(RoundEven(0.3L)));
    const Real big = 0x1p63L, huge = 1e30L;
    EXPECT_EQ(RoundEven(big), big);
    EXPECT_EQ(RoundEven(-big), -big);
    EXPECT_EQ(RoundEven(huge), huge);
    EXPECT_EQ(RoundEven(big - 1), big - 1);  // whole already: 64 mantissa bits
    EXPECT_EQ(RoundEven(0x1p62L + 0.5L), 0x1p62L);
    EXPECT_TRUE(std::isnan(RoundEven(std::numeric_limits<Real>::quiet_NaN())));
    EXPECT_EQ(RoundEven(-std::numeric_limits<Real>::infinity()), -std::numeric_limits<Real>::infinity());
    EXPECT_EQ(RoundToInt(1e30L), kCoordLimit);
    EXPECT_EQ(RoundToInt64(-1e30L), std::numeric_limits<int64_t>::min());
}

TEST(RoundEven, RoundToIntSaturatesAtTheCoordinateBound) {
    EXPECT_EQ(RoundToInt(999999998.5L), 999999998);
    EXPECT_EQ(RoundToInt(999999999.5L), kCoordLimit);
    EXPECT_EQ(RoundToInt(1e9L + 0.4L), kCoordLimit);
    EXPECT_EQ(RoundToInt(-999999999.5L), -kCoordLimit);
    EXPECT_EQ(RoundToInt(-999999998.5L), -999999998);
    EXPECT_EQ(RoundToInt(-3e9L), -kCoordLimit);
    EXPECT_EQ(RoundToInt(std::numeric_limits<Real>::infinity()), kCoordLimit);
    EXPECT_EQ(RoundToInt(-std::numeric_limits<Real>::infinity()), -kCoordLimit);
    EXPECT_EQ(RoundToInt(std::numeric_limits<Real>::quiet_NaN()), 0);
    EXPECT_EQ(RoundToInt(-0.5L), 0);
    EXPECT_EQ(RoundToInt(0.5L), 0);
}

}  // namespace
