// A tool operation as a whole: whether one is in progress, what it started from, and cancelling
// it so that the panel is as it was before.
#include "panel/platine.h"
#include "panel/tools/panel_tool.h"

namespace pw {

bool TPlatine::OperationInProgress() const {
    return State.underConstruction || State.dragging || Templine || Selector || FrameDragging() ||
           editMode_ == emPaste;
}

void TPlatine::NoteOperationStart() {
    auto start = std::make_unique<OperationStart>();
    for (size_t i = 0; i < elements_.size(); ++i)
        if (elements_[i]->GetSelected()) start->selected.push_back(i);
    start->current = IndexOf(current_);
    start->lastDrillDiameter = LastDrillDiameter;
    operationStart_ = std::move(start);
}

TBauteil* TPlatine::UnfinishedElement() {
    return State.underConstruction ? State.underConstruction : ToolFor(editMode_).Unfinished();
}

void TPlatine::CancelOperation() {
    TBauteil* const unfinished = UnfinishedElement();
    if (!OperationInProgress() && !unfinished) {
        if (editMode_ != emStandard) EndOperation();
        return;
    }
    std::unique_ptr<OperationStart> start = std::move(operationStart_);
    // Moved, resized or rotated elements come back from the snapshot their drag began with.
    const bool readBack = start && start->stepPushed && UndoStream &&
                          (FrameDragging() || (SelectionDragging() && editMode_ != emPaste));
    if (editMode_ == emPaste) DeleteSelected();
    if (unfinished) {
        HidePendingFeedback();
        DeleteElement(unfinished);
    }
    StopOperation();
    if (start && start->stepPushed && UndoStream) {
        UndoStep step = history_.RevokePush(std::move(start->droppedRedo));
        if (readBack) ReadBackSnapshot(step.record);
        settled_ = std::move(step.selection);
        MirrorUndoStream();
    }
    if (start) RestoreOperationStart(*start);
    if (editMode_ != emZoom && editMode_ != emDrehen && editMode_ != emStandard) {
        previousEditMode_ = editMode_;
        editMode_ = emStandard;
        SetCursor(crArrow);
        Raise(OnModeChange);
    }
    UpdateSelectionFrame();
    RefreshStatus();
    Raise(OnMyClick);
}

void TPlatine::RestoreOperationStart(OperationStart& start) {
    for (auto& e : elements_)
        if (e->GetSelected()) {
            SelectElement(e.get(), false);
            InvalidateElement(e.get());
        }
    for (size_t i : start.selected)
        if (i < elements_.size()) {
            SelectElement(elements_[i].get(), true);
            InvalidateElement(elements_[i].get());
        }
    const bool known = start.current >= 0 && static_cast<size_t>(start.current) < elements_.size();
    current_ = known ? elements_[static_cast<size_t>(start.current)].get() : nullptr;
    LastDrillDiameter = start.lastDrillDiameter;
}

void TPlatine::RefreshStatus() {
    if (pointer_) HoverAt(*pointer_, pointerShift_);
}

}  // namespace pw
