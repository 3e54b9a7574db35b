#include "panel/regular_polygon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "panel/platine.h"

using namespace pw;

namespace {

TEST(RegularPolygon, HexagonWithInnerRadiusHasCornersOnTheCircumcircle) {
    RegularPolygonInput in;
    in.corners = 6;
    in.radiusText = "10";
    in.innerRadius = true;
    EXPECT_NEAR(static_cast<double>(RegularPolygonRadiusMm(in)), 11.547, 0.0005);
    MPoint rough = RegularPolygonCentreBeforeSnap(RegularPolygonRadiusMm(in));
    EXPECT_NEAR(static_cast<double>(rough.x / 50), 13.856, 0.0005);
    std::unique_ptr<TPolygon> p = BuildRegularPolygon({1000, 2000}, in);
    ASSERT_EQ(p->PointCount(), 6u);
    EXPECT_TRUE(p->Closed());
    for (const MPoint& v : p->Points())
        EXPECT_NEAR(static_cast<double>(Distance({1000, 2000}, v)) / 50, 11.547, 0.0005);
    // The edge midpoints lie at the inner radius.
    EXPECT_NEAR(static_cast<double>(Distance({1000, 2000}, Midpoint(p->Point(0), p->Point(1)))), 500, 1e-9);
    EXPECT_NEAR(static_cast<double>(p->Point(0).x), 1000 + 577.35, 0.005);
    EXPECT_NEAR(static_cast<double>(p->Point(0).y), 2000, 1e-9);
}

TEST(RegularPolygon, StartAngleCountsCounterClockwiseOnScreen) {
    RegularPolygonInput in;
    in.corners = 4;
    in.radiusText = "2,5";  // decimal comma
    in.startAngleText = "90";
    std::unique_ptr<TPolygon> p = BuildRegularPolygon({0, 0}, in);
    ASSERT_EQ(p->PointCount(), 4u);
    EXPECT_NEAR(static_cast<double>(p->Point(0).x), 0, 1e-9);
    EXPECT_NEAR(static_cast<double>(p->Point(0).y), -125, 1e-9);  // upward
    EXPECT_NEAR(static_cast<double>(p->Point(1).x), -125, 1e-9);
}

TEST(RegularPolygon, BadTextsAndCornerCounts) {
    RegularPolygonInput in;
    in.corners = 1;
    in.radiusText = "abc";
    std::unique_ptr<TPolygon> p = BuildRegularPolygon({300, 400}, in);
    ASSERT_EQ(p->PointCount(), 3u);
    for (const MPoint& v : p->Points()) EXPECT_EQ(v, (MPoint{300, 400}));
    in.corners = 5000;
    EXPECT_EQ(BuildRegularPolygon({0, 0}, in)->PointCount(), 999u);
}

TEST(RegularPolygon, PanelConstructionSnapsTheCentreAndTakesTheCurrentAttributes) {
    TPlatine panel;
    panel.CurrentPenWidth = 40;
    panel.CurrentPenColor = 0x0000FF;
    panel.CurrentBrushColor = 0x00FF00;
    panel.CurrentBrushStyle = bsCross;
    panel.CurrentFill = true;
    RegularPolygonInput in;
    in.corners = 6;
    in.innerRadius = true;
    std::unique_ptr<TPolygon> p = BuildRegularPolygonFor(panel, in);
    // The rough centre (13.856 mm, 13.856 mm) goes to pixels and back onto the snap grid.
    const IPoint pixel = panel.ModelToPixel({692.82L, 692.82L});
    const MPoint centre = panel.SnapPoint(pixel.x, pixel.y);
    EXPECT_EQ(centre.x, centre.y);
    EXPECT_NEAR(static_cast<double>(Distance(centre, p->Point(0))), 577.35, 0.005);
    EXPECT_NEAR(static_cast<double>(p->Point(0).y), static_cast<double>(centre.y), 1e-9);
    EXPECT_EQ(std::fmod(static_cast<double>(centre.x), static_cast<double>(panel.SnapSpacing)), 0);
    EXPECT_EQ(p->StiftBreite(), 40);
    EXPECT_EQ(p->StiftFarbe(), 0x0000FFu);
    EXPECT_EQ(p->BrushFarbe(), 0x00FF00u);
    EXPECT_EQ(p->BrushStyle(), bsCross);
    EXPECT_TRUE(p->FuellenFlag());
    EXPECT_TRUE(p->Closed());
}

}  // namespace
