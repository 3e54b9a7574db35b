#pragma once
// Model points and rectangles (model units, extended), integer points and rectangles, and the
// geometry operations every element shares. Angles are radians, counter-clockwise as seen on
// the screen, where y grows downward.

#include <cstdint>
#include <optional>

#include "core/numbers.h"

namespace pw {

constexpr Real kPi = 3.141592653589793238462643383279502884L;

struct MPoint {
    Real x = 0, y = 0;
    friend bool operator==(const MPoint&, const MPoint&) = default;
    MPoint operator+(const MPoint& o) const { return {x + o.x, y + o.y}; }
    MPoint operator-(const MPoint& o) const { return {x - o.x, y - o.y}; }
    MPoint operator*(Real f) const { return {x * f, y * f}; }
};

struct MRect {
    Real x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const MRect&, const MRect&) = default;
    // The same rectangle with x1 <= x2 and y1 <= y2.
    MRect Normalised() const;
    // Grown by d on every side; a negative d shrinks it.
    MRect Expanded(Real d) const { return {x1 - d, y1 - d, x2 + d, y2 + d}; }
};

struct IPoint {
    int32_t x = 0, y = 0;
    friend bool operator==(const IPoint&, const IPoint&) = default;
};

// Integer rectangle; as a pixel area it covers x1 <= x < x2, y1 <= y < y2.
struct IRect {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    friend bool operator==(const IRect&, const IRect&) = default;
    bool Contains(IPoint p) const { return p.x >= x1 && p.x < x2 && p.y >= y1 && p.y < y2; }
    bool Intersects(const IRect& o) const { return x1 < o.x2 && o.x1 < x2 && y1 < o.y2 && o.y1 < y2; }
    bool IsEmpty() const { return x2 <= x1 || y2 <= y1; }
    // The same rectangle with x1 <= x2 and y1 <= y2; an empty side stays empty (NormaliseRect
    // grows it).
    IRect Ordered() const;
    // Grown by d on every side; a negative d shrinks it.
    IRect Expanded(int32_t d) const { return {x1 - d, y1 - d, x2 + d, y2 + d}; }
};

Real Distance(MPoint a, MPoint b);
// Direction of the vector o -> p in [0, 2pi); 0 for o == p.
Real Direction(MPoint o, MPoint p);
Real NormaliseAngle(Real a);
MPoint RotatePoint(MPoint p, MPoint centre, Real angle);
MPoint ScalePoint(MPoint p, MPoint origin, Real fx, Real fy);
MPoint MirrorPoint(MPoint p, const MRect& r, bool vertical);
MPoint Midpoint(MPoint a, MPoint b);
MPoint Towards(MPoint c, MPoint p, Real f);
IPoint RoundPoint(MPoint p);
IRect RoundRect(const MRect& r);
MRect NormaliseRect(const MRect& r);
// Normalises and grows an empty width or height by 1 on both sides.
IRect NormaliseRect(const IRect& r);
IRect EnlargeAndRound(const MRect& r, Real m);
MRect UnionRect(const MRect& a, const MRect& b);
IRect UnionRect(const IRect& a, const IRect& b);
// The box of n > 0 points, their extremes its corners (x2 and y2 included).
IRect PointsBox(const IPoint* pts, size_t n);
// The union of the rectangles gathered so far (none at first) and r.
std::optional<MRect> UnionRect(const std::optional<MRect>& soFar, const MRect& r);
MRect OffsetRect(const MRect& r, MPoint d);
// Signed distance of p from the line through a and b.
Real DistanceFromLine(MPoint p, MPoint a, MPoint b);
// direction(b1, b2) - direction(a1, a2), raised by 2pi until not negative.
Real AngleBetween(MPoint a1, MPoint a2, MPoint b1, MPoint b2);
Real DegToRad(Real d);
int32_t ToFixed16(Real v);
Real FromFixed16(int32_t f);

}  // namespace pw
