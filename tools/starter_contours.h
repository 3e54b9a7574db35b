#pragma once
// Milled outlines of the starter library's cut-outs: rounded corners and arcs flattened into
// the vertices of a closed contour, fine enough that the chord lies within a few thousandths of
// a millimetre of the true arc. Millimetres, centred on the origin, y growing downward as on
// the panel.

#include <vector>

#include "core/geometry.h"

namespace pw {

// The angle step of a flattened arc, in degrees.
constexpr double kStarterArcStepDeg = 5;

// The outline of all circles of radius r around the corners of a convex polygon (given in
// order): the polygon grown by r, its corners rounded by r. r = 0 gives the polygon itself.
std::vector<MPoint> RoundedHull(const std::vector<MPoint>& centres, double r);

// The D-sub cut-out: `top` wide at its upper (wide) edge and `height` high overall, its sides
// inclined `sideDeg` degrees off the vertical toward the narrow lower edge, the corners rounded
// by r.
std::vector<MPoint> RoundedTrapezoid(double top, double height, double sideDeg, double r);

// A rectangle w x h overall with corners rounded by r (r = 0: sharp corners).
std::vector<MPoint> RoundedRect(double w, double h, double r);

// A hole of diameter d with two parallel flats `flats` apart, the flats left and right
// (vertical) or above and below.
std::vector<MPoint> FlattedCircle(double d, double flats, bool verticalFlats);

}  // namespace pw
