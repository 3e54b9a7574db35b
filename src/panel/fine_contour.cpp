#include "panel/fine_contour.h"

#include <algorithm>
#include <cmath>

namespace pw {

namespace {

// The quadratic Bezier a -> c -> b without its start point. Its second derivative is constant,
// 2 (a - 2c + b), so n equal parameter pieces stay within |a - 2c + b| / (4 n^2) of the curve.
void FineCurve(std::vector<MPoint>& out, MPoint a, MPoint c, MPoint b, Real tolerance) {
    const Real kx = a.x - 2 * c.x + b.x, ky = a.y - 2 * c.y + b.y;
    const Real bend = std::hypot(kx, ky);
    int n = 1;
    if (bend > 0 && tolerance > 0)
        n = static_cast<int>(std::min<Real>(4096, std::ceil(std::sqrt(bend / (4 * tolerance)))));
    n = std::max(n, 1);
    for (int i = 1; i <= n; ++i) {
        const Real t = static_cast<Real>(i) / n, u = 1 - t;
        out.push_back(
            {u * u * a.x + 2 * u * t * c.x + t * t * b.x, u * u * a.y + 2 * u * t * c.y + t * t * b.y});
    }
}

void Push(std::vector<MPoint>& out, MPoint p) {
    if (out.empty() || out.back().x != p.x || out.back().y != p.y) out.push_back(p);
}

// A corner cut at the smoothing distance, as the drawing cuts it: a chamfer or a rounding whose
// control point is the corner.
void FineCorner(std::vector<MPoint>& out, MPoint pp, MPoint pk, MPoint pn, const Smoothing& s,
                Real tolerance) {
    const Real d = s.amount;
    MPoint q = pp, r = pn;
    const Real dq = Distance(pp, pk), dr = Distance(pn, pk);
    if (dq > d) q = Towards(pk, pp, d / dq);
    if (dr > d) r = Towards(pk, pn, d / dr);
    Push(out, q);
    if (s.style == glFase) {
        Push(out, r);
    } else if (s.style == glRundung) {
        std::vector<MPoint> curve;
        FineCurve(curve, q, pk, r, tolerance);
        for (MPoint p : curve) Push(out, p);
    }
}

void DropClosingPoint(std::vector<MPoint>& out) {
    while (out.size() > 1 && out.back().x == out.front().x && out.back().y == out.front().y) out.pop_back();
}

}  // namespace

std::vector<MPoint> FlattenFine(const std::deque<MPoint>& p, bool closed, const Smoothing& s,
                                Real tolerance) {
    std::vector<MPoint> out;
    const size_t n = p.size();
    if (n == 0) return out;
    const bool smooth = s.on && n > 2 && (s.style == glSpline || s.style == glFase || s.style == glRundung);
    if (!smooth) {
        for (const MPoint& v : p) Push(out, v);
        if (closed) DropClosingPoint(out);
        return out;
    }
    auto at = [&](size_t i) -> const MPoint& { return p[i % n]; };
    if (!closed) {
        Push(out, p[0]);
        for (size_t k = 1; k + 1 < n; ++k) {
            if (s.style == glSpline) {
                Push(out, Midpoint(p[k - 1], p[k]));
                std::vector<MPoint> curve;
                FineCurve(curve, Midpoint(p[k - 1], p[k]), p[k], Midpoint(p[k], p[k + 1]), tolerance);
                for (MPoint q : curve) Push(out, q);
            } else {
                FineCorner(out, p[k - 1], p[k], p[k + 1], s, tolerance);
            }
        }
        Push(out, p[n - 1]);
        return out;
    }
    if (s.style == glSpline) {
        Push(out, Midpoint(at(0), at(1)));
        for (size_t k = 0; k < n; ++k) {
            std::vector<MPoint> curve;
            FineCurve(curve, Midpoint(at(k), at(k + 1)), at(k + 1), Midpoint(at(k + 1), at(k + 2)),
                      tolerance);
            for (MPoint q : curve) Push(out, q);
        }
    } else {
        for (size_t k = 1; k <= n; ++k) FineCorner(out, at(k + n - 1), at(k), at(k + 1), s, tolerance);
    }
    DropClosingPoint(out);
    return out;
}

std::optional<Real> MidpointRadius(const std::deque<MPoint>& pts, MPoint centre, Real tolerance) {
    if (pts.size() < 2) return std::nullopt;
    Real lo = 0, hi = 0, sum = 0;
    for (size_t i = 0; i + 1 < pts.size(); ++i) {
        const Real d = Distance(centre, Midpoint(pts[i], pts[i + 1]));
        lo = i == 0 ? d : std::min(lo, d);
        hi = i == 0 ? d : std::max(hi, d);
        sum += d;
    }
    if (hi - lo > 2 * tolerance || hi <= 0) return std::nullopt;
    return sum / static_cast<Real>(pts.size() - 1);
}

std::optional<FineCircle> SplineCircle(const std::deque<MPoint>& pts, Real tolerance) {
    const size_t n = pts.size();
    if (n < 3) return std::nullopt;
    MPoint centre{0, 0};
    for (const MPoint& p : pts) centre = {centre.x + p.x, centre.y + p.y};
    centre = {centre.x / static_cast<Real>(n), centre.y / static_cast<Real>(n)};
    std::deque<MPoint> ring(pts);
    ring.push_back(pts.front());
    const std::optional<Real> r = MidpointRadius(ring, centre, tolerance);
    if (!r) return std::nullopt;
    // Equal midpoint distances alone also hold for some stretched polygons; the vertices of a
    // circle's contour lie on one circle too.
    Real lo = Distance(centre, pts[0]), hi = lo;
    for (const MPoint& p : pts) {
        lo = std::min(lo, Distance(centre, p));
        hi = std::max(hi, Distance(centre, p));
    }
    if (hi - lo > 2 * tolerance) return std::nullopt;
    return FineCircle{centre, *r};
}

}  // namespace pw
