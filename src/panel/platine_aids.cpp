// Edit modes, the end of an operation, the on-screen aids of the mouse tools, the requests to
// the view (cursor, pointer) and the repaint of the view.
#include <algorithm>

#include "core/language.h"
#include "panel/platine.h"
#include "panel/tools/panel_tool.h"
#include "panel/tools/pixel_mapping.h"

namespace pw {

namespace {
MRect AsModelRect(const IRect& r) {
    return {static_cast<Real>(r.x1), static_cast<Real>(r.y1), static_cast<Real>(r.x2),
            static_cast<Real>(r.y2)};
}
}  // namespace

bool TPlatine::IsDrawingMode(TEditMode m) {
    switch (m) {
        case emText:
        case emPaste:
        case emLinie:
        case emBohren:
        case emKreis:
        case emRect:
        case emPolygon:
        case emBogen:
            return true;
        default:
            return false;
    }
}

PanelTool& TPlatine::ToolFor(TEditMode mode) {
    auto& tool = tools_[mode < tools_.size() ? mode : emStandard];
    if (!tool) tool = MakeTool(mode, *this);
    return *tool;
}

void TPlatine::SetEditMode(TEditMode mode) {
    // Whatever the previous tool had started is finished first, so that no aid is left on the
    // screen and no element stays hidden.
    StopOperation();
    previousEditMode_ = editMode_;
    editMode_ = mode;
    if (mode != emZoom && mode != emStandard && mode != emPaste && mode != emDrehen) SelectAll(false);
    bool crosshair = true, confine = false;
    int cursor = crArrow;
    switch (mode) {
        case emZoom:
            crosshair = false, cursor = crLupe;
            break;
        case emText:
            confine = true, cursor = crStiftText;
            break;
        case emUrsprung:
        case emBohren:
        case emBemassung:
            break;
        case emLinie:
        case emPolygon:
            cursor = crStift;
            break;
        case emKreis:
            confine = true, cursor = crStiftCirc;
            break;
        case emRect:
            confine = true, cursor = crStiftRect;
            break;
        case emBogen:
            confine = true;
            break;
        case emBitmap:
        case emMeta:
            cursor = crStiftBmp;
            break;
        default:
            crosshair = false;
            break;
    }
    SetResizeCursor(ResizeCursor::None);
    SetCursor(cursor);
    if (confine) ConfinePointer(true);
    if (crosshair) {
        SwitchCrosshair(true);
        SwitchAutoScroll(true);
    }
    UpdateSelectionFrame();
    Raise(OnModeChange);
}

bool TPlatine::StopOperation() {
    operationStart_.reset();
    if (FrameDragging()) EndFrameDrag();
    if (SelectionDragging()) {
        EraseGhost();
        ShowDragged();
        dragged_.clear();
    }
    DropTempline();
    SwitchCrosshair(false);
    TakeBand();
    TBauteil* finished = State.underConstruction;
    if (finished) {
        HidePendingFeedback();
        InvalidateElement(finished);
        SelectElement(finished, true);
        State.underConstruction = nullptr;
    }
    State.dragging = false;
    State.dimensionPhase = false;
    State.pendingPoint = nullptr;
    State.scrollDirection = ScrollDirection::None;
    ToolFor(editMode_).Reset();
    SwitchAutoScroll(false);
    ConfinePointer(false);
    SetPointerHidden(false);
    return finished != nullptr;
}

void TPlatine::EndOperation() {
    bool finished = StopOperation();
    if (editMode_ != emZoom && editMode_ != emDrehen && editMode_ != emStandard) {
        previousEditMode_ = editMode_;
        editMode_ = emStandard;
        SetCursor(crArrow);
        // The tool buttons follow the mode.
        Raise(OnModeChange);
    }
    // The finished element is selected and shows its frame.
    if (finished) UpdateSelectionFrame();
}

// --- Selection frame ---

TSizer TPlatine::MakeFrame() {
    PrepareCanvas(*canvas_);
    // Three pixels in model units.
    IPoint a = canvas_->DPtoLP(IPoint{0, 0}), b = canvas_->DPtoLP(IPoint{3, 3});
    TSizer s;
    s.Build(SelectionShapeBounds(true), SelectionBounds(true), zoom_, Width, Height, b.x - a.x, b.y - a.y,
            ContrastColor() ^ GetFrontplattenFarbe(), editMode_ == emDrehen ? 1 : 0);
    return s;
}

// The frame shows nothing but its handles, so their areas are all that is repainted when it
// comes or goes (with the width of their pen around them).
void TPlatine::InvalidateHandles() {
    for (int h = 1; h <= 8; ++h) InvalidateModelRect(AsModelRect(Sizer->HandleRect(h).Expanded(2)));
}

void TPlatine::RemoveFrame() {
    if (!Sizer) return;
    InvalidateHandles();
    Sizer.reset();
}

void TPlatine::UpdateSelectionFrame() {
    RemoveFrame();
    if (!HasSelection()) return;
    Sizer = MakeFrame();
    InvalidateHandles();
}

// --- Requests to the view ---

void TPlatine::SetCursor(int cursor) {
    if (State.cursor == cursor) return;
    State.cursor = cursor;
    Raise(OnPointerChange);
}

void TPlatine::SetResizeCursor(ResizeCursor cursor) {
    if (State.resizeCursor == cursor) return;
    State.resizeCursor = cursor;
    Raise(OnPointerChange);
}

void TPlatine::SetPointerHidden(bool hidden) {
    if (State.pointerHidden == hidden) return;
    State.pointerHidden = hidden;
    Raise(OnPointerChange);
}

void TPlatine::ConfinePointer(bool confined) {
    if (State.pointerConfined == confined) return;
    State.pointerConfined = confined;
    Raise(OnPointerChange);
}

void TPlatine::SwitchAutoScroll(bool on) {
    State.autoScroll = on;
    if (!on || !WillsteAutoScroll) return;
    if (IsDrawingMode(editMode_)) Raise(OnPointerToCentre);
    ConfinePointer(true);
}

IRect TPlatine::ConfinementRect() const {
    return {std::max(0, -ScrollX), std::max(0, -ScrollY), std::min(ViewWidth, ControlWidth() - ScrollX),
            std::min(ViewHeight, ControlHeight() - ScrollY)};
}

void TPlatine::SetStatus(const std::string& first, const std::string& second) {
    StatusText1 = first;
    StatusText2 = second;
    Raise(OnMyClick);
}

// --- Rubber band, crosshair, temporary line, feedback ---

void TPlatine::StartBand(IPoint view, int32_t penWidth) {
    TakeBand();
    Selector.emplace(view, ViewRect(), penWidth);
    Selector->Draw(*canvas_);
}

void TPlatine::FollowBand(IPoint view) {
    if (!Selector) return;
    bool moved = Selector->SetEnd(ModelToView(SnapAt(view)));
    if (!moved && Selector->Shown()) return;
    Selector->Erase(*canvas_);
    Selector->Draw(*canvas_);
}

std::optional<TSelector> TPlatine::TakeBand() {
    if (!Selector) return std::nullopt;
    Selector->Erase(*canvas_);
    std::optional<TSelector> band = std::move(Selector);
    Selector.reset();
    return band;
}

void TPlatine::SwitchCrosshair(bool on) {
    if (on) {
        if (!Crosshair) Crosshair.emplace();
        return;
    }
    if (!Crosshair) return;
    Crosshair->Erase(*canvas_);
    Crosshair.reset();
}

void TPlatine::MoveCrosshair(IPoint view) {
    if (!Crosshair) return;
    IPoint p = RoundPoint(SnapAt(view));
    PrepareCanvas(*canvas_);
    Crosshair->MoveTo(*canvas_, p, ViewRect());
}

void TPlatine::StartTempline(IPoint start) {
    DropTempline();
    Templine.emplace(start, CurrentPenWidth);
    PrepareCanvas(*canvas_);
    Templine->Draw(*canvas_);
}

void TPlatine::MoveTempline(std::optional<IPoint> start, std::optional<IPoint> end) {
    if (!Templine) return;
    PrepareCanvas(*canvas_);
    if (start) Templine->SetStart(*canvas_, *start);
    if (end) Templine->SetEnd(*canvas_, *end);
}

void TPlatine::DropTempline() {
    if (!Templine) return;
    Templine->Erase(*canvas_);
    Templine.reset();
}

void TPlatine::ShowPendingFeedback() {
    TBauteil* e = State.underConstruction;
    if (!e || !State.pendingPoint || e->FeedbackShown) return;
    PrepareCanvas(*canvas_);
    e->DrawFeedback(*canvas_, State.pendingPoint);
    e->FeedbackShown = true;
    e->FeedbackPos = *State.pendingPoint;
}

void TPlatine::HidePendingFeedback() {
    TBauteil* e = State.underConstruction;
    if (!e || !State.pendingPoint || !e->FeedbackShown) return;
    PrepareCanvas(*canvas_);
    e->HideFeedback(*canvas_, State.pendingPoint);
}

// --- Repaint ---

void TPlatine::EraseAids(Canvas& c) {
    PrepareCanvas(c);
    if (Templine) Templine->Erase(c);
    if (Crosshair) Crosshair->Erase(c);
    if (Selector) Selector->Erase(c);
}

void TPlatine::RedrawAids(Canvas& c) {
    PrepareCanvas(c);
    if (Templine) Templine->Draw(c);
    if (Crosshair) Crosshair->Draw(c, ViewRect());
    if (Selector) Selector->Draw(c);
}

void TPlatine::PaintView(Canvas& c, const IRect& dirty, std::optional<Color> ground) {
    Canvas* previous = canvas_;
    canvas_ = &c;
    auto clipToDirty = [&] { ClipToPixels(c, dirty); };
    clipToDirty();
    // Exclusive-or drawings are taken off first and put back last, each within the same clip,
    // so that a partial repaint leaves them whole.
    bool ghost = State.ghostShown,
         feedback = State.underConstruction && State.underConstruction->FeedbackShown;
    EraseAids(c);
    if (ghost) EraseGhost();
    if (feedback) HidePendingFeedback();
    if (ground) {
        // The aids were taken off above and are put back below: where the ground replaces the
        // picture they end up drawn once on it, as everywhere else.
        PixelMapping pixels(c);
        c.SetPenStyle(PenStyle::Clear);
        c.SetPenMode(PenMode::Copy);
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(*ground);
        c.Rectangle({dirty.x1, dirty.y1, dirty.x2 + 1, dirty.y2 + 1});
        c.SetPenStyle(PenStyle::Solid);
    }

    PrepareCanvas(c);
    c.IntersectClipRect({0, 0, RoundToInt(Width), RoundToInt(Height)});
    PaintPanel(c);
    clipToDirty();
    PaintOriginMarker(c);
    if (editMode_ == emPoint) PaintMarkerPoint(c);

    if (feedback) ShowPendingFeedback();
    if (ghost) DrawGhost();
    RedrawAids(c);
    if (Sizer && Sizer->handlesVisible) {
        PrepareCanvas(c);
        Sizer->handleSize = RoundToInt(350 / zoom_);
        Sizer->DrawHandles(c);
    }
    c.ResetClip();
    canvas_ = previous;
}

}  // namespace pw
