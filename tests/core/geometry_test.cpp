#include "core/geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/cp1252.h"
#include "core/numbers.h"

using namespace pw;

namespace {

TEST(Numbers, RoundingIsToNearestWithTiesToEven) {
    EXPECT_EQ(RoundEven(12.5L), 12);
    EXPECT_EQ(RoundEven(13.5L), 14);
    EXPECT_EQ(RoundEven(-0.5L), 0);
    EXPECT_EQ(RoundEven(-1.5L), -2);
    EXPECT_EQ(RoundToInt(2.4999L), 2);
    EXPECT_EQ(RoundToInt(1e30L), kCoordLimit);
    EXPECT_EQ(RoundToInt(-1e30L), -kCoordLimit);
    EXPECT_EQ(RoundToInt(NAN), 0);
    EXPECT_EQ(TruncToInt(-2.9L), -2);
}

TEST(Numbers, TextToNumber) {
    EXPECT_EQ(TextToNumber("12,5"), 12.5L);
    EXPECT_EQ(TextToNumber("12.5"), 12.5L);
    EXPECT_EQ(TextToNumber(""), 0);
    EXPECT_EQ(TextToNumber("   "), 0);
    EXPECT_EQ(TextToNumber("abc"), 0);
    EXPECT_EQ(TextToNumber("-30"), -30);
    EXPECT_EQ(TextToNumber(" 4 "), 4);
    EXPECT_EQ(TextToNumber(",5"), 0.5L);
    EXPECT_EQ(TextToNumber("-"), 0);
    EXPECT_EQ(TextToNumber("1e400000"), 0);  // out of range reads as 0, not infinity
}

TEST(Numbers, Formatting) {
    EXPECT_EQ(FormatFixed(12.345L, 2, ','), "12,35");
    EXPECT_EQ(FormatFixed(-0.001L, 2, '.'), "0.00");
    EXPECT_EQ(FormatGeneral(4, 4, ','), "4");
    EXPECT_EQ(FormatGeneral(3.5L, 4, ','), "3,5");
    EXPECT_EQ(FormatGeneral(12.3456L, 4, '.'), "12.35");
}

TEST(Geometry, DirectionFollowsTheScreen) {
    MPoint o{0, 0};
    EXPECT_EQ(Direction(o, {10, 0}), 0);
    EXPECT_EQ(Direction(o, {-10, 0}), kPi);
    EXPECT_EQ(Direction(o, o), kPi);
    EXPECT_EQ(Direction(o, {0, -10}), kPi / 2);  // up on the screen
    EXPECT_EQ(Direction(o, {0, 10}), 3 * kPi / 2);
    EXPECT_NEAR(static_cast<double>(Direction(o, {10, -10})), M_PI / 4, 1e-12);
    EXPECT_NEAR(static_cast<double>(Direction(o, {10, 10})), 7 * M_PI / 4, 1e-12);
    EXPECT_NEAR(static_cast<double>(Direction(o, {-10, 10})), 5 * M_PI / 4, 1e-12);
}

TEST(Geometry, DistanceRotateScaleMirror) {
    EXPECT_EQ(Distance({0, 0}, {3, 4}), 5);
    EXPECT_EQ(Distance({1, 1}, {1 + 1e-10L, 1}), 0);
    MPoint r = RotatePoint({10, 0}, {0, 0}, kPi / 2);  // counter-clockwise on screen: up
    EXPECT_NEAR(static_cast<double>(r.x), 0, 1e-12);
    EXPECT_NEAR(static_cast<double>(r.y), -10, 1e-12);
    EXPECT_EQ(RotatePoint({3, 7}, {1, 1}, 0), (MPoint{3, 7}));
    EXPECT_EQ(ScalePoint({10, 10}, {2, 2}, 2, 3), (MPoint{18, 26}));
    MRect box{0, 0, 100, 50};
    EXPECT_EQ(MirrorPoint({10, 10}, box, true), (MPoint{10, 40}));
    EXPECT_EQ(MirrorPoint({10, 10}, box, false), (MPoint{90, 10}));
    EXPECT_NEAR(static_cast<double>(DistanceFromLine({5, -3}, {0, 0}, {10, 0})), 3, 1e-12);
    EXPECT_NEAR(static_cast<double>(DistanceFromLine({5, 3}, {0, 0}, {10, 0})), -3, 1e-12);
    EXPECT_NEAR(static_cast<double>(AngleBetween({0, 0}, {10, 0}, {0, 0}, {0, -10})), M_PI / 2, 1e-12);
    EXPECT_NEAR(static_cast<double>(AngleBetween({0, 0}, {0, -10}, {0, 0}, {10, 0})), 3 * M_PI / 2, 1e-12);
    EXPECT_NEAR(static_cast<double>(NormaliseAngle(-kPi / 2)), 3 * M_PI / 2, 1e-12);
}

TEST(Geometry, RectangleHelpers) {
    EXPECT_EQ(NormaliseRect(MRect{10, 20, 0, 5}), (MRect{0, 5, 10, 20}));
    EXPECT_EQ(NormaliseRect(IRect{5, 5, 5, 9}), (IRect{4, 5, 6, 9}));
    EXPECT_EQ(EnlargeAndRound({10, 10, 0, 0}, 2.5L), (IRect{-2, -2, 12, 12}));
    EXPECT_EQ(RoundRect({0.5L, 1.5L, 2.5L, 3.5L}), (IRect{0, 2, 2, 4}));
}

TEST(Geometry, IntegerRectangleHelpers) {
    // Ordered swaps the corners but, unlike NormaliseRect, leaves an empty side empty.
    EXPECT_EQ((IRect{5, 9, 1, 2}).Ordered(), (IRect{1, 2, 5, 9}));
    EXPECT_EQ((IRect{5, 5, 5, 9}).Ordered(), (IRect{5, 5, 5, 9}));
    EXPECT_EQ((IRect{0, 0, 10, 4}).Expanded(2), (IRect{-2, -2, 12, 6}));
    EXPECT_EQ((IRect{0, 0, 10, 4}).Expanded(-1), (IRect{1, 1, 9, 3}));
    EXPECT_EQ(UnionRect(IRect{0, 5, 3, 6}, IRect{-4, 7, 1, 9}), (IRect{-4, 5, 3, 9}));
}

TEST(Geometry, Fixed16RoundTrip) {
    EXPECT_EQ(ToFixed16(1.0L), 0x10000);
    EXPECT_EQ(ToFixed16(-1.0L), static_cast<int32_t>(0xFFFF0000u));
    EXPECT_EQ(ToFixed16(0.5L), 0x8000);  // 0.5 · 65535 = 32767.5 rounds to even
    for (Real v : {0.0L, 1.25L, -1.25L, 3.75L, -0.5L, 123.456L, -999.001L}) {
        EXPECT_NEAR(static_cast<double>(FromFixed16(ToFixed16(v))), static_cast<double>(v), 1.0 / 65535) << v;
    }
    // The integer part is the floor, also just below and above whole numbers.
    EXPECT_EQ(ToFixed16(-0.25L), static_cast<int32_t>(0xFFFFBFFFu));  // -1 + 0.75
    EXPECT_EQ(ToFixed16(-2.0L), static_cast<int32_t>(0xFFFE0000u));
    EXPECT_EQ(ToFixed16(-1e-30L), static_cast<int32_t>(0xFFFFFFFFu));
    EXPECT_EQ(ToFixed16(2.9999L) >> 16, 2);
    EXPECT_EQ(ToFixed16(-2.0001L) >> 16, -3);
    EXPECT_EQ(ToFixed16(-40000.0L), static_cast<int32_t>(0x80000000u));
}

TEST(Text, Cp1252Conversion) {
    EXPECT_EQ(Utf8ToCp1252("Größe €"), std::string("Gr\xF6\xDF" "e \x80"));
    EXPECT_EQ(Cp1252ToUtf8("Gr\xF6\xDF" "e \x80"), "Größe €");
    EXPECT_EQ(Utf8ToCp1252("日"), "?");
    EXPECT_EQ(Utf8Length("Größe"), 5u);
    EXPECT_EQ(Utf8Left("Größe", 3), "Grö");
    // Bytes Windows-1252 leaves undefined survive a round trip.
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8("\x81\x8D")), "\x81\x8D");
}

}  // namespace
