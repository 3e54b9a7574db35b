#pragma once
// The numbered cursors of the panel (PanelCursor): drawn for this program at run time, 32 x 32
// pixels, black outlines around white shapes so that they show on light and dark panels alike.
// The pen cursors point with the pen's tip at the bottom left, the soldering irons with the
// bit's tip; the magnifier's hot spot is the centre of its lens, the finger's its tip, the hand
// and the rotate arrow take the middle. 0 and unknown numbers are the platform's arrow.

#include <QCursor>
#include <QPixmap>
#include <QPoint>

namespace pw {

struct CursorImage {
    QPixmap pixmap;
    QPoint hotSpot;
};

// The picture of a numbered cursor; a null pixmap for 0 and numbers without a picture.
CursorImage PanelCursorImage(int number);

// The cursor for a number (made once, then kept).
QCursor PanelCursorShape(int number);

}  // namespace pw
