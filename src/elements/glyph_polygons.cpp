#include "elements/glyph_polygons.h"

#include <algorithm>
#include <cmath>

#include "core/fast_round.h"

namespace pw {

namespace {

// Rounds to nearest, halves to even (the default rounding mode), within the coordinate bound.
int32_t RoundCoordinate(double v) {
    if (std::isnan(v)) return 0;
    return RoundDoubleToInt32(
        std::clamp(v, -static_cast<double>(kCoordLimit), static_cast<double>(kCoordLimit)));
}

}  // namespace

void GlyphPolygons::Begin(MPoint origin, Real cosAngle, Real sinAngle, double curveStep, size_t maxContours) {
    origin_ = {static_cast<double>(origin.x), static_cast<double>(origin.y)};
    cos_ = static_cast<double>(cosAngle);
    sin_ = static_cast<double>(sinAngle);
    if (!(curveStep > 0 && curveStep <= 1)) curveStep = 0.2;
    if (curveStep != step_) {
        // The parameter is accumulated in extended precision and stops before 1.
        step_ = curveStep;
        weights_.clear();
        for (Real t = 0; t < 1; t += step_) {
            const Real u = 1 - t;
            weights_.push_back(
                {static_cast<double>(u * u), static_cast<double>(2 * t * u), static_cast<double>(t * t)});
        }
    }
    maxContours_ = maxContours;
    skipping_ = false;
    open_ = false;
    points_.clear();
    counts_.clear();
}

GlyphPolygons::Point GlyphPolygons::Place(GlyphPoint g) const {
    // The rotation of origin + p about the origin, counter-clockwise on the screen (y downward).
    const double x = static_cast<double>(FromFixed16Inline(g.x)),
                 y = static_cast<double>(FromFixed16Inline(g.y));
    return {origin_.x + x * cos_ + y * sin_, origin_.y - x * sin_ + y * cos_};
}

void GlyphPolygons::Append(Point p) {
    points_.push_back({RoundCoordinate(p.x), RoundCoordinate(p.y)});
}

void GlyphPolygons::SamplePiece(Point a, Point q, Point b) {
    for (const Weights& w : weights_)
        Append({a.x * w.a + q.x * w.q + b.x * w.b, a.y * w.a + q.y * w.q + b.y * w.b});
}

void GlyphPolygons::StartContour(GlyphPoint start) {
    skipping_ = counts_.size() >= maxContours_;
    if (skipping_) return;
    open_ = true;
    contourStart_ = static_cast<int32_t>(points_.size());
    start_ = current_ = Place(start);
    Append(start_);
}

void GlyphPolygons::LineRun(const GlyphPoint* pts, size_t n) {
    if (skipping_ || !open_) return;
    for (size_t i = 0; i < n; ++i) {
        current_ = Place(pts[i]);
        Append(current_);
    }
}

void GlyphPolygons::QuadraticRun(const GlyphPoint* pts, size_t n) {
    if (skipping_ || !open_ || n == 0) return;
    if (n == 1) {
        LineRun(pts, 1);
        return;
    }
    // Pieces from the current point through each control point to the midpoint of it and the
    // next one; the last piece ends on the run's last point.
    Point a = current_;
    Point q = Place(pts[0]);
    for (size_t i = 0; i + 1 < n; ++i) {
        const Point next = Place(pts[i + 1]);
        const Point b = (i + 2 == n) ? next : Point{(q.x + next.x) / 2, (q.y + next.y) / 2};
        SamplePiece(a, q, b);
        a = b;
        q = next;
    }
    current_ = q;
    Append(current_);
}

void GlyphPolygons::CloseContour() {
    if (skipping_ || !open_) return;
    Append(start_);
    counts_.push_back(static_cast<int32_t>(points_.size()) - contourStart_);
    current_ = start_;
    open_ = false;
}

// --- Curves ---

void GlyphCurves::Begin(MPoint origin, Real cosAngle, Real sinAngle, size_t maxContours) {
    ox_ = static_cast<double>(origin.x);
    oy_ = static_cast<double>(origin.y);
    cos_ = static_cast<double>(cosAngle);
    sin_ = static_cast<double>(sinAngle);
    maxContours_ = maxContours;
    contours_ = 0;
    skipping_ = open_ = false;
    path_.Clear();
}

CurvePoint GlyphCurves::Place(GlyphPoint g) const {
    const double x = static_cast<double>(FromFixed16(g.x)), y = static_cast<double>(FromFixed16(g.y));
    return {ox_ + x * cos_ + y * sin_, oy_ - x * sin_ + y * cos_};
}

void GlyphCurves::StartContour(GlyphPoint start) {
    skipping_ = contours_ >= maxContours_;
    if (skipping_) return;
    open_ = true;
    path_.MoveTo(Place(start));
}

void GlyphCurves::LineRun(const GlyphPoint* pts, size_t n) {
    if (skipping_ || !open_) return;
    for (size_t i = 0; i < n; ++i) path_.LineTo(Place(pts[i]));
}

void GlyphCurves::QuadraticRun(const GlyphPoint* pts, size_t n) {
    if (skipping_ || !open_ || n == 0) return;
    if (n == 1) {
        LineRun(pts, 1);
        return;
    }
    // Pieces through each control point to the midpoint of it and the next one; the last piece
    // ends on the run's last point.
    CurvePoint q = Place(pts[0]);
    for (size_t i = 0; i + 1 < n; ++i) {
        const CurvePoint next = Place(pts[i + 1]);
        const CurvePoint b = (i + 2 == n) ? next : CurvePoint{(q.x + next.x) / 2, (q.y + next.y) / 2};
        path_.QuadTo(q, b);
        q = next;
    }
}

void GlyphCurves::CloseContour() {
    if (skipping_ || !open_) return;
    path_.Close();
    ++contours_;
    open_ = false;
}

}  // namespace pw
