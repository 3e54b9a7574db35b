#include "starter_contours.h"

#include <algorithm>
#include <cmath>

namespace pw {

namespace {

// Pi in double, for the trigonometry of the arcs.
constexpr double kHalfTurn = static_cast<double>(kPi);

// Appends the arc around `centre` from angle a0 over `sweep` (radians, signed), both ends
// included, in steps of at most kStarterArcStepDeg. The quarter points (multiples of 90 degrees)
// within the arc are vertices too, so that the outline reaches its full extent.
void AppendArc(std::vector<MPoint>& out, MPoint centre, double r, double a0, double sweep) {
    const double step = kStarterArcStepDeg * kHalfTurn / 180;
    const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / step - 1e-9)));
    std::vector<double> at;  // progress along the arc, 0 to 1
    for (int k = 0; k <= steps; ++k) at.push_back(static_cast<double>(k) / steps);
    const double quarter = kHalfTurn / 2;
    for (double q = std::ceil(std::min(a0, a0 + sweep) / quarter) * quarter; q < std::max(a0, a0 + sweep);
         q += quarter) {
        const double t = (q - a0) / sweep;
        if (t > 1e-9 && t < 1 - 1e-9) at.push_back(t);
    }
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end(), [](double u, double v) { return v - u < 1e-9; }), at.end());
    for (double t : at) {
        const double a = a0 + sweep * t;
        out.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
    }
}

MPoint Unit(MPoint v) {
    const Real len = std::sqrt(v.x * v.x + v.y * v.y);
    return {v.x / len, v.y / len};
}

}  // namespace

std::vector<MPoint> RoundedHull(const std::vector<MPoint>& centres, double r) {
    if (r <= 0) return centres;
    MPoint mid{0, 0};
    for (MPoint c : centres) mid = mid + c * (Real(1) / centres.size());
    // The outward normal of the edge from a to b.
    auto normal = [&](MPoint a, MPoint b) {
        MPoint n = Unit({b.y - a.y, a.x - b.x});
        const MPoint outward = (a + b) * Real(0.5) - mid;
        if (n.x * outward.x + n.y * outward.y < 0) n = n * Real(-1);
        return n;
    };
    std::vector<MPoint> out;
    const size_t n = centres.size();
    for (size_t i = 0; i < n; ++i) {
        const MPoint c = centres[i];
        const MPoint n0 = normal(centres[(i + n - 1) % n], c);
        const MPoint n1 = normal(c, centres[(i + 1) % n]);
        const double a0 = std::atan2(static_cast<double>(n0.y), static_cast<double>(n0.x));
        double sweep = std::atan2(static_cast<double>(n1.y), static_cast<double>(n1.x)) - a0;
        while (sweep > kHalfTurn) sweep -= 2 * kHalfTurn;
        while (sweep < -kHalfTurn) sweep += 2 * kHalfTurn;
        AppendArc(out, c, r, a0, sweep);
    }
    return out;
}

std::vector<MPoint> RoundedTrapezoid(double top, double height, double sideDeg, double r) {
    const double x = top / 2 - r, y = height / 2 - r;
    const double inset = (height - 2 * r) * std::tan(sideDeg * kHalfTurn / 180);
    return RoundedHull({{-x, -y}, {x, -y}, {x - inset, y}, {-x + inset, y}}, r);
}

std::vector<MPoint> RoundedRect(double w, double h, double r) {
    const double x = w / 2 - r, y = h / 2 - r;
    return RoundedHull({{-x, -y}, {x, -y}, {x, y}, {-x, y}}, r);
}

std::vector<MPoint> FlattedCircle(double d, double flats, bool verticalFlats) {
    const double r = d / 2;
    // The arcs between the flats: angles measured from the axis across the flats.
    const double a0 = std::acos(flats / 2 / r);
    std::vector<MPoint> out;
    AppendArc(out, {0, 0}, r, a0, kHalfTurn - 2 * a0);
    AppendArc(out, {0, 0}, r, kHalfTurn + a0, kHalfTurn - 2 * a0);
    if (!verticalFlats)
        for (MPoint& p : out) p = {p.y, -p.x};
    return out;
}

}  // namespace pw
