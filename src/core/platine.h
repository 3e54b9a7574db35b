#pragma once
// TPlatine: one front panel as a model. It owns the ordered element list (first at the back),
// the panel's size, colour, name and grid, the view state (zoom, scroll position, display
// modes), the selection and the interaction state of the mouse tools. It maps model units to
// view pixels, paints itself onto any canvas and reads and writes its record.

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
#include "core/sizer.h"
#include "core/stream.h"

namespace pw {

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
enum class Attribute { PenWidth = 0, PenColor, BrushColor, Pattern, BrushStyle, FontName, FontHeight, FontColor, FontStyle };

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
    MRect SelectionBounds(bool selectedOnly = true);
    MRect SelectionShapeBounds(bool selectedOnly = true);
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
    void PrepareCanvas(Canvas& canvas) const;
    MPoint PixelToModel(IPoint controlPixel);
    IPoint ModelToPixel(MPoint p);
    MPoint SnapPoint(int32_t x, int32_t y);
    Real SnapValue(Real v, Real origin) const;
    void SetZoom(double z);
    double Zoom() const { return zoom_; }
    void ZoomToPanel();
    void ZoomToContent(bool selectedOnly);
    void ZoomStep(IPoint p, bool in);
    void ZoomToView(Real leftMm, Real topMm, Real visibleWidth, Real visibleHeight);
    // Zoom tool: a click (band under 5 pixels) zooms in by 1.4 about the point, a larger band
    // is fitted; zoom out divides by 1.4. Rectangles and points in control pixels.
    void ZoomToBand(const IRect& band);
    void ZoomOutAt(IPoint p);
    // The control's size in pixels: the panel at the current zoom plus 4.
    int32_t ControlWidth() const;
    int32_t ControlHeight() const;
    // Scrolls to (x, y) control pixels, kept within the scrollable range.
    void ScrollTo(int32_t x, int32_t y);

    // --- Painting ---
    Real GridStep() const;
    Color GridColor() const;
    Color ContrastColor() const;
    virtual void PaintPanel(Canvas& canvas);
    void PaintGrid(Canvas& canvas);
    void PaintTo(Canvas& canvas, bool selectedOnly, bool withBackground);
    void PrintPaint(Canvas& canvas, const IRect& clip);
    void PaintOriginMarker(Canvas& canvas);
    void PaintMarkerPoint(Canvas& canvas);

    // --- Streams ---
    void WritePanel(std::vector<uint8_t>& out, bool selectedOnly);
    virtual void ReadPanel(TReader& r);
    void SaveUndo();
    void Undo();
    bool UndoAvailable() const { return undoAvailable_; }
    void CopySelection(MemoryStream& clipboard);
    virtual void PasteFrom(const MemoryStream& stream);
    void PlaceSymbol(const MemoryStream& stream);

    // --- Edit mode ---
    virtual void SetEditMode(TEditMode mode);
    TEditMode EditMode() const { return editMode_; }
    TEditMode PreviousEditMode() const { return previousEditMode_; }

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
    TBackupStream* UndoStream = nullptr;
    // Repaint of the whole view.
    void Repaint();
    void InvalidateElement(TBauteil* e);
    void InvalidateModelRect(const MRect& r);

    // Notifications.
    std::function<void()> OnMyClick;
    std::function<void()> OnChange;
    std::function<void(IPoint)> OnPopupRequest;
    std::function<void()> OnModeChange;
    std::function<void()> OnBtMarkieren;
    std::function<void(bool shift, int32_t x, int32_t y)> OnMyMouseMove;
    std::function<void()> OnRepaint;
    std::function<void()> OnScroll;
    // Puts a picture of the selection on the system clipboard (the program installs it).
    std::function<void(TPlatine&)> OnCopyAsPicture;

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
        int cursor = 0;
    };
    Interaction State;
    std::optional<TSizer> Sizer;
    virtual void UpdateSelectionFrame();
    // Ends a running tool operation (the mouse tools give it its full meaning).
    virtual void EndOperation();
    void SetCursor(int cursor);

    static constexpr Real kMaxSize = 30000;

protected:
    void Raise(const std::function<void()>& f) {
        if (f) f();
    }
    // The group that Ungroup would dissolve, with its index.
    int FirstSelectedGroupIndex() const;
    // Font attributes (name, height, colour, style) of a selected text.
    void ApplyFontAttribute(TBauteil& e, Attribute which);

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
    bool undoAvailable_ = false;
    NullCanvas nullCanvas_{{0, 0, 100000, 100000}};
    Canvas* canvas_ = &nullCanvas_;
};

}  // namespace pw
