#include "elements/kreis.h"

#include <cmath>

namespace pw {

TKreis::TKreis() {
    KindCode = kcCircle;
    inner_.SetGlaetten(true);
    inner_.SetGlaettenStil(glSpline);
    inner_.SetClosed(true);
    SetStiftBreite(25);
    FStiftFarbe = kBlack;
    FBrushFarbe = kBlack;
    SetFuellenFlag(true);
    CopyAttributesToContour();
}

void TKreis::BuildContour() {
    const Real r = Distance(Centre, RimPoint);
    const Real big = std::fabs(r) / std::cos(kPi / 16);
    inner_.ClearPoints();
    for (int i = 1; i <= kContourVertices; ++i) {
        const Real a = i * kPi / 8;
        inner_.AddPoint({Centre.x + big * std::cos(a), Centre.y + big * std::sin(a)});
    }
}

void TKreis::CopyAttributesToContour() const {
    inner_.SetStiftBreite(StiftBreite());
    inner_.SetStiftFarbe(StiftFarbe());
    inner_.SetStiftPattern(StiftPattern());
    inner_.SetBrushStyle(BrushStyle());
    inner_.SetBrushFarbe(BrushFarbe());
    inner_.SetFuellenFlag(FuellenFlag());
    inner_.SetXORFlag(XORFlag());
    inner_.SetVisible(Visible());
    inner_.SetUmrissFlag(UmrissFlag());
}

bool TKreis::Shown() const {
    return !(Hidden() && !GetSelected()) && (Visible() || XORFlag());
}

void TKreis::Paint(Canvas& c) const {
    if (!Shown()) return;
    CopyAttributesToContour();
    inner_.Paint(c);
}

bool TKreis::BeginPreparePaint() const {
    if (!Shown()) return false;
    CopyAttributesToContour();
    return inner_.BeginPreparePaint();
}

void TKreis::PreparePaint() const {
    // The contour took the attributes in BeginPreparePaint.
    if (Shown()) inner_.PreparePaint();
}

void TKreis::SetSelected(bool value) {
    TBauteil::SetSelected(value);
    inner_.SetSelected(value);
}

std::optional<Region> TKreis::GetRegion(const Canvas& c) const {
    return inner_.GetRegion(c);
}
bool TKreis::HitTest(IPoint p, const Canvas& c) const {
    return inner_.HitTest(p, c);
}
void TKreis::Move(MPoint offset) {
    inner_.Move(offset);
}
void TKreis::Scale(MPoint origin, Real fx, Real fy) {
    inner_.Scale(origin, fx, fy);
}
MRect TKreis::GetBounds() const {
    return inner_.GetBounds();
}
void TKreis::Rotate(MPoint centre, double angle) {
    inner_.Rotate(centre, angle);
}
void TKreis::Mirror(bool vertical, const MRect& r) {
    inner_.Mirror(vertical, r);
}

void TKreis::DrawFeedback(Canvas& c, MPoint* dragged) {
    const MPoint p = FeedbackShown || !dragged ? FeedbackPos : *dragged;
    const Real r = Distance(p, Centre);
    BuildContour();
    c.SetPenColor(kBlack);
    c.SetPenWidth(RoundToInt(StiftBreite()));
    c.SetBrushStyle(bsClear);
    c.SetPenMode(PenMode::NotXor);
    c.Ellipse(RoundRect({Centre.x - r, Centre.y - r, Centre.x + r, Centre.y + r}));
    c.SetPenMode(PenMode::Copy);
}

std::string TKreis::KindName() const {
    return "Ellipse";
}

void TKreis::Write(TWriter& w) const {
    TBauteil::Write(w);
    w.WriteRawPoint(Centre);
    w.WriteRawPoint(RimPoint);
    inner_.Write(w);
}

void TKreis::Read(TReader& r) {
    TBauteil::Read(r);
    Centre = r.ReadRawPoint();
    RimPoint = r.ReadRawPoint();
    if (r.IsOldFile()) {
        // Old files hold the outer edge of the pen and no inner contour.
        RimPoint.y -= StiftBreite() / 2;
        BuildContour();
    } else {
        inner_.ClearPoints();
        inner_.Read(r);
    }
}

void TKreis::SetStiftBreite(Real v) {
    TBauteil::SetStiftBreite(v);
    inner_.SetStiftBreite(v);
}

void TKreis::SetStiftPattern(TPattern v) {
    TBauteil::SetStiftPattern(v);
    inner_.SetStiftPattern(v);
}

void TKreis::SetFraesen(bool v) {
    TBauteil::SetFraesen(v);
    inner_.SetFraesen(v);
}

void TKreis::SetHidden(bool v) {
    TBauteil::SetHidden(v);
    inner_.SetHidden(v);
}

void TKreis::SetFuellenFlag(bool v) {
    TBauteil::SetFuellenFlag(v);
    inner_.SetFuellenFlag(v);
}

void TKreis::SetUmrissFlag(bool v) {
    TBauteil::SetUmrissFlag(v);
    inner_.SetUmrissFlag(v);
}

}  // namespace pw
