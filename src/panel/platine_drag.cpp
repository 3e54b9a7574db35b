// Dragging with the mouse: moving the selection (click-drag, paste, symbol placement) with
// snapping and limits, dragging a handle of the frame to resize or rotate, and the
// exclusive-or ghost of the dragged elements.
#include <algorithm>

#include "panel/platine.h"

namespace pw {

namespace {
MRect UnionOfBounds(const std::vector<TBauteil*>& elements) {
    std::optional<MRect> r;
    for (TBauteil* e : elements) r = UnionRect(r, e->GetBounds().Normalised());
    return r.value_or(MRect{0, 0, 1, 1});
}
}  // namespace

// --- Ghost ---

void TPlatine::DrawGhost() {
    if (State.ghostShown) return;
    PaintGhost();
    State.ghostShown = true;
}

void TPlatine::EraseGhost() {
    if (!State.ghostShown) return;
    State.ghostShown = false;
    PaintGhost();
}

// The dragged elements in exclusive-or: drawn once shows the ghost, drawn again removes it.
// Elements away from the clip area are passed over, as when the panel is painted, so that a
// repaint of a small area draws only the ghost within it.
void TPlatine::PaintGhost() {
    PrepareCanvas(*canvas_);
    const IRect clip = canvas_->ClipBox();
    for (TBauteil* e : dragged_) {
        IRect eb = RoundRect(e->GetBounds().Normalised().Expanded(20));
        if (eb.x2 < clip.x1 || eb.x1 > clip.x2 || eb.y2 < clip.y1 || eb.y1 > clip.y2) continue;
        canvas_->SetPenMode(PenMode::Xor);
        e->SetXORFlag(true);
        e->Paint(*canvas_);
        e->SetXORFlag(false);
    }
    canvas_->SetPenMode(PenMode::Copy);
}

void TPlatine::HideDragged() {
    for (TBauteil* e : dragged_) {
        InvalidateElement(e);
        e->SetVisible(false);
    }
    State.selectionVisible = false;
}

void TPlatine::ShowDragged() {
    if (State.selectionVisible) return;
    for (TBauteil* e : dragged_) {
        e->SetVisible(true);
        InvalidateElement(e);
    }
    State.selectionVisible = true;
}

// --- Moving the selection ---

bool TPlatine::SelectionDragging() const {
    return State.dragging && (editMode_ == emStandard || editMode_ == emPaste || editMode_ == emDrehen);
}

void TPlatine::BeginSelectionDrag(IPoint controlAnchor) {
    RemoveFrame();
    dragged_.clear();
    for (auto& e : elements_)
        if (e->GetSelected()) dragged_.push_back(e.get());
    State.dragAnchor = controlAnchor;
    State.dragOffset = {0, 0};
    State.dragging = true;
    State.ghostShown = false;
    State.selectionVisible = true;
    SwitchAutoScroll(true);
}

bool TPlatine::StepSelectionTo(IPoint view) {
    if (dragged_.empty()) return false;
    MPoint d = PixelToModel({view.x + ScrollX, view.y + ScrollY}) - PixelToModel(State.dragAnchor);
    if (State.snapping && SnapSpacing > 0) {
        d.x = RoundEven(d.x / SnapSpacing) * SnapSpacing;
        d.y = RoundEven(d.y / SnapSpacing) * SnapSpacing;
    }
    MPoint step = d - State.dragOffset;
    // The translation every dragged element allows, within the panel's own range.
    MRect range{-Width, -Height, Width, Height};
    for (TBauteil* e : dragged_) {
        MRect r = e->GetMoveRange();
        range = {std::max(range.x1, r.x1), std::max(range.y1, r.y1), std::min(range.x2, r.x2),
                 std::min(range.y2, r.y2)};
    }
    step.x = std::max(std::min(step.x, range.x2), range.x1);
    step.y = std::max(std::min(step.y, range.y2), range.y1);
    // The pen-inclusive bounds stay on the panel.
    IRect b = RoundRect(UnionOfBounds(dragged_));
    Real left = b.x1 + step.x, top = b.y1 + step.y, right = b.x2 + step.x, bottom = b.y2 + step.y;
    if (left < 0) step.x -= left;
    if (top < 0) step.y -= top;
    if (right > Width) step.x -= right - Width;
    if (bottom > Height) step.y -= bottom - Height;
    if (step.x == 0 && step.y == 0) return false;

    if (State.ghostShown)
        EraseGhost();
    else if (State.selectionVisible)
        HideDragged();
    for (TBauteil* e : dragged_) {
        e->Move(step);
        index_.Touch(e);
    }
    DrawGhost();
    State.dragOffset = State.dragOffset + step;
    return true;
}

void TPlatine::BeginMove(IPoint controlAnchor) {
    SaveUndo(StepKind::Move);
    BeginSelectionDrag(controlAnchor);
}

void TPlatine::DragSelectionTo(IPoint view) {
    if (SelectionDragging()) StepSelectionTo(view);
}

void TPlatine::EndSelectionDrag(IPoint view, bool cancel) {
    if (!SelectionDragging()) return;
    SetPointerHidden(false);
    StepSelectionTo(view);
    EraseGhost();
    ShowDragged();
    dragged_.clear();
    // A click that moved nothing leaves no undo step behind, and the redo steps stay.
    const bool unmoved = State.dragOffset == MPoint{0, 0} && editMode_ != emPaste;
    if (unmoved && operationStart_ && operationStart_->stepPushed && UndoStream) {
        UndoStep step = history_.RevokePush(std::move(operationStart_->droppedRedo));
        operationStart_->stepPushed = false;
        settled_ = std::move(step.selection);
        MirrorUndoStream();
    }
    if (cancel) DeleteSelected();
    EndOperation();
    UpdateSelectionFrame();
}

void TPlatine::EndDragBeforeEdit() {
    if (!dragged_.empty()) EndOperation();
}

// --- Dragging a handle ---

bool TPlatine::BeginFrameDrag(const MouseEvent& e) {
    if (!Sizer || Sizer->dragging) return false;
    PrepareCanvas(*canvas_);
    int handle = Sizer->HandleAt(e.pos, *canvas_);
    if (!handle) return false;
    SaveUndo(Sizer->mode == 0 ? StepKind::Resize : StepKind::Rotate);
    // The handles go; the frame's geometry is taken afresh from the selection.
    RemoveFrame();
    Sizer = MakeFrame();
    Sizer->proportional = e.ctrl;
    Sizer->StartDrag(handle, SnapAt(e.pos), State.snapping);
    State.rotationSoFar = 0;
    State.ghostShown = false;
    State.selectionVisible = true;
    dragged_.clear();
    for (auto& el : elements_)
        if (el->GetSelected()) dragged_.push_back(el.get());
    ConfinePointer(true);
    return true;
}

void TPlatine::FrameDragTo(const MouseEvent& e) {
    if (!FrameDragging()) return;
    MPoint m = SnapAt(e.pos);
    Sizer->proportional = e.ctrl;
    auto beforeStep = [this] {
        if (State.ghostShown)
            EraseGhost();
        else if (State.selectionVisible)
            HideDragged();
    };
    if (Sizer->mode == 0) {
        MRect before = Sizer->currentRect;
        std::optional<MRect> after = Sizer->ResizeStep(m);
        if (!after) return;
        beforeStep();
        for (TBauteil* el : dragged_) {
            el->Resize(before, *after);
            index_.Touch(el);
        }
    } else {
        Real step = Sizer->RotateStep(m);
        if (step == 0) return;
        beforeStep();
        MPoint c = Sizer->DragCentre();
        for (TBauteil* el : dragged_) {
            el->Rotate(c, static_cast<double>(step));
            index_.Touch(el);
        }
        State.rotationSoFar += step;
    }
    DrawGhost();
}

void TPlatine::EndFrameDrag() {
    if (!FrameDragging()) return;
    EraseGhost();
    ShowDragged();
    dragged_.clear();
    Sizer.reset();
    ConfinePointer(false);
    UpdateSelectionFrame();
}

}  // namespace pw
