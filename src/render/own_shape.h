#pragma once
// The pixels of one shape that the Qt canvas draws itself on an image (see qt_canvas.h), and
// what they depend on beyond the shape's own points, so that they can be kept for the next paint
// (shape_cache.h) and drawn again as long as nothing of it changes.

#include <cstdint>
#include <vector>

#include "core/canvas.h"
#include "render/wide_stroke.h"

namespace pw {

// Fill runs, drawn with the brush (solid or hatched), then the outline, drawn with the pen: runs
// under a wide pen, single pixels under a one-pixel pen (a kept shape has them packed into runs).
// Colours are not part of it.
struct OwnShape {
    std::vector<PixelRun> fill;
    std::vector<PixelRun> outlineRuns;
    std::vector<IPoint> outlinePixels;

    void Clear() {
        fill.clear();
        outlineRuns.clear();
        outlinePixels.clear();
    }
};

// Everything the pixels of a shape depend on besides its points: the call, an ellipse's device
// box, the mapping, the drawable area, the pen's kind and width and whether and how it fills.
struct OwnShapeKey {
    ShapeCall call = ShapeCall::Polyline;
    IRect box;
    IPoint windowOrg, windowExt, viewportOrg, viewportExt;
    IRect area;
    // -1: no outline, 0: one pixel, otherwise the device width of a wide pen.
    int32_t outline = -1;
    bool filled = false;
    FillMode fillMode = FillMode::Alternate;

    friend bool operator==(const OwnShapeKey&, const OwnShapeKey&) = default;
};

}  // namespace pw
