#include "panel/platine.h"

#include <algorithm>

#include "core/language.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "panel/tools/panel_tool.h"

namespace pw {

VersionError::VersionError(const std::string& fileVersion)
    : StreamError(Title() + " " + fileVersion), fileVersion_(fileVersion) {}

std::string VersionError::Title() {
    return Tr("Versionskonflikt", "Version mismatch");
}

std::string VersionError::Text() const {
    // The program keeps running after this warning; the texts say only what happened.
    if (IsEnglish())
        return "File created with version " + fileVersion_ + "\r. Current version is " + kCurrentVersionText +
               ".";
    return std::string("Eine zu öffnende Datei wurde mit Version ") + fileVersion_ +
           "\r erstellt. Sie verwenden Version " + kCurrentVersionText + ".";
}

TPlatine::TPlatine() {
    NoteContentChange();
    Name.SetText(Tr("neu", "new"));
}

TPlatine::~TPlatine() {
    Sizer.reset();
    while (!elements_.empty()) elements_.pop_back();
}

int TPlatine::IndexOf(const TBauteil* e) const {
    for (size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i].get() == e) return static_cast<int>(i);
    return -1;
}

TBauteil* TPlatine::AddElement(std::unique_ptr<TBauteil> e) {
    NoteContentChange();
    elements_.push_back(std::move(e));
    return elements_.back().get();
}

std::vector<size_t> TPlatine::ElementsMeeting(const MRect& area) const {
    // Whatever may have changed with the content is compared once; the element under
    // construction and the elements reported since are read again.
    if (indexVersion_ != contentVersion_) {
        index_.RecheckAll();
        indexVersion_ = contentVersion_;
    }
    index_.Touch(State.underConstruction);
    index_.Sync(elements_);
    std::vector<size_t> found;
    index_.Query(area, found);
    return found;
}

void TPlatine::Repaint() {
    index_.RecheckAll();
    Raise(OnRepaint);
}

void TPlatine::InvalidateElement(TBauteil* e) {
    // An element is invalidated around every change the screen shows.
    index_.Touch(e);
    if (!Window || !e) return;
    PrepareCanvas(*canvas_);
    e->Invalidate(Window, *canvas_);
}

void TPlatine::InvalidateModelRect(const MRect& r) {
    if (!Window) return;
    PrepareCanvas(*canvas_);
    IRect d = NormaliseRect(canvas_->LPtoDP(RoundRect(r.Normalised())));
    Window->InvalidateRect(d.Expanded(2));
}

// --- Selection ---

void TPlatine::SelectElement(TBauteil* e, bool on) {
    if (!e) return;
    if (on) {
        current_ = e;
        Raise(OnBtMarkieren);
        if (auto* drill = dynamic_cast<TBohrung*>(e)) LastDrillDiameter = drill->Diameter;
    }
    if (e->GetSelected() != on) {
        bool filtered = IsGroup(*e) && (!mitBemassung_ || !mitBohren_ || !mitSymbolen_);
        if (filtered) InvalidateElement(e);
        e->SetSelected(on);
        if (filtered) InvalidateElement(e);
    }
}

void TPlatine::SelectAll(bool on) {
    for (auto& e : elements_)
        if (e->GetSelected() != on) {
            SelectElement(e.get(), on);
            InvalidateElement(e.get());
        }
    UpdateSelectionFrame();
}

size_t TPlatine::SelectedCount() const {
    return static_cast<size_t>(
        std::count_if(elements_.begin(), elements_.end(), [](const auto& e) { return e->GetSelected(); }));
}

bool TPlatine::CanUngroup() const {
    if (SelectedCount() != 1) return false;
    for (const auto& e : elements_)
        if (e->GetSelected()) return e->KindCode == kcGroup;
    return false;
}

void TPlatine::SelectInRect(const IRect& r, bool add) {
    PrepareCanvas(*canvas_);
    for (auto& e : elements_) {
        bool was = e->GetSelected();
        bool now = e->IntersectsRect(r, *canvas_) || (add && was);
        if (now != was) {
            SelectElement(e.get(), now);
            current_ = e.get();
            InvalidateElement(e.get());
        }
    }
    UpdateSelectionFrame();
}

void TPlatine::DeleteElement(TBauteil* e) {
    int i = IndexOf(e);
    if (i < 0) return;
    EndDragBeforeEdit();
    e->SetSelected(false);
    MRect b = e->GetBounds().Normalised();
    ForgetElement(e);
    elements_.erase(elements_.begin() + i);
    NoteListChanged();
    InvalidateModelRect(b.Expanded(20));
}

void TPlatine::DeleteSelected() {
    EndDragBeforeEdit();
    RemoveFrame();
    // One pass, so that deleting thousands of elements stays linear.
    ElementList kept;
    kept.reserve(elements_.size());
    for (auto& e : elements_) {
        if (!e->GetSelected()) {
            kept.push_back(std::move(e));
            continue;
        }
        e->SetSelected(false);
        ForgetElement(e.get());
        MRect b = e->GetBounds().Normalised();
        InvalidateModelRect(b.Expanded(20));
    }
    elements_ = std::move(kept);
    NoteListChanged();
    ContentChanged = true;
    Raise(OnMyClick);
}

void TPlatine::ClearAll() {
    EndDragBeforeEdit();
    RemoveFrame();
    for (const auto& e : elements_) ForgetElement(e.get());
    while (!elements_.empty()) elements_.pop_back();
    NoteListChanged();
    ContentChanged = true;
    Raise(OnMyClick);
}

void TPlatine::Group() {
    EndDragBeforeEdit();
    SaveUndo(StepKind::Group);
    auto group = std::make_unique<TGruppe>();
    ElementList rest;
    for (auto& e : elements_) {
        if (e->GetSelected()) {
            e->GroupMember = true;
            InvalidateElement(e.get());
            ForgetElement(e.get());
            group->AddMember(std::move(e));
        } else {
            rest.push_back(std::move(e));
        }
    }
    elements_ = std::move(rest);
    NoteListChanged();
    TBauteil* g = AddElement(std::move(group));
    SelectAll(false);
    SelectElement(g, true);
    Raise(OnMyClick);
    UpdateSelectionFrame();
}

int TPlatine::FirstSelectedGroupIndex() const {
    for (size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i]->GetSelected() && elements_[i]->KindCode == kcGroup &&
            dynamic_cast<TGruppe*>(elements_[i].get()))
            return static_cast<int>(i);
    return -1;
}

void TPlatine::Ungroup() {
    int gi = FirstSelectedGroupIndex();
    if (gi < 0) return;
    EndDragBeforeEdit();
    SaveUndo(StepKind::Ungroup);
    RemoveFrame();
    ForgetElement(elements_[gi].get());
    std::unique_ptr<TBauteil> owned = std::move(elements_[gi]);
    elements_.erase(elements_.begin() + gi);
    NoteListChanged();
    auto* group = static_cast<TGruppe*>(owned.get());
    std::vector<std::unique_ptr<TBauteil>> members = group->TakeMembers();
    int at = gi;
    for (auto& m : members) {
        m->GroupMember = false;
        TBauteil* raw = m.get();
        elements_.insert(elements_.begin() + at++, std::move(m));
        InvalidateElement(raw);
    }
    current_ = nullptr;
    Raise(OnMyClick);
    UpdateSelectionFrame();
}

void TPlatine::BringToFront() {
    std::stable_partition(elements_.begin(), elements_.end(),
                          [](const auto& e) { return !e->GetSelected(); });
    NoteListChanged();
    for (auto& e : elements_)
        if (e->GetSelected()) InvalidateElement(e.get());
}

void TPlatine::SendToBack() {
    std::stable_partition(elements_.begin(), elements_.end(), [](const auto& e) { return e->GetSelected(); });
    NoteListChanged();
    for (auto& e : elements_)
        if (e->GetSelected()) InvalidateElement(e.get());
}

void TPlatine::MirrorSelected(bool vertical) {
    if (!Sizer) return;
    MRect frame = Sizer->startRect;
    std::optional<MRect> area;
    for (auto& e : elements_) {
        if (!e->GetSelected()) continue;
        area = UnionRect(area, e->GetBounds().Normalised());
        e->Mirror(vertical, frame);
        index_.Touch(e.get());
        area = UnionRect(area, e->GetBounds().Normalised());
    }
    if (area) InvalidateModelRect(area->Expanded(20));
    UpdateSelectionFrame();
}

void TPlatine::ApplyAttribute(Attribute which) {
    for (auto& e : elements_) {
        if (!e->GetSelected()) continue;
        switch (which) {
            case Attribute::PenWidth:
                InvalidateElement(e.get());
                e->SetStiftBreite(CurrentPenWidth);
                break;
            case Attribute::PenColor:
                e->SetStiftFarbe(CurrentPenColor);
                break;
            case Attribute::BrushColor:
                e->SetBrushFarbe(CurrentBrushColor);
                break;
            case Attribute::Pattern:
                e->SetStiftPattern(CurrentPattern);
                break;
            case Attribute::BrushStyle:
                e->SetBrushStyle(CurrentBrushStyle);
                e->SetFuellenFlag(CurrentFill);
                break;
            default:
                ApplyFontAttribute(*e, which);
                break;
        }
        InvalidateElement(e.get());
    }
    UpdateSelectionFrame();
}

MRect TPlatine::SelectionBounds(bool selectedOnly) const {
    std::optional<MRect> r;
    for (auto& e : elements_)
        if (!selectedOnly || e->GetSelected()) r = UnionRect(r, e->GetBounds().Normalised());
    return r.value_or(MRect{0, 0, 1, 1}).Normalised();
}

MRect TPlatine::SelectionShapeBounds(bool selectedOnly) const {
    std::optional<MRect> r;
    for (auto& e : elements_)
        if (!selectedOnly || e->GetSelected()) r = UnionRect(r, e->GetShapeBounds().Normalised());
    return r.value_or(MRect{0, 0, 1, 1}).Normalised();
}

void TPlatine::SetUmrissModus(bool on) {
    umrissModus_ = on;
    for (auto& e : elements_)
        if (e->UmrissFlag() != on) e->SetUmrissFlag(on);
    Repaint();
}

void TPlatine::SetMitBemassung(bool on) {
    mitBemassung_ = on;
    ApplyDisplayFilters();
}

void TPlatine::SetMitBohren(bool on) {
    mitBohren_ = on;
    ApplyDisplayFilters();
}

void TPlatine::SetMitSymbolen(bool on) {
    mitSymbolen_ = on;
    ApplyDisplayFilters();
}

void TPlatine::ApplyDisplayFilters() {
    RemoveFrame();
    auto apply = [this](TBauteil& e, bool hidden) {
        if (e.Hidden() == hidden) return;
        e.SetHidden(hidden);
        SelectElement(&e, false);
        InvalidateElement(&e);
    };
    // Dimensions (and the parts inside them), then millings and drillings, then the rest.
    for (auto& e : elements_) {
        if (IsDimension(*e))
            apply(*e, !mitBemassung_);
        else if (auto* g = dynamic_cast<TGruppe*>(e.get()))
            g->HideClass(&IsDimension, !mitBemassung_);
    }
    for (auto& e : elements_) {
        if (auto* g = dynamic_cast<TGruppe*>(e.get())) g->HideMilled(!mitBohren_);
        if (e->Fraesen()) apply(*e, !mitBohren_);
    }
    for (auto& e : elements_) {
        auto* g = dynamic_cast<TGruppe*>(e.get());
        if (g) g->HideOthers(!mitSymbolen_);
        if (!g && !IsDimension(*e) && !e->Fraesen()) apply(*e, !mitSymbolen_);
    }
    UpdateSelectionFrame();
}

}  // namespace pw
