// The inline roundings of the curve and glyph loops against the library calls they stand in
// for: ties to even both ways, negative values, fractions just off a half, the ends of the
// ranges the callers clamp to, and a sweep of random values; and 16.16 fixed point against the
// floor-and-fraction formula written with the library's floorl.
#include "core/fast_round.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

using namespace pw;

TEST(FastRound, ExtendedAndDoubleRoundAsTheLibraryDoes) {
    std::vector<long double> values{
        0.5L,  1.5L,   2.5L,    -0.5L,    -1.5L, -2.5L, 0.49999999999999999L, -0.50000000000000001L,
        1e18L, -1e18L, 0x1p62L, -0x1p62L, 0.0L,  -0.0L};
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> wide(-3e9, 3e9), narrow(-4, 4);
    for (int i = 0; i < 20000; ++i) {
        values.push_back(static_cast<long double>(wide(rng)) / 7);
        values.push_back(std::round(narrow(rng) * 2) / 2 + (i % 3 - 1) * 1e-12L);
    }
    for (long double v : values) {
        EXPECT_EQ(RoundExtendedToInt64(v), std::llrint(v)) << static_cast<double>(v);
        const double d = static_cast<double>(v);
        if (std::fabs(d) < 2e9) {
            EXPECT_EQ(RoundDoubleToInt32(d), std::lrint(d)) << d;
        }
    }
}

TEST(FastRound, FixedPointAsTheFloorFormula) {
    auto reference = [](long double v) -> int32_t {
        if (!std::isfinite(v)) return 0;
        v = std::clamp(v, -32768.0L, 32767.0L);
        const long double ip = std::floor(v);
        const uint32_t frac = static_cast<uint32_t>(std::llrint((v - ip) * 65535)) & 0xFFFFu;
        return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int32_t>(ip)) << 16 | frac);
    };
    std::mt19937_64 rng(9);
    std::uniform_real_distribution<double> any(-40000, 40000);
    for (long double v : {0.0L, -0.0L, -1.0L, -0.5L, 32767.99999L, -32768.0L, 1e9L, -1e9L,
                          static_cast<long double>(NAN), static_cast<long double>(INFINITY)})
        EXPECT_EQ(ToFixed16Inline(v), reference(v)) << static_cast<double>(v);
    for (int i = 0; i < 20000; ++i) {
        const long double v = any(rng);
        ASSERT_EQ(ToFixed16Inline(v), reference(v)) << static_cast<double>(v);
    }
}
