#include <gtest/gtest.h>

#include "element_test_support.h"
#include "elements/linie.h"
#include "elements/rechteck.h"
#include "elements/segment_hexagon.h"

using namespace pw;
using namespace pw::test;

namespace {

void SetUpHorizontal(TLinie& line, Real width) {
    line.SetStiftBreite(width);
    line.AddPoint({1000, 1000});
    line.AddPoint({2000, 1000});
}

// The last pixel row above and below the segment that still hits, one unit per pixel.
void ExpectTolerance(Real width, int tolerance) {
    TLinie line;
    SetUpHorizontal(line, width);
    PanelCanvas c;
    EXPECT_TRUE(line.HitTest({1500, 1000 + tolerance - 1}, c)) << width;
    EXPECT_FALSE(line.HitTest({1500, 1000 + tolerance}, c)) << width;
    EXPECT_TRUE(line.HitTest({1500, 1000 - tolerance}, c)) << width;
    EXPECT_FALSE(line.HitTest({1500, 1000 - tolerance - 1}, c)) << width;
    // The hexagon reaches the tolerance beyond the ends.
    EXPECT_TRUE(line.HitTest({2000 + tolerance - 2, 1000}, c)) << width;
}

TEST(SegmentHexagon, WidenedAndExtendedWithPointedEnds) {
    EXPECT_EQ(HexagonTolerance(5), 20);
    EXPECT_EQ(HexagonTolerance(25), 20);
    EXPECT_EQ(HexagonTolerance(50), 40);
    EXPECT_EQ(HexagonTolerance(31.25L), 25);
    auto h = SegmentHexagon({0, 0}, {1000, 0}, 50, false);
    EXPECT_EQ(h, (std::array<IPoint, 7>{
                     IPoint{0, 40}, {-40, 0}, {0, -40}, {1000, -40}, {1040, 0}, {1000, 40}, {0, 40}}));
    // Ends are swapped so that the outline runs from left to right; equal ends get a unit.
    EXPECT_EQ(SegmentHexagon({1000, 0}, {0, 0}, 50, false), h);
    // The length is rounded before it divides: sqrt 2 counts as 1.
    auto dot = SegmentHexagon({5, 5}, {5, 5}, 10, false);
    EXPECT_EQ(dot[0], (IPoint{5 - 20, 5 + 20}));
    EXPECT_EQ(dot[4], (IPoint{6 + 20, 6 + 20}));
    // For hit tests a vertical segment counts one unit wide.
    auto v = SegmentHexagon({0, 0}, {0, 1000}, 25, true);
    EXPECT_EQ(v[0], (IPoint{-20, 0}));
    EXPECT_EQ(v[4], (IPoint{0, 1020}));
    // A segment shorter than half a unit does not divide by zero: it counts as one unit long.
    auto tiny = SegmentHexagon({0, 0}, {0.2L, 0.1L}, 10, false);
    EXPECT_EQ(tiny[1], (IPoint{-4, -2}));
    EXPECT_EQ(tiny[4], (IPoint{4, 2}));
}

TEST(LinieHitTest, ToleranceFollowsThePenWidth) {
    ExpectTolerance(10, 20);
    ExpectTolerance(25, 20);
    ExpectTolerance(50, 40);
}

TEST(LinieHitTest, BoundsPretestAndZoom) {
    TLinie line;
    SetUpHorizontal(line, 50);
    // 0.2 pixels per unit: the hexagon reaches 40 units = 8 pixels.
    PanelCanvas c(10);
    EXPECT_TRUE(line.HitTest({300, 207}, c));
    EXPECT_FALSE(line.HitTest({300, 209}, c));
    EXPECT_FALSE(line.HitTest({100, 200}, c));
    line.SetHidden(true);
    EXPECT_FALSE(line.HitTest({300, 200}, c));
    line.SetSelected(true);
    EXPECT_TRUE(line.HitTest({300, 200}, c));
}

TEST(LinieHitTest, SmoothedLineIsHitAlongItsCurveNotItsCorner) {
    TLinie line;
    line.SetStiftBreite(10);
    line.AddPoint({0, 0});
    line.AddPoint({1000, 0});
    line.AddPoint({1000, 1000});
    PanelCanvas c;
    EXPECT_TRUE(line.HitTest({995, 5}, c));  // the corner vertex itself
    line.SetGlaetten(true);
    line.SetGlaettenStil(glSpline);
    EXPECT_FALSE(line.HitTest({995, 5}, c));
    // t = 0.5 of the curve from (500, 0) over (1000, 0) to (1000, 500).
    EXPECT_TRUE(line.HitTest({875, 125}, c));
    EXPECT_EQ(line.HitPolyline().size(), 1u + 4 + 1);
    EXPECT_EQ(line.PaintPolyline().size(), 23u);
}

TEST(LinieHitTest, ClosedSmoothedAreaIsHitInside) {
    TRechteck r;
    for (MPoint p : {MPoint{0, 0}, MPoint{1000, 0}, MPoint{1000, 1000}, MPoint{0, 1000}}) r.AddPoint(p);
    r.SetGlaetten(true);
    r.SetGlaettenStil(glSpline);
    PanelCanvas c;
    EXPECT_FALSE(r.HitTest({500, 500}, c));
    r.SetFuellenFlag(true);
    EXPECT_TRUE(r.HitTest({500, 500}, c));
    r.SetUmrissFlag(true);  // outline view: lines only
    EXPECT_FALSE(r.HitTest({500, 500}, c));
}

TEST(LinieIntersectsRect, SegmentsMeetTheBandWithoutBoundsPretest) {
    TLinie line;
    SetUpHorizontal(line, 10);
    PanelCanvas c;
    EXPECT_TRUE(line.IntersectsRect({1400, 900, 1600, 1010}, c));
    EXPECT_FALSE(line.IntersectsRect({1400, 900, 1600, 950}, c));
    line.SetHidden(true);
    EXPECT_FALSE(line.IntersectsRect({1400, 900, 1600, 1010}, c));
    line.SetSelected(true);
    EXPECT_TRUE(line.IntersectsRect({1400, 900, 1600, 1010}, c));
}

TEST(LinieRegion, HexagonsAndVertexSquares) {
    TLinie line;
    SetUpHorizontal(line, 10);
    PanelCanvas c;
    std::optional<Region> region = line.GetRegion(c);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->Bounds(), (IRect{948, 948, 2052, 1052}));
    EXPECT_TRUE(region->ContainsPoint({1500, 1019}));
    EXPECT_FALSE(region->ContainsPoint({1500, 1021}));
    EXPECT_TRUE(region->ContainsPoint({1050, 1050}));  // corner of the square around a vertex
    TLinie one;
    one.AddPoint({0, 0});
    EXPECT_FALSE(one.GetRegion(c));
    EXPECT_FALSE(one.HitTest({0, 0}, c));
}

TEST(LinieBounds, PenWidthAroundVerticesOrSmoothedOutline) {
    TLinie line;
    line.AddPoint({100, 200});
    line.AddPoint({300, 50});
    EXPECT_EQ(line.GetBounds(), (MRect{75, 25, 325, 225}));
    line.SetStiftBreite(10);
    EXPECT_EQ(line.GetBounds(), (MRect{95, 45, 305, 205}));
    EXPECT_EQ(line.GetShapeBounds(), (MRect{100, 50, 300, 200}));
    // Smoothed with more than two vertices: the flattened outline, which stays inside.
    line.AddPoint({300, 400});
    line.SetGlaetten(true);
    line.SetGlaettenStil(glSpline);
    MRect b = line.GetBounds();
    EXPECT_EQ(b.x1, 95);
    EXPECT_EQ(b.x2, 305);
    EXPECT_GT(b.y1, 45);
    // Changes are seen at once.
    line.Move({1000, 0});
    EXPECT_EQ(line.GetBounds().x1, 1095);
    TLinie empty;
    EXPECT_EQ(empty.GetBounds(), (MRect{-32000, -32000, 32000, 32000}));
}

}  // namespace
