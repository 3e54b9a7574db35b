#include "ui/print/print_preview.h"

#include <QMouseEvent>
#include <QPainter>

#include "panel/tools/mouse_event.h"
#include "render/print_sheet.h"
#include "render/render_targets.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/panel/panel_cursors.h"
#include "ui/print/print_session.h"

namespace pw {

namespace {

constexpr Color kGround = 0x808080;
const QColor kSilver(0xC0, 0xC0, 0xC0);

QRectF Rect(double left, double top, double width, double height) {
    return QRectF(left, top, width, height);
}

QRectF PrintableRect(const SheetGeometry& d) {
    return Rect(d.originX, d.originY, d.printableWidth, d.printableHeight);
}

void Paper(QPainter& p, const QRectF& paper) {
    p.save();
    p.setPen(QPen(kSilver, 0));
    p.setBrush(Qt::white);
    p.drawRect(paper.toRect());
    p.restore();
}

void DashedOutline(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(QPen(kSilver, 0, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.toRect());
    p.restore();
}

}  // namespace

PrintPreview::PrintPreview(PrintSession& session, QWidget* parent) : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMinimumSize(200, 200);
    setAttribute(Qt::WA_OpaquePaintEvent);
    Refresh();
}

bool PrintPreview::Draggable() const {
    const PrintSettings& s = session_.Settings();
    return !s.WillsteMittig && !s.split;
}

void PrintPreview::Refresh() {
    if (Draggable()) {
        setCursor(PanelCursorShape(crHand));
        setToolTip(TrQ("Ausdruck verschieben...", "Adjust printout..."));
    } else {
        unsetCursor();
        setToolTip(QString());
    }
    update();
}

QImage PrintPreview::Picture() {
    ImageTarget target(std::max(width(), 1), std::max(height(), 1), kGround);
    const PrintPlan plan = session_.Plan();
    if (plan.settings.split)
        PaintAssembly(target.Canvas(), plan);
    else
        PaintOneSheet(target.Canvas(), plan);
    return target.Finish();
}

void PrintPreview::PaintOneSheet(QtCanvas& canvas, const PrintPlan& plan) {
    const PreviewFrame f = FramePreview(plan.sheet, width(), height());
    const SheetGeometry device = PreviewSheet(plan.sheet, f);
    Paper(canvas.Painter(), Rect(f.paperLeft, f.paperTop, f.paperWidth, f.paperHeight));
    DashedOutline(canvas.Painter(), PrintableRect(device));
    if (dragging_)
        PaintCopyOutlines(canvas, plan, device);
    else
        PaintSheet(session_.Panel(), canvas, plan, 0, device);
}

void PrintPreview::PaintAssembly(QtCanvas& canvas, const PrintPlan& plan) {
    const SheetSplit& split = plan.split;
    const PreviewFrame f = FramePreview(AssemblyGeometry(split, plan.sheet, plan.scale), width(), height());
    SheetGeometry device = PreviewSheet(plan.sheet, f);
    const PrintScale scale = ScaleOf(device, plan.settings.Divisor(), plan.calibration);
    std::vector<SheetGeometry> sheets;
    for (int i = 0; i < split.SheetCount(); ++i) {
        const MPoint place = SheetPlace(split, scale, i / split.columns,
                                        split.AssemblyColumn(i % split.columns, plan.settings.mirrored));
        device.originX = f.pageLeft + static_cast<double>(place.x);
        device.originY = f.pageTop + static_cast<double>(place.y);
        sheets.push_back(device);
        Paper(canvas.Painter(), PrintableRect(device));
    }
    for (int i = 0; i < split.SheetCount(); ++i) PaintSheet(session_.Panel(), canvas, plan, i, sheets[i]);
    for (const SheetGeometry& d : sheets) DashedOutline(canvas.Painter(), PrintableRect(d));
}

void PrintPreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, Picture());
}

void PrintPreview::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !Draggable()) return;
    dragging_ = true;
    previous_ = event->position().toPoint();
    update();
}

void PrintPreview::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint now = event->position().toPoint();
    const PrintPlan plan = session_.Plan();
    const SheetGeometry device = PreviewSheet(plan.sheet, FramePreview(plan.sheet, width(), height()));
    PrintSettings& s = session_.Settings();
    const IPoint moved = DraggedOffsets({s.offsetX, s.offsetY}, {previous_.x(), previous_.y()},
                                        {now.x(), now.y()}, device.dpiX / 25.4 * plan.calibration.h,
                                        device.dpiY / 25.4 * plan.calibration.v, s.Divisor(), s.mirrored);
    s.offsetX = moved.x;
    s.offsetY = moved.y;
    previous_ = now;
    update();
}

void PrintPreview::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    update();
    emit OffsetsChanged();
}

}  // namespace pw
