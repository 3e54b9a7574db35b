#include "elements/rechteck.h"

#include <gtest/gtest.h>

#include <cmath>

#include "element_test_support.h"
#include "elements/polygon.h"

using namespace pw;
using namespace pw::test;

namespace {

template <class T>
void AddSquare(T& r) {
    for (MPoint p : {MPoint{1000, 1000}, MPoint{2000, 1000}, MPoint{2000, 2000}, MPoint{1000, 2000}})
        r.AddPoint(p);
}

TEST(RechteckHitTest, UnfilledRectangleIsHitNearItsEdgesIncludingTheClosingOne) {
    TRechteck r;
    r.SetStiftBreite(10);
    AddSquare(r);
    PanelCanvas c;
    EXPECT_TRUE(r.HitTest({1500, 1005}, c));   // first edge
    EXPECT_TRUE(r.HitTest({1005, 1500}, c));   // closing edge from the last vertex to the first
    EXPECT_FALSE(r.HitTest({1500, 1500}, c));  // inside
    EXPECT_FALSE(r.HitTest({1030, 1500}, c));
    r.SetFuellenFlag(true);
    EXPECT_TRUE(r.HitTest({1500, 1500}, c));
    r.SetFuellenFlag(false);
    r.SetFraesen(true);
    EXPECT_TRUE(r.HitTest({1500, 1500}, c));
}

TEST(RechteckHitTest, OpenPolygonHasNoClosingEdgeButTheRectangleTestAddsIt) {
    // The closing-edge test of the rectangle applies whatever the closed flag says.
    TPolygon open;
    open.SetStiftBreite(10);
    AddSquare(open);
    PanelCanvas c;
    EXPECT_TRUE(open.HitTest({1005, 1500}, c));
    // The rubber band test is the line's: neither the closing edge nor the inside.
    EXPECT_FALSE(open.IntersectsRect({1000, 1400, 1010, 1600}, c));
    TRechteck closed;
    closed.SetStiftBreite(10);
    AddSquare(closed);
    closed.SetFuellenFlag(true);
    EXPECT_FALSE(closed.IntersectsRect({1000, 1400, 1010, 1600}, c));
    EXPECT_FALSE(closed.IntersectsRect({1400, 1400, 1600, 1600}, c));
    EXPECT_TRUE(closed.IntersectsRect({1400, 990, 1600, 1010}, c));
}

TEST(RechteckRegion, ClosedContourIsThePolygonOfItsVertices) {
    TRechteck r;
    AddSquare(r);
    r.SetGlaetten(true);
    r.SetGlaettenStil(glSpline);
    PanelCanvas c(10);
    std::optional<Region> region = r.GetRegion(c);
    ASSERT_TRUE(region);
    // Smoothing is not applied: the corner belongs to the region.
    EXPECT_EQ(region->Bounds(), (IRect{200, 200, 400, 400}));
    EXPECT_TRUE(region->ContainsPoint({201, 201}));
    // Open: the line's hexagons and vertex squares.
    r.SetClosed(false);
    region = r.GetRegion(c);
    ASSERT_TRUE(region);
    EXPECT_EQ(region->Bounds().x1, RoundToInt((1000 - 52) * 0.2));
}

TEST(RechteckRegion, ContoursOfManyVerticesKeepEveryVertex) {
    TRechteck r;
    for (int i = 0; i < 800; ++i) {
        const Real a = 2 * kPi * i / 800;
        r.AddPoint({5000 + 4000 * std::cos(a), 5000 - 4000 * std::sin(a)});
    }
    r.SetFuellenFlag(true);
    PanelCanvas c;
    std::optional<Region> region = r.GetRegion(c);
    ASSERT_TRUE(region);
    // The vertex at three quarters of the way (beyond the 500th) is part of the outline.
    EXPECT_EQ(region->Bounds().y2, 9000);
    EXPECT_TRUE(r.HitTest({5000, 8900}, c));
}

}  // namespace
