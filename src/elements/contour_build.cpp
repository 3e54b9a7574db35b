#include "elements/contour_build.h"

namespace pw {

void Curve(std::vector<IPoint>& out, IPoint a, IPoint c, IPoint b, double step) {
    const Real ax = a.x, ay = a.y;
    const Real kx = ax + b.x - 2 * static_cast<Real>(c.x), ky = ay + b.y - 2 * static_cast<Real>(c.y);
    const Real lx = 2 * static_cast<Real>(c.x) - 2 * ax, ly = 2 * static_cast<Real>(c.y) - 2 * ay;
    const Real s = step > 0 ? step : kCurveStep;
    for (Real t = 0; t <= 1; t += s)
        out.push_back({RoundToInt(t * t * kx + t * lx + ax), RoundToInt(t * t * ky + t * ly + ay)});
    out.push_back(b);
}

void AppendCorner(std::vector<IPoint>& out, MPoint pp, MPoint pk, MPoint pn, const Smoothing& s,
                  double step) {
    const Real d = s.amount;
    MPoint q = pp, r = pn;
    Real dq = Distance(pp, pk), dr = Distance(pn, pk);
    if (dq > d) q = Towards(pk, pp, d / dq);
    if (dr > d) r = Towards(pk, pn, d / dr);
    if (s.style == glFase) {
        out.push_back(RoundPoint(q));
        out.push_back(RoundPoint(r));
    } else if (s.style == glRundung) {
        Curve(out, RoundPoint(q), RoundPoint(pk), RoundPoint(r), step);
    }
}

void BuildOpenPolyline(const std::deque<MPoint>& p, const Smoothing& s, double step,
                       std::vector<IPoint>& out) {
    out.clear();
    const size_t n = p.size();
    if (n == 0) return;
    if (!s.on) {
        for (const MPoint& v : p) out.push_back(RoundPoint(v));
        return;
    }
    out.push_back(RoundPoint(p[0]));
    if (n >= 3) {
        for (size_t k = 1; k + 1 < n; ++k) {
            if (s.style == glSpline)
                Curve(out, RoundPoint(Midpoint(p[k - 1], p[k])), RoundPoint(p[k]),
                      RoundPoint(Midpoint(p[k], p[k + 1])), step);
            else
                AppendCorner(out, p[k - 1], p[k], p[k + 1], s, step);
        }
    }
    out.push_back(RoundPoint(p[n - 1]));
}

void BuildClosedPolyline(const std::deque<MPoint>& p, const Smoothing& s, double step,
                         std::vector<IPoint>& out) {
    out.clear();
    const size_t n = p.size();
    if (n == 0) return;
    if (!s.on) {
        for (const MPoint& v : p) out.push_back(RoundPoint(v));
        out.push_back(RoundPoint(p[0]));
        return;
    }
    auto at = [&](size_t i) -> const MPoint& { return p[i % n]; };
    if (s.style == glSpline) {
        for (size_t k = 0; k < n; ++k)
            Curve(out, RoundPoint(Midpoint(at(k), at(k + 1))), RoundPoint(at(k + 1)),
                  RoundPoint(Midpoint(at(k + 1), at(k + 2))), step);
        return;
    }
    if (s.style != glFase && s.style != glRundung) return;
    // Corners at P1 ... Pn-1, then P0; the first point written closes the outline.
    for (size_t k = 1; k <= n; ++k) AppendCorner(out, at(k + n - 1), at(k), at(k + 1), s, step);
    if (!out.empty()) out.push_back(out.front());
}

}  // namespace pw
