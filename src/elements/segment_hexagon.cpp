#include "elements/segment_hexagon.h"

#include <cmath>
#include <utility>

namespace pw {

int32_t HexagonTolerance(Real penWidth) {
    return penWidth < 20 ? 20 : RoundToInt(0.8L * penWidth);
}

std::array<IPoint, 7> SegmentHexagon(MPoint a, MPoint b, Real penWidth, bool forHitTest) {
    if (a == b) b = a + MPoint{1, 1};
    if (a.x > b.x) std::swap(a, b);
    Real dx = b.x - a.x, dy = b.y - a.y;
    if (forHitTest) {
        if (dx == 0) dx = 1;
        if (dy == 0) dy = 1;
    }
    // A segment shorter than half a unit would divide by zero; it counts as one unit long.
    Real len = RoundEven(std::sqrt(dx * dx + dy * dy));
    if (len == 0) len = 1;
    const Real h = HexagonTolerance(penWidth);
    const Real u = RoundEven(dx / len * h), v = RoundEven(dy / len * h);
    auto pt = [](Real x, Real y) { return IPoint{RoundToInt(x), RoundToInt(y)}; };
    IPoint first = pt(a.x - v, a.y + u);
    return {first,
            pt(a.x - u, a.y - v),
            pt(a.x + v, a.y - u),
            pt(b.x + v, b.y - u),
            pt(b.x + u, b.y + v),
            pt(b.x - v, b.y + u),
            first};
}

Region DeviceHexagon(const std::array<IPoint, 7>& hexagon, const Canvas& canvas) {
    std::vector<IPoint> d(hexagon.size());
    for (size_t i = 0; i < hexagon.size(); ++i) d[i] = canvas.LPtoDP(hexagon[i]);
    return Region::FromPolygon(std::move(d), FillMode::Winding);
}

}  // namespace pw
