#pragma once
// Filling polygon sets with whole-numbered device points on a raster image, pixel for pixel as
// the Qt painter fills them without smoothing, but without building a path and outline for
// every call. The rule: each edge counts on the rows whose centre lies below its upper end and
// not below its lower end; its crossing on the first such row is found in 16.16 fixed point
// from a slope rounded toward zero and then stepped down row by row; a pixel is inside when the
// crossings at or left of it add up to an odd count (alternate) or a non-zero winding.
//
// Valid for points inside the painter's clip columns (where the painter clips no edge); the
// caller checks that.

#include <cstdint>
#include <vector>

#include "core/canvas.h"
#include "render/wide_stroke.h"

namespace pw {

// Adds the runs of the filled polygons (each closed back to its first point) within the rows and
// columns of area; they come sorted by row and column and cover each pixel once.
void AddPolygonFill(const IPoint* pts, const int32_t* counts, size_t polygons, FillMode mode,
                    const IRect& area, std::vector<PixelRun>& runs);

// The same for points given in 1/64 pixel (the painter's own grid for the outlines of curves).
void AddSubpixelPolygonFill(const IPoint* pts, const int32_t* counts, size_t polygons, FillMode mode,
                            const IRect& area, std::vector<PixelRun>& runs);

}  // namespace pw
