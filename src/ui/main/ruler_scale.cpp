#include "ui/main/ruler_scale.h"

#include <cmath>

#include "core/language.h"
#include "core/numbers.h"

namespace pw {

namespace {

int RoundPixel(double v) {
    return static_cast<int>(RoundToInt(static_cast<Real>(v)));
}

// Bounds the loops of a degenerate range (zero width, infinite or NaN values).
constexpr int kMaxDecades = 40;

}  // namespace

int StepPixels(double b, double p, double zoom) {
    return RoundPixel((b + p) * zoom) - RoundPixel(b * zoom);
}

double NiceStep(double a, double b, double zoom) {
    double p = 1;
    const double c = std::fabs(a - b);
    if (c <= 1) {
        for (int i = 0; i < kMaxDecades && p >= c; ++i) p /= 10;
    } else {
        for (int i = 0; i < kMaxDecades && p <= c; ++i) p *= 10;
    }
    int d = 0;
    for (int i = 0; i < 21; ++i) {
        d = StepPixels(b, p, zoom);
        if (d < 50) p *= 10;
        if (d > 500) p /= 10;
        if (d >= 50 && d <= 500) break;
    }
    if (d > 250) p /= 5;
    if (StepPixels(b, p, zoom) > 100) p /= 2;
    return p;
}

RulerLayout LayoutRuler(double originMm, int scroll, int length, double zoom) {
    RulerLayout out;
    if (!(zoom > 0) || length <= 0) return out;
    const double left = scroll / zoom - originMm;
    const double right = (scroll + length) / zoom - originMm;
    const double s = NiceStep(right, left, zoom);
    out.step = s;
    if (!(s > 0) || !std::isfinite(s)) return out;
    // Values are whole multiples of the step, so that the origin's tick is exactly 0.
    const double first = std::trunc(left / s) - 1;
    auto pixelOf = [&](double v) { return RoundPixel((v + originMm) * zoom - scroll) + 1; };
    for (double k = first; k * s < right && k - first < 10000; k += 1) {
        const double v = k * s;
        out.main.push_back({pixelOf(v), v, k == 0});
        for (int i = 1; i <= 10; ++i) out.minor.push_back(pixelOf(v + i * s / 10));
    }
    return out;
}

std::string RulerLabel(double value) {
    return FormatGeneral(static_cast<Real>(value), 4, DecimalSeparator());
}

}  // namespace pw
