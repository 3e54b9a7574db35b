#include "elements/textlabel.h"

#include <algorithm>
#include <cmath>

#include "core/cp1252.h"
#include "core/language.h"
#include "core/storable_text.h"

namespace pw {

namespace {

TTextLabel::DialogFunction& Dialog() {
    static TTextLabel::DialogFunction dialog;
    return dialog;
}

Real Length(MPoint v) {
    return Distance({0, 0}, v);
}

// v scaled by num / den, multiplied first so that whole sizes stay exact; v itself when equal.
MPoint ScaledBy(MPoint v, Real num, Real den) {
    if (num == den) return v;
    return {v.x * num / den, v.y * num / den};
}

}  // namespace

void TTextLabel::SetDialog(DialogFunction dialog) {
    Dialog() = std::move(dialog);
}

TTextLabel::TTextLabel() {
    KindCode = kcText;
    FStiftBreite = 0;
    FStiftFarbe = kBlack;
    FBrushFarbe = kBlack;
    SetFuellenFlag(true);
    labelText_ = Tr("Beschriftung", "Inscription");
}

TTextLabel::TTextLabel(const FontSpec& font, std::string_view text, MPoint position) : TTextLabel() {
    labelFont_ = font;
    SetLabelText(text);
    Corners[0] = position;
    Measure();
}

void TTextLabel::SetLabelText(std::string_view utf8) {
    const std::string text = StorableText(utf8);
    labelText_ = Utf8Length(text) > kMaxTextLength ? Utf8Left(text, kMaxTextLength) : text;
}

int32_t TTextLabel::NaturalWidth() const {
    return FontEngine::Instance().TextWidth(labelFont_, labelText_);
}

int32_t TTextLabel::NaturalHeight() const {
    return FontEngine::Instance().Metrics(labelFont_).height;
}

void TTextLabel::Measure() {
    const Real w = NaturalWidth(), h = NaturalHeight();
    Corners[1] = Corners[0] + MPoint{w, 0};
    Corners[2] = Corners[0] + MPoint{w, h};
    Corners[3] = Corners[0] + MPoint{0, h};
}

// --- Frame geometry ---

MPoint TTextLabel::BaselineUnit() const {
    const MPoint base = Corners[2] - Corners[3], side = Corners[3] - Corners[0];
    if (Real l = Length(base); l > 0) return base * (1 / l);
    // Upright, the side points down and the baseline to the right: a quarter turn, reversed
    // by each mirroring.
    const Real sign = FlippedH != FlippedV ? -1 : 1;
    if (Real l = Length(side); l > 0) return MPoint{side.y, -side.x} * (sign / l);
    return {FlippedH ? -1.0L : 1.0L, 0};
}

MPoint TTextLabel::SideUnit() const {
    const MPoint base = Corners[2] - Corners[3], side = Corners[3] - Corners[0];
    if (Real l = Length(side); l > 0) return side * (1 / l);
    const Real sign = FlippedH != FlippedV ? -1 : 1;
    if (Real l = Length(base); l > 0) return MPoint{-base.y, base.x} * (sign / l);
    return {0, FlippedV ? -1.0L : 1.0L};
}

void TTextLabel::FitFrame(Real newWidth, Real oldWidth, Real newHeight, Real oldHeight) {
    MPoint base = Corners[2] - Corners[3], side = Corners[3] - Corners[0];
    base =
        (oldWidth > 0 && Length(base) > 0) ? ScaledBy(base, newWidth, oldWidth) : BaselineUnit() * newWidth;
    side =
        (oldHeight > 0 && Length(side) > 0) ? ScaledBy(side, newHeight, oldHeight) : SideUnit() * newHeight;
    Corners[3] = Corners[0] + side;
    Corners[2] = Corners[3] + base;
    Corners[1] = Corners[0] + base;
}

void TTextLabel::ChangeFont(const FontSpec& font) {
    const Real w0 = NaturalWidth(), h0 = NaturalHeight();
    labelFont_ = font;
    FitFrame(NaturalWidth(), w0, NaturalHeight(), h0);
}

// --- Properties dialog ---

bool TTextLabel::EditProperties() {
    SavedHeight = labelFont_.height;
    SavedWidth = NaturalWidth();
    if (!Dialog()) return false;
    std::optional<std::string> text = Dialog()(labelText_);
    if (!text) return false;
    EditedText = std::move(*text);
    return true;
}

void TTextLabel::ApplyEditedText() {
    labelFont_.height = SavedHeight;
    SetLabelText(EditedText);
    const Real w = NaturalWidth();
    if (SavedWidth > 0) {
        const Real f = w / SavedWidth;
        Corners[2] = ScalePoint(Corners[2], Corners[3], f, f);
        Corners[1] = ScalePoint(Corners[1], Corners[0], f, f);
        return;
    }
    // The old text had no width, so there is no stretch to keep: the new text takes its
    // natural width along the frame's baseline; direction, shear and height stay.
    const Real h = NaturalHeight();
    FitFrame(w, 0, h, h);
}

// --- Element operations ---

std::optional<Region> TTextLabel::GetRegion(const Canvas& c) const {
    std::vector<IPoint> pts(4);
    for (size_t i = 0; i < 4; ++i) pts[i] = c.LPtoDP(RoundPoint(Corners[i]));
    return Region::FromPolygon(std::move(pts), FillMode::Winding);
}

bool TTextLabel::HitTest(IPoint p, const Canvas& c) const {
    if (Hidden() && !GetSelected()) return false;
    IRect d = NormaliseRect(c.LPtoDP(RoundRect(GetBounds())));
    if (!d.Contains(p)) return false;
    return GetRegion(c)->ContainsPoint(p);
}

void TTextLabel::Move(MPoint offset) {
    for (MPoint& p : Corners) p = p + offset;
}

void TTextLabel::Scale(MPoint origin, Real fx, Real fy) {
    for (MPoint& p : Corners) p = ScalePoint(p, origin, fx, fy);
    // The font height is the frame's height at right angles to its baseline. A mirrored frame
    // turns the angle past 180 degrees; the height stays positive. A frame without a baseline
    // has its side as height.
    Real h = Distance(Corners[0], Corners[3]);
    if (Distance(Corners[3], Corners[2]) > 0)
        h *= std::sin(AngleBetween(Corners[3], Corners[2], Corners[3], Corners[0]));
    labelFont_.height = RoundToInt(std::fabs(h));
}

MRect TTextLabel::GetBounds() const {
    MRect r{Corners[0].x, Corners[0].y, Corners[0].x, Corners[0].y};
    for (const MPoint& p : Corners) {
        r.x1 = std::min(r.x1, p.x);
        r.y1 = std::min(r.y1, p.y);
        r.x2 = std::max(r.x2, p.x);
        r.y2 = std::max(r.y2, p.y);
    }
    return r;
}

void TTextLabel::Rotate(MPoint centre, double angle) {
    for (MPoint& p : Corners) p = RotatePoint(p, centre, angle);
}

void TTextLabel::Mirror(bool vertical, const MRect& r) {
    if (vertical)
        FlippedV = !FlippedV;
    else
        FlippedH = !FlippedH;
    for (MPoint& p : Corners) p = MirrorPoint(p, r, vertical);
}

std::string TTextLabel::KindName() const {
    return "Text " + labelFont_.name;
}

std::string TTextLabel::InfoText() const {
    std::string text = "[";
    text += FormatGeneral(static_cast<Real>(labelFont_.height) / kUnitsPerMm, 15, DecimalSeparator());
    text += " mm]";
    return text;
}

// --- Storage ---

void TTextLabel::Write(TWriter& w) const {
    TBauteil::Write(w);
    for (const MPoint& p : Corners) w.WriteRawPoint(p);
    w.WriteString(labelFont_.name);
    w.WriteInteger(labelFont_.height);
    w.WriteFloat(0);
    w.WriteString(labelText_);
    w.WriteBoolean(FlippedH);
    w.WriteBoolean(FlippedV);
    w.WriteRawByte(labelFont_.style);
}

void TTextLabel::Read(TReader& r) {
    TBauteil::Read(r);
    for (MPoint& p : Corners) p = r.ReadRawPoint();
    labelFont_.name = r.ReadString();
    labelFont_.height = r.ReadInteger();
    r.ReadFloat();
    SetLabelText(r.ReadString());
    FlippedH = r.ReadBoolean();
    FlippedV = r.ReadBoolean();
    // Files older than 1.01 carry no style byte.
    const bool hasStyle = !r.IsFile() || r.Version().value >= 1.01L;
    labelFont_.style = hasStyle ? r.ReadRawByte() : 0;
}

}  // namespace pw
