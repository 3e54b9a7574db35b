#pragma once
// Flattening of a vertex list into an integer polyline in model units: the quadratic Bezier
// sampler, chamfered and rounded corners, and the open and closed constructions with or
// without smoothing. Lines, contours, circles and arcs all draw and hit-test what these build.
// Each construction can also record its exact form, the same straight pieces and the quadratic
// pieces the sampler flattens, as a curve path for canvases that draw curves.

#include <deque>
#include <vector>

#include "core/bauteil.h"
#include "core/curve_path.h"
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
// t <= 1 (t accumulated in extended precision), then appends b. With a curve path, records a
// straight piece to a and the quadratic piece.
void Curve(std::vector<IPoint>& out, IPoint a, IPoint c, IPoint b, double step, CurvePath* curves = nullptr);

// Appends one point, and with a curve path a straight piece to it.
inline void AppendPoint(std::vector<IPoint>& out, IPoint p, CurvePath* curves) {
    out.push_back(p);
    if (curves) curves->LineTo(ToCurvePoint(p));
}

// The corner at pk between its neighbours pp and pn, cut at distance `amount` from pk along
// both edges (or at the neighbour when the edge is shorter): two points for a chamfer, a
// Bezier with control pk for a rounding.
void AppendCorner(std::vector<IPoint>& out, MPoint pp, MPoint pk, MPoint pn, const Smoothing& s, double step,
                  CurvePath* curves = nullptr);

// The open construction: the vertices, or the first vertex, the smoothed inner corners and
// the last vertex.
void BuildOpenPolyline(const std::deque<MPoint>& pts, const Smoothing& s, double step,
                       std::vector<IPoint>& out, CurvePath* curves = nullptr);

// The closed construction: the vertices and the first again, or a closed smoothed outline.
void BuildClosedPolyline(const std::deque<MPoint>& pts, const Smoothing& s, double step,
                         std::vector<IPoint>& out, CurvePath* curves = nullptr);

}  // namespace pw
