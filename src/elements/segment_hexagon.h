#pragma once
// The hexagon around one segment of a line: the segment widened by the hit tolerance on both
// sides and extended by it beyond both ends, with pointed ends. Hit tests and regions of
// lines and contours are made of these.

#include <array>

#include "core/canvas.h"
#include "core/geometry.h"
#include "core/region.h"

namespace pw {

// Half width of the hexagon for a pen width: 0.8 of the width, at least 20 units.
int32_t HexagonTolerance(Real penWidth);

// The closed outline (seven points, the last equal to the first) in model units. For hit
// tests a segment without horizontal or vertical extent counts as one unit long in that
// direction, which tilts the outline slightly.
std::array<IPoint, 7> SegmentHexagon(MPoint a, MPoint b, Real penWidth, bool forHitTest);

// The outline converted to device pixels as a polygon region (winding fill).
Region DeviceHexagon(const std::array<IPoint, 7>& hexagon, const Canvas& canvas);

}  // namespace pw
