#pragma once
// TGruppe: an element made of other elements, to any depth. It has no geometry of its own:
// painting, hit tests, bounds and transformations go to its members. Groups are what the group
// command makes, what a library symbol is, and the base of dimensions and scales.

#include <memory>
#include <string_view>
#include <vector>

#include "core/bauteil.h"

namespace pw {

class TGruppe : public TBauteil {
public:
    TGruppe();
    ~TGruppe() override;
    const char* ClassName() const override { return "TGruppe"; }

    void AddMember(std::unique_ptr<TBauteil> e);
    // Takes every member out of the group, in member order.
    std::vector<std::unique_ptr<TBauteil>> TakeMembers();
    const std::vector<std::unique_ptr<TBauteil>>& Members() const { return members_; }
    size_t MemberCount() const { return members_.size(); }
    TBauteil* Member(size_t i) const { return members_[i].get(); }
    void ClearMembers() { members_.clear(); }

    void Paint(Canvas& canvas) const override;
    // Building ahead goes to the members the group paints.
    bool BoundsPending() const override;
    void PrepareBounds() const override;
    bool BeginPreparePaint() const override;
    void PreparePaint() const override;
    void SetSelected(bool value) override;
    bool GetSelected() const override;
    std::optional<Region> GetRegion(const Canvas& canvas) const override;
    bool HitTest(IPoint p, const Canvas& canvas) const override;
    void Move(MPoint offset) override;
    MRect GetBounds() const override;
    MRect GetShapeBounds() const override;
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;
    bool ReservedQueryA() const override;
    bool ReservedQueryB() const override;
    void Rotate(MPoint centre, double angle) override;
    void Mirror(bool vertical, const MRect& r) override;
    void Resize(const MRect& oldRect, const MRect& newRect) override;
    bool EditProperties() override { return false; }
    std::string KindName() const override;
    std::string InfoText() const override;
    bool IntersectsRect(const IRect& r, const Canvas& canvas) const override;
    MRect GetMoveRange() const override;

    void SetFuellenFlag(bool v) override;
    void SetUmrissFlag(bool v) override;
    void SetHidden(bool v) override;
    void SetStiftBreite(Real v) override;
    void SetStiftFarbe(Color v) override;
    void SetBrushFarbe(Color v) override;
    void SetBrushStyle(TBrushStyle v) override;
    void SetStiftPattern(TPattern v) override;
    void SetVisible(bool v) override;
    void SetXORFlag(bool v) override;
    void SetFraesen(bool v) override;
    void SetGlaetten(bool v) override;
    void SetGlaettenStil(TGlaettenStil v) override;
    void SetGlaettenBetrag(Real v) override;

    // Display filters, through nested groups.
    void HideClass(bool (*isInstance)(const TBauteil&), bool hidden);
    void HideMilled(bool hidden);
    virtual void HideOthers(bool hidden);

    ShortString40 GroupName;

protected:
    std::vector<std::unique_ptr<TBauteil>> members_;
};

// The class tests the display filters use.
bool IsGroup(const TBauteil& e);
bool IsDimension(const TBauteil& e);

}  // namespace pw
