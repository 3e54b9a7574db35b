// Undo and redo of the panel: the steps of its history, the selection each state keeps, reading
// a state back without losing the panel when that fails, and forgetting removed elements.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>

#include "panel/platine.h"
#include "panel/tools/panel_tool.h"

namespace pw {

namespace {

// The panel properties of the record, kept while a snapshot is read back.
struct StoredProperties {
    ShortString40 name;
    int32_t reservedA, reservedB;
    Real width, height, snap;
    MPoint origin;
    bool gridVisible;
};

std::atomic<uint64_t> lastContentVersion{0};

}  // namespace

void TPlatine::NoteContentChange() {
    contentVersion_ = ++lastContentVersion;
}

StepSelection TPlatine::CurrentSelection() const {
    StepSelection s;
    for (size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i]->GetSelected()) s.selected.push_back(i);
    s.current = IndexOf(current_);
    return s;
}

void TPlatine::RestoreSelection(const StepSelection& selection) {
    for (auto& e : elements_)
        if (e->GetSelected()) {
            e->SetSelected(false);
            InvalidateElement(e.get());
        }
    for (size_t i : selection.selected)
        if (i < elements_.size()) {
            elements_[i]->SetSelected(true);
            InvalidateElement(elements_[i].get());
        }
    const bool known = selection.current >= 0 && static_cast<size_t>(selection.current) < elements_.size();
    current_ = known ? elements_[static_cast<size_t>(selection.current)].get() : nullptr;
    UpdateSelectionFrame();
}

void TPlatine::SettleSelection() {
    if (!settled_) settled_ = CurrentSelection();
}

void TPlatine::ResetHistory() {
    history_.Clear();
    settled_ = CurrentSelection();
    MirrorUndoStream();
}

void TPlatine::MirrorUndoStream() {
    if (!UndoStream) return;
    if (history_.CanUndo())
        UndoStream->bytes = history_.NextUndo().record;
    else
        UndoStream->bytes.clear();
}

void TPlatine::SaveUndo(StepKind kind) {
    NoteContentChange();
    if (!UndoStream) return;
    SettleSelection();
    std::vector<uint8_t> record;
    WritePanel(record, false);
    std::vector<UndoStep> dropped = history_.Push(std::move(record), std::move(*settled_), kind);
    // The state the command makes keeps the selection the panel has after it.
    settled_.reset();
    // The first snapshot of an operation can be taken back by a cancel.
    if (operationStart_ && !operationStart_->stepPushed) {
        operationStart_->stepPushed = true;
        operationStart_->droppedRedo = std::move(dropped);
    }
    MirrorUndoStream();
}

bool TPlatine::Undo() {
    return StepTo(true);
}

bool TPlatine::Redo() {
    return StepTo(false);
}

bool TPlatine::StepTo(bool back) {
    if (!(back ? UndoAvailable() : RedoAvailable()) || State.underConstruction || editMode_ == emPaste)
        return false;
    EndDragBeforeEdit();
    SettleSelection();
    const UndoStep& target = back ? history_.NextUndo() : history_.NextRedo();
    std::vector<uint8_t> current;
    try {
        WritePanel(current, false);
        ReadBackSnapshot(target.record);
    } catch (const std::bad_alloc&) {
        Raise(OnStepFailed);
        return false;
    } catch (const StreamError&) {
        Raise(OnStepFailed);
        return false;
    }
    NoteContentChange();
    UndoStep reached = back ? history_.CommitUndo(std::move(current), std::move(*settled_))
                            : history_.CommitRedo(std::move(current), std::move(*settled_));
    RestoreSelection(reached.selection);
    settled_ = std::move(reached.selection);
    MirrorUndoStream();
    Raise(OnMyClick);
    return true;
}

void TPlatine::ReadBackSnapshot(const std::vector<uint8_t>& snapshot) {
    RemoveFrame();
    const StoredProperties kept{Name,   ReservedA,   ReservedB,  Width,
                                Height, SnapSpacing, GridOrigin, GridVisible};
    const Color colour = frontplattenFarbe_;
    const Real drill = LastDrillDiameter;
    TBauteil* const current = current_;
    ElementList previous = std::move(elements_);
    elements_.clear();
    NoteListChanged();
    current_ = nullptr;
    try {
        TReader r(snapshot, StreamSource::Undo);
        ReadPanel(r);
    } catch (...) {
        elements_ = std::move(previous);
        NoteListChanged();
        Name = kept.name;
        ReservedA = kept.reservedA, ReservedB = kept.reservedB;
        Width = kept.width, Height = kept.height, SnapSpacing = kept.snap;
        GridOrigin = kept.origin, GridVisible = kept.gridVisible;
        frontplattenFarbe_ = colour;
        LastDrillDiameter = drill;
        current_ = current;
        UpdateSelectionFrame();
        throw;
    }
    // The record's name came back with it (files and snapshots hold the same header).
    if (snapshot.size() >= Name.bytes.size()) {
        std::memcpy(Name.bytes.data(), snapshot.data(), 37);
        Name.bytes[0] = std::min<uint8_t>(Name.bytes[0], 36);
    }
    for (const auto& e : previous) ForgetElement(e.get());
    previous.clear();
    Raise(OnChange);
    SelectAll(false);
    Repaint();
}

void TPlatine::ForgetElement(const TBauteil* e) {
    if (!e) return;
    NoteListChanged();
    if (current_ == e) current_ = nullptr;
    if (State.underConstruction == e) State.underConstruction = nullptr, State.pendingPoint = nullptr;
    dragged_.erase(std::remove(dragged_.begin(), dragged_.end(), e), dragged_.end());
    for (auto& tool : tools_)
        if (tool) tool->Forget(e);
    if (OnElementForgotten) OnElementForgotten(e);
}

}  // namespace pw
