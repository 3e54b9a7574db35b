#pragma once
// Hatch patterns as geometry, for vector devices: PDF and SVG writers would scale a pattern
// brush's 8-dot cell to their own (tiny) dots, so an area is hatched by stripes cut to its shape.

#include <QPainterPath>

#include "core/canvas.h"

namespace pw {

// The part of the shape covered by the hatch lines of the style: lines of the given width,
// `spacing` apart, placed on multiples of the spacing from the device origin (as the cells of a
// pattern brush are). Horizontal lines lie at y = k * spacing, vertical ones at x = k * spacing,
// forward diagonals (top left to bottom right) on x - y = k * spacing, backward diagonals on
// x + y = k * spacing. Empty for solid, clear and unknown styles.
QPainterPath VectorHatch(const QPainterPath& shape, TBrushStyle style, double spacing, double width);

}  // namespace pw
