#include "scales/skale_bogen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/registry.h"
#include "elements/contour_build.h"
#include "scale_test_support.h"
#include "support/recording_canvas.h"

using namespace pw;
using namespace pw::test;

namespace {

const MPoint C{5000, 5000};

// A band on a 10 mm circle from 135 degrees clockwise to 45, 2 mm wide.
std::unique_ptr<TSkaleBogen> QuarterBand(uint8_t kind, Real width = 100) {
    auto b = std::make_unique<TSkaleBogen>();
    b->Centre = C;
    b->RimPoint = {C.x, C.y + 500};
    b->StartPoint = {C.x - 100, C.y - 100};
    b->EndPoint = {C.x + 100, C.y - 100};
    b->BandWidth = width;
    b->SetBandKind(kind);
    b->BuildBand();
    return b;
}

std::vector<uint8_t> Record(TBauteil& e) {
    std::vector<uint8_t> out;
    TWriter w(out);
    e.Write(w);
    return out;
}

TEST(SkaleBogen, ConstructorDefaults) {
    TSkaleBogen b;
    EXPECT_TRUE(b.Closed());
    EXPECT_TRUE(b.Glaetten());
    EXPECT_EQ(b.GlaettenStil(), glSpline);
    EXPECT_TRUE(b.FuellenFlag());
    EXPECT_EQ(b.StiftBreite(), 0);
    EXPECT_EQ(b.BrushFarbe(), kBlack);
    EXPECT_EQ(b.BrushStyle(), bsClear);
    EXPECT_EQ(b.BandKind(), TSkaleBogen::kIncreasing);
    EXPECT_EQ(b.KindCode, kcContour);
}

TEST(SkaleBogen, VerticesLieOnTheEnlargedCircle) {
    const double q = 500 / std::cos(M_PI / 2 / 30);
    auto constant = QuarterBand(TSkaleBogen::kConstant);
    ASSERT_EQ(constant->PointCount(), 34u);
    for (size_t k = 0; k <= 16; ++k) {
        // Outer edge from the start towards the end, inner edge back.
        EXPECT_NEAR(Radius(C, constant->Point(k)), q + 100, 1e-9);
        EXPECT_NEAR(DegreesAt(C, constant->Point(k)), 135 - 90.0 * k / 16, 1e-9);
        EXPECT_NEAR(Radius(C, constant->Point(17 + k)), q, 1e-9);
        EXPECT_NEAR(DegreesAt(C, constant->Point(17 + k)), 45 + 90.0 * k / 16, 1e-9);
    }
    auto increasing = QuarterBand(TSkaleBogen::kIncreasing);
    for (size_t k = 0; k <= 16; ++k) {
        EXPECT_NEAR(Radius(C, increasing->Point(k)), q + 100 * (16 - k) / 16.0, 1e-9);
        EXPECT_NEAR(DegreesAt(C, increasing->Point(k)), 45 + 90.0 * k / 16, 1e-9);
        EXPECT_NEAR(DegreesAt(C, increasing->Point(17 + k)), 135 - 90.0 * k / 16, 1e-9);
    }
    auto decreasing = QuarterBand(TSkaleBogen::kDecreasing);
    EXPECT_NEAR(Radius(C, decreasing->Point(0)), q + 100, 1e-9);
    EXPECT_NEAR(DegreesAt(C, decreasing->Point(0)), 135, 1e-9);
    EXPECT_EQ(decreasing->Point(16), decreasing->Point(17));
}

TEST(SkaleBogen, EqualDirectionsGiveARingOrNothing) {
    auto ring = QuarterBand(TSkaleBogen::kConstant);
    ring->EndPoint = ring->StartPoint;
    ring->BuildBand();
    EXPECT_NEAR(DegreesAt(C, ring->Point(8)), 315, 1e-9);
    EXPECT_NEAR(Radius(ring->Point(0), ring->Point(16)), 0, 1e-9);
    // Directions that differ only in the last bits count as equal.
    ring->EndPoint = {ring->StartPoint.x * (1 + 1e-18L), ring->StartPoint.y};
    ring->BuildBand();
    EXPECT_NEAR(DegreesAt(C, ring->Point(8)), 315, 1e-9);

    auto empty = QuarterBand(TSkaleBogen::kConstant);
    empty->EndPoint = empty->StartPoint;
    empty->EqualMeansEmpty = true;
    empty->BuildBand();
    for (size_t k = 1; k < 17; ++k) EXPECT_EQ(empty->Point(k), empty->Point(0));
    EXPECT_NEAR(Radius(C, empty->Point(0)), 600, 1e-9);
    EXPECT_NEAR(Radius(C, empty->Point(33)), 500, 1e-9);
}

TEST(SkaleBogen, FlattenedOutlineKeepsTheCornersSharp) {
    auto constant = QuarterBand(TSkaleBogen::kConstant);
    std::vector<IPoint> out;
    constant->BuildPolyline(out, kCurveStep);
    ASSERT_EQ(out.size(), 1u + 15 * 21 + 2 + 15 * 21 + 2);
    EXPECT_EQ(out.front(), RoundPoint(constant->Point(0)));
    EXPECT_EQ(out[1], RoundPoint(Midpoint(constant->Point(0), constant->Point(1))));
    EXPECT_EQ(out[1 + 15 * 21], RoundPoint(constant->Point(16)));
    EXPECT_EQ(out[2 + 15 * 21], RoundPoint(constant->Point(17)));
    EXPECT_EQ(out[out.size() - 2], RoundPoint(constant->Point(33)));
    EXPECT_EQ(out.back(), RoundPoint(constant->Point(0)));
    // The smoothed edges run close to the true circles of 10 and 12 mm diameter.
    for (size_t i = 2; i < 15 * 21; ++i)
        EXPECT_NEAR(Radius(C, {Real(out[i].x), Real(out[i].y)}), 600, 1.5) << i;
    for (size_t i = 4 + 15 * 21; i < out.size() - 3; ++i)
        EXPECT_NEAR(Radius(C, {Real(out[i].x), Real(out[i].y)}), 500, 1.5) << i;

    auto tapered = QuarterBand(TSkaleBogen::kIncreasing);
    tapered->BuildPolyline(out, kCurveStep);
    ASSERT_EQ(out.size(), 1u + 32 * 21 + 2);
    EXPECT_EQ(out[out.size() - 2], RoundPoint(tapered->Point(33)));
    EXPECT_EQ(out.back(), RoundPoint(tapered->Point(0)));
    tapered->BuildPolyline(out, kHitCurveStep);
    EXPECT_EQ(out.size(), 1u + 32 * 4 + 2);
}

TEST(SkaleBogen, PaintsAFilledAreaWithItsBrushColour) {
    auto band = QuarterBand(TSkaleBogen::kConstant);
    band->SetBrushFarbe(0x123456);
    RecordingCanvas canvas;
    band->Paint(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].kind, RecordedCall::Kind::PolyPolygon);
    EXPECT_EQ(canvas.calls[0].brush.style, bsSolid);
    EXPECT_EQ(canvas.calls[0].brush.color, 0x123456u);
    EXPECT_EQ(canvas.calls[0].pts.size(), band->PaintPolyline().size());
}

TEST(SkaleBogen, StoresTheBandKindAfterTheContourRecord) {
    auto band = QuarterBand(TSkaleBogen::kDecreasing, -80);
    std::vector<uint8_t> bytes = Record(*band);
    EXPECT_EQ(bytes.back(), TSkaleBogen::kDecreasing);
    // Without the last byte the record is a closed contour's.
    std::vector<uint8_t> contour(bytes.begin(), bytes.end() - 1);
    TRechteck asContour;
    TReader contourReader(contour, StreamSource::File);
    asContour.Read(contourReader);
    EXPECT_EQ(contourReader.Remaining(), 0u);
    EXPECT_EQ(asContour.PointCount(), 34u);

    std::unique_ptr<TBauteil> copy = CreateElement("TSkaleBogen");
    TReader r(bytes, StreamSource::Clipboard);
    copy->Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    auto& read = dynamic_cast<TSkaleBogen&>(*copy);
    EXPECT_EQ(read.BandKind(), TSkaleBogen::kDecreasing);
    EXPECT_EQ(read.PaintPolyline(), band->PaintPolyline());
    EXPECT_EQ(Record(read), bytes);
}

TEST(SkaleBogen, DamagedVertexListIsFlattenedAsAContour) {
    TSkaleBogen b;
    b.AddPoint({0, 0});
    b.AddPoint({100, 0});
    b.AddPoint({100, 100});
    std::vector<IPoint> out;
    b.BuildPolyline(out, kCurveStep);
    EXPECT_EQ(out.size(), 3u * 21);
    RecordingCanvas canvas;
    b.Paint(canvas);
    EXPECT_EQ(canvas.calls.size(), 1u);
    TSkaleBogen none;
    none.BuildPolyline(out, kCurveStep);
    EXPECT_TRUE(out.empty());
}

}  // namespace
