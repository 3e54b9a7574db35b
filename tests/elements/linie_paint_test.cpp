#include <gtest/gtest.h>

#include "element_test_support.h"
#include "elements/linie.h"
#include "elements/rechteck.h"

using namespace pw;
using namespace pw::test;
using Kind = RecordedCall::Kind;

namespace {

std::unique_ptr<TRechteck> Square(Real side = 1000) {
    auto r = std::make_unique<TRechteck>();
    for (MPoint p : {MPoint{0, 0}, MPoint{side, 0}, MPoint{side, side}, MPoint{0, side}}) r->AddPoint(p);
    return r;
}

TEST(LiniePaint, ClosedClearContourWithFillIsFilledSolid) {
    auto r = Square();
    r->SetFuellenFlag(true);
    r->SetBrushFarbe(0x00FF00);
    ASSERT_EQ(r->BrushStyle(), bsClear);
    PanelCanvas c;
    r->Paint(c);
    ASSERT_EQ(c.calls.size(), 1u);
    const RecordedCall& call = c.calls[0];
    EXPECT_EQ(call.kind, Kind::PolyPolygon);
    EXPECT_EQ(call.brush.style, bsSolid);
    EXPECT_EQ(call.brush.color, 0x00FF00u);
    EXPECT_EQ(call.pen.color, kSilver);
    EXPECT_EQ(call.pen.width, 50);
    EXPECT_EQ(call.fillMode, FillMode::Alternate);
    EXPECT_EQ(call.pts, (std::vector<IPoint>{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}, {0, 0}}));
}

TEST(LiniePaint, HatchStaysAHatchAndUnfilledContoursAreLines) {
    auto r = Square();
    r->SetFuellenFlag(true);
    r->SetBrushStyle(bsCross);
    PanelCanvas c;
    r->Paint(c);
    EXPECT_EQ(c.calls.at(0).brush.style, bsCross);
    // Without filling a closed contour is a closed polyline; an open line never fills.
    r->SetFuellenFlag(false);
    c.Clear();
    r->Paint(c);
    EXPECT_EQ(c.calls.at(0).kind, Kind::Polyline);
    EXPECT_EQ(c.calls.at(0).pts.size(), 5u);
    TLinie line;
    line.AddPoint({0, 0});
    line.AddPoint({100, 0});
    line.AddPoint({100, 100});
    line.SetFuellenFlag(true);
    c.Clear();
    line.Paint(c);
    EXPECT_EQ(c.calls.at(0).kind, Kind::Polyline);
    EXPECT_EQ(c.calls.at(0).pts.size(), 3u);
}

TEST(LiniePaint, MilledContourIsGreyWithASilverHairline) {
    auto r = Square();
    r->SetFraesen(true);
    r->SetStiftFarbe(0x0000FF);
    PanelCanvas c;
    r->Paint(c);
    ASSERT_EQ(c.calls.size(), 2u);
    EXPECT_EQ(c.calls[0].kind, Kind::PolyPolygon);
    EXPECT_EQ(c.calls[0].pen.color, kGrey);
    EXPECT_EQ(c.calls[0].pen.width, 50);
    EXPECT_EQ(c.calls[0].brush.color, kGrey);
    EXPECT_EQ(c.calls[0].brush.style, bsSolid);
    EXPECT_EQ(c.calls[1].kind, Kind::PolyPolygon);
    EXPECT_EQ(c.calls[1].pen.color, kSilver);
    EXPECT_EQ(c.calls[1].pen.width, 0);
    EXPECT_EQ(c.calls[1].brush.color, kGrey);
    EXPECT_EQ(c.calls[1].pts, c.calls[0].pts);
    // With a clear pattern the silver pass is left out.
    r->SetStiftPattern(ptClear);
    c.Clear();
    r->Paint(c);
    EXPECT_EQ(c.calls.size(), 1u);
    EXPECT_EQ(c.calls[0].pen.style, PenStyle::Solid);
}

TEST(LiniePaint, OutlineViewDrawsBlackAndKeepsAClearPatternVisible) {
    auto r = Square();
    r->SetFuellenFlag(true);
    r->SetStiftPattern(ptClear);
    PanelCanvas c;
    r->Paint(c);
    EXPECT_EQ(c.calls.at(0).pen.style, PenStyle::Clear);
    EXPECT_EQ(c.calls.at(0).kind, Kind::PolyPolygon);
    r->SetUmrissFlag(true);
    c.Clear();
    r->Paint(c);
    // Outline view: not an area any more, a black line.
    EXPECT_EQ(c.calls.at(0).kind, Kind::Polyline);
    EXPECT_EQ(c.calls.at(0).pen.color, kBlack);
    EXPECT_EQ(c.calls.at(0).pen.style, PenStyle::Solid);
}

TEST(LiniePaint, XorGhostIsBlueXorSilverWithAClearBrush) {
    auto r = Square();
    r->SetFuellenFlag(true);
    r->SetFraesen(true);
    r->SetStiftPattern(ptClear);
    r->SetXORFlag(true);
    r->SetVisible(false);  // a dragged element is invisible but its ghost is drawn
    PanelCanvas c;
    r->Paint(c);
    ASSERT_EQ(c.calls.size(), 1u);
    EXPECT_EQ(c.calls[0].pen.color, 0x3FC0C0u);
    EXPECT_EQ(c.calls[0].pen.style, PenStyle::Solid);
    EXPECT_EQ(c.calls[0].brush.style, bsClear);
    EXPECT_EQ(c.calls[0].kind, Kind::PolyPolygon);
}

TEST(LiniePaint, NothingForHiddenInvisibleOrSingleVertex) {
    auto r = Square();
    PanelCanvas c;
    r->SetHidden(true);
    r->Paint(c);
    EXPECT_TRUE(c.calls.empty());
    r->SetSelected(true);  // a hidden element is drawn while selected
    r->Paint(c);
    EXPECT_EQ(c.calls.size(), 1u);
    c.Clear();
    r->SetHidden(false);
    r->SetVisible(false);
    r->Paint(c);
    EXPECT_TRUE(c.calls.empty());
    TLinie one;
    one.AddPoint({5, 5});
    one.Paint(c);
    EXPECT_TRUE(c.calls.empty());
}

TEST(LiniePaint, DashedLineIsDrawnAsPatternPieces) {
    TLinie line;
    line.SetStiftBreite(10);
    line.SetStiftPattern(ptStrich);
    line.AddPoint({0, 0});
    line.AddPoint({1000, 0});
    PanelCanvas c;
    line.Paint(c);
    // Period round(10 * 10 + 100) = 200, step 200 + 2 * 10 = 220, n = round(1000 / 220) = 5:
    // five dashes of sigma / 2 and a last one ending at the target.
    ASSERT_EQ(c.calls.size(), 6u);
    const Real sigma = 1000 / 5.5L;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(c.calls[k].pts,
                  (std::vector<IPoint>{{RoundToInt(k * sigma), 0}, {RoundToInt(k * sigma + sigma / 2), 0}}));
        EXPECT_EQ(c.calls[k].pen.width, 10);
    }
    EXPECT_EQ(c.calls[5].pts, (std::vector<IPoint>{{RoundToInt(5 * sigma), 0}, {1000, 0}}));
}

TEST(LiniePaint, PatternKeepsItsColourInOutlineViewAndIsNeverFilled) {
    auto r = Square();
    r->SetStiftPattern(ptPunkt);
    r->SetFuellenFlag(true);
    r->SetUmrissFlag(true);
    r->SetStiftFarbe(0x123456);
    PanelCanvas c;
    r->Paint(c);
    ASSERT_FALSE(c.calls.empty());
    for (const RecordedCall& call : c.calls) {
        EXPECT_EQ(call.kind, Kind::Polyline);
        EXPECT_EQ(call.pen.color, 0x123456u);
    }
    // Closed: the last dot lands on the first vertex again.
    EXPECT_EQ(c.calls.back().pts, (std::vector<IPoint>{{0, 0}, {1, 0}}));
    // Smoothing, milling or the ghost switch the pattern off.
    r->SetGlaetten(true);
    r->SetGlaettenStil(glSpline);
    c.Clear();
    r->Paint(c);
    EXPECT_EQ(c.calls.size(), 1u);
}

TEST(LiniePaint, SmoothedLineDrawsTheCachedPolylineUntilItChanges) {
    TLinie line;
    line.AddPoint({0, 0});
    line.AddPoint({1000, 0});
    line.AddPoint({1000, 600});
    line.SetGlaetten(true);
    line.SetGlaettenStil(glSpline);
    PanelCanvas c;
    line.Paint(c);
    ASSERT_EQ(c.calls.size(), 1u);
    EXPECT_EQ(c.calls[0].pts.size(), 23u);
    // A vertex written through its address shows after PointsChanged.
    *line.PointAt(2) = {1000, 1000};
    line.PointsChanged();
    c.Clear();
    line.Paint(c);
    EXPECT_EQ(c.calls[0].pts.back(), (IPoint{1000, 1000}));
    EXPECT_EQ(c.calls[0].pts[21], (IPoint{1000, 500}));
    // Each smoothing setter rebuilds.
    line.SetGlaettenStil(glFase);
    line.SetGlaettenBetrag(100);
    c.Clear();
    line.Paint(c);
    EXPECT_EQ(c.calls[0].pts, (std::vector<IPoint>{{0, 0}, {900, 0}, {1000, 100}, {1000, 1000}}));
    line.SetGlaetten(false);
    c.Clear();
    line.Paint(c);
    EXPECT_EQ(c.calls[0].pts, (std::vector<IPoint>{{0, 0}, {1000, 0}, {1000, 1000}}));
}

TEST(LiniePaint, PaintMapsThroughThePanelZoom) {
    TLinie line;
    line.AddPoint({0, 0});
    line.AddPoint({500, 250});
    PanelCanvas c(10);  // 10 pixels per mm: 50 units are 10 pixels
    line.Paint(c);
    EXPECT_EQ(c.calls.at(0).pts, (std::vector<IPoint>{{0, 0}, {100, 50}}));
    EXPECT_EQ(c.calls.at(0).devicePenWidth, 10);
}

TEST(LinieFeedback, DraggedVertexFollowsTheFeedbackPosition) {
    TLinie line;
    line.AddPoint({0, 0});
    line.AddPoint({100, 0});
    line.AddPoint({100, 100});
    PanelCanvas c;
    MPoint* dragged = line.PointAt(1);
    line.DrawFeedback(c, dragged);
    ASSERT_EQ(c.calls.size(), 2u);
    EXPECT_EQ(c.calls[0].pen.mode, PenMode::NotXor);
    EXPECT_EQ(c.calls[0].pen.color, kBlack);
    EXPECT_EQ(c.calls[0].pts, (std::vector<IPoint>{{0, 0}, {100, 0}}));
    EXPECT_EQ(c.Pen().mode, PenMode::Copy);
    line.FeedbackShown = true;
    line.FeedbackPos = {50, 70};
    c.Clear();
    line.DrawFeedback(c, dragged);
    EXPECT_EQ(c.calls[0].pts, (std::vector<IPoint>{{0, 0}, {50, 70}}));
    EXPECT_EQ(c.calls[1].pts, (std::vector<IPoint>{{50, 70}, {100, 100}}));
    // ShowFeedback draws once per position: erase the old, draw the new.
    line.FeedbackShown = false;
    line.FeedbackPos = {};
    c.Clear();
    line.ShowFeedback(c, dragged);
    line.ShowFeedback(c, dragged);
    EXPECT_EQ(c.calls.size(), 2u);
}

TEST(LinieFeedback, VertexAddressesSurviveAddingAtBothEnds) {
    TLinie line;
    line.AddPoint({1, 1});
    MPoint* p = line.PointAt(0);
    for (int i = 0; i < 500; ++i) line.AddPoint({2, 2});
    for (int i = 0; i < 499; ++i) line.InsertFirstPoint({3, 3});
    EXPECT_EQ(line.PointAt(499), p);
    EXPECT_EQ(*p, (MPoint{1, 1}));
}

}  // namespace
