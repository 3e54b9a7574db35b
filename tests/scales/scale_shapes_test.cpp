#include <gtest/gtest.h>

#include <cmath>

#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/textlabel.h"
#include "scale_test_support.h"
#include "scales/skale_bogen.h"
#include "support/recording_canvas.h"

using namespace pw;
using namespace pw::test;

namespace {

const MPoint C{15000, 15000};

TSkaleBogen& Band(const TScale& s, size_t i) {
    return Child<TSkaleBogen>(s, i);
}

// The radius of the control points of a band's inner edge for a sweep in degrees.
double InnerControlRadius(double r, double sweepDegrees) {
    return r / std::cos(sweepDegrees * M_PI / 180 / 30);
}

void ExpectAt(MPoint p, double degrees, double radius) {
    EXPECT_NEAR(AngleDiff(DegreesAt(C, p), degrees), 0, 1e-9);
    EXPECT_NEAR(Radius(C, p), radius, 1e-6);
}

TEST(EmpiricalScale, DefaultsGiveFiveColouredSegmentsWithLinesAndLabels) {
    auto s = ScaleOfStyle(ssEmpirical);
    s->Build();
    EXPECT_EQ(ClassNames(*s),
              (std::vector<std::string>{"TSkaleBogen", "TSkaleBogen", "TSkaleBogen", "TSkaleBogen",
                                        "TSkaleBogen", "TGruppe", "TGruppe", "TGruppe"}));
    const double boundaries[6] = {225, 171, 117, 63, 9, -45};
    const Color colours[5] = {0x0000FF, 0x008000, 0x0000FF, 0x008000, 0x0000FF};
    const double q = InnerControlRadius(750, 54);
    for (size_t i = 0; i < 5; ++i) {
        TSkaleBogen& band = Band(*s, i);
        EXPECT_EQ(band.BandKind(), TSkaleBogen::kConstant);
        EXPECT_EQ(band.BrushFarbe(), colours[i]);
        EXPECT_EQ(band.StiftPattern(), ptClear);
        ASSERT_EQ(band.PointCount(), 34u);
        ExpectAt(band.Point(0), boundaries[i], q + 100);
        ExpectAt(band.Point(16), boundaries[i + 1], q + 100);
        ExpectAt(band.Point(17), boundaries[i + 1], q);
        ExpectAt(band.Point(33), boundaries[i], q);
    }
    // Six segment lines 4 mm long from the inner circle.
    ASSERT_EQ(s->SubTickGroup, s->Member(5));
    ASSERT_EQ(s->SubTickGroup->MemberCount(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        const TLinie& line = Child<TLinie>(*s->SubTickGroup, i);
        ExpectAt(line.Point(0), boundaries[i], 750);
        ExpectAt(line.Point(1), boundaries[i], 950);
    }
    // A milled cross of a fifth of the inner diameter.
    EXPECT_EQ(Child<TLinie>(*s->CrossGroup, 0).Point(0), (MPoint{14850, 15000}));
    EXPECT_TRUE(s->CrossGroup->Fraesen());
    // Labels at the six boundaries, 5 mm beyond the outer corners.
    ASSERT_EQ(s->LabelGroup->MemberCount(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        TTextLabel& label = Child<TTextLabel>(*s->LabelGroup, i);
        EXPECT_EQ(label.LabelText(), std::to_string(i));
        EXPECT_EQ(label.LabelFont().height, 150);
        const MPoint centre = BoundsCentre(label);
        EXPECT_NEAR(AngleDiff(DegreesAt(C, centre), boundaries[i]), 0, 1e-7);
        EXPECT_NEAR(Radius(C, centre), q + 100 + 250, 1e-6);
    }
}

TEST(EmpiricalScale, SegmentsAreFilledWithoutOutline) {
    auto s = ScaleOfStyle(ssEmpirical);
    s->Build();
    RecordingCanvas canvas;
    Band(*s, 1).Paint(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].kind, RecordedCall::Kind::PolyPolygon);
    EXPECT_EQ(canvas.calls[0].brush.style, bsSolid);
    EXPECT_EQ(canvas.calls[0].brush.color, 0x008000u);
    EXPECT_EQ(canvas.calls[0].pen.style, PenStyle::Clear);
}

TEST(EmpiricalScale, OneSegmentCoversTheWholeRange) {
    auto s = ScaleOfStyle(ssEmpirical);
    s->SetParam(3, 1);
    s->Build();
    EXPECT_EQ(ClassNames(*s), (std::vector<std::string>{"TSkaleBogen", "TGruppe", "TGruppe", "TGruppe"}));
    TSkaleBogen& band = Band(*s, 0);
    EXPECT_EQ(band.BrushFarbe(), 0x0000FFu);
    const double q = InnerControlRadius(750, 270);
    ExpectAt(band.Point(0), 225, q + 100);
    ExpectAt(band.Point(8), 90, q + 100);
    ExpectAt(band.Point(16), 315, q + 100);
    EXPECT_EQ(s->SubTickGroup->MemberCount(), 2u);
    EXPECT_EQ(s->LabelGroup->MemberCount(), 2u);
}

TEST(EmpiricalScale, DecreasingLimitRunsTheLongWayRound) {
    auto s = ScaleOfStyle(ssEmpirical);
    s->SetParam(5, 40);
    s->SetParam(6, 20);
    s->Build();
    // Segment 2 runs clockwise from 40 % (117 degrees) to 20 % (171 degrees): 306 degrees.
    TSkaleBogen& band = Band(*s, 1);
    const double q = InnerControlRadius(750, 306);
    ExpectAt(band.Point(0), 117, q + 100);
    ExpectAt(band.Point(8), 324, q + 100);
    ExpectAt(band.Point(16), 171, q + 100);
}

TEST(EmpiricalScale, EqualLimitsMakeAnEmptySegment) {
    auto s = ScaleOfStyle(ssEmpirical);
    s->SetParam(6, 20);   // the second limit equals the first
    s->SetParam(8, 100);  // the fourth limit at the end of the range
    s->Build();
    for (size_t i : {1u, 4u}) {
        TSkaleBogen& band = Band(*s, i);
        const double at = i == 1 ? 171 : -45;
        for (size_t k = 0; k <= 16; ++k) ExpectAt(band.Point(k), at, 850);
        for (size_t k = 17; k < 34; ++k) ExpectAt(band.Point(k), at, 750);
    }
    // The segment before it is unchanged.
    ExpectAt(Band(*s, 0).Point(16), 171, InnerControlRadius(750, 54) + 100);
    // The last limit segment ends at 100 %: segment 4 covers 80 ... 100 %.
    ExpectAt(Band(*s, 3).Point(16), -45, InnerControlRadius(750, 108) + 100);
}

TEST(EmpiricalScale, FullRangeOfOneSegmentIsARing) {
    for (Real angle : {360.0L, 0.0L}) {
        auto s = ScaleOfStyle(ssEmpirical);
        s->SetParam(0, angle);
        s->SetParam(3, 1);
        s->Build();
        const double start = angle == 0 ? 90 : 270;
        TSkaleBogen& band = Band(*s, 0);
        const double q = InnerControlRadius(750, 360);
        ExpectAt(band.Point(0), start, q + 100);
        ExpectAt(band.Point(8), start + 180, q + 100);
        ExpectAt(band.Point(16), start, q + 100);
    }
}

TEST(ArcScales, IncreasingAndDecreasingArcs) {
    const double q = InnerControlRadius(750, 90);
    auto increasing = ScaleOfStyle(ssIncreasingArc);
    increasing->Build();
    EXPECT_EQ(ClassNames(*increasing), (std::vector<std::string>{"TSkaleBogen", "TGruppe"}));
    TSkaleBogen& up = Band(*increasing, 0);
    EXPECT_EQ(up.BandKind(), TSkaleBogen::kIncreasing);
    ExpectAt(up.Point(0), 45, q + 250);  // full width at the end
    ExpectAt(up.Point(16), 135, q);      // nothing at the start
    EXPECT_EQ(up.Point(16), up.Point(17));
    ExpectAt(up.Point(33), 45, q);
    EXPECT_EQ(Child<TLinie>(*increasing->CrossGroup, 1).Point(0), (MPoint{15000, 14850}));

    auto decreasing = ScaleOfStyle(ssDecreasingArc);
    decreasing->Build();
    TSkaleBogen& down = Band(*decreasing, 0);
    EXPECT_EQ(down.BandKind(), TSkaleBogen::kDecreasing);
    ExpectAt(down.Point(0), 135, q + 250);
    ExpectAt(down.Point(16), 45, q);
    EXPECT_EQ(down.Point(16), down.Point(17));

    auto segment = ScaleOfStyle(ssCircleSegment);
    segment->Build();
    TSkaleBogen& constant = Band(*segment, 0);
    EXPECT_EQ(constant.BandKind(), TSkaleBogen::kConstant);
    ExpectAt(constant.Point(0), 135, q + 100);
    ExpectAt(constant.Point(16), 45, q + 100);
    EXPECT_EQ(constant.BrushFarbe(), kBlack);
}

TEST(ArcScales, SymmetricArcMeetsInAPointAtTheTop) {
    auto s = ScaleOfStyle(ssSymmetricArc);
    s->Build();
    EXPECT_EQ(ClassNames(*s), (std::vector<std::string>{"TSkaleBogen", "TSkaleBogen", "TGruppe"}));
    const double q = InnerControlRadius(750, 45);
    TSkaleBogen& left = Band(*s, 0);
    TSkaleBogen& right = Band(*s, 1);
    EXPECT_EQ(left.BandKind(), TSkaleBogen::kDecreasing);
    EXPECT_EQ(right.BandKind(), TSkaleBogen::kIncreasing);
    ExpectAt(left.Point(0), 135, q + 250);
    ExpectAt(right.Point(0), 45, q + 250);
    ExpectAt(left.Point(16), 90, q);
    ExpectAt(right.Point(16), 90, q);
    EXPECT_NEAR(Radius(left.Point(16), right.Point(16)), 0, 1e-9);
}

TEST(ArcScales, NegativeWidthPutsTheBandInside) {
    auto s = ScaleOfStyle(ssIncreasingArc);
    EXPECT_TRUE(s->SetParam(2, -5));
    s->Build();
    const double q = InnerControlRadius(750, 90);
    ExpectAt(Band(*s, 0).Point(0), 45, q - 250);
    ExpectAt(Band(*s, 0).Point(33), 45, q);
}

TEST(PolygonScale, TriangleRotatedByNinetyHasAVertexAtTheTop) {
    auto s = ScaleOfStyle(ssRegularPolygon);
    s->SetParam(1, 3);
    s->SetParam(3, 90);
    s->Build();
    EXPECT_EQ(ClassNames(*s), (std::vector<std::string>{"TPolygon", "TGruppe"}));
    const TPolygon& p = Child<TPolygon>(*s, 0);
    EXPECT_TRUE(p.Closed());
    ASSERT_EQ(p.PointCount(), 3u);
    EXPECT_NEAR(static_cast<double>(p.Point(0).x), 15000, 1e-9);
    EXPECT_NEAR(static_cast<double>(p.Point(0).y), 14250, 1e-9);
    ExpectAt(p.Point(1), 210, 750);
    ExpectAt(p.Point(2), 330, 750);
    EXPECT_EQ(Child<TLinie>(*s->CrossGroup, 0).Point(0), (MPoint{14850, 15000}));

    auto pentagon = ScaleOfStyle(ssRegularPolygon);
    pentagon->Params()[2].BoolValue = false;
    pentagon->Build();
    EXPECT_EQ(ClassNames(*pentagon), (std::vector<std::string>{"TPolygon"}));
    const TPolygon& five = Child<TPolygon>(*pentagon, 0);
    ASSERT_EQ(five.PointCount(), 5u);
    EXPECT_EQ(five.Point(0), (MPoint{15750, 15000}));
    ExpectAt(five.Point(1), 72, 750);
}

TEST(SineScale, FractionalOscillationsRoundTheVertexCount) {
    auto s = ScaleOfStyle(ssSineCurve);
    s->SetParam(2, 1.3L);
    s->Build();
    EXPECT_EQ(ClassNames(*s), (std::vector<std::string>{"TLinie", "TLinie"}));
    const TLinie& curve = Child<TLinie>(*s, 0);
    ASSERT_EQ(curve.PointCount(), 11u);
    EXPECT_TRUE(curve.Glaetten());
    EXPECT_EQ(curve.GlaettenStil(), glSpline);
    for (size_t i = 0; i <= 10; ++i) {
        EXPECT_NEAR(static_cast<double>(curve.Point(i).x), 13750 + 250.0 * i, 1e-9);
        EXPECT_NEAR(static_cast<double>(curve.Point(i).y), 15000 - std::sin(2 * M_PI / 10 * i * 1.3) * 750,
                    1e-9);
    }
    const TLinie& middle = Child<TLinie>(*s, 1);
    EXPECT_EQ(middle.Point(0), (MPoint{13750, 15000}));
    EXPECT_EQ(middle.Point(1), (MPoint{16250, 15000}));

    s->SetParam(2, 1.0625L);  // 8.5 rounds to 8
    s->SetParam(3, 90);
    s->Params()[4].BoolValue = false;
    s->Build();
    EXPECT_EQ(ClassNames(*s), (std::vector<std::string>{"TLinie"}));
    ASSERT_EQ(Child<TLinie>(*s, 0).PointCount(), 9u);
    EXPECT_NEAR(static_cast<double>(Child<TLinie>(*s, 0).Point(0).y), 14250, 1e-9);  // phase 90: a crest
}

TEST(ShapeScales, CountsSetWithoutTheRangeCheckStayBounded) {
    auto polygon = ScaleOfStyle(ssRegularPolygon);
    polygon->Params()[1].IntValue = 0;
    polygon->Build();
    EXPECT_EQ(Child<TPolygon>(*polygon, 0).PointCount(), 3u);
    auto sine = ScaleOfStyle(ssSineCurve);
    sine->Params()[2].RealValue = 1e9L;
    sine->Build();
    EXPECT_EQ(Child<TLinie>(*sine, 0).PointCount(), 401u);
    TScale round;
    round.Params()[4].IntValue = -5;
    round.Params()[7].IntValue = 100000;
    round.Build();
    EXPECT_EQ(round.TickGroup->MemberCount(), 2u);
    EXPECT_EQ(round.SubTickGroup->MemberCount(), 49u);
}

}  // namespace
