#include "ui/panel/panel_cursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <map>

#include "panel/tools/mouse_event.h"

namespace pw {

namespace {

constexpr int kSize = 32;
const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kMetal(200, 200, 200);

// One style for every cursor: shapes filled white (or the given fill) and outlined in black.
class CursorPainter {
  public:
    explicit CursorPainter(QPixmap& pixmap) : p_(&pixmap) {
        p_.setRenderHint(QPainter::Antialiasing);
        Outline(1.5);
    }
    QPainter& P() { return p_; }
    void Outline(double width) {
        QPen pen(kInk, width);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        p_.setPen(pen);
    }
    void Shape(const QPainterPath& path, const QColor& fill = kPaper) {
        p_.setBrush(fill);
        p_.drawPath(path);
    }
    void Polygon(const QPolygonF& poly, const QColor& fill = kPaper) {
        p_.setBrush(fill);
        p_.drawPolygon(poly);
    }
    // A line drawn white with a black edge, so that it shows on any ground.
    void EdgedLine(QPointF a, QPointF b, double width) {
        p_.setPen(QPen(kInk, width + 2, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(a, b);
        p_.setPen(QPen(kPaper, width, Qt::SolidLine, Qt::RoundCap));
        p_.drawLine(a, b);
        Outline(1.5);
    }

  private:
    QPainter p_;
};

QPixmap Blank() {
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    return pm;
}

// A pen lying from its tip at (2, 29) up to the right, along 45 degrees.
void DrawPen(CursorPainter& c) {
    QPainter& p = c.P();
    p.save();
    p.translate(2.5, 29.5);
    p.rotate(-45);
    // Along +x: the sharpened tip, the wooden cone, the body and the cap.
    c.Polygon(QPolygonF({{0, 0}, {8, -3.5}, {8, 3.5}}), QColor(235, 215, 170));
    c.Polygon(QPolygonF({{0, 0}, {3, -1.3}, {3, 1.3}}), kInk);
    QPainterPath body;
    body.addRect(8, -3.5, 17, 7);
    c.Shape(body);
    QPainterPath cap;
    cap.addRoundedRect(25, -3.5, 5, 7, 1.5, 1.5);
    c.Shape(cap, kMetal);
    p.restore();
}

// A soldering iron lying from the tip of its bit at (2, 29) up to the right: bit, shaft, grip.
void DrawIron(CursorPainter& c) {
    QPainter& p = c.P();
    p.save();
    p.translate(2.5, 29.5);
    p.rotate(-45);
    c.Polygon(QPolygonF({{0, 0}, {6, -1.8}, {6, 1.8}}), kMetal);
    QPainterPath shaft;
    shaft.addRect(6, -1.8, 10, 3.6);
    c.Shape(shaft, kMetal);
    QPainterPath grip;
    grip.addRoundedRect(16, -4, 17, 8, 3, 3);
    c.Shape(grip);
    p.drawLine(QPointF(20, -4), QPointF(20, 4));
    p.restore();
}

// Small signs beside the tool, in the free corner at the bottom right.
void BadgeCircle(CursorPainter& c) {
    QPainterPath path;
    path.addEllipse(QPointF(24, 23), 6, 6);
    c.Shape(path);
}

void BadgeRect(CursorPainter& c) {
    QPainterPath path;
    path.addRect(18.5, 18.5, 11, 9);
    c.Shape(path);
}

void BadgePoly(CursorPainter& c) {
    c.Polygon(QPolygonF({{24, 16.5}, {30.5, 21.5}, {28, 29.5}, {20, 29.5}, {17.5, 21.5}}));
}

void BadgeText(CursorPainter& c) {
    QPainterPath path;
    QFont font("Liberation Sans");
    font.setPixelSize(14);
    font.setBold(true);
    path.addText(QPointF(18.5, 30), font, "A");
    c.Outline(1.2);
    c.Shape(path);
    c.Outline(1.5);
}

void BadgePicture(CursorPainter& c) {
    QPainterPath frame;
    frame.addRect(17.5, 18.5, 13, 11);
    c.Shape(frame);
    c.Polygon(QPolygonF({{19, 28}, {23, 22.5}, {26, 26}, {27.5, 24.5}, {29.5, 28}}), kInk);
}

void BadgeSolder(CursorPainter& c) {
    QPainterPath drop;
    drop.addEllipse(QPointF(5, 26), 3.2, 3.2);
    c.Shape(drop, kMetal);
}

void BadgeWire(CursorPainter& c) {
    QPainterPath wire;
    wire.moveTo(16, 29);
    wire.cubicTo(20, 20, 25, 31, 30, 21);
    c.P().setBrush(Qt::NoBrush);
    c.P().setPen(QPen(kInk, 3.5, Qt::SolidLine, Qt::RoundCap));
    c.P().drawPath(wire);
    c.P().setPen(QPen(QColor(200, 120, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    c.P().drawPath(wire);
    c.Outline(1.5);
}

void BadgeConnection(CursorPainter& c) {
    QPainterPath pad;
    pad.addEllipse(QPointF(24, 24), 6, 6);
    pad.addEllipse(QPointF(24, 24), 2.5, 2.5);
    pad.setFillRule(Qt::OddEvenFill);
    c.Shape(pad, QColor(220, 170, 60));
}

void BadgePin(CursorPainter& c) {
    QPainterPath pad;
    pad.addRect(18.5, 24.5, 11, 5);
    c.Shape(pad, QColor(220, 170, 60));
    QPainterPath pin;
    pin.addRect(22.5, 15.5, 3, 9);
    c.Shape(pin, kMetal);
}

CursorImage Magnifier() {
    QPixmap pm = Blank();
    {
        CursorPainter c(pm);
        c.EdgedLine({19, 19}, {29, 29}, 3.5);
        QPainterPath lens;
        lens.addEllipse(QPointF(12, 12), 9, 9);
        lens.addEllipse(QPointF(12, 12), 6.5, 6.5);
        lens.setFillRule(Qt::OddEvenFill);
        c.Shape(lens);
        c.P().setPen(QPen(kInk, 1));
        c.P().drawLine(QPointF(9.5, 12), QPointF(14.5, 12));
        c.P().drawLine(QPointF(12, 9.5), QPointF(12, 14.5));
    }
    return {pm, {12, 12}};
}

CursorImage Finger() {
    QPixmap pm = Blank();
    {
        CursorPainter c(pm);
        QPainterPath hand;
        // The index finger points up; the other fingers are folded into the palm.
        hand.moveTo(11, 3);
        hand.arcTo(11, 1, 4, 4, 180, -180);
        hand.lineTo(15, 13);
        hand.arcTo(15, 11, 4, 4, 180, -180);
        hand.lineTo(19, 14);
        hand.arcTo(19, 12, 4, 4, 180, -180);
        hand.lineTo(23, 15);
        hand.arcTo(23, 13, 4, 4, 180, -180);
        hand.lineTo(27, 24);
        hand.quadTo(27, 30, 21, 30);
        hand.lineTo(15, 30);
        hand.quadTo(11, 30, 9, 26);
        hand.lineTo(5, 19);
        hand.quadTo(4, 16, 7, 16);
        hand.lineTo(11, 20);
        hand.closeSubpath();
        c.Shape(hand);
        c.P().drawLine(QPointF(15, 13), QPointF(15, 19));
        c.P().drawLine(QPointF(19, 14), QPointF(19, 19));
        c.P().drawLine(QPointF(23, 15), QPointF(23, 19));
    }
    return {pm, {13, 1}};
}

CursorImage Hand() {
    QPixmap pm = Blank();
    {
        CursorPainter c(pm);
        QPainterPath hand;
        // An open hand: four fingers, the thumb to the left, the palm below.
        hand.moveTo(9, 16);
        hand.lineTo(9, 7);
        hand.arcTo(9, 5, 4, 4, 180, -180);
        hand.lineTo(13, 5);
        hand.arcTo(13, 3, 4, 4, 180, -180);
        hand.lineTo(17, 5);
        hand.arcTo(17, 3, 4, 4, 180, -180);
        hand.lineTo(21, 7);
        hand.arcTo(21, 5, 4, 4, 180, -180);
        hand.lineTo(25, 20);
        hand.quadTo(25, 30, 17, 30);
        hand.quadTo(11, 30, 8, 25);
        hand.lineTo(3, 17);
        hand.quadTo(2, 13, 6, 14);
        hand.closeSubpath();
        c.Shape(hand);
        c.P().drawLine(QPointF(13, 6), QPointF(13, 15));
        c.P().drawLine(QPointF(17, 6), QPointF(17, 15));
        c.P().drawLine(QPointF(21, 7), QPointF(21, 15));
    }
    return {pm, {15, 16}};
}

CursorImage Compass() {
    QPixmap pm = Blank();
    {
        CursorPainter c(pm);
        // The needle leg stands on the hot spot at the bottom left, the pencil leg to the right.
        c.EdgedLine({15, 6}, {4, 29}, 2.5);
        c.EdgedLine({17, 6}, {27, 27}, 2.5);
        c.Polygon(QPolygonF({{26, 25}, {29.5, 30.5}, {28.5, 24}}), kInk);
        QPainterPath hinge;
        hinge.addEllipse(QPointF(16, 6), 3.5, 3.5);
        c.Shape(hinge, kMetal);
        QPainterPath handle;
        handle.addRect(15, 0.5, 2, 2.5);
        c.Shape(handle);
    }
    return {pm, {4, 29}};
}

CursorImage Rotate() {
    QPixmap pm = Blank();
    {
        CursorPainter c(pm);
        QPainterPath arc;
        arc.arcMoveTo(5, 5, 22, 22, 60);
        arc.arcTo(5, 5, 22, 22, 60, 270);
        c.P().setBrush(Qt::NoBrush);
        c.P().setPen(QPen(kInk, 5, Qt::SolidLine, Qt::FlatCap));
        c.P().drawPath(arc);
        c.P().setPen(QPen(kPaper, 2.5, Qt::SolidLine, Qt::FlatCap));
        c.P().drawPath(arc);
        c.Outline(1.5);
        // The arrow head at the arc's end, pointing on counter-clockwise.
        const QPointF tip = arc.pointAtPercent(1.0);
        c.Polygon(QPolygonF({tip + QPointF(-5, -3), tip + QPointF(5, -3), tip + QPointF(0, 5)}));
        c.P().setPen(QPen(kInk, 1));
        c.P().drawLine(QPointF(14, 16), QPointF(18, 16));
        c.P().drawLine(QPointF(16, 14), QPointF(16, 18));
    }
    return {pm, {16, 16}};
}

template <class Badge>
CursorImage PenWith(Badge badge) {
    QPixmap pm = Blank();
    {
        CursorPainter c(pm);
        badge(c);
        DrawPen(c);
    }
    return {pm, {2, 29}};
}

template <class Badge>
CursorImage IronWith(Badge badge) {
    QPixmap pm = Blank();
    {
        CursorPainter c(pm);
        DrawIron(c);
        badge(c);
    }
    return {pm, {2, 29}};
}

void NoBadge(CursorPainter&) {}

}  // namespace

CursorImage PanelCursorImage(int number) {
    switch (number) {
        case crLupe:
            return Magnifier();
        case crFinger:
            return Finger();
        case crLoeten:
            return IronWith(BadgeSolder);
        case crHand:
            return Hand();
        case crKolben:
            return IronWith(NoBadge);
        case crKolbenDraht:
            return IronWith(BadgeWire);
        case crKolbenAnschluss:
            return IronWith(BadgeConnection);
        case crKolbenPin:
            return IronWith(BadgePin);
        case crStift:
            return PenWith(NoBadge);
        case crStiftCirc:
            return PenWith(BadgeCircle);
        case crStiftRect:
            return PenWith(BadgeRect);
        case crStiftPoly:
            return PenWith(BadgePoly);
        case crStiftText:
            return PenWith(BadgeText);
        case crZirkel:
            return Compass();
        case crStiftBmp:
            return PenWith(BadgePicture);
        case crRotate:
            return Rotate();
        default:
            return {};
    }
}

QCursor PanelCursorShape(int number) {
    static std::map<int, QCursor> made;
    auto it = made.find(number);
    if (it != made.end()) return it->second;
    CursorImage image = PanelCursorImage(number);
    QCursor cursor = image.pixmap.isNull() ? QCursor(Qt::ArrowCursor)
                                           : QCursor(image.pixmap, image.hotSpot.x(), image.hotSpot.y());
    made.emplace(number, cursor);
    return cursor;
}

}  // namespace pw
