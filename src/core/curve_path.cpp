#include "core/curve_path.h"

#include <algorithm>
#include <cmath>

namespace pw {

void CurvePath::MoveTo(CurvePoint p) {
    ops_.push_back(Op::Move);
    points_.push_back(p);
    current_ = start_ = p;
    open_ = true;
}

void CurvePath::LineTo(CurvePoint p) {
    if (!open_) {
        MoveTo(p);
        return;
    }
    if (p == current_) return;
    ops_.push_back(Op::Line);
    points_.push_back(p);
    current_ = p;
}

void CurvePath::QuadTo(CurvePoint c, CurvePoint p) {
    if (!open_) MoveTo(current_);
    ops_.push_back(Op::Quad);
    points_.push_back(c);
    points_.push_back(p);
    current_ = p;
}

void CurvePath::Close() {
    if (!open_) return;
    ops_.push_back(Op::Close);
    current_ = start_;
    open_ = false;
}

void CurvePath::Clear() {
    ops_.clear();
    points_.clear();
    current_ = start_ = {};
    open_ = false;
}

namespace {
IPoint Rounded(double x, double y) {
    auto r = [](double v) {
        if (std::isnan(v)) return int32_t{0};
        return static_cast<int32_t>(std::lrint(std::clamp(v, -double(kCoordLimit), double(kCoordLimit))));
    };
    return {r(x), r(y)};
}
}  // namespace

void CurvePath::Flatten(double step, std::vector<IPoint>& points, std::vector<int32_t>& counts) const {
    points.clear();
    counts.clear();
    if (!(step > 0 && step <= 1)) step = 0.05;
    size_t first = 0, at = 0;
    CurvePoint current, start;
    auto endSubpath = [&] {
        if (points.size() > first) counts.push_back(static_cast<int32_t>(points.size() - first));
        first = points.size();
    };
    for (Op op : ops_) {
        switch (op) {
            case Op::Move:
                endSubpath();
                current = start = points_[at++];
                points.push_back(Rounded(current.x, current.y));
                break;
            case Op::Line:
                current = points_[at++];
                points.push_back(Rounded(current.x, current.y));
                break;
            case Op::Quad: {
                const CurvePoint c = points_[at], b = points_[at + 1];
                at += 2;
                for (double t = step; t < 1; t += step) {
                    const double u = 1 - t;
                    points.push_back(Rounded(u * u * current.x + 2 * t * u * c.x + t * t * b.x,
                                             u * u * current.y + 2 * t * u * c.y + t * t * b.y));
                }
                current = b;
                points.push_back(Rounded(b.x, b.y));
                break;
            }
            case Op::Close:
                points.push_back(Rounded(start.x, start.y));
                current = start;
                endSubpath();
                break;
        }
    }
    endSubpath();
}

}  // namespace pw
