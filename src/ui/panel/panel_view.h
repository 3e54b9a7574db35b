#pragma once
// PanelView: the widget that shows one panel (one tab of a document). It is a scroll area whose
// viewport keeps the visible part of the panel in an RGB32 image, drawn through the Qt canvas;
// paintEvent only copies that image to the screen. Mouse and key input go to the panel's mouse
// tools; the panel's notifications come out as signals.
//
// The panel draws its exclusive-or aids (rubber band, crosshair, temporary line, drag ghost)
// straight into the image while it handles an event, and reports areas to repaint; the view
// repaints those areas (PaintView) when the panel's call returns, so that the panel's state and
// the picture always agree. A change of zoom or scroll position repaints the whole image.
//
// Mouse wheel: scrolls vertically, with Shift horizontally; with Ctrl it zooms about the pointer
// (four ZoomSteps of 3 % per notch).

#include <QAbstractScrollArea>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <memory>
#include <optional>

#include "panel/platine.h"

namespace pw {

class QtCanvas;

class PanelView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    // The view owns its panel.
    explicit PanelView(std::unique_ptr<TPlatine> panel, QWidget* parent = nullptr);
    // The view shows a panel that someone else owns and that outlives the view (the scale
    // assistant's preview).
    explicit PanelView(TPlatine& panel, QWidget* parent = nullptr);
    ~PanelView() override;

    TPlatine& Panel() { return *panel_; }
    const TPlatine& Panel() const { return *panel_; }

    // Repaints the whole visible area from the model.
    void RepaintPanel();
    // Syncs the scroll bars with the model's zoom and scroll position (after zoom commands) and
    // repaints the whole visible area.
    void SyncScrollBars();
    // Keys that reach the panel through the main window's keyboard focus field.
    bool HandleKey(int qtKey, Qt::KeyboardModifiers modifiers);
    // A copy of the picture currently shown (for tests and screenshots).
    QImage Picture() const;

    // Paints the areas the panel reported since the last event now. Every view does this when
    // the panel call it handles returns; a dialog that opens in the middle of a panel call
    // (element properties) calls FlushAll first, so that the element being edited shows.
    void Flush();
    static void FlushAll();
    // Once the wheel has zoomed and rests, the view derives the shapes of the next notch in the
    // same direction at the pointer ahead (TPlatine::DeriveViewAhead), so that that notch paints
    // without deriving them. A view that rests after showing the panel anew in any other way
    // (opened, scrolled, resized, zoomed by the buttons) expects a notch at the pointer too, the
    // way it was zoomed last (in at first), and derives it again when the pointer has gone far
    // from where it was; with the zoom tool, its click at the pointer instead. While the pointer
    // is off the picture it expects a step of the zoom buttons about the middle. Called by a
    // timer; does nothing when the shapes of that notch are derived already, when the picture
    // waits for a repaint, or during a panel call.
    void DeriveNextNotchAhead();
    // The same after zoom steps taken elsewhere (the zoom buttons, about the middle): while the
    // pointer is off the picture, another step of theirs the same way is expected once the view
    // rests; over it, a notch of the wheel that way.
    void ExpectZoomSteps(int steps);
    // The zoom button the pointer is on (none: nullopt); while it rests there, what that button
    // shows is derived ahead rather than a step of the buttons the way the view was zoomed last.
    enum class ZoomButton { In, Out, WholePanel, AllElements, Selection };
    void PointerOnZoomButton(std::optional<ZoomButton> button);
    // Where and for how many zoom steps (0: a click of the zoom tool) the next notch of the view
    // shown now was derived ahead, if it was.
    std::optional<QPoint> NextNotchDerivedAt() const;
    std::optional<int> NextStepsDerived() const;

  signals:
    void clicked();                             // OnMyClick
    void changed();                             // OnChange: zoom or scroll position
    void modeChanged();                         // OnModeChange
    void elementMarked();                       // OnBtMarkieren
    void popupRequested(const QPoint& global);  // OnPopupRequest
    void mouseMoved(bool shift, int x, int y);  // OnMyMouseMove, control pixels

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool viewportEvent(QEvent* event) override;

  private:
    // Collects the areas the panel invalidates (view pixels).
    class Invalidations : public InvalidateSink {
      public:
        explicit Invalidations(PanelView& view) : view_(view) {}
        void InvalidateRect(const IRect& device) override;

      private:
        PanelView& view_;
    };

    void ConnectPanel();
    void DisconnectPanel();
    // The image and canvas follow the viewport's size.
    void FitImageToViewport();
    void PaintArea(const QRect& area);
    void MarkWhole();
    void RequestFlush();
    // Runs one panel call: input that arrives meanwhile (from a dialog's event loop) is held
    // off, and what the call invalidated is painted afterwards: at once, or (paintNow false) once
    // the events at hand are handled.
    template <class F>
    void Run(F&& call, bool paintNow = true);
    MouseEvent ToMouseEvent(const QMouseEvent& event, QPoint pos) const;
    // The pointer position for the panel: clamped to the confinement area while the panel
    // confines the pointer (and the real pointer put back there).
    QPoint ConfinedPosition(QPoint pos);
    bool MayMovePointer() const;
    void MovePointerTo(QPoint viewPos);
    void ApplyPointerState();
    void CentrePointer();
    void UpdateAutoScrollTimer();
    void AutoScrollTick();

    std::unique_ptr<TPlatine> ownPanel_;
    TPlatine* panel_;
    QImage image_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
    Invalidations invalidations_{*this};
    QTimer autoScrollTimer_;
    QRegion dirty_;
    bool wholeDirty_ = true;
    bool flushQueued_ = false;
    bool syncingScrollBars_ = false;
    int callDepth_ = 0;
    int wheelZoomRemainder_ = 0;
    // The zoom steps of the last wheel notch (none yet: 0), and whether the view was zoomed in
    // last, by the wheel or the zoom buttons.
    int wheelNotchSteps_ = 0;
    bool zoomedIn_ = true;
    std::optional<ZoomButton> zoomButton_;
    QTimer aheadTimer_;
    // What the shapes derived ahead were derived for: the view shown then, and the notch's
    // steps and point. Once the view changes, the next whole repaint lets it rest and derive
    // anew.
    struct Ahead {
        double zoom = 0;
        int scrollX = 0, scrollY = 0, width = 0, height = 0;
        int steps = 0;
        QPoint at;
        bool forPointer = false;  // for a notch at the pointer, not a step of the zoom buttons
        bool zoomTool = false;    // for a click of the zoom tool at the pointer
        std::optional<ZoomButton> button = std::nullopt;  // for a zoom button that fits something in
        friend bool operator==(const Ahead&, const Ahead&) = default;
        // Whether it was derived from the view shown in o.
        bool ShowsSame(const Ahead& o) const {
            return zoom == o.zoom && scrollX == o.scrollX && scrollY == o.scrollY && width == o.width &&
                   height == o.height;
        }
    };
    std::optional<Ahead> ahead_;
    // The view shown now (the notch left open).
    Ahead Shown() const;
    // The zoom to derive ahead now, from the view shown, where the pointer is and the tool; and
    // the view's mapping after it.
    Ahead ZoomExpected() const;
    ViewMapping ViewAfter(const Ahead& zoom) const;
    // Lets the view rest before deriving ahead after a notch (or zoom button), or after a change
    // of view or a move of the pointer (not cutting a rest after a notch short).
    void AfterNotch();
    void RestBeforeDerivingAhead();
    bool restAfterNotch_ = false;
    // The zoom at and below which a whole repaint or deriving ahead took too long, and the view
    // derives ahead only after a notch.
    std::optional<double> slowZoom_;
    void NoteDuration(const QElapsedTimer& took);
};

}  // namespace pw
