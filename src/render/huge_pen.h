#pragma once
// Strokes of round pens wider than the area they are seen in, for the painter's devices (PDF,
// SVG, printer, smoothed images). The painter takes pens of at most 32767 units, strokes round
// ends and corners with curves whose error grows with the pen, and works and writes in the
// size of the pen; so such a stroke is handed to it as the area to fill instead: the stroke cut
// to the visible area, made of pieces whose size and number follow that area.
//
// A round pen along a polyline covers the union of its segments' capsules (the band along each
// segment and the dot at each end). Each piece is cut to the area: the band exactly, the dot as
// the sector of it that faces the area, its rim flattened to within kRimTolerance.

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

namespace pw {

// Largest distance, in device units, of the flattened rim of a dot from the true circle.
constexpr double kRimTolerance = 0.05;

// The area a pen of the radius covers along the polyline (a single point: its dot), within the
// area, as a path to fill with the nonzero rule (a closed outline ends on its first point). The
// whole area when one segment's capsule holds it.
QPainterPath HugeStrokeArea(const QPolygonF& line, double radius, const QRectF& area);

}  // namespace pw
