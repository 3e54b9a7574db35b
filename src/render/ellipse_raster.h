#pragma once
// Ellipses on a raster image, pixel for pixel as the Qt painter draws the path of an ellipse
// without smoothing: the path is four cubic curves around the box (Qt's arc constant); the fill
// flattens them as the painter's outline does and scan-converts the polygon on its 1/64-pixel
// grid (scan_fill.h); a one-pixel outline subdivides them as the painter's stroker does and steps
// the pieces as hairline.h does. Valid where the painter clips nothing: the box well inside the
// image.

#include <vector>

#include "core/canvas.h"
#include "render/hairline.h"
#include "render/wide_stroke.h"

namespace pw {

struct EllipseBox {
    double x = 0, y = 0, width = 0, height = 0;
};

// Adds the runs of the filled ellipse.
void AddEllipseFill(const EllipseBox& box, const IRect& area, std::vector<PixelRun>& runs);

// Draws the ellipse's outline one pixel wide.
void AddEllipseOutline(const EllipseBox& box, Hairline& line);

}  // namespace pw
