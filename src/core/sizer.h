#pragma once
// TSizer: the handle frame around the selection. Eight handles (1 top-left, 2 top-right,
// 3 bottom-right, 4 bottom-left, 5 top middle, 6 bottom middle, 7 right middle, 8 left middle)
// lie outside the frame; dragging them resizes (mode 0) or rotates (mode 1) the selection.

#include <array>

#include "core/canvas.h"
#include "core/color.h"
#include "core/geometry.h"

namespace pw {

struct TSizer {
    int mode = 0;             // 0 resize, 1 rotate
    IRect frame;              // the selection's shape bounds, model units
    int32_t halfPen = 0;      // the frame is drawn enlarged by it
    int32_t handleSize = 12;  // model units
    Color color = 0;
    MRect startRect, currentRect, previousRect;
    std::array<MPoint, 4> corners{};
    Real startAngle = 0, stepAngle = 0;
    int grabbed = 0;
    IRect limits;
    IRect minimumSize;
    bool proportional = false;
    bool snapAngle = false;
    bool handlesVisible = true;
    bool dragging = false;

    // Builds the frame around shape bounds and pen-inclusive bounds.
    void Build(const MRect& shapeBounds, const MRect& penBounds, double zoom, Real panelWidth,
               Real panelHeight, int32_t minimumX, int32_t minimumY, Color frameColor, int frameMode);
    // The handle's square in model units.
    IRect HandleRect(int handle) const;
    // The handle under a device point (tested 1 to 6, 8, 7; the last containing it wins), or 0.
    int HandleAt(IPoint device, const Canvas& canvas) const;
    // Draws (or, drawn again, erases) the handles in exclusive-or.
    void DrawHandles(Canvas& canvas) const;
};

}  // namespace pw
