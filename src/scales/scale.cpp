#include "scales/scale.h"

#include <cmath>

#include "core/language.h"
#include "elements/linie.h"

namespace pw {

TScale::TScale() {
    SetStyle(ssRoundLinear);
    SetStiftFarbe(kBlack);
}

TScale::~TScale() = default;

// --- Style and parameters ---

void TScale::SetStyle(uint8_t style) {
    if (style == style_ && paramsStyle_ == style) return;
    style_ = style;
    BuildParams();
}

void TScale::BuildParams() {
    params_ = StyleParams(style_);
    paramsStyle_ = style_;
}

bool TScale::ParamBool(size_t index) const {
    return index < params_.size() && params_[index].BoolValue;
}

int32_t TScale::ParamInt(size_t index) const {
    return index < params_.size() ? params_[index].IntValue : 0;
}

Real TScale::ParamReal(size_t index) const {
    return index < params_.size() ? params_[index].RealValue : 0;
}

bool TScale::SetParam(size_t index, Real value) {
    if (index >= params_.size()) return false;
    params_[index].SetNumericValue(value);
    return CheckRange(params_[index]);
}

// --- Angles ---

Real TScale::RotationParam() const {
    const int i = RotationParamIndex(style_);
    return i < 0 ? 0 : ParamReal(static_cast<size_t>(i));
}

Real TScale::StartAngle() const {
    const Real a = ParamReal(0);
    return NormaliseAngle(DegToRad(90 - (360 - a / 2))) + DegToRad(RotationParam());
}

Real TScale::EndAngle() const {
    const Real a = ParamReal(0);
    const Real start = StartAngle();
    const Real end = NormaliseAngle(DegToRad(360 - a / 2 + 90)) + DegToRad(RotationParam());
    if (std::fabs(end - start) < kSameAngle) return start - 2 * kPi;
    return end;
}

Real TScale::Span() const {
    const Real d = EndAngle() - StartAngle();
    return d > 0 ? 2 * kPi - d : -d;
}

// --- Build ---

TGruppe* TScale::AppendGroup() {
    auto g = std::make_unique<TGruppe>();
    TGruppe* raw = g.get();
    AddMember(std::move(g));
    return raw;
}

void TScale::Build() {
    if (paramsStyle_ != style_) BuildParams();
    SetStiftFarbe(kBlack);
    ClearMembers();
    TickGroup = SubTickGroup = CrossGroup = LabelGroup = nullptr;
    boundaries_.clear();
    bands_.clear();
    start_ = StartAngle();
    end_ = EndAngle();
    span_ = Span();

    const bool divided = IsDividedStyle(style_);
    if (divided) BuildFirstDivision();
    if (divided)
        BuildRunningLine();
    else
        BuildShape();
    if (divided)
        BuildSecondDivision();
    else if (style_ == ssEmpirical)
        BuildSegmentLines();
    BuildCentreCross();
    BuildInscriptions();
    FinalPass();
}

void TScale::BuildCentreCross() {
    const std::optional<CrossIndices> layout = CrossLayout(style_);
    if (!layout || !ParamBool(static_cast<size_t>(layout->on))) return;
    const Real arm = kUnitsPerMm * ParamReal(static_cast<size_t>(layout->diameter)) / 10;
    CrossGroup = AppendGroup();
    auto horizontal = std::make_unique<TLinie>();
    horizontal->AddPoint({Centre.x - arm, Centre.y});
    horizontal->AddPoint({Centre.x + arm, Centre.y});
    CrossGroup->AddMember(std::move(horizontal));
    auto vertical = std::make_unique<TLinie>();
    vertical->AddPoint({Centre.x, Centre.y - arm});
    vertical->AddPoint({Centre.x, Centre.y + arm});
    CrossGroup->AddMember(std::move(vertical));
    CrossGroup->SetFraesen(true);
}

void TScale::FinalPass() {
    SetStiftBreite(0);

    const MPoint centre = Centre;
    const Real rotation = Rotation;
    Rotate(Centre, static_cast<double>(Rotation));
    Centre = centre;
    Rotation = rotation;

    const bool flippedV = FlippedV, flippedH = FlippedH;
    if (flippedV) Mirror(true, GetBounds());
    if (flippedH) Mirror(false, GetBounds());
    FlippedV = flippedV;
    FlippedH = flippedH;

    SetStiftFarbe(StiftFarbe());
}

// --- Element operations ---

void TScale::Move(MPoint offset) {
    TGruppe::Move(offset);
    Centre = Centre + offset;
}

void TScale::Rotate(MPoint centre, double angle) {
    TGruppe::Rotate(centre, angle);
    Centre = RotatePoint(Centre, centre, angle);
    if (FlippedV == FlippedH)
        Rotation += angle;
    else
        Rotation -= angle;
}

void TScale::Mirror(bool vertical, const MRect& r) {
    TGruppe::Mirror(vertical, r);
    Centre = MirrorPoint(Centre, r, vertical);
    if (vertical)
        FlippedV = !FlippedV;
    else
        FlippedH = !FlippedH;
}

std::string TScale::KindName() const {
    return Tr("Skale (Gruppe)", "Scale (Group)");
}

void TScale::Write(TWriter& w) const {
    TGruppe::Write(w);
    w.WriteRawByte(style_);
    w.WriteFloat(LegacyReal1);
    w.WriteFloat(LegacyReal2);
    w.WriteFloat(LegacyReal3);
    w.WriteBoolean(LegacyBool1);
    w.WriteBoolean(LegacyBool2);
    w.WriteBoolean(LegacyBool3);
    w.WriteBoolean(FlippedV);
    w.WriteBoolean(FlippedH);
    w.WriteInteger(LegacyInt1);
    w.WriteFloat(LegacyReal4);
    w.WriteInteger(LegacyInt2);
    w.WriteFloat(LegacyReal5);
    w.WriteRawPoint(Centre);
    w.WriteFloat(Rotation);
}

void TScale::Read(TReader& r) {
    TGruppe::Read(r);
    TickGroup = SubTickGroup = CrossGroup = LabelGroup = nullptr;
    bands_.clear();
    // The style alone; the parameter list stays as it is.
    style_ = r.ReadRawByte();
    LegacyReal1 = r.ReadFloat();
    LegacyReal2 = r.ReadFloat();
    LegacyReal3 = r.ReadFloat();
    LegacyBool1 = r.ReadBoolean();
    LegacyBool2 = r.ReadBoolean();
    LegacyBool3 = r.ReadBoolean();
    FlippedV = r.ReadBoolean();
    FlippedH = r.ReadBoolean();
    LegacyInt1 = r.ReadInteger();
    LegacyReal4 = r.ReadFloat();
    LegacyInt2 = r.ReadInteger();
    LegacyReal5 = r.ReadFloat();
    Centre = r.ReadRawPoint();
    Rotation = r.ReadFloat();
}

}  // namespace pw
