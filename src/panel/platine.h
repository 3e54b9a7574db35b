#pragma once
// TPlatine: one front panel as a model. It owns the ordered element list (first at the back),
// the panel's size, colour, name and grid, the view state (zoom, scroll position, display
// modes), the selection and the interaction state of the mouse tools. It maps model units to
// view pixels, paints itself onto any canvas and reads and writes its record.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/bauteil.h"
#include "core/canvas.h"
#include "core/font.h"
#include "core/null_canvas.h"
#include "core/short_string.h"
#include "core/stream.h"
#include "core/view_mapping.h"
#include "panel/bounds_index.h"
#include "panel/sizer.h"
#include "panel/tools/fadenkreuz.h"
#include "panel/tools/mouse_event.h"
#include "panel/tools/selector.h"
#include "panel/tools/templine.h"
#include "panel/undo_history.h"

namespace pw {

class PanelTool;
enum class ToolResult;

enum TEditMode : uint8_t {
    emZoom = 0,
    emStandard = 1,
    emText = 2,
    emPaste = 3,
    emUrsprung = 4,
    emLinie = 5,
    emBohren = 6,
    emDrehen = 7,
    emKreis = 8,
    emRect = 9,
    emPolygon = 10,
    emBogen = 11,
    emBemassung = 12,
    emBitmap = 13,
    emPoint = 14,
    emMeta = 15,
};

// A memory stream holding one panel record.
struct MemoryStream {
    std::vector<uint8_t> bytes;
    virtual ~MemoryStream() = default;
    virtual StreamSource Source() const { return StreamSource::Clipboard; }
};

// The undo snapshot: a memory stream the reader tells apart from a clipboard stream, so that
// the panel properties are read back from it.
struct TBackupStream : MemoryStream {
    StreamSource Source() const override { return StreamSource::Undo; }
};

// The load progress window, as far as reading a panel uses it.
class LoadProgress {
  public:
    virtual ~LoadProgress() = default;
    virtual void SetLabel(const std::string& panelName) = 0;
    virtual void SetGauge(int percent) = 0;
};

// A record whose version is newer than this program's; nothing of it was read.
class VersionError : public StreamError {
  public:
    explicit VersionError(const std::string& fileVersion);
    const std::string& FileVersion() const { return fileVersion_; }
    // The warning box's title and text in the current language.
    static std::string Title();
    std::string Text() const;

  private:
    std::string fileVersion_;
};

// Which current attribute ApplyAttribute copies to the selection.
enum class Attribute {
    PenWidth = 0,
    PenColor,
    BrushColor,
    Pattern,
    BrushStyle,
    FontName,
    FontHeight,
    FontColor,
    FontStyle
};

class TPlatine {
  public:
    TPlatine();
    virtual ~TPlatine();
    TPlatine(const TPlatine&) = delete;
    TPlatine& operator=(const TPlatine&) = delete;

    // --- Elements ---
    using ElementList = std::vector<std::unique_ptr<TBauteil>>;
    const ElementList& Elements() const { return elements_; }
    size_t ElementCount() const { return elements_.size(); }
    TBauteil* Element(size_t i) const { return elements_[i].get(); }
    int IndexOf(const TBauteil* e) const;
    // Appends an element at the front.
    TBauteil* AddElement(std::unique_ptr<TBauteil> e);
    TBauteil* CurrentElement() const { return current_; }
    void SetCurrentElement(TBauteil* e) { current_ = e; }

    // --- Selection and element commands ---
    void SelectElement(TBauteil* e, bool on);
    void SelectAll(bool on);
    size_t SelectedCount() const;
    bool HasSelection() const { return SelectedCount() > 0; }
    bool HasMultipleSelection() const { return SelectedCount() > 1; }
    bool CanUngroup() const;
    void SelectInRect(const IRect& deviceRect, bool add);
    void DeleteElement(TBauteil* e);
    virtual void DeleteSelected();
    void ClearAll();
    void Group();
    void Ungroup();
    void BringToFront();
    void SendToBack();
    void MirrorSelected(bool vertical);
    void ApplyAttribute(Attribute which);
    MRect SelectionBounds(bool selectedOnly = true) const;
    MRect SelectionShapeBounds(bool selectedOnly = true) const;
    void SetUmrissModus(bool on);
    bool UmrissModus() const { return umrissModus_; }
    void SetMitBemassung(bool on);
    void SetMitBohren(bool on);
    void SetMitSymbolen(bool on);
    bool MitBemassung() const { return mitBemassung_; }
    bool MitBohren() const { return mitBohren_; }
    bool MitSymbolen() const { return mitSymbolen_; }
    // Applies the three display filters to every element.
    void ApplyDisplayFilters();

    // --- Coordinates, zoom, snapping ---
    // The view's mapping at the current zoom and scroll position.
    ViewMapping View() const { return ViewMapping(zoom_, {ScrollX, ScrollY}); }
    // Maps a canvas as the view: model units to view pixels.
    void PrepareCanvas(Canvas& canvas) const;
    MPoint PixelToModel(IPoint controlPixel) const;
    IPoint ModelToPixel(MPoint p) const;
    MPoint SnapPoint(int32_t x, int32_t y) const;
    Real SnapValue(Real v, Real origin) const;
    void SetZoom(double z);
    double Zoom() const { return zoom_; }
    void ZoomToPanel();
    // The view's mapping after ZoomToPanel, leaving zoom and scroll as they are.
    ViewMapping ViewAfterZoomToPanel() const;
    void ZoomToContent(bool selectedOnly);
    // The view's mapping after ZoomToContent, leaving zoom and scroll as they are (the present
    // one where there is nothing to fit).
    ViewMapping ViewAfterZoomToContent(bool selectedOnly) const;
    void ZoomStep(IPoint p, bool in);
    // The view's mapping after zoom steps at p as ZoomStep takes them (steps > 0 in, < 0 out),
    // from the current zoom and scroll position, leaving both as they are.
    ViewMapping ViewAfterZoomSteps(IPoint p, int steps) const;
    void ZoomToView(Real leftMm, Real topMm, Real visibleWidth, Real visibleHeight);
    // Zoom tool: a click (band under 5 pixels) zooms in by 1.4 about the point, a larger band
    // is fitted; zoom out divides by 1.4. Rectangles and points in view pixels. The point, or
    // the band's middle, comes to the middle of the view.
    void ZoomToBand(const IRect& band);
    void ZoomOutAt(IPoint p);
    // The view's mapping after a click of the zoom tool at p, leaving zoom and scroll as they are.
    ViewMapping ViewAfterZoomToolClick(IPoint p) const;
    // The control's size in pixels: the panel at the current zoom plus 4.
    int32_t ControlWidth() const;
    int32_t ControlHeight() const;
    // Scrolls to (x, y) control pixels, kept within the scrollable range.
    void ScrollTo(int32_t x, int32_t y);

    // --- Painting ---
    Real GridStep() const;
    Color GridColor() const;
    Color ContrastColor() const;
    virtual void PaintPanel(Canvas& canvas) const;
    void PaintGrid(Canvas& canvas) const;
    void PaintTo(Canvas& canvas, bool selectedOnly, bool withBackground) const;
    void PrintPaint(Canvas& canvas, const IRect& clip) const;
    void PaintOriginMarker(Canvas& canvas) const;
    void PaintMarkerPoint(Canvas& canvas) const;

    // --- Streams ---
    void WritePanel(std::vector<uint8_t>& out, bool selectedOnly) const;
    virtual void ReadPanel(TReader& r);
    void CopySelection(MemoryStream& clipboard);
    virtual void PasteFrom(const MemoryStream& stream);
    void PlaceSymbol(const MemoryStream& stream);

    // --- Undo and redo (platine_undo.cpp) ---
    // A command begins: the panel as it is becomes the newest undo step, named by the kind of
    // command; the redo steps go. Without an UndoStream the panel keeps no history.
    void SaveUndo(StepKind kind = StepKind::Unnamed);
    // Back to the state before the newest step, or forward again. Refused (false) while an
    // element is under construction or a paste is placed. The panel's selection becomes the
    // one it had in that state. A state that cannot be restored (no memory for its elements)
    // leaves the panel and the history as they were; OnStepFailed says so, and false comes back.
    bool Undo();
    bool Redo();
    bool UndoAvailable() const { return UndoStream && history_.CanUndo(); }
    bool RedoAvailable() const { return UndoStream && history_.CanRedo(); }
    UndoHistory& History() { return history_; }
    const UndoHistory& History() const { return history_; }
    // A new document: no steps, and the selection as it is now belongs to the state.
    void ResetHistory();
    // The selection a state keeps is the one the panel has when the next input arrives after
    // the step that made it (a press, a key, a command); the panel notes it then.
    void SettleSelection();
    StepSelection CurrentSelection() const;
    void RestoreSelection(const StepSelection& selection);
    // Moves on with every change that may have touched the panel's record: a step, an undo,
    // an input event, a read. An equal version means an unchanged record; a new one means
    // nothing. Versions are unique among all panels of the run.
    uint64_t ContentVersion() const { return contentVersion_; }
    void NoteContentChange();
    std::function<void()> OnStepFailed;

    // Clears every reference the panel and its tools hold to an element that leaves the panel.
    void ForgetElement(const TBauteil* e);
    std::function<void(const TBauteil*)> OnElementForgotten;

    // --- Edit mode ---
    virtual void SetEditMode(TEditMode mode);
    TEditMode EditMode() const { return editMode_; }
    TEditMode PreviousEditMode() const { return previousEditMode_; }
    // Whether the mode draws with the pointer (the pointer is moved to the view's centre when
    // auto-scrolling starts in it).
    static bool IsDrawingMode(TEditMode mode);

    // --- Mouse and keyboard (the view calls these; positions in view pixels) ---
    // The view's part: it sets the canvas (SetCanvas), the view size and scroll position;
    // passes presses, moves, releases, double-clicks (instead of the second press), keys and a
    // 10 ms timer tick; paints with PaintView for every area Window invalidates and for the whole
    // view on OnRepaint, after scrolling or zooming; copies its picture to the screen after
    // every call, since the aids are drawn into the picture at once; and fulfils the pointer
    // requests (OnPointerChange: State.cursor, State.resizeCursor, State.pointerHidden,
    // State.pointerConfined with ConfinementRect; OnPointerToCentre). Element dialogs and the
    // beep are installed with the element classes (SetDialog) and SetBeepHandler.
    void MouseDown(const MouseEvent& e);
    void MouseMove(const MouseEvent& e);
    void MouseUp(const MouseEvent& e);
    // A double-click (in place of its second press): edits the current element's properties.
    void DoubleClick(const MouseEvent& e);
    // Arrow keys (Shift: 0.1 mm), Delete, Alt+Backspace, Escape; true when the panel used the key.
    bool KeyDown(PanelKey key, bool shift, bool alt);
    // Whether a tool operation is in progress: an element under construction, a drag of the
    // selection or of a handle, a band, a temporary line, or a paste being placed.
    bool OperationInProgress() const;
    // Escape, and every tool that gives up: the operation in progress is cancelled. The element
    // under construction goes, a paste is taken back, moved or resized elements return; the
    // elements, the selection and the undo snapshot are as they were before the operation
    // began, and the mode returns to emStandard (zoom and rotate mode stay). Without an
    // operation in progress a drawing mode ends as with the right button.
    void CancelOperation();
    // Notes the selection and the undo snapshot before an operation a command starts (paste,
    // duplicate), so that cancelling it restores them; mouse events note them by themselves.
    void NoteOperationStart();
    // The status texts and cursor for the pointer where it last was, after something changed
    // under a resting pointer (a release, a key, a command).
    void RefreshStatus();
    // The 10 ms auto-scroll timer; true when the view scrolled.
    bool AutoScrollTick();
    // Status texts and cursor for the pointer resting at a view position.
    virtual void HoverAt(IPoint view, bool shift);
    // One repaint of the view, every drawing clipped to dirty (view pixels): the aids are taken
    // off, the panel, origin marker and marker point painted, the aids and handles put back.
    // With a ground colour the dirty area around the panel is filled with it first, so that
    // the repaint is whole even where the picture held something else (after scrolling).
    void PaintView(Canvas& canvas, const IRect& dirty, std::optional<Color> ground = std::nullopt);
    // Derives ahead on the canvas the shapes a whole repaint of the view (PaintView) under
    // another mapping keeps, so that such a repaint, after the next zoom step, finds them kept
    // (Canvas::BeginDeriveAhead). The canvas's mapping and state are left as they were.
    void DeriveViewAhead(Canvas& canvas, const ViewMapping& view) const;

    // --- Properties ---
    ShortString40 Name;
    Real Width = 30000;
    Real Height = 30000;
    MPoint GridOrigin;
    Real SnapSpacing = 500;
    bool GridVisible = false;
    int32_t ReservedA = 0;
    int32_t ReservedB = 1;
    Color GetFrontplattenFarbe() const { return umrissModus_ ? kWhite : frontplattenFarbe_; }
    Color StoredFrontplattenFarbe() const { return frontplattenFarbe_; }
    void SetFrontplattenFarbe(Color c) { frontplattenFarbe_ = c; }
    bool WillsteAutoScroll = false;

    // Current drawing attributes for new elements.
    int32_t CurrentPenWidth = 25;
    Color CurrentPenColor = 0;
    TPattern CurrentPattern = ptDurchgezogen;
    Color CurrentBrushColor = 0;
    TBrushStyle CurrentBrushStyle = bsClear;
    bool CurrentFill = false;
    FontSpec CurrentFont;
    Color CurrentFontColor = 0;
    Real LastDrillDiameter = 150;
    MPoint MarkerPoint;

    // Print options set by the print dialog.
    bool WillsteHintergrund = true;
    bool WillsteRahmen = true;
    bool WillsteLineale = false;
    bool WillsteInfos = false;

    std::string StatusText1;
    std::string StatusText2;
    bool ContentChanged = false;

    // View state: scroll position in pixels and the size of the visible area.
    int32_t ScrollX = 0;
    int32_t ScrollY = 0;
    int32_t ViewWidth = 800;
    int32_t ViewHeight = 600;

    // --- Surroundings ---
    // The canvas the panel maps and measures with (the view's picture, or a null canvas).
    void SetCanvas(Canvas* canvas) { canvas_ = canvas ? canvas : &nullCanvas_; }
    Canvas& GetCanvas() const { return *canvas_; }
    InvalidateSink* Window = nullptr;
    LoadProgress* Progress = nullptr;
    // Shows the snapshot Undo restores next (empty when there is none); the panel keeps its
    // history only while it has one.
    TBackupStream* UndoStream = nullptr;
    // Repaint of the whole view.
    void Repaint();
    void InvalidateElement(TBauteil* e);
    void InvalidateModelRect(const MRect& r);

    // Notifications.
    std::function<void()> OnMyClick;
    std::function<void()> OnChange;
    // A right press in the selecting modes, at the pointer (view pixels).
    std::function<void(IPoint)> OnPopupRequest;
    std::function<void()> OnModeChange;
    std::function<void()> OnBtMarkieren;
    // Every mouse movement, before the panel's own handling; x, y in control pixels (view
    // pixels plus the scroll position), as SnapPoint and ModelToPixel take and give them.
    std::function<void(bool shift, int32_t x, int32_t y)> OnMyMouseMove;
    std::function<void()> OnRepaint;
    std::function<void()> OnScroll;
    // Puts a picture of the selection on the system clipboard (the program installs it).
    std::function<void(TPlatine&)> OnCopyAsPicture;
    // Requests to the view: the cursor, hiding or confinement of the pointer changed (State);
    // the pointer is to be moved to the centre of the view.
    std::function<void()> OnPointerChange;
    std::function<void()> OnPointerToCentre;

    // --- Interaction state of the mouse tools ---
    struct Interaction {
        bool snapping = true;
        bool dragging = false;
        bool dimensionPhase = false;
        IPoint dragAnchor;
        MPoint dragOffset;
        TBauteil* underConstruction = nullptr;
        MPoint* pendingPoint = nullptr;
        bool selectionVisible = true;
        bool ghostShown = false;
        Real rotationSoFar = 0;
        bool autoScroll = false;
        // Pointer requests the view fulfils: numbered cursor (PanelCursor), a resize cursor
        // over a handle (takes precedence), pointer hidden, pointer confined to
        // ConfinementRect.
        int cursor = crArrow;
        ResizeCursor resizeCursor = ResizeCursor::None;
        bool pointerHidden = false;
        bool pointerConfined = false;
        ScrollDirection scrollDirection = ScrollDirection::None;
        bool inDoubleClick = false;
    };
    Interaction State;
    // The on-screen aids: handle frame, rubber band, crosshair, temporary line.
    std::optional<TSizer> Sizer;
    std::optional<TSelector> Selector;
    std::optional<TFadenKreuz> Crosshair;
    std::optional<TTempline> Templine;
    virtual void UpdateSelectionFrame();
    // Removes the handle frame (its area is repainted).
    void RemoveFrame();
    // Ends a running tool operation; unless zooming or rotating, back to emStandard.
    virtual void EndOperation();
    void SetCursor(int cursor);
    void SetResizeCursor(ResizeCursor cursor);
    void SetPointerHidden(bool hidden);
    void ConfinePointer(bool confined);
    // Switches auto-scroll; switching it on while it is wanted confines the pointer (and moves
    // it to the centre first in the drawing modes).
    void SwitchAutoScroll(bool on);
    // The area the pointer is confined to: the view's client area within the panel control
    // (view pixels).
    IRect ConfinementRect() const;
    IRect ViewRect() const { return {0, 0, ViewWidth, ViewHeight}; }

    // --- Operations the mouse tools share ---
    MPoint SnapAt(IPoint view) const;
    IPoint ModelToView(MPoint p) const;
    void SetStatus(const std::string& first, const std::string& second);
    // Whether the pointer lies within 4 mm of some element's bounds.
    bool ElementNear(IPoint view) const;
    static constexpr Real kNearDistance = 200;
    // The front-most element hit at the pointer (only selected ones when asked), or none.
    TBauteil* HitElement(IPoint view, bool selectedOnly) const;
    // The list positions, in painting order, of the elements whose bounds may meet area: every
    // element whose bounds meet it is among them, and a few others may be.
    std::vector<size_t> ElementsMeeting(const MRect& area) const;
    // Deselects everything but keep, without rebuilding the frame.
    void DeselectAllExcept(TBauteil* keep);
    // Appends a new element for a drawing tool: outline view applied, painted, at the front.
    TBauteil* AppendNewElement(std::unique_ptr<TBauteil> e);
    // A drawing tool starts a new element: the undo snapshot, everything deselected (unless the
    // tool did so on an earlier press), the element made and set up by init, appended at the
    // front and under construction until the operation ends.
    template <class T, class Init>
    T* BeginConstruction(StepKind kind, bool deselect, Init&& init) {
        SaveUndo(kind);
        if (deselect) SelectAll(false);
        auto made = std::make_unique<T>();
        init(*made);
        auto* added = static_cast<T*>(AppendNewElement(std::move(made)));
        State.underConstruction = added;
        return added;
    }
    // An element the tool made and set up on its own (a confirmed text) joins the panel the same
    // way, under construction.
    TBauteil* AddConstructed(std::unique_ptr<TBauteil> e, StepKind kind);
    // The element under construction is complete without ending the tool (a drill hole).
    void ReleaseConstruction() { State.underConstruction = nullptr, State.pendingPoint = nullptr; }
    // The element a cancel would take back: the one under construction, or the tool's own.
    TBauteil* UnfinishedElement();
    // A press on the selection starts moving it, with its undo snapshot.
    void BeginMove(IPoint controlAnchor);
    // The origin tool: the grid origin moves, with its undo snapshot.
    void MoveGridOrigin(MPoint origin);
    // The current pen, brush and fill attributes (and pattern when asked) for a new element.
    void GiveCurrentAttributes(TBauteil& e, bool withPattern);
    // Rubber band in view pixels; its end follows the snapped pointer.
    void StartBand(IPoint view, int32_t penWidth);
    void FollowBand(IPoint view);
    // Erases and removes the band, giving it back.
    std::optional<TSelector> TakeBand();
    void SwitchCrosshair(bool on);
    void MoveCrosshair(IPoint view);
    void StartTempline(IPoint modelStart);
    void MoveTempline(std::optional<IPoint> start, std::optional<IPoint> end);
    void DropTempline();
    // The exclusive-or feedback of the element under construction at its pending point.
    void ShowPendingFeedback();
    void HidePendingFeedback();
    // Moving the selected elements with the pointer (click-drag and paste). The anchor is in
    // control pixels; positions in view pixels. A cancelled drag deletes what it moved.
    void BeginSelectionDrag(IPoint controlAnchor);
    void DragSelectionTo(IPoint view);
    void EndSelectionDrag(IPoint view, bool cancel);
    bool SelectionDragging() const;
    // Dragging a handle of the frame: starts when the press lies on a handle.
    bool BeginFrameDrag(const MouseEvent& e);
    void FrameDragTo(const MouseEvent& e);
    void EndFrameDrag();
    bool FrameDragging() const { return Sizer && Sizer->dragging; }
    // The exclusive-or ghost of the dragged elements.
    void DrawGhost();
    void EraseGhost();
    void PaintGhost();

  protected:
    void Raise(const std::function<void()>& f) {
        if (f) f();
    }
    // The group that Ungroup would dissolve, with its index.
    int FirstSelectedGroupIndex() const;
    // Font attributes (name, height, colour, style) of a selected text.
    void ApplyFontAttribute(TBauteil& e, Attribute which);
    // After a text's dialog was confirmed: the text takes the edited wording and its font
    // becomes the current font.
    void AdoptConfirmedText(TBauteil& e);
    // The interaction without the return to emStandard: aids, element under construction,
    // drags, auto-scroll, confinement. True when it selected the element under construction.
    bool StopOperation();
    // A command that removes or regroups elements while the selection or a handle is being
    // dragged ends the drag first, so that no dragged element is lost under the pointer.
    void EndDragBeforeEdit();
    TSizer MakeFrame();
    ScrollDirection EdgeDirection(IPoint view) const;
    PanelTool& ToolFor(TEditMode mode);
    // Ends or cancels the operation as the tool reported.
    void Follow(ToolResult result);
    // Snapping, proportional sizing and the pointer position from a mouse event.
    void NotePointer(const MouseEvent& e);
    // A press (true) or release (false) handed to the tool of the current mode.
    void PressOrRelease(const MouseEvent& e, bool press);
    // One step of the selection drag; false when nothing moved.
    bool StepSelectionTo(IPoint view);
    void HideDragged();
    void ShowDragged();
    void EraseAids(Canvas& canvas);
    void RedrawAids(Canvas& canvas);
    void InvalidateHandles();
    // Elements joined, left or changed places in the list.
    void NoteListChanged() { index_.ListChanged(); }
    // The candidates within the pointer's reach: model position, margin and list positions.
    struct PointerReach {
        Real x = 0, y = 0, margin = 0;
        std::vector<size_t> near;
        bool Passes(const MRect& b) const {
            return !(x < b.x1 - margin || x > b.x2 + margin || y < b.y1 - margin || y > b.y2 + margin);
        }
    };
    PointerReach ReachOf(IPoint view, const ViewMapping& mapping) const;
    // Sets the canvas's clip to a rectangle of view pixels alone.
    static void ClipToPixels(Canvas& canvas, const IRect& pixels);
    // The ground and grid a paint of the panel starts with.
    void PaintGround(Canvas& canvas) const;
    // The elements near the canvas's clip in painting order, with what they draw built ahead on
    // all cores where many need it; fresh: how many needed it.
    std::vector<const TBauteil*> VisibleElements(const Canvas& canvas, size_t& fresh) const;
    // A zoom step at p from a zoom and scroll position, as ZoomStep takes it.
    struct ZoomedView {
        double zoom;
        IPoint scroll;
    };
    ZoomedView StepZoom(const ZoomedView& from, IPoint p, bool in) const;
    // The zoom (kept within range) with the model point under view pixel p in the middle of the
    // view, as the zoom tool takes it; and showing a zoomed view.
    ZoomedView CentredAt(IPoint p, double zoom) const;
    // The zoom that shows the whole panel, if it has a size; the view that fits the elements, or
    // the selected ones, if there are any.
    std::optional<double> PanelFittingZoom() const;
    std::optional<ZoomedView> ContentFitted(bool selectedOnly) const;
    void ShowZoomed(const ZoomedView& to);
    // A scroll position kept within the scrollable range at a zoom.
    IPoint ScrollWithin(int32_t x, int32_t y, double zoom) const;

    ElementList elements_;
    TBauteil* current_ = nullptr;
    double zoom_ = 1.0;
    bool umrissModus_ = false;
    bool mitBemassung_ = true;
    bool mitBohren_ = true;
    bool mitSymbolen_ = true;
    Color frontplattenFarbe_ = 0xE6E6E6;
    TEditMode editMode_ = emStandard;
    TEditMode previousEditMode_ = emStandard;
    UndoHistory history_;
    // The selection of the current state, once noted (SettleSelection).
    std::optional<StepSelection> settled_ = StepSelection{};
    uint64_t contentVersion_;
    NullCanvas nullCanvas_{{0, 0, 100000, 100000}};
    Canvas* canvas_ = &nullCanvas_;
    std::array<std::unique_ptr<PanelTool>, 16> tools_;
    // The elements a selection or frame drag moves (the selection when it started).
    std::vector<TBauteil*> dragged_;

    // What a cancelled operation restores: the selection (element indices), the current
    // element and the undo snapshot the operation's first snapshot replaced.
    struct OperationStart {
        std::vector<size_t> selected;
        int current = -1;
        Real lastDrillDiameter = 0;
        // The step the operation's first snapshot pushed, with the redo steps it dropped.
        bool stepPushed = false;
        std::vector<UndoStep> droppedRedo;
    };
    std::unique_ptr<OperationStart> operationStart_;
    void RestoreOperationStart(OperationStart& start);
    // Replaces every element and the properties by those of the snapshot; when reading fails
    // the panel keeps what it had and the error goes on.
    void ReadBackSnapshot(const std::vector<uint8_t>& snapshot);
    // Undo and Redo: restores the step and records the state left on the other side.
    bool StepTo(bool back);
    // The view of the next undo step for whoever gave the UndoStream.
    void MirrorUndoStream();
    // The pointer's last position in view pixels and its Shift key, for RefreshStatus.
    std::optional<IPoint> pointer_;
    bool pointerShift_ = false;
    // The elements' bounds on a grid, brought up to date when asked (ElementsMeeting); every
    // change of the content version has it compare every element's bounds once.
    mutable BoundsIndex index_;
    mutable uint64_t indexVersion_ = 0;
};

}  // namespace pw
