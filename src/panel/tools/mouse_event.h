#pragma once
// The input the panel's mouse tools work on, free of any window system: a pointer event in view
// pixels (the visible area's client coordinates, scroll position not included) with its button
// and modifier keys, the keys the panel handles, and the cursor shapes the view shows.

#include "core/geometry.h"

namespace pw {

enum class MouseButton { Left, Right, Middle };

struct MouseEvent {
    IPoint pos;  // view pixels
    MouseButton button = MouseButton::Left;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    bool Left() const { return button == MouseButton::Left; }
    bool Right() const { return button == MouseButton::Right; }
};

// Keys the panel reacts to.
enum class PanelKey { Left, Up, Right, Down, Delete, Backspace, Escape };

// Numbered cursors the program draws for the panel (0 is the normal arrow).
enum PanelCursor : int {
    crArrow = 0,
    crLupe = 1,
    crFinger = 2,
    crLoeten = 3,
    crHand = 4,
    crKolben = 5,
    crKolbenDraht = 6,
    crKolbenAnschluss = 8,
    crKolbenPin = 9,
    crStift = 10,
    crStiftCirc = 11,
    crStiftRect = 12,
    crStiftPoly = 13,
    crStiftText = 14,
    crZirkel = 15,
    crStiftBmp = 16,
    crRotate = 17,
};

// The platform's resize cursors shown over the handles of the selection frame; while one is
// set it takes the place of the numbered cursor.
enum class ResizeCursor { None, DiagonalDown, DiagonalUp, Vertical, Horizontal };

// Where the pointer rests near the view's edge, for auto-scrolling.
enum class ScrollDirection { None, Up, Down, Left, Right };

}  // namespace pw
