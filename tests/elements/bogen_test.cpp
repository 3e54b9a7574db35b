#include "elements/bogen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/language.h"
#include "element_test_support.h"
#include "support/hook_guards.h"

using namespace pw;
using namespace pw::test;
using Kind = RecordedCall::Kind;

namespace {

void SetUpArc(TBogen& b, MPoint start, MPoint end, int stil = 0) {
    b.Centre = {5000, 5000};
    b.RimPoint = {6000, 5000};
    b.StartPoint = start;
    b.EndPoint = end;
    b.SetStil(stil);
    b.BuildArc();
}

void ExpectNear(MPoint p, Real x, Real y) {
    EXPECT_NEAR(static_cast<double>(p.x), static_cast<double>(x), 1e-9);
    EXPECT_NEAR(static_cast<double>(p.y), static_cast<double>(y), 1e-9);
}

TEST(BogenBuildArc, EqualDirectionsGiveAFullCircleClockwise) {
    TBogen b;
    SetUpArc(b, {7000, 5000}, {5500, 5000});
    ASSERT_EQ(b.PointCount(), 21u);
    const Real big = 1000 / std::cos(2 * kPi / 19 / 2);
    ExpectNear(b.Point(0), 5000 + big, 5000);
    ExpectNear(b.Point(5), 5000, 5000 + big);  // a quarter clockwise on screen: downward
    ExpectNear(b.Point(10), 5000 - big, 5000);
    ExpectNear(b.Point(20), 5000 + big, 5000);
}

TEST(BogenBuildArc, RunsClockwiseFromStartToEnd) {
    // From straight up to the right: a quarter.
    TBogen quarter;
    SetUpArc(quarter, {5000, 4000}, {6000, 5000});
    const Real big = 1000 / std::cos(kPi / 2 / 19 / 2);
    ExpectNear(quarter.Point(0), 5000, 5000 - big);
    ExpectNear(quarter.Point(20), 5000 + big, 5000);
    // From the right to straight up: three quarters through the bottom and the left.
    TBogen three;
    SetUpArc(three, {6000, 5000}, {5000, 4000});
    const Real big3 = 1000 / std::cos(3 * kPi / 2 / 19 / 2);
    ExpectNear(three.Point(0), 5000 + big3, 5000);
    EXPECT_GT(three.Point(7).y, 5000);  // below the centre on screen
    ExpectNear(three.Point(20), 5000, 5000 - big3);
}

TEST(BogenPolyline, OpenPieAndChordEndings) {
    TBogen open;
    SetUpArc(open, {5000, 4000}, {6000, 5000});
    const std::vector<IPoint> arc = open.PaintPolyline();
    EXPECT_EQ(arc.size(), 1u + 19 * 21 + 1);
    EXPECT_FALSE(open.Closed());
    TBogen pie;
    SetUpArc(pie, {5000, 4000}, {6000, 5000}, TBogen::kPie);
    std::vector<IPoint> p = pie.PaintPolyline();
    ASSERT_EQ(p.size(), arc.size() + 2);
    EXPECT_EQ(p[p.size() - 2], (IPoint{5000, 5000}));
    EXPECT_EQ(p.back(), arc.front());
    EXPECT_TRUE(pie.Closed());
    TBogen chord;
    SetUpArc(chord, {5000, 4000}, {6000, 5000}, TBogen::kChord);
    p = chord.PaintPolyline();
    ASSERT_EQ(p.size(), arc.size() + 1);
    EXPECT_EQ(p.back(), arc.front());
    EXPECT_TRUE(chord.Closed());
    // The hit-test outline ends the same way.
    EXPECT_EQ(pie.HitPolyline().back(), arc.front());
    EXPECT_EQ(pie.HitPolyline()[pie.HitPolyline().size() - 2], (IPoint{5000, 5000}));
}

TEST(BogenStyle, StyleDecidesClosedAndUnknownStylesKeepIt) {
    TBogen b;
    SetUpArc(b, {5000, 4000}, {6000, 5000});
    b.SetStil(TBogen::kChord);
    EXPECT_TRUE(b.Closed());
    b.SetStil(7);
    EXPECT_EQ(b.Stil(), 7);
    EXPECT_TRUE(b.Closed());
    // A build with an unknown style leaves the arc open.
    b.PaintPolyline();
    EXPECT_FALSE(b.Closed());
    b.SetStil(TBogen::kOpenArc);
    EXPECT_FALSE(b.Closed());
}

TEST(BogenStyle, ContourCommandsLeaveItABSpline) {
    TBogen b;
    SetUpArc(b, {5000, 4000}, {6000, 5000});
    b.SetGlaetten(false);
    b.SetGlaettenStil(glFase);
    EXPECT_TRUE(b.Glaetten());
    EXPECT_EQ(b.GlaettenStil(), glSpline);
    EXPECT_EQ(b.PaintPolyline().size(), 401u);
}

TEST(BogenPaint, PieIsAFilledAreaHitInside) {
    TBogen pie;
    SetUpArc(pie, {5000, 4000}, {6000, 5000}, TBogen::kPie);
    PanelCanvas c;
    pie.Paint(c);
    ASSERT_EQ(c.calls.size(), 1u);
    EXPECT_EQ(c.calls[0].kind, Kind::PolyPolygon);
    EXPECT_EQ(c.calls[0].pen.width, 25);
    EXPECT_TRUE(pie.HitTest({5400, 4600}, c));
    EXPECT_FALSE(pie.HitTest({4600, 5400}, c));
    TBogen open;
    SetUpArc(open, {5000, 4000}, {6000, 5000});
    EXPECT_FALSE(open.HitTest({5400, 4600}, c));
    EXPECT_TRUE(open.HitTest({5707, 4293}, c));  // on the arc at 45 degrees
}

TEST(BogenTransform, CentreFollowsTheVerticesDefiningPointsStay) {
    TBogen b;
    SetUpArc(b, {5000, 4000}, {6000, 5000}, TBogen::kPie);
    b.Move({100, 200});
    EXPECT_EQ(b.Centre, (MPoint{5100, 5200}));
    EXPECT_EQ(b.RimPoint, (MPoint{6000, 5000}));
    EXPECT_EQ(b.StartPoint, (MPoint{5000, 4000}));
    EXPECT_EQ(b.PaintPolyline()[b.PaintPolyline().size() - 2], (IPoint{5100, 5200}));
    b.Scale({0, 0}, 2, 1);
    EXPECT_EQ(b.Centre, (MPoint{10200, 5200}));
    b.Mirror(true, {0, 0, 0, 0});
    EXPECT_EQ(b.Centre, (MPoint{10200, -5200}));
    b.Rotate({0, 0}, kPi);
    ExpectNear(b.Centre, -10200, 5200);
    ExpectNear(b.Point(0), -10200, 5200 - 1000 / std::cos(kPi / 2 / 19 / 2));
}

TEST(BogenFeedback, RimDragShowsFullCirclesAndEndDragAnArc) {
    TBogen b;
    b.Centre = {1000, 1000};
    b.RimPoint = b.StartPoint = b.EndPoint = {1500, 1004};  // nearly horizontal: snapped
    PanelCanvas c;
    b.DrawFeedback(c, &b.RimPoint);
    EXPECT_EQ(b.RimPoint, (MPoint{1500, 1000}));
    ASSERT_EQ(c.Count(Kind::Arc), 1u);
    EXPECT_EQ(c.calls[0].rect, (IRect{500, 500, 1500, 1500}));
    EXPECT_EQ(c.calls[0].pts, (std::vector<IPoint>{{1500, 1004}, {1500, 1004}}));
    EXPECT_EQ(c.calls[0].pen.mode, PenMode::NotXor);
    EXPECT_EQ(c.Pen().mode, PenMode::Copy);
    EXPECT_EQ(b.PointCount(), 21u);
    // Erasing after the rim moved: the old radius, start and end become the rim point.
    b.FeedbackShown = true;
    b.FeedbackPos = {1500, 1000};
    b.RimPoint = {1000, 1800};
    c.Clear();
    b.DrawFeedback(c, &b.RimPoint);
    EXPECT_EQ(c.calls[0].rect, (IRect{500, 500, 1500, 1500}));
    EXPECT_EQ(c.calls[0].pts, (std::vector<IPoint>{{1500, 1004}, {1500, 1004}}));
    EXPECT_EQ(b.StartPoint, (MPoint{1000, 1800}));
    EXPECT_EQ(b.EndPoint, (MPoint{1000, 1800}));
    // Dragging the end: drawn clockwise from the start to the end, counter-clockwise for the
    // platform arc (from the end ray to the start ray).
    b.FeedbackShown = false;
    b.EndPoint = {1000, 200};
    c.Clear();
    b.DrawFeedback(c, &b.EndPoint);
    EXPECT_EQ(c.calls[0].rect, (IRect{200, 200, 1800, 1800}));
    EXPECT_EQ(c.calls[0].pts, (std::vector<IPoint>{{1000, 200}, {1000, 1800}}));
    // With the flag set the end point is put on the circle.
    b.FeedbackShown = true;
    b.EndPoint = {1000, 600};
    c.Clear();
    b.DrawFeedback(c, &b.EndPoint);
    EXPECT_EQ(b.EndPoint, (MPoint{1000, 200}));
    EXPECT_EQ(c.calls[0].pts, (std::vector<IPoint>{{1000, 200}, {1000, 1800}}));
    // Nothing while a point lies on the centre.
    b.StartPoint = b.Centre;
    c.Clear();
    b.DrawFeedback(c, &b.EndPoint);
    EXPECT_TRUE(c.calls.empty());
}

TEST(BogenDialog, StyleInAndOut) {
    TBogen b;
    EXPECT_FALSE(b.EditProperties());
    int shown = -1;
    DialogGuard<TBogen> dialog([&](int current) -> std::optional<int> {
        shown = current;
        return TBogen::kChord;
    });
    b.SetStil(TBogen::kPie);
    EXPECT_TRUE(b.EditProperties());
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(b.Stil(), TBogen::kChord);
    TBogen::SetDialog([](int) -> std::optional<int> { return std::nullopt; });
    EXPECT_FALSE(b.EditProperties());
    EXPECT_EQ(b.Stil(), TBogen::kChord);
    TBogen::SetDialog(nullptr);
    LanguageGuard language(Language::English);
    EXPECT_EQ(TBogen::StyleNames(), (std::vector<std::string>{"Arc", "Pie", "Closed arc"}));
    EXPECT_EQ(b.KindName(), "Arc");
    SetLanguage(Language::German);
    EXPECT_EQ(TBogen::StyleNames()[1], "Tortenstück");
    EXPECT_EQ(b.KindName(), "Bogen");
    EXPECT_EQ(b.InfoText(), "");
}

TEST(BogenStorage, RoundTripKeepsVerticesAndStyle) {
    TBogen b;
    SetUpArc(b, {5000, 4000}, {6000, 5000}, TBogen::kChord);
    b.Move({3, 4});
    for (StreamSource s : {StreamSource::File, StreamSource::Clipboard}) {
        std::unique_ptr<TBauteil> copy = ReadBack(b, s);
        auto& a = static_cast<TBogen&>(*copy);
        EXPECT_EQ(Record(a), Record(b));
        EXPECT_EQ(a.Points(), b.Points());
        EXPECT_EQ(a.Stil(), TBogen::kChord);
        EXPECT_TRUE(a.Closed());
        EXPECT_EQ(a.Centre, b.Centre);
        EXPECT_EQ(a.KindCode, kcArc);
    }
    // The record is the line's, the four points raw and the style.
    Bytes bytes = Record(b);
    TLinie plain;
    for (const MPoint& p : b.Points()) plain.AddPoint(p);
    EXPECT_EQ(bytes.size(), Record(plain).size() + 80 + 2);
    EXPECT_EQ(bytes[bytes.size() - 2], 2);
    EXPECT_EQ(bytes.back(), TBogen::kChord);
}

TEST(BogenStorage, OldLayoutBuildsTheArcFromAPulledRim) {
    RecordBuilder old;
    old.Raw({2, 9, 2, 50, 0, 0, 0, 0, 0, 0x80, 0x80, 0x80, 0, 1, 9, 8});  // short base, pen 50
    old.RawExt(0xFA00, 0x4008).RawExt(0xFA00, 0x4008);                    // centre (1000, 1000)
    old.RawExt(0xFA00, 0x4009).RawExt(0xFA00, 0x4008);                    // rim (2000, 1000)
    old.RawExt(0xFA00, 0x4009).RawExt(0xFA00, 0x4008);                    // start (2000, 1000)
    old.RawExt(0xFA00, 0x4008).RawExt(0xFA00, 0x4007);                    // end (1000, 500)
    old.Raw({9});                                                         // pie
    TBogen b;
    TReader r = ReaderFor(old.b, StreamSource::File, "1,00");
    b.Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(b.Stil(), TBogen::kPie);
    EXPECT_TRUE(b.Closed());
    ExpectNear(b.RimPoint, 1000 + 1000 * 1000 / 1025.0L, 1000);
    ASSERT_EQ(b.PointCount(), 21u);
    const Real big = (1000 * 1000 / 1025.0L) / std::cos(3 * kPi / 2 / 19 / 2);
    ExpectNear(b.Point(0), 1000 + big, 1000);
    EXPECT_EQ(b.InsertPoint, (MPoint{-1, -1}));
    // A false flag is the open arc.
    old.b[old.b.size() - 1] = 8;
    TBogen open;
    TReader r2 = ReaderFor(old.b, StreamSource::File, "1,00");
    open.Read(r2);
    EXPECT_EQ(open.Stil(), TBogen::kOpenArc);
}

}  // namespace
