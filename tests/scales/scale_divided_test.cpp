#include <gtest/gtest.h>

#include <cmath>

#include "elements/bogen.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/textlabel.h"
#include "scale_test_support.h"
#include "support/recording_canvas.h"

using namespace pw;
using namespace pw::test;

namespace {

const MPoint C{15000, 15000};

TLinie& Tick(const TScale& s, size_t i) {
    return Child<TLinie>(*s.TickGroup, i);
}
TLinie& SubTick(const TScale& s, size_t i) {
    return Child<TLinie>(*s.SubTickGroup, i);
}

// Base point, outer point, angle and radii of a tick of a round scale.
void ExpectRoundTick(const TLinie& t, double degrees, double inner, double outer) {
    ASSERT_EQ(t.PointCount(), 2u);
    EXPECT_NEAR(AngleDiff(DegreesAt(C, t.Point(0)), degrees), 0, 1e-9);
    EXPECT_NEAR(AngleDiff(DegreesAt(C, t.Point(1)), degrees), 0, 1e-9);
    EXPECT_NEAR(Radius(C, t.Point(0)), inner, 1e-9);
    EXPECT_NEAR(Radius(C, t.Point(1)), outer, 1e-9);
}

TEST(DividedScale, DefaultScaleElementTree) {
    TScale s;
    s.Build();
    EXPECT_EQ(ClassNames(s),
              (std::vector<std::string>{"TGruppe", "TBogen", "TGruppe", "TGruppe", "TGruppe"}));
    EXPECT_EQ(s.TickGroup, s.Member(0));
    EXPECT_EQ(s.SubTickGroup, s.Member(2));
    EXPECT_EQ(s.CrossGroup, s.Member(3));
    EXPECT_EQ(s.LabelGroup, s.Member(4));

    // 11 ticks 7 mm outward from the 50 mm circle, 225 degrees clockwise to 315.
    ASSERT_EQ(s.TickGroup->MemberCount(), 11u);
    for (size_t i = 0; i <= 10; ++i) ExpectRoundTick(Tick(s, i), 225 - 27.0 * i, 1250, 1600);
    // Four 3 mm ticks between each pair, none on the first-division positions.
    ASSERT_EQ(s.SubTickGroup->MemberCount(), 40u);
    for (size_t i = 0; i < 10; ++i)
        for (size_t j = 1; j <= 4; ++j)
            ExpectRoundTick(SubTick(s, i * 4 + j - 1), 225 - 27.0 * i - 5.4 * j, 1250, 1400);

    // The running arc: clockwise from the start over the top to the end.
    const TBogen& arc = Child<TBogen>(s, 1);
    EXPECT_EQ(arc.Centre, C);
    EXPECT_EQ(arc.Stil(), TBogen::kOpenArc);
    ASSERT_EQ(arc.PointCount(), 21u);
    EXPECT_NEAR(DegreesAt(C, arc.Point(0)), 225, 1e-9);
    EXPECT_NEAR(DegreesAt(C, arc.Point(10)), 90, 1e-9);
    EXPECT_NEAR(DegreesAt(C, arc.Point(20)), 315, 1e-9);
    EXPECT_NEAR(DegreesAt(C, arc.Point(5)), 157.5, 1e-9);

    // A milled cross 10 mm wide.
    ASSERT_EQ(s.CrossGroup->MemberCount(), 2u);
    const TLinie& h = Child<TLinie>(*s.CrossGroup, 0);
    const TLinie& v = Child<TLinie>(*s.CrossGroup, 1);
    EXPECT_EQ(h.Point(0), (MPoint{14750, 15000}));
    EXPECT_EQ(h.Point(1), (MPoint{15250, 15000}));
    EXPECT_EQ(v.Point(0), (MPoint{15000, 14750}));
    EXPECT_EQ(v.Point(1), (MPoint{15000, 15250}));
    EXPECT_TRUE(h.Fraesen() && v.Fraesen() && s.CrossGroup->Fraesen());

    // Labels "0" ... "10", 4 mm high, centred 3 mm beyond the tick ends.
    ASSERT_EQ(s.LabelGroup->MemberCount(), 11u);
    for (size_t i = 0; i <= 10; ++i) {
        TTextLabel& label = Child<TTextLabel>(*s.LabelGroup, i);
        EXPECT_EQ(label.LabelText(), std::to_string(i));
        EXPECT_EQ(label.LabelFont().height, 200);
        const MPoint centre = BoundsCentre(label);
        EXPECT_NEAR(Radius(C, centre), 1750, 1e-6) << i;
        EXPECT_NEAR(AngleDiff(DegreesAt(C, centre), 225 - 27.0 * i), 0, 1e-7) << i;
    }
    EXPECT_EQ(s.Inscriptions.size(), 11u);
}

TEST(DividedScale, EveryGeneratedElementEndsBlackWithPenWidthZero) {
    for (int style = 0; style < kScaleStyleCount; ++style) {
        auto s = ScaleOfStyle(style);
        s->SetStiftFarbe(0x00FF00);
        s->Build();
        EXPECT_EQ(s->StiftFarbe(), kBlack);
        size_t leaves = 0;
        ForEachElement(*s, [&](TBauteil& e) {
            if (IsGroup(e)) return;
            ++leaves;
            EXPECT_EQ(e.StiftBreite(), 0) << style << " " << e.ClassName();
            EXPECT_EQ(e.StiftFarbe(), kBlack) << style << " " << e.ClassName();
        });
        EXPECT_GT(leaves, 0u) << style;
    }
}

TEST(DividedScale, OneSegmentGivesMarksAtBothEnds) {
    TScale s;
    s.SetParam(4, 1);
    s.Build();
    ASSERT_EQ(s.TickGroup->MemberCount(), 2u);
    ExpectRoundTick(Tick(s, 0), 225, 1250, 1600);
    ExpectRoundTick(Tick(s, 1), 315, 1250, 1600);
    EXPECT_EQ(s.SubTickGroup->MemberCount(), 4u);
    EXPECT_EQ(s.LabelGroup->MemberCount(), 2u);

    auto straight = ScaleOfStyle(ssStraightLinear);
    straight->SetParam(2, 1);
    straight->Build();
    ASSERT_EQ(straight->TickGroup->MemberCount(), 2u);
    EXPECT_EQ(Tick(*straight, 0).Point(0), (MPoint{13750, 15000}));
    EXPECT_EQ(Tick(*straight, 1).Point(0), (MPoint{16250, 15000}));
}

TEST(DividedScale, LogarithmicMarksStandAtTheLogarithmsOfOneToTen) {
    auto round = ScaleOfStyle(ssRoundLog);
    round->SetParam(4, 9);
    round->Build();
    ASSERT_EQ(round->TickGroup->MemberCount(), 10u);
    for (size_t i = 0; i < 10; ++i)
        ExpectRoundTick(Tick(*round, i), 225 - 270 * std::log10(i + 1.0), 1250, 1600);

    auto straight = ScaleOfStyle(ssStraightLog);
    straight->SetParam(2, 9);
    straight->Build();
    ASSERT_EQ(straight->TickGroup->MemberCount(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        const TLinie& t = Tick(*straight, i);
        EXPECT_NEAR(static_cast<double>(t.Point(0).x), 13750 + 2500 * std::log10(i + 1.0), 1e-9);
        EXPECT_EQ(t.Point(0).y, 15000);
        EXPECT_EQ(t.Point(1).y, 15000 - 200);
    }
    // Second division: log10(i + j / M + 1) of the length.
    ASSERT_EQ(straight->SubTickGroup->MemberCount(), 36u);
    EXPECT_NEAR(static_cast<double>(SubTick(*straight, 0).Point(0).x), 13750 + 2500 * std::log10(1.2), 1e-9);
    EXPECT_NEAR(static_cast<double>(SubTick(*straight, 5).Point(0).x), 13750 + 2500 * std::log10(2.4), 1e-9);
    EXPECT_EQ(SubTick(*straight, 0).Point(1).y, 15000 - 100);
    // The default numbers, as for linear scales.
    EXPECT_EQ(Child<TTextLabel>(*straight->LabelGroup, 9).LabelText(), "9");
}

TEST(DividedScale, InversionPutsMarkZeroAtTheOtherEnd) {
    auto straight = ScaleOfStyle(ssStraightLinear);
    straight->SetParam(11, 1);
    straight->Build();
    EXPECT_EQ(Tick(*straight, 0).Point(0), (MPoint{16250, 15000}));
    EXPECT_EQ(Tick(*straight, 10).Point(0), (MPoint{13750, 15000}));
    const MPoint zero = BoundsCentre(*straight->LabelGroup->Member(0));
    EXPECT_NEAR(static_cast<double>(zero.x), 16250, 1e-6);
    EXPECT_NEAR(static_cast<double>(zero.y), 15000 - 300, 1e-6);
    // Second-division marks between the inverted marks.
    EXPECT_EQ(SubTick(*straight, 0).Point(0), (MPoint{16200, 15000}));

    TScale round;
    round.SetParam(14, 1);
    round.Build();
    ExpectRoundTick(Tick(round, 0), 315, 1250, 1600);
    ExpectRoundTick(Tick(round, 1), 342, 1250, 1600);  // back over the top
    ExpectRoundTick(Tick(round, 10), 225, 1250, 1600);
    EXPECT_NEAR(DegreesAt(C, BoundsCentre(*round.LabelGroup->Member(0))), 315, 1e-7);

    auto log = ScaleOfStyle(ssRoundLog);
    log->SetParam(4, 9);
    log->SetParam(14, 1);
    log->Build();
    ExpectRoundTick(Tick(*log, 1), 315 + 270 * std::log10(2.0), 1250, 1600);
}

TEST(DividedScale, FullCircleDrawsAndLabelsBothEndMarks) {
    TScale s;
    s.SetParam(0, 360);
    s.Build();
    ASSERT_EQ(s.TickGroup->MemberCount(), 11u);
    ExpectRoundTick(Tick(s, 0), 270, 1250, 1600);
    ExpectRoundTick(Tick(s, 10), 270, 1250, 1600);
    ExpectRoundTick(Tick(s, 5), 90, 1250, 1600);
    ASSERT_EQ(s.LabelGroup->MemberCount(), 11u);
    const MPoint first = BoundsCentre(*s.LabelGroup->Member(0));
    const MPoint last = BoundsCentre(*s.LabelGroup->Member(10));
    EXPECT_NEAR(DegreesAt(C, first), 270, 1e-7);
    EXPECT_NEAR(AngleDiff(DegreesAt(C, last), 270), 0, 1e-7);
    // The running arc is the whole circle.
    const TBogen& arc = Child<TBogen>(s, 1);
    EXPECT_NEAR(Radius(arc.Point(0), arc.Point(20)), 0, 1e-6);
    EXPECT_NEAR(DegreesAt(C, arc.Point(10)), 90, 1e-9);
}

TEST(DividedScale, ZeroRangeIsTheFullCircleFromTheTop) {
    TScale s;
    s.SetParam(0, 0);
    s.Build();
    ExpectRoundTick(Tick(s, 0), 90, 1250, 1600);
    ExpectRoundTick(Tick(s, 5), 270, 1250, 1600);
    ExpectRoundTick(Tick(s, 10), 90, 1250, 1600);
    const TBogen& arc = Child<TBogen>(s, 1);
    EXPECT_NEAR(DegreesAt(C, arc.Point(10)), 270, 1e-9);
    EXPECT_NEAR(Radius(arc.Point(0), arc.Point(20)), 0, 1e-6);
}

TEST(DividedScale, NegativeTickLengthTurnsTicksAndLabelsInward) {
    auto straight = ScaleOfStyle(ssStraightLinear);
    straight->SetParam(3, -4);
    straight->Build();
    EXPECT_EQ(Tick(*straight, 0).Point(1), (MPoint{13750, 15200}));
    const MPoint label = BoundsCentre(*straight->LabelGroup->Member(0));
    EXPECT_NEAR(static_cast<double>(label.y), 15300, 1e-6);
    EXPECT_NEAR(static_cast<double>(label.x), 13750, 1e-6);

    TScale round;
    round.SetParam(5, -7);
    round.Build();
    ExpectRoundTick(Tick(round, 3), 225 - 81, 1250, 900);
    EXPECT_NEAR(Radius(C, BoundsCentre(*round.LabelGroup->Member(3))), 750, 1e-6);
    // A negative distance moves the labels back towards the base.
    round.SetParam(12, -10);
    round.Build();
    EXPECT_NEAR(Radius(C, BoundsCentre(*round.LabelGroup->Member(3))), 1400, 1e-6);
}

TEST(DividedScale, ZeroTickLengthIsCorrectedToMinusOneHundredthMillimetre) {
    TScale s;
    EXPECT_FALSE(s.SetParam(5, 0));
    EXPECT_EQ(s.ParamReal(5), -0.01L);
    s.Build();
    ExpectRoundTick(Tick(s, 0), 225, 1250, 1249.5);
    EXPECT_TRUE(s.SetParam(5, 7));
    EXPECT_FALSE(s.SetParam(99, 1));
}

TEST(DividedScale, DotsAreTwiceAsWideAsTheEnteredValue) {
    auto s = ScaleOfStyle(ssRoundDots);
    s->Build();
    EXPECT_EQ(ClassNames(*s), (std::vector<std::string>{"TGruppe", "TGruppe", "TGruppe", "TGruppe"}));
    ASSERT_EQ(s->TickGroup->MemberCount(), 7u);
    ASSERT_EQ(s->SubTickGroup->MemberCount(), 54u);
    TKreis& dot = Child<TKreis>(*s->TickGroup, 2);
    EXPECT_NEAR(Radius(C, dot.Centre), 1250, 1e-9);
    EXPECT_NEAR(AngleDiff(DegreesAt(C, dot.Centre), 225 - 90), 0, 1e-9);
    EXPECT_EQ(Distance(dot.Centre, dot.RimPoint), 25);  // 0.5 mm entered: 1 mm wide
    const MRect b = dot.GetBounds();
    EXPECT_NEAR(static_cast<double>(b.x2 - b.x1), 50, 1.5);
    EXPECT_EQ(
        Distance(Child<TKreis>(*s->SubTickGroup, 0).Centre, Child<TKreis>(*s->SubTickGroup, 0).RimPoint), 10);
    // Drawn as discs filled solid black.
    RecordingCanvas canvas;
    dot.Paint(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].kind, RecordedCall::Kind::PolyPolygon);
    EXPECT_EQ(canvas.calls[0].brush.style, bsSolid);
    EXPECT_EQ(canvas.calls[0].brush.color, kBlack);
    // Labels at radius D/2 + a, independent of the dot size.
    EXPECT_NEAR(Radius(C, BoundsCentre(*s->LabelGroup->Member(6))), 1450, 1e-6);

    auto straight = ScaleOfStyle(ssStraightDots);
    straight->SetParam(9, -3);
    straight->Build();
    ASSERT_EQ(straight->TickGroup->MemberCount(), 7u);
    EXPECT_EQ(Child<TKreis>(*straight->TickGroup, 1).Centre, (MPoint{14500, 15000}));
    const MPoint label = BoundsCentre(*straight->LabelGroup->Member(1));
    EXPECT_NEAR(static_cast<double>(label.x), 14500, 1e-6);
    EXPECT_NEAR(static_cast<double>(label.y), 15150, 1e-6);
}

TEST(DividedScale, SwitchedOffPartsAreLeftOut) {
    TScale s;
    for (size_t i : {2, 3, 6, 10}) s.Params()[i].BoolValue = false;
    s.Build();
    EXPECT_EQ(ClassNames(s), (std::vector<std::string>{"TGruppe"}));
    EXPECT_EQ(s.SubTickGroup, nullptr);
    EXPECT_EQ(s.CrossGroup, nullptr);
    EXPECT_EQ(s.LabelGroup, nullptr);

    auto straight = ScaleOfStyle(ssStraightLinear);
    straight->Build();
    EXPECT_EQ(ClassNames(*straight), (std::vector<std::string>{"TGruppe", "TLinie", "TGruppe", "TGruppe"}));
    const TLinie& line = Child<TLinie>(*straight, 1);
    EXPECT_EQ(line.Point(0), (MPoint{13750, 15000}));
    EXPECT_EQ(line.Point(1), (MPoint{16250, 15000}));
}

TEST(DividedScale, StyleSwitchRestoresDefaultsAndKeepsInscriptions) {
    TScale s;
    s.SetParam(4, 20);
    s.SetParam(1, 80);
    s.Build();
    s.Inscriptions[3] = "drei";
    s.SetStyle(ssRoundLinear);  // the same style keeps the values
    EXPECT_EQ(s.ParamInt(4), 20);
    s.SetStyle(ssStraightLinear);
    EXPECT_EQ(s.ParamInt(2), 10);
    s.SetStyle(ssRoundLinear);
    EXPECT_EQ(s.ParamInt(4), 10);
    EXPECT_EQ(s.ParamReal(1), 50);
    ASSERT_EQ(s.Inscriptions.size(), 21u);
    EXPECT_EQ(s.Inscriptions[3], "drei");
    s.Build();
    EXPECT_EQ(s.TickGroup->MemberCount(), 11u);
    EXPECT_EQ(Child<TTextLabel>(*s.LabelGroup, 3).LabelText(), "drei");
    EXPECT_EQ(s.Inscriptions.size(), 21u);  // the list never shrinks
}

TEST(DividedScale, BuildReplacesTheChildren) {
    TScale s;
    s.Build();
    s.Build();
    EXPECT_EQ(s.MemberCount(), 5u);
    EXPECT_EQ(s.TickGroup->MemberCount(), 11u);
}

}  // namespace
