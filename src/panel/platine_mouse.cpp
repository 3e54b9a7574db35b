// Mouse, keyboard and timer input of the panel: the bookkeeping every event shares, hover
// texts and cursors, double-click editing, keyboard moves and auto-scrolling. What each edit
// mode does with the mouse lies in its tool (core/tools).
#include <algorithm>
#include <cmath>

#include "core/language.h"
#include "elements/bohrung.h"
#include "panel/platine.h"
#include "panel/tools/panel_tool.h"

namespace pw {

// --- Positions and elements under the pointer ---

MPoint TPlatine::SnapAt(IPoint view) const {
    return SnapPoint(view.x + ScrollX, view.y + ScrollY);
}

IPoint TPlatine::ModelToView(MPoint p) const {
    IPoint c = ModelToPixel(p);
    return {c.x - ScrollX, c.y - ScrollY};
}

TPlatine::PointerReach TPlatine::ReachOf(IPoint view, const ViewMapping& mapping) const {
    // No element is hit 4 mm outside its bounds (each tests its bounds, widened by its hit
    // tolerance, first); a margin of two pixels covers the rounding of the exact tests.
    // Elements outside the reach are passed over without converting their bounds.
    PointerReach reach;
    reach.x = mapping.ModelX(view.x), reach.y = mapping.ModelY(view.y);
    reach.margin = kNearDistance + 2 * kUnitsPerMm / zoom_;
    // The index is asked a little more widely, so that rounding cannot leave out an element
    // the exact test would take.
    const Real slack = reach.margin + 1 + (std::fabs(reach.x) + std::fabs(reach.y)) * 1e-12L;
    reach.near = ElementsMeeting({reach.x - slack, reach.y - slack, reach.x + slack, reach.y + slack});
    return reach;
}

bool TPlatine::ElementNear(IPoint view) const {
    const ViewMapping mapping = View();
    const PointerReach reach = ReachOf(view, mapping);
    for (auto it = reach.near.rbegin(); it != reach.near.rend(); ++it) {
        MRect b = elements_[*it]->GetBounds().Normalised();
        if (!reach.Passes(b)) continue;
        IRect d = NormaliseRect(mapping.ToDevice(RoundRect(b.Expanded(kNearDistance))));
        if (d.Contains(view)) return true;
    }
    return false;
}

TBauteil* TPlatine::HitElement(IPoint view, bool selectedOnly) const {
    // The elements test in device pixels on a canvas mapped as the view; one that draws
    // nothing will do.
    const ViewMapping mapping = View();
    NullCanvas mapped;
    mapping.ApplyTo(mapped);
    const PointerReach reach = ReachOf(view, mapping);
    for (auto it = reach.near.rbegin(); it != reach.near.rend(); ++it) {
        TBauteil* e = elements_[*it].get();
        if (selectedOnly && !e->GetSelected()) continue;
        if (!reach.Passes(e->GetBounds().Normalised())) continue;
        if (e->HitTest(view, mapped)) return e;
    }
    return nullptr;
}

void TPlatine::DeselectAllExcept(TBauteil* keep) {
    for (auto& e : elements_)
        if (e.get() != keep && e->GetSelected()) {
            SelectElement(e.get(), false);
            InvalidateElement(e.get());
        }
}

TBauteil* TPlatine::AddConstructed(std::unique_ptr<TBauteil> e, StepKind kind) {
    SaveUndo(kind);
    TBauteil* added = AppendNewElement(std::move(e));
    State.underConstruction = added;
    return added;
}

void TPlatine::MoveGridOrigin(MPoint origin) {
    SaveUndo(StepKind::Origin);
    GridOrigin = origin;
}

TBauteil* TPlatine::AppendNewElement(std::unique_ptr<TBauteil> e) {
    e->SetUmrissFlag(umrissModus_);
    TBauteil* added = AddElement(std::move(e));
    InvalidateElement(added);
    return added;
}

void TPlatine::GiveCurrentAttributes(TBauteil& e, bool withPattern) {
    e.SetStiftBreite(CurrentPenWidth);
    e.SetStiftFarbe(CurrentPenColor);
    if (withPattern) e.SetStiftPattern(CurrentPattern);
    e.SetBrushFarbe(CurrentBrushColor);
    e.SetBrushStyle(CurrentBrushStyle);
    e.SetFuellenFlag(CurrentFill);
}

// --- Mouse events ---

ScrollDirection TPlatine::EdgeDirection(IPoint v) const {
    constexpr int32_t kEdge = 20;
    if (v.y < kEdge) return ScrollDirection::Up;
    if (v.y >= ViewHeight - kEdge) return ScrollDirection::Down;
    if (v.x < kEdge) return ScrollDirection::Left;
    if (v.x >= ViewWidth - kEdge) return ScrollDirection::Right;
    return ScrollDirection::None;
}

void TPlatine::Follow(ToolResult result) {
    if (result == ToolResult::Done)
        EndOperation();
    else if (result == ToolResult::Cancel)
        CancelOperation();
}

void TPlatine::NotePointer(const MouseEvent& e) {
    State.snapping = !e.shift && editMode_ != emZoom;
    if (Sizer) Sizer->proportional = e.ctrl;
    pointer_ = e.pos, pointerShift_ = e.shift;
}

void TPlatine::PressOrRelease(const MouseEvent& e, bool press) {
    NoteContentChange();
    NotePointer(e);
    // A press or release may begin an operation: what it began from is noted for a cancel.
    if (!OperationInProgress()) {
        SettleSelection();
        NoteOperationStart();
    }
    PanelTool& tool = ToolFor(editMode_);
    Follow(press ? tool.Press(e) : tool.Release(e));
    if (!OperationInProgress()) operationStart_.reset();
    // The status line shows what the release left under the pointer, not the operation's text.
    RefreshStatus();
    Raise(OnMyClick);
}

void TPlatine::MouseDown(const MouseEvent& e) {
    if (State.inDoubleClick) return;
    PressOrRelease(e, true);
}

void TPlatine::MouseMove(const MouseEvent& e) {
    if (OnMyMouseMove) OnMyMouseMove(e.shift, e.pos.x + ScrollX, e.pos.y + ScrollY);
    NotePointer(e);
    State.scrollDirection = EdgeDirection(e.pos);
    HoverAt(e.pos, e.shift);
    MoveCrosshair(e.pos);
    Follow(ToolFor(editMode_).Move(e));
}

void TPlatine::MouseUp(const MouseEvent& e) {
    PressOrRelease(e, false);
}

void TPlatine::DoubleClick(const MouseEvent&) {
    if (editMode_ != emStandard || SelectedCount() != 1 || !current_ || !current_->GetSelected()) return;
    State.inDoubleClick = true;
    SaveUndo(StepKind::Properties);
    TBauteil* e = current_;
    InvalidateElement(e);
    if (e->EditProperties()) {
        if (auto* drill = dynamic_cast<TBohrung*>(e)) LastDrillDiameter = drill->Diameter;
        AdoptConfirmedText(*e);
    }
    InvalidateElement(e);
    UpdateSelectionFrame();
    State.inDoubleClick = false;
}

// --- Hover ---

namespace {
std::string PositionText(const char* prefix, Real units) {
    std::string t = prefix + FormatFixed(units / kUnitsPerMm, 2, DecimalSeparator());
    return t.substr(0, 10);
}

ResizeCursor HandleCursor(int handle) {
    switch (handle) {
        case 1:
        case 3:
            return ResizeCursor::DiagonalDown;
        case 2:
        case 4:
            return ResizeCursor::DiagonalUp;
        case 5:
        case 6:
            return ResizeCursor::Vertical;
        default:
            return ResizeCursor::Horizontal;
    }
}
}  // namespace

void TPlatine::HoverAt(IPoint view, bool shift) {
    // While the selection or a handle is dragged or a band selects, the status line keeps its
    // "Moving..." or "Selecting...".
    if (SelectionDragging() && editMode_ != emPaste) return;
    if (FrameDragging()) return;
    if (Selector && (editMode_ == emStandard || editMode_ == emDrehen)) return;
    MPoint p = SnapAt(view);
    std::string first = PositionText("x = ", p.x - GridOrigin.x),
                second = PositionText("y = ", p.y - GridOrigin.y);
    if (editMode_ == emStandard || editMode_ == emDrehen) {
        PrepareCanvas(*canvas_);
        int handle = Sizer ? Sizer->HandleAt(view, *canvas_) : 0;
        if (handle && Sizer->mode == 0) {
            SetResizeCursor(HandleCursor(handle));
        } else if (handle) {
            SetResizeCursor(ResizeCursor::None);
            SetCursor(crRotate);
        } else {
            SetResizeCursor(ResizeCursor::None);
            TBauteil* e = nullptr;
            int cursor = crArrow;
            if (ElementNear(view)) {
                if ((e = HitElement(view, true)))
                    cursor = shift ? crArrow : crHand;
                else if ((e = HitElement(view, false)))
                    cursor = shift ? crArrow : crFinger;
            }
            if (e) first = e->KindName(), second = e->InfoText();
            SetCursor(cursor);
        }
    } else if (editMode_ != emZoom && OperationInProgress()) {
        // A drawing tool at work says how it ends.
        first += "  " + second;
        second = Tr("Rechtsklick: Ende, Esc: Abbruch", "Right click: end, Esc: cancel");
    }
    SetStatus(first, second);
}

// --- Keyboard ---

bool TPlatine::KeyDown(PanelKey key, bool shift, bool alt) {
    NoteContentChange();
    if (!OperationInProgress()) SettleSelection();
    if (key == PanelKey::Escape) {
        // Used when something ends; the zoom and rotate tools at rest stay and let the key go
        // on (to the dialog that shows the panel, for one).
        const bool used = OperationInProgress() ||
                          (editMode_ != emStandard && editMode_ != emZoom && editMode_ != emDrehen);
        CancelOperation();
        return used;
    }
    // Other keys wait while the mouse drags the selection or a handle.
    if (!dragged_.empty()) return false;
    switch (key) {
        case PanelKey::Left:
        case PanelKey::Up:
        case PanelKey::Right:
        case PanelKey::Down: {
            Real d = shift ? 5 : SnapSpacing;
            MPoint offset = key == PanelKey::Left    ? MPoint{-d, 0}
                            : key == PanelKey::Right ? MPoint{d, 0}
                            : key == PanelKey::Up    ? MPoint{0, -d}
                                                     : MPoint{0, d};
            for (auto& e : elements_) {
                if (!e->GetSelected()) continue;
                InvalidateElement(e.get());
                e->Move(offset);
                InvalidateElement(e.get());
            }
            UpdateSelectionFrame();
            RefreshStatus();
            return true;
        }
        case PanelKey::Delete:
            if (editMode_ != emStandard) return false;
            SaveUndo(StepKind::Delete);
            DeleteSelected();
            RefreshStatus();
            return true;
        case PanelKey::Backspace:
            if (!alt) return false;
            if (shift)
                Redo();
            else
                Undo();
            RefreshStatus();
            return true;
        case PanelKey::Escape:
            break;
    }
    return false;
}

// --- Auto-scroll ---

bool TPlatine::AutoScrollTick() {
    if (!WillsteAutoScroll || !State.autoScroll) return false;
    int32_t dx = 0, dy = 0;
    switch (State.scrollDirection) {
        case ScrollDirection::Up:
            dy = ScrollY > 0 ? -1 : 0;
            break;
        case ScrollDirection::Down:
            dy = ScrollY < ControlHeight() - ViewHeight - 4 ? 1 : 0;
            break;
        case ScrollDirection::Left:
            dx = ScrollX > 0 ? -1 : 0;
            break;
        case ScrollDirection::Right:
            dx = ScrollX < ControlWidth() - ViewWidth - 4 ? 1 : 0;
            break;
        case ScrollDirection::None:
            break;
    }
    if (dx == 0 && dy == 0) return false;
    // The ghost goes and the dragged elements stay hidden until the pointer moves again.
    if (SelectionDragging() || FrameDragging()) {
        EraseGhost();
        if (State.selectionVisible) HideDragged();
    }
    int32_t size = dy ? ViewHeight : ViewWidth;
    int32_t steps = std::max(size / 10, 1) / 10 + 1;
    for (int32_t i = 0; i < steps; ++i) {
        EraseAids(*canvas_);
        ScrollTo(ScrollX + 10 * dx, ScrollY + 10 * dy);
        Raise(OnChange);
    }
    return true;
}

}  // namespace pw
