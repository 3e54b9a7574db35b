#include "core/geometry.h"

#include <algorithm>
#include <cmath>

#include "core/fast_round.h"

namespace pw {

Real Distance(MPoint a, MPoint b) {
    Real dx = b.x - a.x, dy = b.y - a.y;
    if (std::fabs(dx) < 1e-9L && std::fabs(dy) < 1e-9L) return 0;
    return std::sqrt(dx * dx + dy * dy);
}

Real Direction(MPoint o, MPoint p) {
    Real dx = p.x - o.x;
    Real dy = o.y - p.y;
    if (dy == 0) return dx > 0 ? 0 : kPi;
    if (dx == 0) return dy > 0 ? kPi / 2 : 3 * kPi / 2;
    Real t = std::atan(dy / dx);
    if (dx > 0) return dy > 0 ? t : 2 * kPi + t;
    return kPi + t;
}

Real NormaliseAngle(Real a) {
    if (!std::isfinite(a)) return 0;
    // Large angles are reduced with fmod first so that the loops stay short.
    if (std::fabs(a) > 64 * kPi) a = std::fmod(a, 2 * kPi);
    while (a < 0) a += 2 * kPi;
    while (a >= 2 * kPi) a -= 2 * kPi;
    return a;
}

MPoint RotatePoint(MPoint p, MPoint c, Real angle) {
    if (angle == 0) return p;
    Real r = Distance(c, p);
    Real t = Direction(c, p);
    return {c.x + r * std::cos(t + angle), c.y - r * std::sin(t + angle)};
}

MPoint ScalePoint(MPoint p, MPoint o, Real fx, Real fy) { return {o.x + (p.x - o.x) * fx, o.y + (p.y - o.y) * fy}; }

MPoint MirrorPoint(MPoint p, const MRect& r, bool vertical) {
    MPoint m = Midpoint({r.x1, r.y1}, {r.x2, r.y2});
    if (vertical) return {p.x, 2 * m.y - p.y};
    return {2 * m.x - p.x, p.y};
}

MPoint Midpoint(MPoint a, MPoint b) { return a + (b - a) * 0.5L; }

MPoint Towards(MPoint c, MPoint p, Real f) { return c + (p - c) * f; }

IPoint RoundPoint(MPoint p) { return {RoundToInt(p.x), RoundToInt(p.y)}; }

IRect RoundRect(const MRect& r) { return {RoundToInt(r.x1), RoundToInt(r.y1), RoundToInt(r.x2), RoundToInt(r.y2)}; }

MRect MRect::Normalised() const {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

MRect NormaliseRect(const MRect& r) {
    return r.Normalised();
}

IRect IRect::Ordered() const {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

IRect NormaliseRect(const IRect& r) {
    IRect n = r.Ordered();
    if (n.x1 == n.x2) --n.x1, ++n.x2;
    if (n.y1 == n.y2) --n.y1, ++n.y2;
    return n;
}

IRect EnlargeAndRound(const MRect& r, Real m) {
    return RoundRect(r.Normalised().Expanded(m));
}

MRect UnionRect(const MRect& a, const MRect& b) {
    return {std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

IRect UnionRect(const IRect& a, const IRect& b) {
    return {std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

IRect PointsBox(const IPoint* pts, size_t n) {
    // Without a branch on each point: point sets are long, and this is asked of every shape.
    IRect b{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (size_t i = 1; i < n; ++i) {
        b.x1 = std::min(b.x1, pts[i].x);
        b.y1 = std::min(b.y1, pts[i].y);
        b.x2 = std::max(b.x2, pts[i].x);
        b.y2 = std::max(b.y2, pts[i].y);
    }
    return b;
}

std::optional<MRect> UnionRect(const std::optional<MRect>& soFar, const MRect& r) {
    return soFar ? UnionRect(*soFar, r) : r;
}

MRect OffsetRect(const MRect& r, MPoint d) { return {r.x1 + d.x, r.y1 + d.y, r.x2 + d.x, r.y2 + d.y}; }

Real DistanceFromLine(MPoint p, MPoint a, MPoint b) {
    return Distance(a, p) * std::sin(Direction(a, p) - Direction(a, b));
}

Real AngleBetween(MPoint a1, MPoint a2, MPoint b1, MPoint b2) {
    Real a = Direction(b1, b2) - Direction(a1, a2);
    while (a < 0) a += 2 * kPi;
    return a;
}

Real DegToRad(Real d) { return d * kPi / 180; }

int32_t ToFixed16(Real v) {
    return ToFixed16Inline(v);
}

Real FromFixed16(int32_t f) {
    return FromFixed16Inline(f);
}

}  // namespace pw
