#include "core/extended.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

using namespace pw;

namespace {

ExtendedBytes Bytes(std::initializer_list<int> b) {
    ExtendedBytes out{};
    int i = 0;
    for (int v : b) out[i++] = static_cast<uint8_t>(v);
    return out;
}

TEST(Extended, KnownEncodings) {
    // 1.0: mantissa 0x8000000000000000, exponent 0x3FFF.
    EXPECT_EQ(EncodeExtended(1.0L), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    // 30000 = 0x7530 * 2^0: mantissa 0xEA60 << 48, exponent 0x3FFF + 14.
    EXPECT_EQ(EncodeExtended(30000.0L), Bytes({0, 0, 0, 0, 0, 0, 0x60, 0xEA, 0x0D, 0x40}));
    EXPECT_EQ(EncodeExtended(-2.0L), Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}));
    EXPECT_EQ(EncodeExtended(0.0L), Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(EncodeExtended(-0.0L), Bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}));
    EXPECT_EQ(DecodeExtended(Bytes({0, 0, 0, 0, 0, 0, 0x60, 0xEA, 0x0D, 0x40})), 30000.0L);
}

TEST(Extended, SignedZeroAndSubnormalsRoundTrip) {
    Real negZero = DecodeExtended(EncodeExtended(-0.0L));
    EXPECT_EQ(negZero, 0.0L);
    EXPECT_TRUE(std::signbit(negZero));
    Real tiny = std::numeric_limits<Real>::denorm_min();
    EXPECT_EQ(EncodeExtended(tiny), Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(DecodeExtended(EncodeExtended(tiny)), tiny);
    Real sub = std::numeric_limits<Real>::min() / 3;
    EXPECT_EQ(DecodeExtended(EncodeExtended(sub)), sub);
    EXPECT_EQ(DecodeExtended(EncodeExtended(std::numeric_limits<Real>::max())), std::numeric_limits<Real>::max());
}

TEST(Extended, RandomBitPatternsOfFiniteValuesRoundTripExactly) {
    std::mt19937_64 rng(7);
    for (int i = 0; i < 20000; ++i) {
        uint64_t m = rng();
        uint16_t se = static_cast<uint16_t>(rng());
        if ((se & 0x7FFF) == 0x7FFF) continue;
        if ((se & 0x7FFF) != 0) m |= 0x8000000000000000ull;  // normal numbers carry the integer bit
        else m &= 0x7FFFFFFFFFFFFFFFull;                     // subnormals do not
        ExtendedBytes b{};
        for (int k = 0; k < 8; ++k) b[k] = static_cast<uint8_t>(m >> (8 * k));
        b[8] = static_cast<uint8_t>(se);
        b[9] = static_cast<uint8_t>(se >> 8);
        ASSERT_EQ(EncodeExtended(DecodeExtended(b)), b) << i;
    }
}

TEST(Extended, InfinityAndNanReadWithoutHarmAndKeepTheirBits) {
    ExtendedBytes inf = Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F});
    EXPECT_TRUE(std::isinf(DecodeExtended(inf)));
    EXPECT_EQ(EncodeExtended(DecodeExtended(inf)), inf);
    ExtendedBytes nan = Bytes({0x34, 0x12, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0xFF});
    EXPECT_TRUE(std::isnan(DecodeExtended(nan)));
#if LDBL_MANT_DIG == 64
    EXPECT_EQ(EncodeExtended(DecodeExtended(nan)), nan);
#endif
}

TEST(Extended, UnnormalsReadAsTheirValue) {
    // Integer bit clear with a non-zero exponent: 0x4000000000000000 * 2^(0x3FFF - 16383 - 63) = 0.5.
    ExtendedBytes unnormal = Bytes({0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F});
    EXPECT_EQ(DecodeExtended(unnormal), 0.5L);
}

}  // namespace
