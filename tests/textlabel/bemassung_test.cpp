// Dimensions: the members built from the three points, the value, the fits rule, the sides,
// the transformations, the attributes and the stored record.
#include "elements/bemassung.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/registry.h"
#include "elements/linie.h"
#include "elements/textlabel.h"
#include "panel/platine.h"
#include "text_helpers.h"

using namespace pw;
using pw::test::LanguageScope;

namespace {

std::unique_ptr<TBemassung> Dimension(MPoint a, MPoint b, MPoint c) {
    auto d = std::make_unique<TBemassung>();
    d->SetPoints(a, b, c);
    return d;
}

TLinie* LineAt(TGruppe& g, size_t i) {
    return dynamic_cast<TLinie*>(g.Member(i));
}

void ExpectPoint(MPoint p, Real x, Real y, const char* what) {
    EXPECT_NEAR(p.x, x, 1e-6) << what;
    EXPECT_NEAR(p.y, y, 1e-6) << what;
}

void ExpectLine(TLinie* line, MPoint from, MPoint to, const char* what) {
    ASSERT_NE(line, nullptr) << what;
    ASSERT_EQ(line->PointCount(), 2u) << what;
    ExpectPoint(line->Point(0), from.x, from.y, what);
    ExpectPoint(line->Point(1), to.x, to.y, what);
}

std::vector<uint8_t> Record(TBauteil& e) {
    std::vector<uint8_t> out;
    TWriter w(out);
    e.Write(w);
    return out;
}

const Real kC = std::cos(DegToRad(22.5L)) * 100, kS = std::sin(DegToRad(22.5L)) * 100;

}  // namespace

TEST(Bemassung, NewDimensionHasItsDefaultPointsAndNoMembers) {
    TBemassung d;
    EXPECT_EQ(d.FirstPoint, (MPoint{1000, 1000}));
    EXPECT_EQ(d.SecondPoint, (MPoint{2000, 1500}));
    EXPECT_EQ(d.OffsetPoint, (MPoint{1500, 1300}));
    EXPECT_EQ(d.MemberCount(), 0u);
    EXPECT_EQ(d.KindCode, 6);
    EXPECT_TRUE(d.TextFits());
    EXPECT_TRUE(IsDimension(d));
}

TEST(Bemassung, TwentyMillimetresFitWithInsideArrowsAndTheValueOnTheLine) {
    auto d = Dimension({1000, 1000}, {2000, 1000}, {1500, 800});
    ASSERT_EQ(d->MemberCount(), 4u);
    EXPECT_EQ(d->Member(0), d->ValueLabel);
    EXPECT_EQ(d->Member(1), d->ArrowGroup);
    EXPECT_EQ(d->Member(2), d->ExtensionA);
    EXPECT_EQ(d->Member(3), d->ExtensionB);
    EXPECT_NEAR(d->Offset(), 200, 1e-9);
    EXPECT_TRUE(d->TextFits());
    EXPECT_EQ(d->KindName(), "Bema\u00dfung 20,00 mm");

    TTextLabel& v = *d->ValueLabel;
    EXPECT_EQ(v.LabelText(), "20,00");
    EXPECT_EQ(v.LabelFont(), (FontSpec{"Arial", 100, 0}));
    const Real w = v.NaturalWidth();
    ExpectPoint(v.Corners[0], 1500 - w / 2, 700, "value corner");
    ExpectPoint(v.Corners[2], 1500 + w / 2, 800, "value stands on the line");

    TGruppe& g = *d->ArrowGroup;
    ASSERT_EQ(g.MemberCount(), 5u);
    ExpectLine(LineAt(g, 0), {1000, 800}, {2000, 800}, "dimension line");
    ExpectLine(LineAt(g, 1), {1000, 800}, {1000 + kC, 800 - kS}, "barb A +22.5");
    ExpectLine(LineAt(g, 2), {1000, 800}, {1000 + kC, 800 + kS}, "barb A -22.5");
    ExpectLine(LineAt(g, 3), {2000, 800}, {2000 - kC, 800 + kS}, "barb B +22.5");
    ExpectLine(LineAt(g, 4), {2000, 800}, {2000 - kC, 800 - kS}, "barb B -22.5");
    ExpectLine(d->ExtensionA, {1000, 1000}, {1000, 700}, "extension A");
    ExpectLine(d->ExtensionB, {2000, 1000}, {2000, 700}, "extension B");
}

TEST(Bemassung, ThreeMillimetresDoNotFitStubAtAAndValueBeyondB) {
    auto d = Dimension({1000, 1000}, {1150, 1000}, {1075, 800});
    EXPECT_FALSE(d->TextFits());
    const Real w = d->ValueLabel->NaturalWidth();
    ExpectPoint(d->ValueLabel->Corners[0], 1150 + 120, 700, "value beyond B");
    TGruppe& g = *d->ArrowGroup;
    ASSERT_EQ(g.MemberCount(), 6u);
    ExpectLine(LineAt(g, 0), {800, 800}, {1000, 800}, "stub outside A");
    ExpectLine(LineAt(g, 1), {1150, 800}, {1150 + w + 120, 800}, "line under the value");
    // Barbs point outwards: the arrows stand outside and point in.
    ExpectLine(LineAt(g, 2), {1000, 800}, {1000 - kC, 800 + kS}, "barb A");
    ExpectLine(LineAt(g, 3), {1000, 800}, {1000 - kC, 800 - kS}, "barb A");
    ExpectLine(LineAt(g, 4), {1150, 800}, {1150 + kC, 800 - kS}, "barb B");
    ExpectLine(LineAt(g, 5), {1150, 800}, {1150 + kC, 800 + kS}, "barb B");
}

TEST(Bemassung, EqualPointsReadZeroAndNeverFit) {
    auto d = Dimension({500, 500}, {500, 500}, {500, 400});
    EXPECT_EQ(d->ValueLabel->LabelText(), "0,00");
    EXPECT_FALSE(d->TextFits());
    EXPECT_EQ(d->ArrowGroup->MemberCount(), 6u);
    EXPECT_EQ(d->KindName(), "Bema\u00dfung 0,00 mm");
    LanguageScope english(Language::English);
    d->Build();
    EXPECT_EQ(d->ValueLabel->LabelText(), "0.00");
    EXPECT_EQ(d->KindName(), "Measure 0.00 mm");
}

TEST(Bemassung, FitsRuleComparesWithTheValueWidthPlusFourMillimetres) {
    // Every value from 5,00 to 9,99 mm has four characters of one width: the boundary lies at
    // that width plus 200 units.
    auto d = Dimension({0, 0}, {300, 0}, {0, -100});
    const Real w = d->ValueLabel->NaturalWidth();
    ASSERT_GT(w + 200, 250);
    ASSERT_LT(w + 200, 499);
    d->SetPoints({0, 0}, {w + 200, 0}, {0, -100});
    EXPECT_EQ(d->ValueLabel->NaturalWidth(), w);
    EXPECT_FALSE(d->TextFits());
    EXPECT_EQ(d->ArrowGroup->MemberCount(), 6u);
    d->SetPoints({0, 0}, {w + 200.5L, 0}, {0, -100});
    EXPECT_EQ(d->ValueLabel->NaturalWidth(), w);
    EXPECT_TRUE(d->TextFits());
    EXPECT_EQ(d->ArrowGroup->MemberCount(), 5u);
}

TEST(Bemassung, MovingTheOffsetPointAcrossTheLineFlipsTheSide) {
    auto d = Dimension({1000, 1000}, {2000, 1000}, {1500, 1200});
    EXPECT_NEAR(d->Offset(), -200, 1e-9);
    ExpectLine(LineAt(*d->ArrowGroup, 0), {1000, 1200}, {2000, 1200}, "dimension line below");
    ExpectLine(d->ExtensionA, {1000, 1000}, {1000, 1300}, "extension A below");
    ExpectLine(d->ExtensionB, {2000, 1000}, {2000, 1300}, "extension B below");
    const Real w = d->ValueLabel->NaturalWidth();
    ExpectPoint(d->ValueLabel->Corners[0], 1500 - w / 2, 1100, "value above the lower line");
    ExpectPoint(d->ValueLabel->Corners[3], 1500 - w / 2, 1200, "value stands on the line");
}

TEST(Bemassung, DrawnFromRightToLeftTheValueIsUpsideDown) {
    auto d = Dimension({2000, 1000}, {1000, 1000}, {1500, 1200});
    // Left of the direction B <- A is below on the screen.
    EXPECT_NEAR(d->Offset(), 200, 1e-9);
    TTextLabel& v = *d->ValueLabel;
    EXPECT_EQ(v.LabelText(), "20,00");
    EXPECT_NEAR(v.TextAngle(), kPi, 1e-12);
    // The top of the turned text is below its baseline.
    EXPECT_GT(v.Corners[0].y, v.Corners[3].y);
    EXPECT_GT(v.Corners[0].x, v.Corners[1].x);
    ExpectPoint(v.Corners[3], 1500 + v.NaturalWidth() / 2.0L, 1200, "bottom edge on the line");
    ExpectLine(LineAt(*d->ArrowGroup, 0), {2000, 1200}, {1000, 1200}, "dimension line");
}

TEST(Bemassung, TransformationsMoveThePointsRebuildAndSelect) {
    auto d = Dimension({1000, 1000}, {2000, 1000}, {1500, 800});
    d->Scale({0, 0}, 2, 2);
    EXPECT_EQ(d->KindName(), "Bema\u00dfung 40,00 mm");
    EXPECT_EQ(d->ValueLabel->LabelText(), "40,00");
    EXPECT_EQ(d->ValueLabel->LabelFont().height, 100);  // the value keeps its size
    EXPECT_TRUE(d->GetSelected());
    EXPECT_EQ(d->OffsetPoint, (MPoint{3000, 1600}));

    d->SetSelected(false);
    d->Move({-100, 50});
    EXPECT_EQ(d->FirstPoint, (MPoint{1900, 2050}));
    EXPECT_TRUE(d->GetSelected());
    ExpectLine(d->ExtensionA, {1900, 2050}, {1900, 1550}, "moved extension");

    d->Rotate(d->FirstPoint, kPi / 2);
    EXPECT_EQ(d->ValueLabel->LabelText(), "40,00");
    EXPECT_NEAR(d->ValueLabel->TextAngle(), kPi / 2, 1e-9);

    d->Mirror(true, {0, 0, 4000, 4000});
    EXPECT_EQ(d->ValueLabel->LabelText(), "40,00");
    EXPECT_FALSE(d->ValueLabel->FlippedV);  // built anew, not mirrored: the value stays readable
}

TEST(Bemassung, ResizingMapsThePointsAndDoublingDoublesTheValue) {
    auto d = Dimension({1000, 1000}, {2000, 1000}, {1500, 800});
    MRect b = d->GetBounds();
    d->Resize(b, {b.x1, b.y1, b.x1 + 2 * (b.x2 - b.x1), b.y1 + 2 * (b.y2 - b.y1)});
    EXPECT_EQ(d->ValueLabel->LabelText(), "40,00");
    EXPECT_EQ(d->ArrowGroup->MemberCount(), 5u);
    EXPECT_EQ(d->ExtensionA->StiftBreite(), 0);
}

TEST(Bemassung, AlwaysOneColourSolidWithTheThinnestPen) {
    auto d = Dimension({1000, 1000}, {2000, 1000}, {1500, 800});
    d->SetStiftFarbe(kRed);
    d->SetStiftBreite(50);
    d->SetStiftPattern(ptStrich);
    d->SetBrushFarbe(kBlue);
    auto check = [&](TBauteil& m) {
        EXPECT_EQ(m.StiftFarbe(), kRed);
        EXPECT_EQ(m.BrushFarbe(), kRed);
        EXPECT_EQ(m.StiftBreite(), 0);
        EXPECT_EQ(m.StiftPattern(), ptDurchgezogen);
    };
    check(*d->ValueLabel);
    check(*d->ExtensionA);
    for (const auto& m : d->ArrowGroup->Members()) check(*m);
    EXPECT_EQ(d->StiftFarbe(), kRed);
    // A fresh value label keeps its clear brush (outlined letters) until the style setter runs.
    EXPECT_EQ(d->ValueLabel->BrushStyle(), bsClear);
    d->SetBrushStyle(bsDiagCross);
    EXPECT_EQ(d->ValueLabel->BrushStyle(), bsSolid);
    d->Build();
    EXPECT_EQ(d->ValueLabel->BrushStyle(), bsClear);
    check(*d->ValueLabel);
}

TEST(Bemassung, RebuiltMembersKeepTheDisplayStates) {
    auto d = Dimension({1000, 1000}, {2000, 1000}, {1500, 800});
    d->SetHidden(true);
    d->SetUmrissFlag(true);
    d->Move({10, 10});
    for (const auto& m : d->Members()) {
        EXPECT_TRUE(m->Hidden());
        EXPECT_TRUE(m->UmrissFlag());
    }
    EXPECT_TRUE(d->ArrowGroup->Member(0)->Hidden());
}

TEST(Bemassung, PaintsItsLinesAndTheValueOutlined) {
    auto d = Dimension({1000, 1000}, {2000, 1000}, {1500, 800});
    RecordingCanvas c;
    d->Paint(c);
    EXPECT_EQ(c.Count(RecordedCall::Kind::Polyline), 7u);     // line, four barbs, two extensions
    EXPECT_EQ(c.Count(RecordedCall::Kind::PolyPolygon), 5u);  // "20,00"
    for (const RecordedCall& call : c.calls)
        if (call.kind == RecordedCall::Kind::PolyPolygon) {
            EXPECT_EQ(call.brush.style, bsClear);
        }
}

TEST(Bemassung, RoundTripIsByteForByteAndReadingRebuilds) {
    auto d = Dimension({1000.25L, 1000}, {2345.5L, 1777}, {1200, 2000});
    d->SetStiftFarbe(0x00AA00);
    std::vector<uint8_t> first = Record(*d);
    // The record ends with C, A and B, raw.
    std::vector<uint8_t> tail(first.end() - 60, first.end());
    std::vector<uint8_t> points;
    TWriter w(points);
    w.WriteRawPoint(d->OffsetPoint);
    w.WriteRawPoint(d->FirstPoint);
    w.WriteRawPoint(d->SecondPoint);
    EXPECT_EQ(tail, points);

    auto copy = CreateElement("TBemassung");
    TReader r(first, StreamSource::File);
    copy->Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(Record(*copy), first);
    auto* dc = dynamic_cast<TBemassung*>(copy.get());
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(dc->SecondPoint, d->SecondPoint);
    ASSERT_NE(dc->ValueLabel, nullptr);
    EXPECT_EQ(dc->ValueLabel->LabelText(), d->ValueLabel->LabelText());
}

TEST(Bemassung, StoredMembersAreReplacedByTheBuild) {
    // A dimension record whose group part holds a single line: reading builds the real members.
    TBemassung d;
    d.AddMember(std::make_unique<TLinie>());
    d.FirstPoint = {0, 0};
    d.SecondPoint = {1000, 0};
    d.OffsetPoint = {500, -300};
    std::vector<uint8_t> rec = Record(d);
    TBemassung read;
    TReader r(rec, StreamSource::Clipboard);
    read.Read(r);
    EXPECT_EQ(read.MemberCount(), 4u);
    EXPECT_EQ(read.ValueLabel->LabelText(), "20,00");

    std::vector<uint8_t> cut(rec.begin(), rec.end() - 5);
    TReader rc(cut, StreamSource::Clipboard);
    TBemassung broken;
    EXPECT_THROW(broken.Read(rc), StreamError);
}

TEST(Bemassung, PanelWithTextsAndDimensionsSavesAndLoadsUnchanged) {
    TPlatine p;
    auto* text = static_cast<TTextLabel*>(p.AddElement(
        std::make_unique<TTextLabel>(FontSpec{"Arial", 300, fsBold}, "Frontplatte", MPoint{500, 500})));
    text->Rotate({500, 500}, 0.3);
    p.AddElement(Dimension({1000, 3000}, {4000, 3000}, {2500, 2500}));
    std::vector<uint8_t> saved;
    p.WritePanel(saved, false);

    TPlatine loaded;
    TReader r(saved, StreamSource::File);
    loaded.ReadPanel(r);
    EXPECT_EQ(r.Remaining(), 0u);
    ASSERT_EQ(loaded.ElementCount(), 2u);
    std::vector<uint8_t> again;
    loaded.WritePanel(again, false);
    EXPECT_EQ(again, saved);

    // The dimension filter hides the dimension with everything inside it, and not the text.
    loaded.SetMitBemassung(false);
    auto* ld = dynamic_cast<TBemassung*>(loaded.Element(1));
    ASSERT_NE(ld, nullptr);
    EXPECT_TRUE(ld->Hidden());
    EXPECT_TRUE(ld->ValueLabel->Hidden());
    EXPECT_TRUE(ld->ArrowGroup->Member(0)->Hidden());
    EXPECT_FALSE(loaded.Element(0)->Hidden());
    // Hiding the other objects leaves the dimension's parts alone, in both directions.
    loaded.SetMitSymbolen(false);
    EXPECT_TRUE(loaded.Element(0)->Hidden());
    EXPECT_TRUE(ld->ValueLabel->Hidden());
    loaded.SetMitBemassung(true);
    EXPECT_FALSE(ld->ValueLabel->Hidden());
    EXPECT_FALSE(ld->ExtensionB->Hidden());
    EXPECT_TRUE(loaded.Element(0)->Hidden());
}
