#include "ui/main/ruler.h"

#include <QPainter>

#include "ui/main/ruler_scale.h"

namespace pw {

namespace {

const QColor kBackground(255, 255, 219);
const QColor kTickGrey(128, 128, 128);

}  // namespace

Ruler::Ruler(Qt::Orientation orientation, QWidget* parent) : QWidget(parent), orientation_(orientation) {
    if (orientation == Qt::Horizontal)
        setFixedHeight(kThickness);
    else
        setFixedWidth(kThickness);
    setAutoFillBackground(false);
}

QSize Ruler::sizeHint() const {
    return {kThickness, kThickness};
}

void Ruler::SetView(const ViewMapping& view, double originMm, int length) {
    originMm_ = originMm;
    scroll_ = orientation_ == Qt::Horizontal ? view.Scroll().x : view.Scroll().y;
    zoom_ = view.Zoom();
    length_ = length;
    update();
}

void Ruler::SetMarker(int position) {
    if (position == marker_) return;
    marker_ = position;
    update();
}

void Ruler::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    const bool horizontal = orientation_ == Qt::Horizontal;
    const int across = horizontal ? height() : width();
    const int along = horizontal ? width() : height();
    QFont font("Arial");
    font.setPointSize(7);
    p.setFont(font);
    auto line = [&](int pos, int from, int to) {
        if (horizontal)
            p.drawLine(pos, from, pos, to);
        else
            p.drawLine(from, pos, to, pos);
    };
    p.setPen(kTickGrey);
    if (horizontal)
        p.drawLine(0, 0, 0, across);
    else
        p.drawLine(0, 0, across, 0);

    const RulerLayout layout = LayoutRuler(originMm_, scroll_, length_, zoom_);
    for (int pos : layout.minor) line(pos, 25, across);
    for (const RulerTick& t : layout.main) {
        p.setPen(t.origin ? Qt::black : kTickGrey);
        line(t.pixel, 0, across);
        p.setPen(Qt::black);
        const QString label = QString::fromStdString(RulerLabel(t.value));
        if (horizontal)
            p.drawText(QPoint(t.pixel + 3, 2 + p.fontMetrics().ascent()), label);
        else
            p.drawText(QPoint(2, t.pixel + 3 + p.fontMetrics().ascent()), label);
    }
    p.setPen(kTickGrey);
    if (horizontal)
        p.drawLine(0, 0, along, 0);
    else
        p.drawLine(across - 1, 0, across - 1, along);

    // The cursor marker: 3 x 10 pixels at 20 from the ruler's edge.
    if (horizontal)
        p.fillRect(QRect(marker_, 20, 3, 10), Qt::red);
    else
        p.fillRect(QRect(20, marker_, 10, 3), Qt::red);
}

}  // namespace pw
