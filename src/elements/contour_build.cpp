#include "elements/contour_build.h"

#include <cmath>

#include "core/fast_round.h"

namespace pw {

namespace {

// Makes room for `pieces` sampled curves at the step and `points` single points, so that a
// polyline is built without growing its buffer again and again.
void Reserve(std::vector<IPoint>& out, size_t pieces, size_t points, double step) {
    const double perPiece = std::floor(1 / (step > 0 ? step : kCurveStep)) + 3;
    if (perPiece * static_cast<double>(pieces) < 1 << 20)
        out.reserve(pieces * static_cast<size_t>(perPiece) + points);
}

// A sample parameter t and its square.
struct SampleParameter {
    Real t, tt;
};

// The sample parameters of the step, t = 0, step, 2 step, ... while t <= 1, t accumulated in
// extended precision; kept for the step last asked for on this thread.
const std::vector<SampleParameter>& SampleParameters(double step) {
    thread_local double keptStep = 0;
    thread_local std::vector<SampleParameter> kept;
    if (step != keptStep || kept.empty()) {
        kept.clear();
        const Real s = step;
        for (Real t = 0; t <= 1; t += s) kept.push_back({t, t * t});
        keptStep = step;
    }
    return kept;
}

}  // namespace

void Curve(std::vector<IPoint>& out, IPoint a, IPoint c, IPoint b, double step, CurvePath* curves) {
    const Real ax = a.x, ay = a.y;
    const Real kx = ax + b.x - 2 * static_cast<Real>(c.x), ky = ay + b.y - 2 * static_cast<Real>(c.y);
    const Real lx = 2 * static_cast<Real>(c.x) - 2 * ax, ly = 2 * static_cast<Real>(c.y) - 2 * ay;
    for (const SampleParameter& p : SampleParameters(step > 0 ? step : kCurveStep))
        out.push_back(
            {RoundToIntInline(p.tt * kx + p.t * lx + ax), RoundToIntInline(p.tt * ky + p.t * ly + ay)});
    out.push_back(b);
    if (curves) {
        curves->LineTo(ToCurvePoint(a));
        curves->QuadTo(ToCurvePoint(c), ToCurvePoint(b));
    }
}

void AppendCorner(std::vector<IPoint>& out, MPoint pp, MPoint pk, MPoint pn, const Smoothing& s, double step,
                  CurvePath* curves) {
    const Real d = s.amount;
    MPoint q = pp, r = pn;
    Real dq = Distance(pp, pk), dr = Distance(pn, pk);
    if (dq > d) q = Towards(pk, pp, d / dq);
    if (dr > d) r = Towards(pk, pn, d / dr);
    if (s.style == glFase) {
        AppendPoint(out, RoundPoint(q), curves);
        AppendPoint(out, RoundPoint(r), curves);
    } else if (s.style == glRundung) {
        Curve(out, RoundPoint(q), RoundPoint(pk), RoundPoint(r), step, curves);
    }
}

void BuildOpenPolyline(const std::deque<MPoint>& p, const Smoothing& s, double step, std::vector<IPoint>& out,
                       CurvePath* curves) {
    out.clear();
    if (curves) curves->Clear();
    const size_t n = p.size();
    if (n == 0) return;
    if (!s.on) {
        out.reserve(n);
        for (const MPoint& v : p) AppendPoint(out, RoundPoint(v), curves);
        return;
    }
    const size_t corners = n >= 3 ? n - 2 : 0;
    Reserve(out, s.style == glFase ? 0 : corners, s.style == glFase ? 2 * corners + 2 : 2, step);
    AppendPoint(out, RoundPoint(p[0]), curves);
    if (n >= 3) {
        for (size_t k = 1; k + 1 < n; ++k) {
            if (s.style == glSpline)
                Curve(out, RoundPoint(Midpoint(p[k - 1], p[k])), RoundPoint(p[k]),
                      RoundPoint(Midpoint(p[k], p[k + 1])), step, curves);
            else
                AppendCorner(out, p[k - 1], p[k], p[k + 1], s, step, curves);
        }
    }
    AppendPoint(out, RoundPoint(p[n - 1]), curves);
}

void BuildClosedPolyline(const std::deque<MPoint>& p, const Smoothing& s, double step,
                         std::vector<IPoint>& out, CurvePath* curves) {
    out.clear();
    if (curves) curves->Clear();
    const size_t n = p.size();
    if (n == 0) return;
    if (!s.on) {
        out.reserve(n + 1);
        for (const MPoint& v : p) AppendPoint(out, RoundPoint(v), curves);
        AppendPoint(out, RoundPoint(p[0]), curves);
        return;
    }
    Reserve(out, s.style == glFase ? 0 : n, s.style == glFase ? 2 * n + 1 : 1, step);
    auto at = [&](size_t i) -> const MPoint& { return p[i % n]; };
    if (s.style == glSpline) {
        for (size_t k = 0; k < n; ++k)
            Curve(out, RoundPoint(Midpoint(at(k), at(k + 1))), RoundPoint(at(k + 1)),
                  RoundPoint(Midpoint(at(k + 1), at(k + 2))), step, curves);
        return;
    }
    if (s.style != glFase && s.style != glRundung) return;
    // Corners at P1 ... Pn-1, then P0; the first point written closes the outline.
    for (size_t k = 1; k <= n; ++k) AppendCorner(out, at(k + n - 1), at(k), at(k + 1), s, step, curves);
    if (!out.empty()) AppendPoint(out, out.front(), curves);
}

}  // namespace pw
