#pragma once
// Contours in extended precision for the machine outputs: the vertex list of a line or contour
// flattened as the element draws it (straight, chamfered, rounded or quadratic B-spline), but
// from the exact vertices and with as many pieces as keep every curve within a tolerance,
// rather than on the model-unit grid at a fixed step; and the recognition of true circles among
// contours.

#include <deque>
#include <optional>
#include <vector>

#include "core/geometry.h"
#include "elements/contour_build.h"

namespace pw {

// Flattens the vertices (model units); a closed result does not repeat its first point. Every
// point of a curve lies within `tolerance` model units of the polyline.
std::vector<MPoint> FlattenFine(const std::deque<MPoint>& pts, bool closed, const Smoothing& s,
                                Real tolerance);

struct FineCircle {
    MPoint centre;
    Real radius = 0;
};

// A closed B-spline contour whose edge midpoints (the points the spline touches) lie on one
// circle around the vertices' mean within `tolerance`: that circle. Nothing for fewer than
// three vertices or any other shape (an ellipse, a squashed polygon).
std::optional<FineCircle> SplineCircle(const std::deque<MPoint>& pts, Real tolerance);

// Whether the edge midpoints of the vertex list (open, so n - 1 edges) all lie within
// `tolerance` of the circle around `centre`; its radius when they do.
std::optional<Real> MidpointRadius(const std::deque<MPoint>& pts, MPoint centre, Real tolerance);

}  // namespace pw
