#include "elements/bohrung.h"

#include <algorithm>
#include <cmath>

#include "core/language.h"

namespace pw {

namespace {
TBohrung::DialogFunction& Dialog() {
    static TBohrung::DialogFunction dialog;
    return dialog;
}
}  // namespace

void TBohrung::SetDialog(DialogFunction dialog) { Dialog() = std::move(dialog); }

TBohrung::TBohrung() {
    KindCode = kcDrill;
    FStiftBreite = 10;
    FStiftFarbe = kSilver;
    FBrushFarbe = kGrey;
    SetFuellenFlag(true);
    SetFraesen(true);
}

void TBohrung::Paint(Canvas& c) const {
    if ((Hidden() && !GetSelected()) || (!Visible() && !XORFlag())) return;
    c.SetPenWidth(0);
    c.SetPenStyle(PenStyle::Solid);
    c.SetBrushStyle(bsSolid);
    c.SetPenColor(kSilver);
    c.SetBrushColor(kGrey);
    if (XORFlag()) {
        c.SetPenColor(kGhostColor);
        c.SetPenStyle(PenStyle::Solid);
        c.SetBrushStyle(bsClear);
    }
    Real r = Diameter / 2;
    c.Ellipse(RoundRect({Centre.x - r, Centre.y - r, Centre.x + r, Centre.y + r}), holeShape_);
    c.SetPenColor(kWhite);
    Real a = Diameter / 4;
    c.MoveTo(RoundPoint({Centre.x, Centre.y - a}));
    c.LineTo(RoundPoint({Centre.x, Centre.y + a}));
    c.MoveTo(RoundPoint({Centre.x - a, Centre.y}));
    c.LineTo(RoundPoint({Centre.x + a, Centre.y}));
}

MRect TBohrung::GetBounds() const {
    Real r = Diameter / 2;
    return {Centre.x - r, Centre.y - r, Centre.x + r, Centre.y + r};
}

std::optional<Region> TBohrung::GetRegion(const Canvas& c) const {
    IRect d = c.LPtoDP(NormaliseRect(RoundRect(GetBounds())));
    return Region::FromEllipse(d);
}

bool TBohrung::HitTest(IPoint p, const Canvas& c) const {
    if (Hidden() && !GetSelected()) return false;
    IRect d = NormaliseRect(c.LPtoDP(RoundRect(GetBounds())));
    if (!d.Contains(p)) return false;
    MPoint m{c.LogicalX(p.x), c.LogicalY(p.y)};
    return Distance(Centre, m) <= Diameter / 2;
}

void TBohrung::Write(TWriter& w) const {
    TBauteil::Write(w);
    w.WriteFloat(Centre.x);
    w.WriteFloat(Centre.y);
    w.WriteFloat(Diameter);
}

void TBohrung::Read(TReader& r) {
    TBauteil::Read(r);
    Centre.x = r.ReadFloat();
    Centre.y = r.ReadFloat();
    Diameter = r.ReadFloat();
}

std::string TBohrung::KindName() const {
    return Tr("Bohrung", "Drilling");
}

std::string TBohrung::InfoText() const {
    return "DM = " + FormatFixed(Diameter / kUnitsPerMm, 2, DecimalSeparator()) + " mm";
}

void TBohrung::Move(MPoint offset) { Centre = Centre + offset; }

void TBohrung::Scale(MPoint origin, Real fx, Real fy) {
    Centre = ScalePoint(Centre, origin, fx, fy);
    Diameter = 10 * RoundEven(Diameter * fx * fy / 10);
    if (Diameter < kMinDiameter) Diameter = kMinDiameter;
}

void TBohrung::Mirror(bool vertical, const MRect& r) { Centre = MirrorPoint(Centre, r, vertical); }

void TBohrung::Rotate(MPoint centre, double angle) { Centre = RotatePoint(Centre, centre, angle); }

std::string TBohrung::DiameterText() const {
    return FormatGeneral(Diameter / kUnitsPerMm, 4, DecimalSeparator());
}

Real TBohrung::DiameterFromText(const std::string& text) {
    Real d = RoundEven(TextToNumber(text) * kUnitsPerMm);
    return std::clamp(d, kMinDiameter, kMaxDiameter);
}

bool TBohrung::EditProperties() {
    if (!Dialog()) return false;
    std::optional<std::string> text = Dialog()(DiameterText());
    if (!text) return false;
    Diameter = DiameterFromText(*text);
    return true;
}

}  // namespace pw
