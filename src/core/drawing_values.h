#pragma once
// The values the pen, brush and font windows hold and hand to a panel as its drawing
// attributes: the current pen, brush and font.

#include <cstdint>

#include "core/bauteil.h"
#include "core/canvas.h"
#include "core/color.h"
#include "core/font.h"

namespace pw {

// The current pen of the pen window: width in model units, colour, pattern.
struct PenValues {
    int32_t width = 25;
    Color color = 0;
    TPattern pattern = ptDurchgezogen;
};

// The current brush of the brush window.
struct BrushValues {
    Color color = 0;
    TBrushStyle style = bsClear;
};

// The current font of the font window and its colour.
struct FontValues {
    FontSpec font;
    Color color = 0;
};

}  // namespace pw
