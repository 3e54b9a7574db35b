#include "elements/kreis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/language.h"
#include "element_test_support.h"

using namespace pw;
using namespace pw::test;
using Kind = RecordedCall::Kind;

namespace {

void SetUpCircle(TKreis& k, MPoint centre, Real radius) {
    k.Centre = centre;
    k.RimPoint = {centre.x + radius, centre.y};
    k.BuildContour();
}

Real DistanceTo(MPoint c, IPoint p) {
    return Distance(c, {static_cast<Real>(p.x), static_cast<Real>(p.y)});
}

TEST(KreisContour, VerticesOutsideAndCurveThroughTheCircle) {
    TKreis k;
    SetUpCircle(k, {5000, 5000}, 500);
    const TRechteck& inner = k.InnerContour();
    ASSERT_EQ(inner.PointCount(), 16u);
    for (const MPoint& v : inner.Points())
        EXPECT_NEAR(static_cast<double>(Distance({5000, 5000}, v)), 509.8, 0.05);
    // The first vertex is at pi / 8 (downward on screen), the last at 2 pi.
    EXPECT_NEAR(static_cast<double>(inner.Point(15).x), 5000 + 500 / std::cos(kPi / 16), 1e-9);
    // The spline touches the circle at the 16 edge midpoints and never leaves the ring between
    // the circle and the 16-gon.
    std::vector<IPoint> poly = k.InnerContour().PaintPolyline();
    ASSERT_EQ(poly.size(), 16u * 21);
    int onCircle = 0;
    for (size_t i = 0; i < poly.size(); i += 21) {
        EXPECT_NEAR(static_cast<double>(DistanceTo({5000, 5000}, poly[i])), 500, 0.75);
        ++onCircle;
    }
    EXPECT_EQ(onCircle, 16);
    for (const IPoint& p : poly) {
        const double d = static_cast<double>(DistanceTo({5000, 5000}, p));
        EXPECT_GT(d, 499.2);
        EXPECT_LT(d, 509.9);
    }
}

TEST(KreisPaint, DefaultCircleIsASolidDiscOfItsBrushColour) {
    TKreis k;
    SetUpCircle(k, {1000, 1000}, 200);
    k.SetBrushFarbe(0x00FFFF);
    PanelCanvas c;
    k.Paint(c);
    ASSERT_EQ(c.calls.size(), 1u);
    EXPECT_EQ(c.calls[0].kind, Kind::PolyPolygon);
    EXPECT_EQ(c.calls[0].brush.style, bsSolid);
    EXPECT_EQ(c.calls[0].brush.color, 0x00FFFFu);
    EXPECT_EQ(c.calls[0].pen.width, 25);
    EXPECT_EQ(c.calls[0].pen.color, kBlack);
    // Attributes reach the inner contour at each paint.
    k.SetStiftFarbe(0x0000FF);
    k.SetFuellenFlag(false);
    c.Clear();
    k.Paint(c);
    EXPECT_EQ(c.calls[0].kind, Kind::Polyline);
    EXPECT_EQ(c.calls[0].pen.color, 0x0000FFu);
    k.SetFraesen(true);
    c.Clear();
    k.Paint(c);
    ASSERT_EQ(c.calls.size(), 2u);
    EXPECT_EQ(c.calls[1].pen.color, kSilver);
}

TEST(KreisHitTest, FilledDiscIsAnAreaBeforeItWasEverPainted) {
    TKreis k;
    SetUpCircle(k, {1000, 1000}, 200);
    PanelCanvas c;
    EXPECT_TRUE(k.HitTest({1000, 1000}, c));
    k.SetFuellenFlag(false);
    EXPECT_FALSE(k.HitTest({1000, 1000}, c));
    EXPECT_TRUE(k.HitTest({1200, 1000}, c));
    k.SetHidden(true);
    EXPECT_FALSE(k.HitTest({1200, 1000}, c));
    k.SetSelected(true);
    EXPECT_TRUE(k.InnerContour().GetSelected());
    EXPECT_TRUE(k.HitTest({1200, 1000}, c));
    EXPECT_TRUE(k.IntersectsRect({1190, 990, 1210, 1010}, c));
}

// Painting is a query: what a circle stores does not depend on whether it was painted, since
// the inner contour takes every attribute when it is set.
TEST(KreisTransform, OnlyTheInnerContourMoves) {
    TKreis k;
    SetUpCircle(k, {1000, 1000}, 200);
    k.SetStiftBreite(10);
    MRect b = k.GetBounds();
    EXPECT_NEAR(static_cast<double>(b.x1), 795, 1);
    k.Move({100, 0});
    EXPECT_EQ(k.Centre, (MPoint{1000, 1000}));
    EXPECT_NEAR(static_cast<double>(k.GetBounds().x1), 895, 1);
    k.Scale({1100, 1000}, 2, 2);
    EXPECT_NEAR(static_cast<double>(k.GetBounds().x1), 695, 1);
    k.Resize({0, 0, 100, 100}, {0, 0, 300, 300});
    EXPECT_EQ(k.StiftBreite(), 30);
    EXPECT_EQ(k.InnerContour().StiftBreite(), 30);
    k.Mirror(false, {0, 0, 0, 0});
    EXPECT_LT(k.GetBounds().x2, 0);
}

TEST(KreisFeedback, CircleThroughTheDraggedRimPoint) {
    TKreis k;
    k.Centre = {1000, 1000};
    k.RimPoint = {1300, 1400};
    PanelCanvas c;
    k.DrawFeedback(c, &k.RimPoint);
    ASSERT_EQ(c.calls.size(), 1u);
    EXPECT_EQ(c.calls[0].kind, Kind::Ellipse);
    EXPECT_EQ(c.calls[0].rect, (IRect{500, 500, 1500, 1500}));
    EXPECT_EQ(c.calls[0].pen.mode, PenMode::NotXor);
    EXPECT_EQ(c.calls[0].brush.style, bsClear);
    EXPECT_EQ(k.InnerContour().PointCount(), 16u);
    k.FeedbackShown = true;
    k.FeedbackPos = {1100, 1000};
    c.Clear();
    k.DrawFeedback(c, &k.RimPoint);
    EXPECT_EQ(c.calls[0].rect, (IRect{900, 900, 1100, 1100}));
    EXPECT_EQ(k.KindName(), "Ellipse");
    EXPECT_EQ(k.InfoText(), "");
}

TEST(KreisStorage, HandCheckedRecordOfAPointCircle) {
    TKreis k;
    k.BuildContour();  // centre and rim at the origin: 16 vertices at (0, 0)
    RecordBuilder expected;
    auto base = [&](uint8_t kind, uint8_t stil, bool smoothed) {
        expected.Raw({2, kind, 2, 25})
            .Raw({0, 0, 0, 0, 0, 0, 0, 0, 0, 1})  // colours black, solid pattern, bsClear
            .Raw({9, 8, 8, static_cast<uint8_t>(smoothed ? 9 : 8), 2, stil})
            .BaseTail();
    };
    base(4, 1, false);
    expected.Zeros(40);  // centre and rim point, raw
    base(0, 0, true);    // the inner contour: filled and smoothed as a spline
    expected.Raw({2, 15});
    for (int i = 0; i < 32; ++i) expected.FloatZero();
    expected.Raw({9});  // closed
    EXPECT_EQ(Record(k), expected.b);
}

TEST(KreisStorage, RecordHoldsCentreRimAndTheInnerContour) {
    TKreis k;
    SetUpCircle(k, {1000, 500}, 500);
    Bytes bytes = Record(k);
    TBauteil base;
    base.KindCode = kcCircle;
    base.SetStiftBreite(25);
    base.SetFuellenFlag(true);
    const size_t head = Record(base).size();
    RecordBuilder points;
    points.RawExt(0xFA00, 0x4008)
        .RawExt(0xFA00, 0x4007)
        .RawExt(0xBB80, 0x4009)
        .RawExt(0xFA00, 0x4007);  // 1000, 500, 1500, 500
    ASSERT_GT(bytes.size(), head + 40);
    EXPECT_EQ(Bytes(bytes.begin() + head, bytes.begin() + head + 40), points.b);
    EXPECT_EQ(Bytes(bytes.begin() + head + 40, bytes.end()), Record(k.InnerContour()));
    // Round trip from a file and from the clipboard keeps the stored contour.
    k.InnerContour().Move({7, 0});
    for (StreamSource s : {StreamSource::File, StreamSource::Clipboard, StreamSource::Undo}) {
        std::unique_ptr<TBauteil> copy = ReadBack(k, s);
        EXPECT_EQ(Record(*copy), Record(k));
        EXPECT_EQ(static_cast<TKreis&>(*copy).InnerContour().Points(), k.InnerContour().Points());
    }
}

TEST(KreisStorage, OldFileRebuildsTheContourFromARimLoweredByHalfThePen) {
    RecordBuilder old;
    old.Raw({2, 4, 2, 50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 9, 8});  // short base record, pen 50
    old.RawExt(0xFA00, 0x4008).RawExt(0xFA00, 0x4008);           // centre (1000, 1000)
    old.RawExt(0xFA00, 0x4008).RawExt(0xFD00, 0x4008);           // rim (1000, 1012)
    TKreis k;
    TReader r = ReaderFor(old.b, StreamSource::File, "1,00");
    k.Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(k.RimPoint, (MPoint{1000, 987}));
    EXPECT_EQ(k.InsertPoint, (MPoint{-1, -1}));
    ASSERT_EQ(k.InnerContour().PointCount(), 16u);
    EXPECT_NEAR(static_cast<double>(k.InnerContour().Point(15).x), 1000 + 13 / std::cos(kPi / 16), 1e-9);
    // The same bytes from the clipboard are a current record, which this is not.
    TKreis k2;
    TReader r2 = ReaderFor(old.b, StreamSource::Clipboard, "1,00");
    EXPECT_THROW(k2.Read(r2), StreamError);
}

}  // namespace
