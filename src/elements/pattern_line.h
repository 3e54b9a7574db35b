#pragma once
// The dash generator for dotted, dashed and dash-dotted pens. The platform's pen styles are
// not used: the pieces are drawn as short lines with the current pen, so they scale with the
// pen width on every canvas.

#include "core/bauteil.h"
#include "core/canvas.h"

namespace pw {

// Draws one patterned segment from the canvas's current position to target (logical units).
// The step of the pattern is period + 2 x the canvas's pen width; a segment shorter than half
// a step is drawn solid. ptDurchgezogen draws a solid line; other patterns draw nothing.
void DrawPatternLine(Canvas& canvas, IPoint target, int32_t period, TPattern pattern);

// Pattern repetitions per segment are limited so that absurd coordinates cannot stall drawing.
inline constexpr int32_t kMaxPatternSteps = 100000;

}  // namespace pw
