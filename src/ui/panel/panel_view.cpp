#include "ui/panel/panel_view.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "render/qt_canvas.h"
#include "ui/panel/panel_cursors.h"

namespace pw {

namespace {

std::vector<PanelView*>& LiveViews() {
    static std::vector<PanelView*> views;
    return views;
}

// Pixels one wheel notch scrolls; a notch is 120 units of angle.
constexpr int kWheelScrollPixels = 60;
constexpr int kWheelNotch = 120;
// Ctrl and the wheel: one ZoomStep for every quarter notch.
constexpr int kWheelZoomUnit = kWheelNotch / 4;
// How long the view rests before it derives the next notch ahead: after a notch, long enough for
// its picture to reach the screen and for the wheel of a quick turn to come first; after the view
// changed otherwise, or the pointer moved far, long enough for scrolling or moving on to go on
// undisturbed.
constexpr int kRestAfterNotch = 60;
constexpr int kRestBeforeDerivingAhead = 150;
// A whole repaint or a deriving ahead that takes longer (milliseconds) shows that the view holds
// too many shapes to derive them ahead unasked at that zoom or below.
constexpr qint64 kTooLongToDeriveUnasked = 80;

// Scattered areas are painted one by one, since a repaint visits only the elements near its
// area; areas that fill much of the rectangle around them, or very many, are painted as that
// rectangle.
constexpr int kMaxSeparateAreas = 1024;

bool PaintSeparately(const QRegion& region) {
    if (region.rectCount() > kMaxSeparateAreas) return false;
    const QRect around = region.boundingRect();
    int64_t area = 0;
    for (const QRect& r : region) area += int64_t{r.width()} * r.height();
    return area * 2 < int64_t{around.width()} * around.height();
}

std::optional<PanelKey> ToPanelKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return PanelKey::Left;
        case Qt::Key_Up:
            return PanelKey::Up;
        case Qt::Key_Right:
            return PanelKey::Right;
        case Qt::Key_Down:
            return PanelKey::Down;
        case Qt::Key_Delete:
            return PanelKey::Delete;
        case Qt::Key_Backspace:
            return PanelKey::Backspace;
        case Qt::Key_Escape:
            return PanelKey::Escape;
        default:
            return std::nullopt;
    }
}

}  // namespace

void PanelView::Invalidations::InvalidateRect(const IRect& d) {
    QRect r = QRect(QPoint(std::min(d.x1, d.x2), std::min(d.y1, d.y2)),
                    QPoint(std::max(d.x1, d.x2), std::max(d.y1, d.y2)))
                  .intersected(QRect(QPoint(0, 0), view_.image_.size()));
    if (r.isEmpty()) return;
    view_.dirty_ += r;
    view_.RequestFlush();
}

PanelView::PanelView(std::unique_ptr<TPlatine> panel, QWidget* parent) : PanelView(*panel, parent) {
    ownPanel_ = std::move(panel);
}

PanelView::PanelView(TPlatine& panel, QWidget* parent) : QAbstractScrollArea(parent), panel_(&panel) {
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    autoScrollTimer_.setInterval(10);
    connect(&autoScrollTimer_, &QTimer::timeout, this, &PanelView::AutoScrollTick);
    aheadTimer_.setSingleShot(true);
    connect(&aheadTimer_, &QTimer::timeout, this, &PanelView::DeriveNextNotchAhead);
    LiveViews().push_back(this);
    ConnectPanel();
    FitImageToViewport();
    ApplyPointerState();
}

PanelView::~PanelView() {
    auto& views = LiveViews();
    views.erase(std::remove(views.begin(), views.end(), this), views.end());
    DisconnectPanel();
}

void PanelView::ConnectPanel() {
    TPlatine& p = *panel_;
    p.Window = &invalidations_;
    p.OnMyClick = [this] { emit clicked(); };
    p.OnModeChange = [this] {
        RequestFlush();
        // The zoom tool zooms otherwise than the wheel.
        if (ahead_ && ahead_->zoomTool != (panel_->EditMode() == emZoom)) RestBeforeDerivingAhead();
        emit modeChanged();
    };
    p.OnBtMarkieren = [this] { emit elementMarked(); };
    p.OnPopupRequest = [this](IPoint v) { emit popupRequested(viewport()->mapToGlobal(QPoint(v.x, v.y))); };
    p.OnMyMouseMove = [this](bool shift, int32_t x, int32_t y) { emit mouseMoved(shift, x, y); };
    p.OnRepaint = [this] { MarkWhole(); };
    // Scrolling by the panel itself (auto-scroll, zoom, a stored view) moves the scroll bars.
    p.OnScroll = [this] { SyncScrollBars(); };
    p.OnChange = [this] {
        SyncScrollBars();
        emit changed();
    };
    p.OnPointerChange = [this] {
        ApplyPointerState();
        RequestFlush();
    };
    p.OnPointerToCentre = [this] { CentrePointer(); };
}

void PanelView::DisconnectPanel() {
    TPlatine& p = *panel_;
    p.Window = nullptr;
    p.SetCanvas(nullptr);
    p.OnMyClick = nullptr;
    p.OnModeChange = nullptr;
    p.OnBtMarkieren = nullptr;
    p.OnPopupRequest = nullptr;
    p.OnMyMouseMove = nullptr;
    p.OnRepaint = nullptr;
    p.OnScroll = nullptr;
    p.OnChange = nullptr;
    p.OnPointerChange = nullptr;
    p.OnPointerToCentre = nullptr;
}

// --- Picture ---

void PanelView::ExpectZoomSteps(int steps) {
    zoomedIn_ = steps > 0;
    AfterNotch();
}

void PanelView::PointerOnZoomButton(std::optional<ZoomButton> button) {
    if (button == zoomButton_) return;
    zoomButton_ = button;
    RestBeforeDerivingAhead();
}

PanelView::Ahead PanelView::Shown() const {
    const TPlatine& p = *panel_;
    return {p.Zoom(), p.ScrollX, p.ScrollY, p.ViewWidth, p.ViewHeight, 0, {}};
}

std::optional<QPoint> PanelView::NextNotchDerivedAt() const {
    if (!ahead_ || !ahead_->ShowsSame(Shown())) return std::nullopt;
    return ahead_->at;
}

std::optional<int> PanelView::NextStepsDerived() const {
    if (!ahead_ || !ahead_->ShowsSame(Shown())) return std::nullopt;
    return ahead_->steps;
}

void PanelView::AfterNotch() {
    restAfterNotch_ = true;
    aheadTimer_.start(kRestAfterNotch);
}

void PanelView::RestBeforeDerivingAhead() {
    // The rest after a notch goes on.
    if (restAfterNotch_ && aheadTimer_.isActive()) return;
    // Where a paint or deriving took long, the view shows too many shapes to derive them unasked:
    // it would hold up what the user does next. Zoomed in beyond that, it shows fewer.
    if (slowZoom_ && panel_->Zoom() <= *slowZoom_) return;
    // Longer than the rest after a notch, and started again by every change, so that scrolling
    // or moving on goes on undisturbed.
    restAfterNotch_ = false;
    aheadTimer_.start(kRestBeforeDerivingAhead);
}

void PanelView::NoteDuration(const QElapsedTimer& took) {
    if (took.elapsed() > kTooLongToDeriveUnasked) slowZoom_ = std::max(slowZoom_.value_or(0), panel_->Zoom());
}

PanelView::Ahead PanelView::ZoomExpected() const {
    const QPoint pointer = viewport()->mapFromGlobal(QCursor::pos());
    const bool over = viewport()->rect().contains(pointer);
    // The way the view was zoomed last, in at first.
    const int way = zoomedIn_ ? 1 : -1;
    Ahead wanted = Shown();
    if (over) {
        // With the zoom tool, its click where the pointer is; otherwise only the wheel zooms over
        // the picture: a notch there, as the last one (a whole notch before the first).
        wanted.at = pointer;
        wanted.forPointer = true;
        if (panel_->EditMode() == emZoom)
            wanted.zoomTool = true;
        else
            wanted.steps = way * (wheelNotchSteps_ != 0 ? wheelNotchSteps_ : kWheelNotch / kWheelZoomUnit);
        return wanted;
    }
    // Off it only the zoom buttons do: the one the pointer is on, else a step of theirs about the
    // middle.
    wanted.at = QPoint(viewport()->width() / 2, viewport()->height() / 2);
    if (zoomButton_ == ZoomButton::In || zoomButton_ == ZoomButton::Out)
        wanted.steps = zoomButton_ == ZoomButton::In ? 1 : -1;
    else if (zoomButton_)
        wanted.button = zoomButton_;
    else
        wanted.steps = way;
    return wanted;
}

ViewMapping PanelView::ViewAfter(const Ahead& zoom) const {
    const TPlatine& p = *panel_;
    const IPoint at{zoom.at.x(), zoom.at.y()};
    if (zoom.zoomTool) return p.ViewAfterZoomToolClick(at);
    if (zoom.button == ZoomButton::WholePanel) return p.ViewAfterZoomToPanel();
    if (zoom.button == ZoomButton::AllElements || zoom.button == ZoomButton::Selection)
        return p.ViewAfterZoomToContent(zoom.button == ZoomButton::Selection);
    return p.ViewAfterZoomSteps(at, zoom.steps);
}

void PanelView::DeriveNextNotchAhead() {
    if (!canvas_ || callDepth_ != 0 || flushQueued_ || wholeDirty_ || !dirty_.isEmpty()) return;
    // Not in the middle of a drag, unless a notch asked for it.
    if (!restAfterNotch_ && QGuiApplication::mouseButtons() != Qt::NoButton) return;
    const Ahead wanted = ZoomExpected();
    if (ahead_ == wanted) return;
    ahead_ = wanted;
    TPlatine& p = *panel_;
    const ViewMapping next = ViewAfter(wanted);
    // What is shown already (the whole panel, the zoom at its limit): nothing to derive.
    if (next == p.View()) return;
    QElapsedTimer took;
    took.start();
    p.DeriveViewAhead(*canvas_, next);
    NoteDuration(took);
}

void PanelView::FitImageToViewport() {
    const QSize size(std::max(viewport()->width(), 1), std::max(viewport()->height(), 1));
    TPlatine& p = *panel_;
    p.ViewWidth = size.width();
    p.ViewHeight = size.height();
    if (image_.size() != size) {
        // The panel must not draw while the picture is replaced.
        p.SetCanvas(nullptr);
        canvas_.reset();
        if (painter_.isActive()) painter_.end();
        image_ = QImage(size, QImage::Format_RGB32);
        image_.fill(palette().color(QPalette::Mid));
        painter_.begin(&image_);
        canvas_ = std::make_unique<QtCanvas>(painter_, QtCanvas::DeviceKind::Raster,
                                             IRect{0, 0, size.width(), size.height()}, 96);
        p.SetCanvas(canvas_.get());
    }
    MarkWhole();
}

QImage PanelView::Picture() const {
    // The painter stays active on the image, so a shared copy would change with it.
    return image_.copy();
}

void PanelView::MarkWhole() {
    wholeDirty_ = true;
    RequestFlush();
}

void PanelView::RepaintPanel() {
    MarkWhole();
    Flush();
}

void PanelView::RequestFlush() {
    if (flushQueued_) return;
    flushQueued_ = true;
    QTimer::singleShot(0, this, [this] {
        if (flushQueued_) Flush();
    });
}

void PanelView::PaintArea(const QRect& area) {
    QRect r = area.intersected(QRect(QPoint(0, 0), image_.size()));
    if (r.isEmpty() || !canvas_) return;
    const QColor ground = palette().color(QPalette::Mid);
    panel_->PaintView(*canvas_, IRect{r.left(), r.top(), r.right() + 1, r.bottom() + 1},
                      RGBColor(static_cast<uint8_t>(ground.red()), static_cast<uint8_t>(ground.green()),
                               static_cast<uint8_t>(ground.blue())));
}

void PanelView::Flush() {
    flushQueued_ = false;
    if (!canvas_) return;
    if (wholeDirty_) {
        wholeDirty_ = false;
        dirty_ = QRegion();
        QElapsedTimer took;
        took.start();
        PaintArea(QRect(QPoint(0, 0), image_.size()));
        NoteDuration(took);
        // A view shown anew rests before the next notch is derived for it (a notch's own
        // timer runs already).
        if (!ahead_ || !ahead_->ShowsSame(Shown())) RestBeforeDerivingAhead();
    } else if (!dirty_.isEmpty()) {
        const QRegion region = std::exchange(dirty_, QRegion());
        if (PaintSeparately(region))
            for (const QRect& r : region) PaintArea(r);
        else
            PaintArea(region.boundingRect());
    }
    UpdateAutoScrollTimer();
    viewport()->update();
}

void PanelView::FlushAll() {
    for (PanelView* v : LiveViews()) v->Flush();
}

void PanelView::paintEvent(QPaintEvent* event) {
    QPainter screen(viewport());
    for (const QRect& r : event->region()) screen.drawImage(r, image_, r);
}

template <class F>
void PanelView::Run(F&& call, bool paintNow) {
    ++callDepth_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{callDepth_};
    call();
    if (callDepth_ == 1 && paintNow) Flush();
}

// --- Scrolling ---

void PanelView::SyncScrollBars() {
    MarkWhole();
    // Nested calls (from the panel's scrolling or a resize on the way) leave it to this one.
    if (syncingScrollBars_) return;
    QScopedValueRollback<bool> guard(syncingScrollBars_, true);
    TPlatine& p = *panel_;
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    // A scroll bar that appears or goes resizes the viewport, which changes the ranges again;
    // a few rounds settle it.
    for (int round = 0; round < 3; ++round) {
        // After a change of zoom the position is kept within the panel first.
        p.ScrollTo(p.ScrollX, p.ScrollY);
        const int hMax = std::max(0, p.ControlWidth() - p.ViewWidth);
        const int vMax = std::max(0, p.ControlHeight() - p.ViewHeight);
        h->setRange(0, hMax);
        v->setRange(0, vMax);
        h->setPageStep(std::max(1, p.ViewWidth));
        v->setPageStep(std::max(1, p.ViewHeight));
        if (hMax == std::max(0, p.ControlWidth() - p.ViewWidth) &&
            vMax == std::max(0, p.ControlHeight() - p.ViewHeight))
            break;
    }
    p.ScrollTo(p.ScrollX, p.ScrollY);
    h->setValue(p.ScrollX);
    v->setValue(p.ScrollY);
}

void PanelView::scrollContentsBy(int, int) {
    if (syncingScrollBars_) return;
    // Painted once the events at hand are handled, as wheel notches are: the steps of a fast
    // turn of the wheel or of a dragged scroll bar that came in meanwhile are painted together.
    Run([&] { panel_->ScrollTo(horizontalScrollBar()->value(), verticalScrollBar()->value()); }, false);
    emit changed();
}

void PanelView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    FitImageToViewport();
    TPlatine& p = *panel_;
    p.ScrollTo(p.ScrollX, p.ScrollY);
    SyncScrollBars();
}

void PanelView::wheelEvent(QWheelEvent* event) {
    const QPoint delta = event->angleDelta();
    if (event->modifiers() & Qt::ControlModifier) {
        wheelZoomRemainder_ += delta.y();
        const int steps = wheelZoomRemainder_ / kWheelZoomUnit;
        wheelZoomRemainder_ -= steps * kWheelZoomUnit;
        if (steps != 0 && callDepth_ == 0) {
            const QPoint pos = event->position().toPoint();
            // The picture follows once the events at hand are handled (the view is marked for a
            // repaint already), so that the notches of a fast spin that came in while the last
            // one was painted are painted together.
            Run(
                [&] {
                    for (int i = 0; i < std::abs(steps); ++i) panel_->ZoomStep({pos.x(), pos.y()}, steps > 0);
                },
                false);
            wheelNotchSteps_ = std::abs(steps);
            zoomedIn_ = steps > 0;
            AfterNotch();
        }
        event->accept();
        return;
    }
    int dx = delta.x(), dy = delta.y();
    if (event->modifiers() & Qt::ShiftModifier) std::swap(dx, dy);
    if (dx)
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() -
                                        dx * kWheelScrollPixels / kWheelNotch);
    if (dy)
        verticalScrollBar()->setValue(verticalScrollBar()->value() - dy * kWheelScrollPixels / kWheelNotch);
    event->accept();
}

// --- Auto-scroll ---

void PanelView::UpdateAutoScrollTimer() {
    const TPlatine& p = *panel_;
    const bool wanted =
        p.WillsteAutoScroll && p.State.autoScroll && p.State.scrollDirection != ScrollDirection::None;
    if (wanted && !autoScrollTimer_.isActive())
        autoScrollTimer_.start();
    else if (!wanted && autoScrollTimer_.isActive())
        autoScrollTimer_.stop();
}

void PanelView::AutoScrollTick() {
    if (callDepth_ > 0) return;
    Run([&] { panel_->AutoScrollTick(); });
}

// --- Mouse and keys ---

MouseEvent PanelView::ToMouseEvent(const QMouseEvent& event, QPoint pos) const {
    MouseEvent e;
    e.pos = {pos.x(), pos.y()};
    switch (event.button()) {
        case Qt::RightButton:
            e.button = MouseButton::Right;
            break;
        case Qt::MiddleButton:
            e.button = MouseButton::Middle;
            break;
        default:
            e.button = MouseButton::Left;
            break;
    }
    const Qt::KeyboardModifiers m = event.modifiers();
    e.shift = m & Qt::ShiftModifier;
    e.ctrl = m & Qt::ControlModifier;
    e.alt = m & Qt::AltModifier;
    return e;
}

void PanelView::mousePressEvent(QMouseEvent* event) {
    if (callDepth_ > 0) return;
    const MouseEvent e = ToMouseEvent(*event, ConfinedPosition(event->position().toPoint()));
    Run([&] { panel_->MouseDown(e); });
}

void PanelView::mouseMoveEvent(QMouseEvent* event) {
    if (callDepth_ > 0) return;
    // The pointer gone far from where the next notch was derived for, or back over the picture
    // after the zoom buttons' step was derived: derived again once it rests.
    const QPoint to = event->position().toPoint();
    if (ahead_ && (!ahead_->forPointer || (to - ahead_->at).manhattanLength() >
                                              std::min(viewport()->width(), viewport()->height()) / 8))
        RestBeforeDerivingAhead();
    MouseEvent e = ToMouseEvent(*event, ConfinedPosition(to));
    e.button = MouseButton::Left;
    Run([&] { panel_->MouseMove(e); });
}

void PanelView::mouseReleaseEvent(QMouseEvent* event) {
    if (callDepth_ > 0) return;
    const MouseEvent e = ToMouseEvent(*event, ConfinedPosition(event->position().toPoint()));
    Run([&] { panel_->MouseUp(e); });
}

void PanelView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (callDepth_ > 0) return;
    const MouseEvent e = ToMouseEvent(*event, ConfinedPosition(event->position().toPoint()));
    // In the resting mode the second press of a double-click opens the element's properties;
    // every other tool takes it as the press it is (a quick second vertex of a line).
    if (e.Left() && panel_->EditMode() == emStandard)
        Run([&] { panel_->DoubleClick(e); });
    else
        Run([&] { panel_->MouseDown(e); });
}

bool PanelView::HandleKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const std::optional<PanelKey> key = ToPanelKey(qtKey);
    if (!key || callDepth_ > 0) return false;
    bool used = false;
    Run([&] { used = panel_->KeyDown(*key, modifiers & Qt::ShiftModifier, modifiers & Qt::AltModifier); });
    return used;
}

void PanelView::keyPressEvent(QKeyEvent* event) {
    if (HandleKey(event->key(), event->modifiers())) {
        event->accept();
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

// --- Pointer ---

bool PanelView::MayMovePointer() const {
    // Only the pointer of the window the user works in is moved, never while another window
    // (or a dialog) is active.
    return isVisible() && window()->isActiveWindow() && !QApplication::activeModalWidget();
}

void PanelView::MovePointerTo(QPoint viewPos) {
    if (!MayMovePointer()) return;
    QCursor::setPos(screen(), viewport()->mapToGlobal(viewPos));
}

QPoint PanelView::ConfinedPosition(QPoint pos) {
    if (!panel_->State.pointerConfined) return pos;
    const IRect r = panel_->ConfinementRect();
    if (r.x2 <= r.x1 || r.y2 <= r.y1) return pos;
    const QPoint clamped(std::clamp(pos.x(), r.x1, r.x2 - 1), std::clamp(pos.y(), r.y1, r.y2 - 1));
    if (clamped != pos) MovePointerTo(clamped);
    return clamped;
}

bool PanelView::viewportEvent(QEvent* event) {
    // Without a pressed button the viewport sees no movement outside it: a confined pointer that
    // leaves it is put back at the nearest point of the confinement area.
    if (event->type() == QEvent::Leave && panel_->State.pointerConfined && MayMovePointer())
        ConfinedPosition(viewport()->mapFromGlobal(QCursor::pos(screen())));
    // Off the picture the next zoom is a step of the zoom buttons: derived once the view rests.
    if (event->type() == QEvent::Leave && ahead_ && ahead_->forPointer) RestBeforeDerivingAhead();
    return QAbstractScrollArea::viewportEvent(event);
}

void PanelView::CentrePointer() {
    const IRect r = panel_->ConfinementRect();
    QPoint centre(panel_->ViewWidth / 2, panel_->ViewHeight / 2);
    if (r.x2 > r.x1 && r.y2 > r.y1)
        centre = QPoint(std::clamp(centre.x(), r.x1, r.x2 - 1), std::clamp(centre.y(), r.y1, r.y2 - 1));
    MovePointerTo(centre);
}

void PanelView::ApplyPointerState() {
    const TPlatine::Interaction& s = panel_->State;
    if (s.pointerHidden) {
        viewport()->setCursor(Qt::BlankCursor);
        return;
    }
    switch (s.resizeCursor) {
        case ResizeCursor::DiagonalDown:
            viewport()->setCursor(Qt::SizeFDiagCursor);
            return;
        case ResizeCursor::DiagonalUp:
            viewport()->setCursor(Qt::SizeBDiagCursor);
            return;
        case ResizeCursor::Vertical:
            viewport()->setCursor(Qt::SizeVerCursor);
            return;
        case ResizeCursor::Horizontal:
            viewport()->setCursor(Qt::SizeHorCursor);
            return;
        case ResizeCursor::None:
            break;
    }
    viewport()->setCursor(PanelCursorShape(s.cursor));
}

}  // namespace pw
