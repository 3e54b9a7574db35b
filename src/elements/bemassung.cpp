#include "elements/bemassung.h"

#include <memory>

#include "core/language.h"
#include "elements/linie.h"
#include "elements/textlabel.h"

namespace pw {

namespace {

std::unique_ptr<TLinie> Line(MPoint from, MPoint to) {
    auto line = std::make_unique<TLinie>();
    line->AddPoint(from);
    line->AddPoint(to);
    return line;
}

const Real kBarbAngle = DegToRad(22.5L);

}  // namespace

TBemassung::TBemassung() = default;

// --- Derived values ---

std::string TBemassung::ValueText() const {
    return FormatFixed(MeasuredDistance() / kUnitsPerMm, 2, DecimalSeparator());
}

Real TBemassung::Offset() const {
    return DistanceFromLine(OffsetPoint, FirstPoint, SecondPoint);
}

bool TBemassung::TextFits() const {
    if (!ValueLabel) return true;
    return MeasuredDistance() > ValueLabel->NaturalWidth() + 200;
}

MPoint TBemassung::PA(Real s, Real t) const {
    return RotatePoint(FirstPoint + MPoint{s, -t}, FirstPoint, Direction(FirstPoint, SecondPoint));
}

MPoint TBemassung::PB(Real s, Real t) const {
    return RotatePoint(SecondPoint + MPoint{s, t}, SecondPoint, Direction(SecondPoint, FirstPoint));
}

// --- Building ---

void TBemassung::SetPoints(MPoint a, MPoint b, MPoint c) {
    FirstPoint = a;
    SecondPoint = b;
    OffsetPoint = c;
    Build();
}

void TBemassung::Build() {
    // A rebuild keeps the selection; the members are new, the element is the same.
    const bool selected = GetSelected();
    ClearMembers();
    ValueLabel = nullptr;
    ArrowGroup = nullptr;
    ExtensionA = ExtensionB = nullptr;

    const Real d = MeasuredDistance();
    const Real theta = Direction(FirstPoint, SecondPoint);
    const Real o = Offset();

    // The value, standing on the dimension line: centred between the arrows when it fits,
    // otherwise beyond B.
    auto label = std::make_unique<TTextLabel>();
    FontSpec font = label->LabelFont();
    font.height = kTextHeight;
    label->SetLabelFont(font);
    label->SetLabelText(ValueText());
    ValueLabel = label.get();
    AddMember(std::move(label));
    const Real w = ValueLabel->NaturalWidth(), h = kTextHeight;
    const bool fits = TextFits();
    const MPoint corner = fits ? PA(d / 2 - w / 2, o + h) : PA(d + kTextGap, o + h);
    ValueLabel->Corners[0] = corner;
    ValueLabel->Measure();
    ValueLabel->Rotate(corner, static_cast<double>(theta));

    // The dimension line, or a stub outside A and a line under the value outside B, and the
    // arrowheads: barbs pointing inwards when the value fits, outwards when it does not.
    auto arrows = std::make_unique<TGruppe>();
    if (fits) {
        arrows->AddMember(Line(PA(0, o), PB(0, o)));
    } else {
        arrows->AddMember(Line(PA(-kStub, o), PA(0, o)));
        arrows->AddMember(Line(PB(0, o), PB(-w - kTextGap, o)));
    }
    const Real sigma = fits ? 1 : -1;
    const MPoint a = PA(0, o), b = PB(0, o);
    for (Real turn : {kBarbAngle, -kBarbAngle})
        arrows->AddMember(Line(a, RotatePoint(a + MPoint{sigma * kArrowLength, 0}, a, theta + turn)));
    for (Real turn : {kBarbAngle, -kBarbAngle})
        arrows->AddMember(Line(b, RotatePoint(b - MPoint{sigma * kArrowLength, 0}, b, theta + turn)));
    ArrowGroup = arrows.get();
    AddMember(std::move(arrows));

    // Extension lines from the measured points to just beyond the dimension line.
    const Real reach = o >= 0 ? o + kOverhang : o - kOverhang;
    auto extA = Line(FirstPoint, PA(0, reach));
    auto extB = Line(SecondPoint, PB(0, reach));
    ExtensionA = extA.get();
    ExtensionB = extB.get();
    AddMember(std::move(extA));
    AddMember(std::move(extB));

    ApplyOwnAttributes();
    if (selected) SetSelected(true);
}

void TBemassung::ApplyOwnAttributes() {
    for (const auto& m : Members()) {
        m->SetStiftBreite(0);
        m->SetStiftFarbe(StiftFarbe());
        m->SetStiftPattern(ptDurchgezogen);
        m->SetBrushFarbe(StiftFarbe());
        m->SetHidden(Hidden());
        // The display states the panel keeps on every element survive a rebuild.
        m->SetUmrissFlag(UmrissFlag());
        m->SetVisible(Visible());
        m->SetXORFlag(XORFlag());
    }
}

// --- Transformations ---

void TBemassung::Move(MPoint offset) {
    FirstPoint = FirstPoint + offset;
    SecondPoint = SecondPoint + offset;
    OffsetPoint = OffsetPoint + offset;
    Build();
    SetSelected(true);
}

void TBemassung::Scale(MPoint origin, Real fx, Real fy) {
    OffsetPoint = ScalePoint(OffsetPoint, origin, fx, fy);
    FirstPoint = ScalePoint(FirstPoint, origin, fx, fy);
    SecondPoint = ScalePoint(SecondPoint, origin, fx, fy);
    Build();
    SetSelected(true);
}

void TBemassung::Rotate(MPoint centre, double angle) {
    OffsetPoint = RotatePoint(OffsetPoint, centre, angle);
    FirstPoint = RotatePoint(FirstPoint, centre, angle);
    SecondPoint = RotatePoint(SecondPoint, centre, angle);
    Build();
    SetSelected(true);
}

void TBemassung::Mirror(bool vertical, const MRect& r) {
    OffsetPoint = MirrorPoint(OffsetPoint, r, vertical);
    FirstPoint = MirrorPoint(FirstPoint, r, vertical);
    SecondPoint = MirrorPoint(SecondPoint, r, vertical);
    Build();
    SetSelected(true);
}

void TBemassung::Resize(const MRect& oldRect, const MRect& newRect) {
    TBauteil::Resize(oldRect, newRect);
}

std::string TBemassung::KindName() const {
    return Tr("Bema\u00dfung ", "Measure ") +
           FormatFixed(MeasuredDistance() / kUnitsPerMm, 2, DecimalSeparator()) + " mm";
}

// --- Attributes ---

void TBemassung::SetStiftBreite(Real) {
    TGruppe::SetStiftBreite(0);
}

void TBemassung::SetStiftPattern(TPattern) {
    TGruppe::SetStiftPattern(ptDurchgezogen);
}

void TBemassung::SetBrushFarbe(Color) {
    TGruppe::SetBrushFarbe(StiftFarbe());
}

void TBemassung::SetBrushStyle(TBrushStyle) {
    TGruppe::SetBrushStyle(bsSolid);
}

void TBemassung::SetStiftFarbe(Color v) {
    TGruppe::SetStiftFarbe(v);
    SetBrushFarbe(v);
}

// --- Storage ---

void TBemassung::Write(TWriter& w) const {
    TGruppe::Write(w);
    w.WriteRawPoint(OffsetPoint);
    w.WriteRawPoint(FirstPoint);
    w.WriteRawPoint(SecondPoint);
}

void TBemassung::Read(TReader& r) {
    ValueLabel = nullptr;
    ArrowGroup = nullptr;
    ExtensionA = ExtensionB = nullptr;
    TGruppe::Read(r);
    OffsetPoint = r.ReadRawPoint();
    FirstPoint = r.ReadRawPoint();
    SecondPoint = r.ReadRawPoint();
    Build();
}

}  // namespace pw
