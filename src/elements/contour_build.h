#pragma once
// Flattening of a vertex list into an integer polyline in model units: the quadratic Bezier
// sampler, chamfered and rounded corners, and the open and closed constructions with or
// without smoothing. Lines, contours, circles and arcs all draw and hit-test what these build.

#include <deque>
#include <vector>

#include "core/bauteil.h"
#include "core/geometry.h"

namespace pw {

// Parameter steps of the sampler: fine for painting and bounds, coarse for hit tests.
inline constexpr double kCurveStep = 0.05;
inline constexpr double kHitCurveStep = 0.5;

struct Smoothing {
    bool on = false;
    TGlaettenStil style = glFase;
    Real amount = 0;  // chamfer or rounding distance, model units
};

// Samples the quadratic Bezier from a over control c to b at t = 0, step, 2 step, ... while
// t <= 1 (t accumulated in extended precision), then appends b.
void Curve(std::vector<IPoint>& out, IPoint a, IPoint c, IPoint b, double step);

// The corner at pk between its neighbours pp and pn, cut at distance `amount` from pk along
// both edges (or at the neighbour when the edge is shorter): two points for a chamfer, a
// Bezier with control pk for a rounding.
void AppendCorner(std::vector<IPoint>& out, MPoint pp, MPoint pk, MPoint pn, const Smoothing& s, double step);

// The open construction: the vertices, or the first vertex, the smoothed inner corners and
// the last vertex.
void BuildOpenPolyline(const std::deque<MPoint>& pts, const Smoothing& s, double step,
                       std::vector<IPoint>& out);

// The closed construction: the vertices and the first again, or a closed smoothed outline.
void BuildClosedPolyline(const std::deque<MPoint>& pts, const Smoothing& s, double step,
                         std::vector<IPoint>& out);

}  // namespace pw
