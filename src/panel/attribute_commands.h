#pragma once
// The side windows' events as the main window handles them: a change event (OnStiftwechsel,
// OnFuellWechsel, OnFontwechsel) copies the window's current values into the panel's current
// drawing attributes, with which new elements are made; an apply event (OnZuweisen, with the
// pressed button's code) takes the undo snapshot, copies the values the same way and applies
// some of them to the selected elements.

#include <vector>

#include "core/drawing_values.h"
#include "panel/platine.h"

namespace pw {

enum class SideWindow { Pen, Brush, Font };

// The attributes an apply event with this code applies, in order; none for unknown codes.
std::vector<Attribute> AppliedAttributes(SideWindow window, int code);

// OnStiftwechsel, OnFuellWechsel, OnFontwechsel. A brush fills unless its style is bsClear
// ("ohne Füllung").
void TakePen(TPlatine& panel, const PenValues& pen);
void TakeBrush(TPlatine& panel, const BrushValues& brush);
void TakeFont(TPlatine& panel, const FontValues& font);

// OnZuweisen of the pen window (codes 0 all, 1 colour, 2 width, 3 pattern), of the brush
// window (0 all, 1 colour, 2 style with fill flag) and of the font window (0 all, 1 name,
// 2 height, 3 colour, 4 style; texts only).
void AssignPen(TPlatine& panel, int code, const PenValues& pen);
void AssignBrush(TPlatine& panel, int code, const BrushValues& brush);
void AssignFont(TPlatine& panel, int code, const FontValues& font);

}  // namespace pw
