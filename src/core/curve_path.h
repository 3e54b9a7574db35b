#pragma once
// A path of straight and quadratic pieces: the exact form of outlines that the elements
// otherwise hand to the canvas flattened (smoothed contours, rounded corners, arcs, circles,
// glyph outlines). Vector canvases draw it as curves; Flatten gives polylines for the others.

#include <cstdint>
#include <vector>

#include "core/geometry.h"

namespace pw {

// Parameter step of the default flattening of a quadratic piece.
inline constexpr double kCurveFlattenStep = 0.05;

struct CurvePoint {
    double x = 0, y = 0;
    friend bool operator==(const CurvePoint&, const CurvePoint&) = default;
};

class CurvePath {
  public:
    enum class Op : uint8_t { Move, Line, Quad, Close };

    // Starts a subpath at p.
    void MoveTo(CurvePoint p);
    // A straight piece to p; the first piece of a path starts it there instead. A piece to the
    // current point is left out.
    void LineTo(CurvePoint p);
    // A quadratic piece through control point c to p.
    void QuadTo(CurvePoint c, CurvePoint p);
    // Closes the current subpath back to its start.
    void Close();
    void Clear();

    bool Empty() const { return ops_.empty(); }
    const std::vector<Op>& Ops() const { return ops_; }
    // One point per Move and Line, two per Quad (control, end), none per Close.
    const std::vector<CurvePoint>& Points() const { return points_; }
    CurvePoint Current() const { return current_; }

    // The same path with every point passed through f.
    template <class F>
    CurvePath Mapped(F f) const {
        CurvePath out = *this;
        for (CurvePoint& p : out.points_) p = f(p);
        out.current_ = f(current_);
        out.start_ = f(start_);
        return out;
    }

    // Polylines of the subpaths, quadratic pieces sampled at equal parameter steps, points
    // rounded; a closed subpath ends on its start point.
    void Flatten(double step, std::vector<IPoint>& points, std::vector<int32_t>& counts) const;

  private:
    std::vector<Op> ops_;
    std::vector<CurvePoint> points_;
    CurvePoint current_, start_;
    bool open_ = false;
};

inline CurvePoint ToCurvePoint(IPoint p) {
    return {static_cast<double>(p.x), static_cast<double>(p.y)};
}

}  // namespace pw
