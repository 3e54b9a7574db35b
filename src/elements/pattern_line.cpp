#include "elements/pattern_line.h"

#include <cmath>

namespace pw {

namespace {

MPoint Div(MPoint p, Real d) {
    return {p.x / d, p.y / d};
}

IPoint At(MPoint s, MPoint step, Real k) {
    return RoundPoint(s + step * k);
}

void Dot(Canvas& c, MPoint p) {
    c.MoveTo(RoundPoint(p));
    c.LineTo({RoundToInt(p.x + 1), RoundToInt(p.y)});
}

}  // namespace

void DrawPatternLine(Canvas& c, IPoint target, int32_t period, TPattern pattern) {
    const IPoint start = c.CurrentPosition();
    const MPoint s{static_cast<Real>(start.x), static_cast<Real>(start.y)};
    const MPoint t{static_cast<Real>(target.x), static_cast<Real>(target.y)};
    const Real len = Distance(s, t);
    const Real stepLength = static_cast<Real>(period) + 2 * static_cast<Real>(c.Pen().width);
    int32_t n = 0;
    if (stepLength != 0) {
        const Real q = std::fabs(RoundEven(len / stepLength));
        if (!std::isnan(q)) n = q > kMaxPatternSteps ? kMaxPatternSteps : static_cast<int32_t>(q);
    }
    if (pattern == ptDurchgezogen || n == 0) {
        c.LineTo(target);
        return;
    }
    switch (pattern) {
        case ptPunkt: {
            const int32_t m = 2 * n;
            const MPoint sigma = Div(t - s, static_cast<Real>(m));
            for (int32_t k = 0; k <= m; ++k) Dot(c, s + sigma * static_cast<Real>(k));
            break;
        }
        case ptStrich: {
            const MPoint sigma = Div(t - s, static_cast<Real>(n) + 0.5L);
            for (int32_t k = 0; k < n; ++k) {
                c.MoveTo(At(s, sigma, k));
                c.LineTo(RoundPoint(s + sigma * static_cast<Real>(k) + Div(sigma, 2)));
            }
            c.MoveTo(At(s, sigma, n));
            c.LineTo(target);
            break;
        }
        case ptPunktStrich: {
            const MPoint sigma = Div(t - s, static_cast<Real>(n) + 0.5L);
            for (int32_t k = 0; k < n; ++k) {
                if (k % 2 == 1) {
                    Dot(c, s + sigma * static_cast<Real>(k) + Div(sigma, 2));
                } else {
                    c.MoveTo(At(s, sigma, k));
                    c.LineTo(At(s, sigma, k + 1));
                }
            }
            c.MoveTo(At(s, sigma, n - n % 2));
            c.LineTo(target);
            break;
        }
        default:
            break;
    }
}

}  // namespace pw
