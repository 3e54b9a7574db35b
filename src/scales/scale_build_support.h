#pragma once
// Small helpers the build steps of the scale share.

#include <algorithm>
#include <cmath>

#include "core/geometry.h"
#include "scales/scale.h"

namespace pw {

// The point at radius r and angle a around c: c + (r, 0) rotated about c by a (a rotation by
// exactly 0 leaves it where it is).
inline MPoint PointAtAngle(MPoint c, Real r, Real a) {
    return RotatePoint({c.x + r, c.y}, c, a);
}

inline bool IsFullTurn(Real span) {
    return std::fabs(span - 2 * kPi) < TScale::kSameAngle;
}

// A whole-number count kept within its first interval, so that a value set without the range
// check can neither divide by zero nor make a build without end.
inline int ClampedCount(const TScale& s, int index) {
    if (index < 0 || static_cast<size_t>(index) >= s.Params().size()) return 1;
    const TScaleParam& p = s.Params()[static_cast<size_t>(index)];
    const int low = static_cast<int>(p.Range1.low), high = static_cast<int>(p.Range1.high);
    return std::clamp(p.IntValue, low, std::max(low, high));
}

}  // namespace pw
