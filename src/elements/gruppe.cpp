#include "elements/gruppe.h"

#include <algorithm>

#include "core/cp1252.h"
#include "core/language.h"
#include "core/registry.h"

namespace pw {

bool IsGroup(const TBauteil& e) { return dynamic_cast<const TGruppe*>(&e) != nullptr; }

bool IsDimension(const TBauteil& e) { return std::string_view(e.ClassName()) == "TBemassung"; }

TGruppe::TGruppe() {
    const char* name = Tr("Gruppe", "Group");
    GroupName.SetText(name);
    Description.SetText(name);
    KindCode = kcGroup;
}

TGruppe::~TGruppe() = default;

void TGruppe::AddMember(std::unique_ptr<TBauteil> e) { members_.push_back(std::move(e)); }

std::vector<std::unique_ptr<TBauteil>> TGruppe::TakeMembers() {
    std::vector<std::unique_ptr<TBauteil>> out = std::move(members_);
    members_.clear();
    return out;
}

void TGruppe::Paint(Canvas& canvas) const {
    if (!Visible() && !XORFlag()) return;
    bool selected = GetSelected();
    for (auto& m : members_)
        if (!m->Hidden() || selected) m->Paint(canvas);
}

bool TGruppe::BoundsPending() const {
    return std::any_of(members_.begin(), members_.end(), [](const auto& m) { return m->BoundsPending(); });
}

void TGruppe::PrepareBounds() const {
    for (auto& m : members_) m->PrepareBounds();
}

bool TGruppe::BeginPreparePaint() const {
    if (!Visible() && !XORFlag()) return false;
    const bool selected = GetSelected();
    bool pending = false;
    for (auto& m : members_)
        if (!m->Hidden() || selected) pending = m->BeginPreparePaint() || pending;
    return pending;
}

void TGruppe::PreparePaint() const {
    if (!Visible() && !XORFlag()) return;
    const bool selected = GetSelected();
    for (auto& m : members_)
        if (!m->Hidden() || selected) m->PreparePaint();
}

void TGruppe::SetSelected(bool value) {
    for (auto& m : members_) m->SetSelected(value);
}

bool TGruppe::GetSelected() const {
    return std::any_of(members_.begin(), members_.end(), [](const auto& m) { return m->GetSelected(); });
}

std::optional<Region> TGruppe::GetRegion(const Canvas& canvas) const {
    std::optional<Region> result;
    for (auto& m : members_) {
        std::optional<Region> r = m->GetRegion(canvas);
        if (!r) continue;
        if (!result) result = std::move(*r);
        else result->Unite(std::move(*r));
    }
    return result;
}

bool TGruppe::HitTest(IPoint p, const Canvas& canvas) const {
    if (Hidden() && !GetSelected()) return false;
    IRect d = NormaliseRect(canvas.LPtoDP(RoundRect(GetBounds())));
    if (!d.Contains(p)) return false;
    for (auto& m : members_)
        if (m->HitTest(p, canvas)) return true;
    return false;
}

void TGruppe::Move(MPoint offset) {
    for (auto& m : members_) m->Move(offset);
}

MRect TGruppe::GetBounds() const {
    // An empty group keeps what the caller started from; ours starts at (0, 0, 0, 0).
    std::optional<MRect> r;
    for (auto& m : members_) r = UnionRect(r, m->GetBounds().Normalised());
    return r.value_or(MRect{0, 0, 0, 0});
}

MRect TGruppe::GetShapeBounds() const {
    std::optional<MRect> r;
    for (auto& m : members_) r = UnionRect(r, m->GetShapeBounds().Normalised());
    return r.value_or(MRect{0, 0, 0, 0});
}

void TGruppe::Write(TWriter& w) const {
    TBauteil::Write(w);
    w.WriteInteger(static_cast<int64_t>(members_.size()) - 1);
    w.WriteRaw(GroupName.bytes.data(), GroupName.bytes.size());
    for (auto& m : members_) {
        w.WriteString(m->ClassName());
        m->Write(w);
    }
}

void TGruppe::Read(TReader& r) {
    TBauteil::Read(r);
    int32_t k = r.ReadInteger();
    r.ReadRaw(GroupName.bytes.data(), GroupName.bytes.size());
    r.EnterGroup();
    try {
        for (int64_t i = 0; i <= static_cast<int64_t>(k); ++i) {
            std::unique_ptr<TBauteil> e = CreateElement(r.ReadString());
            TBauteil* raw = e.get();
            members_.push_back(std::move(e));
            raw->Read(r);
        }
    } catch (...) {
        r.LeaveGroup();
        throw;
    }
    r.LeaveGroup();
    if (r.IsOldFile()) Description.SetText(Utf8Left(GroupName.Text(), 40));
}

bool TGruppe::ReservedQueryA() const {
    return std::any_of(members_.begin(), members_.end(), [](const auto& m) { return m->ReservedQueryA(); });
}

bool TGruppe::ReservedQueryB() const {
    return std::any_of(members_.begin(), members_.end(), [](const auto& m) { return m->ReservedQueryB(); });
}

void TGruppe::Rotate(MPoint centre, double angle) {
    for (auto& m : members_) m->Rotate(centre, angle);
}

void TGruppe::Mirror(bool vertical, const MRect& r) {
    for (auto& m : members_) m->Mirror(vertical, r);
}

void TGruppe::Resize(const MRect& o, const MRect& n) {
    for (auto& m : members_) m->Resize(o, n);
}

std::string TGruppe::KindName() const {
    std::string d = Description.Text();
    if (d == Tr("Gruppe", "Group")) return d;
    return "Symbol " + Utf8Left(d, 47);
}

std::string TGruppe::InfoText() const {
    std::string n = std::to_string(members_.size());
    return IsEnglish() ? "of " + n + " objects." : "aus " + n + " Objekten.";
}

bool TGruppe::IntersectsRect(const IRect& r, const Canvas& canvas) const {
    for (auto& m : members_)
        if (m->IntersectsRect(r, canvas)) return true;
    return false;
}

MRect TGruppe::GetMoveRange() const {
    MRect range{-kMaxPanelSide, -kMaxPanelSide, kMaxPanelSide, kMaxPanelSide};
    for (auto& m : members_) {
        MRect b = m->GetMoveRange();
        range.x1 = std::max(range.x1, b.x1);
        range.y1 = std::max(range.y1, b.y1);
        range.x2 = std::min(range.x2, b.x2);
        range.y2 = std::min(range.y2, b.y2);
    }
    return range;
}

// Own value first, then every member's.
#define PW_GROUP_SETTER_OWN_THEN_MEMBERS(Setter, Type) \
    void TGruppe::Setter(Type v) {                      \
        TBauteil::Setter(v);                            \
        for (auto& m : members_) m->Setter(v);          \
    }
PW_GROUP_SETTER_OWN_THEN_MEMBERS(SetUmrissFlag, bool)
PW_GROUP_SETTER_OWN_THEN_MEMBERS(SetHidden, bool)
PW_GROUP_SETTER_OWN_THEN_MEMBERS(SetXORFlag, bool)
PW_GROUP_SETTER_OWN_THEN_MEMBERS(SetGlaetten, bool)
PW_GROUP_SETTER_OWN_THEN_MEMBERS(SetFraesen, bool)
PW_GROUP_SETTER_OWN_THEN_MEMBERS(SetGlaettenStil, TGlaettenStil)
PW_GROUP_SETTER_OWN_THEN_MEMBERS(SetGlaettenBetrag, Real)
PW_GROUP_SETTER_OWN_THEN_MEMBERS(SetVisible, bool)
PW_GROUP_SETTER_OWN_THEN_MEMBERS(SetFuellenFlag, bool)
#undef PW_GROUP_SETTER_OWN_THEN_MEMBERS

void TGruppe::SetStiftFarbe(Color v) {
    for (auto& m : members_) m->SetStiftFarbe(v);
    TBauteil::SetStiftFarbe(v);
}

// Only the members' values; the group's own stays.
void TGruppe::SetStiftBreite(Real v) {
    for (auto& m : members_) m->SetStiftBreite(v);
}
void TGruppe::SetBrushFarbe(Color v) {
    for (auto& m : members_) m->SetBrushFarbe(v);
}
void TGruppe::SetBrushStyle(TBrushStyle v) {
    for (auto& m : members_) m->SetBrushStyle(v);
}
void TGruppe::SetStiftPattern(TPattern v) {
    for (auto& m : members_) m->SetStiftPattern(v);
}

void TGruppe::HideClass(bool (*isInstance)(const TBauteil&), bool hidden) {
    bool selfIs = isInstance(*this);
    for (auto& m : members_) {
        if (auto* g = dynamic_cast<TGruppe*>(m.get())) g->HideClass(isInstance, hidden);
        if ((isInstance(*m) && m->Hidden() != hidden) || selfIs) m->SetHidden(hidden);
    }
}

void TGruppe::HideMilled(bool hidden) {
    for (auto& m : members_) {
        if (auto* g = dynamic_cast<TGruppe*>(m.get())) g->HideMilled(hidden);
        if (m->Fraesen() && m->Hidden() != hidden) m->SetHidden(hidden);
    }
}

void TGruppe::HideOthers(bool hidden) {
    for (auto& m : members_) {
        auto* g = dynamic_cast<TGruppe*>(m.get());
        if (g) g->HideOthers(hidden);
        if (m->Fraesen() || g || m->Hidden() == hidden || IsDimension(*m)) continue;
        m->SetHidden(hidden);
    }
}

}  // namespace pw
