#include "core/bauteil.h"

#include <cmath>

namespace pw {

namespace {
std::function<void()>& BeepHandler() {
    static std::function<void()> handler;
    return handler;
}
}  // namespace

void Beep() {
    if (BeepHandler()) BeepHandler()();
}

void SetBeepHandler(std::function<void()> handler) { BeepHandler() = std::move(handler); }

TBauteil::TBauteil() = default;
TBauteil::~TBauteil() = default;

void TBauteil::Paint(Canvas&) const {}

void TBauteil::SetSelected(bool value) { Selected = value; }

bool TBauteil::GetSelected() const { return Selected; }

std::optional<Region> TBauteil::GetRegion(const Canvas&) const {
    return std::nullopt;
}

bool TBauteil::HitTest(IPoint, const Canvas&) const {
    return false;
}

void TBauteil::Move(MPoint) {}

void TBauteil::Scale(MPoint, Real, Real) {}

MRect TBauteil::GetBounds() const {
    return {0, 0, 0, 0};
}

MRect TBauteil::GetShapeBounds() const {
    MRect b = GetBounds();
    Real h = StiftBreite() / 2;
    return b.Expanded(-h).Normalised();
}

void TBauteil::Write(TWriter& w) const {
    w.WriteInteger(KindCode);
    w.WriteInteger(RoundToInt64(FStiftBreite));
    w.WriteRawColor(FStiftFarbe);
    w.WriteRawByte(FStiftPattern);
    w.WriteRawColor(FBrushFarbe);
    w.WriteRawByte(FBrushStyle);
    w.WriteBoolean(FFuellenFlag);
    w.WriteBoolean(GroupMember);
    w.WriteBoolean(FFraesen);
    w.WriteBoolean(FGlaetten);
    w.WriteInteger(FGlaettenStil);
    w.WriteFloat(FGlaettenBetrag);
    w.WriteRaw(Description.bytes.data(), Description.bytes.size());
    w.WriteFloat(InsertPoint.x);
    w.WriteFloat(InsertPoint.y);
}

void TBauteil::Read(TReader& r) {
    KindCode = static_cast<uint8_t>(r.ReadInteger());
    // Widths beyond 32 bits are written with the 64-bit tag, so they are read back with it.
    SetStiftBreite(static_cast<Real>(r.ReadInt64()));
    FStiftFarbe = r.ReadRawColor();
    FStiftPattern = static_cast<TPattern>(r.ReadRawByte());
    FBrushFarbe = r.ReadRawColor();
    FBrushStyle = static_cast<TBrushStyle>(r.ReadRawByte());
    SetFuellenFlag(r.ReadBoolean());
    GroupMember = r.ReadBoolean();
    if (r.IsOldFile()) {
        InsertPoint = {-1, -1};
        return;
    }
    SetFraesen(r.ReadBoolean());
    SetGlaetten(r.ReadBoolean());
    SetGlaettenStil(static_cast<TGlaettenStil>(r.ReadInteger()));
    SetGlaettenBetrag(r.ReadFloat());
    r.ReadRaw(Description.bytes.data(), Description.bytes.size());
    InsertPoint.x = r.ReadFloat();
    InsertPoint.y = r.ReadFloat();
}

bool TBauteil::ReservedQueryA() const {
    return false;
}
bool TBauteil::ReservedQueryB() const {
    return false;
}
bool TBauteil::NoReservedQuery() const {
    return !ReservedQueryA() && !ReservedQueryB();
}

void TBauteil::DrawFeedback(Canvas&, MPoint*) {}

void TBauteil::Rotate(MPoint, double) {}

void TBauteil::Mirror(bool, const MRect&) {}

void TBauteil::Resize(const MRect& o, const MRect& n) {
    Real w0 = std::fabs(o.x1 - o.x2), w1 = std::fabs(n.x1 - n.x2);
    Real h0 = std::fabs(o.y1 - o.y2), h1 = std::fabs(n.y1 - n.y2);
    if (w0 == 0) w0 = 1;
    if (w1 == 0) w1 = 1;
    if (h0 == 0) h0 = 1;
    if (h1 == 0) h1 = 1;
    Move({n.x1 - o.x1, n.y1 - o.y1});
    Real fx = w1 / w0, fy = h1 / h0;
    Scale({n.x1, n.y1}, fx, fy);
    if (std::fabs(fx - fy) < 0.01L) SetStiftBreite(StiftBreite() * fx);
}

bool TBauteil::EditProperties() { return false; }

std::string TBauteil::KindName() const {
    return {};
}

std::string TBauteil::InfoText() const {
    return {};
}

void TBauteil::Invalidate(InvalidateSink* window, const Canvas& canvas) const {
    if (!window) return;
    window->InvalidateRect(NormaliseRect(canvas.LPtoDP(RoundRect(GetBounds()))).Expanded(2));
}

bool TBauteil::IntersectsRect(const IRect& r, const Canvas& canvas) const {
    if (Hidden() && !GetSelected()) return false;
    std::optional<Region> region = GetRegion(canvas);
    if (!region) return false;
    return region->IntersectsRect(r);
}

MRect TBauteil::GetMoveRange() const {
    MRect b = GetBounds();
    return {b.x1 - kMaxPanelSide, b.y1 - kMaxPanelSide, kMaxPanelSide - b.x2, kMaxPanelSide - b.y2};
}

void TBauteil::ShowFeedback(Canvas& canvas, MPoint* p) {
    if (p->x == FeedbackPos.x && p->y == FeedbackPos.y) return;
    HideFeedback(canvas, p);
    DrawFeedback(canvas, p);
    FeedbackShown = true;
    FeedbackPos = *p;
}

void TBauteil::HideFeedback(Canvas& canvas, MPoint* p) {
    if (!FeedbackShown) return;
    DrawFeedback(canvas, p);
    FeedbackShown = false;
}

}  // namespace pw
