#include "ui/dialogs/colour_swatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace pw {

ColourSwatch::ColourSwatch(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(60, 24);
    setCursor(Qt::PointingHandCursor);
}

void ColourSwatch::SetColour(Color colour) {
    colour_ = colour & 0xFFFFFF;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent* event) {
    {
        QPainter p(this);
        p.fillRect(contentsRect(), QColor(RedOf(colour_), GreenOf(colour_), BlueOf(colour_)));
    }
    QFrame::paintEvent(event);
}

void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QFrame::mouseReleaseEvent(event);
}

}  // namespace pw
