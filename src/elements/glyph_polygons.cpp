#include "elements/glyph_polygons.h"

namespace pw {

void GlyphPolygons::Begin(MPoint origin, Real cosAngle, Real sinAngle, double curveStep, size_t maxContours) {
    origin_ = origin;
    cos_ = cosAngle;
    sin_ = sinAngle;
    step_ = curveStep > 0 ? curveStep : 0.2;
    maxContours_ = maxContours;
    skipping_ = false;
    open_ = false;
    points_.clear();
    counts_.clear();
}

MPoint GlyphPolygons::Place(GlyphPoint g) const {
    // The rotation of origin + p about the origin, counter-clockwise on the screen (y downward).
    const Real x = FromFixed16(g.x), y = FromFixed16(g.y);
    return {origin_.x + x * cos_ + y * sin_, origin_.y - x * sin_ + y * cos_};
}

void GlyphPolygons::Append(MPoint p) {
    points_.push_back(RoundPoint(p));
}

void GlyphPolygons::SamplePiece(MPoint a, MPoint q, MPoint b) {
    // The parameter is accumulated in extended precision and stops before 1.
    for (Real t = 0; t < 1; t += step_) {
        const Real u = 1 - t;
        Append(a * (u * u) + q * (2 * t * u) + b * (t * t));
    }
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
    MPoint a = current_;
    MPoint q = Place(pts[0]);
    for (size_t i = 0; i + 1 < n; ++i) {
        const MPoint next = Place(pts[i + 1]);
        const MPoint b = (i + 2 == n) ? next : Midpoint(q, next);
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

}  // namespace pw
