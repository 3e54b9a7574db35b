#include "ui/main/icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <cstring>
#include <functional>

namespace pw {

namespace {

constexpr int kSize = 24;
constexpr qreal kScale = 2;  // drawn at twice the size for sharp edges on dense screens

const QColor kInk(40, 44, 52);
const QColor kBlue(40, 110, 200);
const QColor kOrange(230, 130, 30);
const QColor kGreen(40, 150, 70);
const QColor kRed(200, 40, 40);
const QColor kPaper(250, 250, 245);
const QColor kPanel(200, 205, 212);

using Painter = std::function<void(QPainter&)>;

QPen Pen(const QColor& c, qreal w = 1.6) {
    QPen p(c, w);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void Sheet(QPainter& p, const QColor& fill = kPaper) {
    QPainterPath page;
    page.moveTo(6, 3);
    page.lineTo(15, 3);
    page.lineTo(19, 7);
    page.lineTo(19, 21);
    page.lineTo(6, 21);
    page.closeSubpath();
    p.setPen(Pen(kInk, 1.3));
    p.setBrush(fill);
    p.drawPath(page);
    p.drawLine(QPointF(15, 3), QPointF(15, 7));
    p.drawLine(QPointF(15, 7), QPointF(19, 7));
}

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& c) {
    p.setPen(Pen(c, 1.8));
    p.drawLine(from, to);
    const qreal a = std::atan2(to.y() - from.y(), to.x() - from.x());
    for (qreal side : {2.5, -2.5}) {
        QPointF tip(to.x() - 5 * std::cos(a + side * 0.2), to.y() - 5 * std::sin(a + side * 0.2));
        p.drawLine(to, tip);
    }
}

void Box(QPainter& p, QRectF r, const QColor& fill, const QColor& line = kInk) {
    p.setPen(Pen(line, 1.3));
    p.setBrush(fill);
    p.drawRect(r);
}

// Six alignment pictures: a reference line and two boxes pushed against it.
void Align(QPainter& p, bool vertical, int where) {
    const qreal line = where == 0 ? 4 : where == 1 ? 12 : 20;
    auto r = [&](qreal across, qreal len, qreal thick) {
        const qreal start = where == 0 ? line : where == 1 ? line - len / 2 : line - len;
        return vertical ? QRectF(across, start, thick, len) : QRectF(start, across, len, thick);
    };
    Box(p, r(4, 14, 6), kBlue);
    Box(p, r(13, 9, 6), kOrange);
    p.setPen(Pen(kRed, 1.4));
    if (vertical)
        p.drawLine(QPointF(2, line), QPointF(22, line));
    else
        p.drawLine(QPointF(line, 2), QPointF(line, 22));
}

void Contour(QPainter& p, int kind) {
    QPainterPath path;
    switch (kind) {
        case 0:  // sharp corners
            path.addRect(4, 6, 16, 12);
            break;
        case 1:  // B-spline
            path.moveTo(4, 16);
            path.cubicTo(6, 2, 12, 22, 20, 8);
            break;
        case 2:  // chamfer
            path.moveTo(4, 10);
            path.lineTo(8, 6);
            path.lineTo(16, 6);
            path.lineTo(20, 10);
            path.lineTo(20, 14);
            path.lineTo(16, 18);
            path.lineTo(8, 18);
            path.lineTo(4, 14);
            path.closeSubpath();
            break;
        default:  // rounding
            path.addRoundedRect(4, 6, 16, 12, 4.5, 4.5);
            break;
    }
    p.setPen(Pen(kBlue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// Undo and redo: a half turn over the top that ends in an arrow head, pointing back (left) or
// forward (right).
void TurnArrow(QPainter& p, bool forward) {
    p.save();
    if (forward) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    QPainterPath path;
    path.moveTo(19, 18);
    path.cubicTo(19, 6, 9, 5, 6, 11);
    p.setPen(Pen(kBlue, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QPainterPath head;
    head.moveTo(3, 7);
    head.lineTo(10, 12);
    head.lineTo(3, 15);
    head.closeSubpath();
    p.setPen(Pen(kBlue, 1.2));
    p.setBrush(kBlue);
    p.drawPath(head);
    p.restore();
}

void Rotate(QPainter& p, bool clockwise) {
    p.setPen(Pen(kBlue, 1.8));
    p.setBrush(Qt::NoBrush);
    const QRectF circle(5, 5, 14, 14);
    p.drawArc(circle, 30 * 16, 270 * 16);
    // Arrow head at the end of the arc that the rotation runs towards.
    const qreal deg = clockwise ? 30 : 300;
    const qreal a = deg * M_PI / 180;
    QPointF tip(12 + 7 * std::cos(a), 12 - 7 * std::sin(a));
    const qreal dir = clockwise ? -1 : 1;
    p.drawLine(tip, tip + QPointF(-4 * std::sin(a) * dir + 1.5, -4 * std::cos(a) * dir));
    p.drawLine(tip, tip + QPointF(-4 * std::sin(a) * dir - 2.5, -4 * std::cos(a) * dir + 2));
}

void Mirror(QPainter& p, bool topBottom) {
    p.save();
    if (topBottom) {
        p.translate(12, 12);
        p.rotate(90);
        p.translate(-12, -12);
    }
    QPolygonF left({QPointF(10, 5), QPointF(10, 19), QPointF(3, 19)});
    QPolygonF right({QPointF(14, 5), QPointF(14, 19), QPointF(21, 19)});
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(kBlue);
    p.drawPolygon(left);
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(right);
    p.setPen(QPen(kRed, 1.2, Qt::DashLine));
    p.drawLine(QPointF(12, 2), QPointF(12, 22));
    p.restore();
}

void Order(QPainter& p, bool toFront) {
    Box(p, QRectF(3, 3, 12, 12), toFront ? kPanel : kBlue);
    Box(p, QRectF(9, 9, 12, 12), toFront ? kBlue : kPanel);
    if (!toFront) Box(p, QRectF(3, 3, 12, 12), kBlue);
}

void Drill(QPainter& p, QPointF c, qreal r) {
    p.setPen(Pen(QColor(150, 150, 150), 1.2));
    p.setBrush(QColor(128, 128, 128));
    p.drawEllipse(c, r, r);
    p.setPen(Pen(Qt::white, 1));
    p.drawLine(c - QPointF(r * 0.6, 0), c + QPointF(r * 0.6, 0));
    p.drawLine(c - QPointF(0, r * 0.6), c + QPointF(0, r * 0.6));
}

struct Entry {
    const char* name;
    Painter paint;
};

const std::vector<Entry>& Table() {
    static const std::vector<Entry> table = {
        // Left tool palette.
        {"StandardBtn",
         [](QPainter& p) {
             QPolygonF arrow({QPointF(6, 3), QPointF(6, 19), QPointF(10, 15), QPointF(13, 21),
                              QPointF(15.5, 20), QPointF(12.5, 14), QPointF(18, 14)});
             p.setPen(Pen(kInk, 1.2));
             p.setBrush(Qt::white);
             p.drawPolygon(arrow);
         }},
        {"LinieBtn",
         [](QPainter& p) {
             p.setPen(Pen(kBlue, 2));
             p.drawPolyline(QPolygonF({QPointF(3, 19), QPointF(9, 7), QPointF(15, 16), QPointF(21, 4)}));
         }},
        {"RectBtn", [](QPainter& p) { Box(p, QRectF(4, 6, 16, 12), QColor(200, 220, 245), kBlue); }},
        {"KreisBtn",
         [](QPainter& p) {
             p.setPen(Pen(kBlue, 1.6));
             p.setBrush(QColor(200, 220, 245));
             p.drawEllipse(QPointF(12, 12), 8, 8);
         }},
        {"PolygonBtn",
         [](QPainter& p) {
             p.setPen(Pen(kBlue, 1.6));
             p.setBrush(QColor(200, 220, 245));
             p.drawPolygon(
                 QPolygonF({QPointF(4, 18), QPointF(7, 5), QPointF(15, 9), QPointF(20, 4), QPointF(19, 19)}));
         }},
        {"BogenBtn",
         [](QPainter& p) {
             p.setPen(Pen(kBlue, 2));
             p.drawArc(QRectF(4, 6, 16, 16), 0, 180 * 16);
             p.setPen(Pen(kInk, 1));
             p.drawPoint(QPointF(12, 14));
         }},
        {"TextBtn",
         [](QPainter& p) {
             QFont f("Liberation Serif", 15, QFont::Bold);
             p.setFont(f);
             p.setPen(kInk);
             p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, "A");
         }},
        {"BohrBtn", [](QPainter& p) { Drill(p, QPointF(12, 12), 8); }},
        {"DrehenBtn", [](QPainter& p) { Rotate(p, false); }},
        {"ZoomBtn",
         [](QPainter& p) {
             p.setPen(Pen(kInk, 1.8));
             p.setBrush(QColor(220, 235, 250));
             p.drawEllipse(QPointF(10, 10), 6, 6);
             p.setPen(Pen(kInk, 3));
             p.drawLine(QPointF(14.5, 14.5), QPointF(20, 20));
         }},
        {"MassBtn",
         [](QPainter& p) {
             p.setPen(Pen(kInk, 1.2));
             p.drawLine(QPointF(3, 6), QPointF(3, 20));
             p.drawLine(QPointF(21, 6), QPointF(21, 20));
             Arrow(p, QPointF(12, 14), QPointF(4, 14), kBlue);
             Arrow(p, QPointF(12, 14), QPointF(20, 14), kBlue);
         }},
        {"UrsprungBtn",
         [](QPainter& p) {
             p.setPen(Pen(kRed, 1.5));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(12, 12), 5, 5);
             p.drawLine(QPointF(2, 12), QPointF(22, 12));
             p.drawLine(QPointF(12, 2), QPointF(12, 22));
         }},
        {"VieleckBtn",
         [](QPainter& p) {
             QPolygonF hex;
             for (int i = 0; i < 6; ++i)
                 hex << QPointF(12 + 9 * std::cos(i * M_PI / 3), 12 + 9 * std::sin(i * M_PI / 3));
             p.setPen(Pen(kBlue, 1.6));
             p.setBrush(QColor(200, 220, 245));
             p.drawPolygon(hex);
         }},
        {"SkaleBtn",
         [](QPainter& p) {
             p.setPen(Pen(kInk, 1.3));
             for (int i = 0; i <= 8; ++i) {
                 const qreal a = (225 - i * 33.75) * M_PI / 180;
                 const qreal r1 = i % 2 == 0 ? 6 : 8;
                 p.drawLine(QPointF(12 + r1 * std::cos(a), 13 - r1 * std::sin(a)),
                            QPointF(12 + 10 * std::cos(a), 13 - 10 * std::sin(a)));
             }
             Drill(p, QPointF(12, 13), 3.5);
         }},
        {"BitmapBtn",
         [](QPainter& p) {
             Box(p, QRectF(3, 5, 18, 14), QColor(190, 220, 250));
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawPolygon(QPolygonF(
                 {QPointF(4, 18), QPointF(10, 10), QPointF(14, 15), QPointF(16, 12), QPointF(20, 18)}));
             p.setBrush(kOrange);
             p.drawEllipse(QPointF(16, 8), 2, 2);
         }},
        // ToolBar_Datei.
        {"sb_neu", [](QPainter& p) { Sheet(p); }},
        {"sb_load",
         [](QPainter& p) {
             p.setPen(Pen(kInk, 1.2));
             p.setBrush(QColor(240, 200, 90));
             p.drawPolygon(QPolygonF({QPointF(2, 7), QPointF(8, 7), QPointF(10, 9), QPointF(19, 9),
                                      QPointF(19, 19), QPointF(2, 19)}));
             p.setBrush(QColor(250, 220, 120));
             p.drawPolygon(QPolygonF({QPointF(5, 12), QPointF(22, 12), QPointF(19, 19), QPointF(2, 19)}));
         }},
        {"sb_save",
         [](QPainter& p) {
             Box(p, QRectF(4, 4, 16, 16), kBlue);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawRect(QRectF(7, 5, 10, 6));
             p.setBrush(kPanel);
             p.drawRect(QRectF(8, 14, 8, 5));
         }},
        {"sb_Print",
         [](QPainter& p) {
             Box(p, QRectF(7, 3, 10, 7), Qt::white);
             Box(p, QRectF(3, 9, 18, 8), kPanel);
             Box(p, QRectF(7, 14, 10, 7), Qt::white);
         }},
        // Toolbar_Bearbeiten.
        {"sb_copy",
         [](QPainter& p) {
             Box(p, QRectF(4, 3, 11, 13), kPaper);
             Box(p, QRectF(9, 8, 11, 13), kPaper);
         }},
        {"sb_Cut",
         [](QPainter& p) {
             p.setPen(Pen(kInk, 1.6));
             p.drawLine(QPointF(8, 3), QPointF(15, 15));
             p.drawLine(QPointF(16, 3), QPointF(9, 15));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(7, 18), 3, 3);
             p.drawEllipse(QPointF(17, 18), 3, 3);
         }},
        {"sb_insert",
         [](QPainter& p) {
             Box(p, QRectF(4, 5, 14, 16), QColor(200, 160, 100));
             Box(p, QRectF(8, 3, 6, 4), kPanel);
             Box(p, QRectF(10, 10, 10, 11), kPaper);
         }},
        {"sb_Dub",
         [](QPainter& p) {
             Box(p, QRectF(3, 3, 11, 11), kBlue);
             Box(p, QRectF(10, 10, 11, 11), QColor(200, 220, 245));
         }},
        {"SB_Del",
         [](QPainter& p) {
             p.setPen(Pen(kRed, 2.6));
             p.drawLine(QPointF(6, 6), QPointF(18, 18));
             p.drawLine(QPointF(18, 6), QPointF(6, 18));
         }},
        {"sb_undo", [](QPainter& p) { TurnArrow(p, false); }},
        {"sb_redo", [](QPainter& p) { TurnArrow(p, true); }},
        // ToolBar_Anordnen.
        {"sb_gruppieren",
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1, Qt::DashLine));
             p.setBrush(Qt::NoBrush);
             p.drawRect(QRectF(2, 2, 20, 20));
             Box(p, QRectF(5, 5, 8, 8), kBlue);
             Box(p, QRectF(11, 11, 8, 8), kOrange);
         }},
        {"sb_GruppeAufloesen",
         [](QPainter& p) {
             Box(p, QRectF(2, 2, 8, 8), kBlue);
             Box(p, QRectF(14, 14, 8, 8), kOrange);
             p.setPen(QPen(kInk, 1, Qt::DotLine));
             p.drawLine(QPointF(4, 20), QPointF(20, 4));
         }},
        {"an_vorne", [](QPainter& p) { Order(p, true); }},
        {"an_Hinten", [](QPainter& p) { Order(p, false); }},
        {"an_Horizontal", [](QPainter& p) { Mirror(p, true); }},
        {"an_vertikal", [](QPainter& p) { Mirror(p, false); }},
        // Toolbar_Ansicht.
        {"RasterBtn",
         [](QPainter& p) {
             p.setPen(Pen(QColor(120, 120, 120), 1));
             for (int i = 4; i <= 20; i += 4) {
                 p.drawLine(QPointF(i, 3), QPointF(i, 21));
                 p.drawLine(QPointF(3, i), QPointF(21, i));
             }
         }},
        {"UmrissBtn",
         [](QPainter& p) {
             p.setPen(Pen(kInk, 1.2));
             p.setBrush(Qt::black);
             p.drawPie(QRectF(4, 4, 16, 16), 90 * 16, 180 * 16);
             p.setBrush(Qt::white);
             p.drawPie(QRectF(4, 4, 16, 16), 270 * 16, 180 * 16);
         }},
        {"MasseBtn",
         [](QPainter& p) {
             Arrow(p, QPointF(12, 12), QPointF(3, 12), kInk);
             Arrow(p, QPointF(12, 12), QPointF(21, 12), kInk);
         }},
        {"BohrenBtn", [](QPainter& p) { Drill(p, QPointF(12, 12), 7); }},
        {"SymboleBtn",
         [](QPainter& p) {
             Box(p, QRectF(3, 6, 8, 12), kOrange);
             p.setPen(Pen(kBlue, 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(16, 12), 5, 5);
         }},
        // ToolBar_ausrichten.
        {"ar_links", [](QPainter& p) { Align(p, false, 0); }},
        {"ar_hMitte", [](QPainter& p) { Align(p, false, 1); }},
        {"ar_rechts", [](QPainter& p) { Align(p, false, 2); }},
        {"ar_oben", [](QPainter& p) { Align(p, true, 0); }},
        {"ar_vMitte", [](QPainter& p) { Align(p, true, 1); }},
        {"ar_unten", [](QPainter& p) { Align(p, true, 2); }},
        // Kontur_Panel, Drehen_Panel, ToolBar_Fraesen.
        {"sB_KonturNormal", [](QPainter& p) { Contour(p, 0); }},
        {"sb_Splines", [](QPainter& p) { Contour(p, 1); }},
        {"sb_Fase", [](QPainter& p) { Contour(p, 2); }},
        {"sb_Runden", [](QPainter& p) { Contour(p, 3); }},
        {"WinkelLinksBtn", [](QPainter& p) { Rotate(p, false); }},
        {"WinkelRechtsBtn", [](QPainter& p) { Rotate(p, true); }},
        {"sb_Normal",
         [](QPainter& p) {
             p.setPen(Pen(kInk, 1.6));
             p.setBrush(QColor(200, 220, 245));
             p.drawRoundedRect(QRectF(4, 6, 16, 12), 3, 3);
         }},
        {"sb_Fraesen",
         [](QPainter& p) {
             p.setPen(Pen(QColor(90, 90, 90), 1.6));
             p.setBrush(QColor(128, 128, 128));
             p.drawRoundedRect(QRectF(4, 6, 16, 12), 3, 3);
         }},
    };
    return table;
}

}  // namespace

QIcon ToolIcon(const char* buttonName) {
    for (const Entry& e : Table()) {
        if (std::strcmp(e.name, buttonName) != 0) continue;
        QPixmap pixmap(kSize * kScale, kSize * kScale);
        pixmap.setDevicePixelRatio(kScale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        e.paint(p);
        p.end();
        return QIcon(pixmap);
    }
    return {};
}

}  // namespace pw
