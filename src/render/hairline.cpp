#include "render/hairline.h"

#include <climits>
#include <cstdlib>
#include <utility>

namespace pw {

namespace {

// a / b in 16.16 fixed point, cut toward zero; in 32 bits where the scaled a fits.
int64_t FixedQuotient(int64_t a, int64_t b) {
    if (a >= -0x7FFF && a <= 0x7FFF && b >= INT32_MIN && b <= INT32_MAX)
        return static_cast<int32_t>(a * 65536) / static_cast<int32_t>(b);
    return a * 65536 / b;
}

// The geometry of one segment stepped along its longer axis: `major` counts the pixels along
// it (first .. end - 1), `minor` is the other coordinate in 16.16 fixed point, `inc` its step.
struct Steps {
    int64_t first = 0, end = 0;
    int64_t minor = 0, inc = 0;
    bool reversed = false;
};

// The segment from (a, b) to (c, d) in 26.6 units, with a the major coordinate, as seen in the
// direction of growing major coordinate. capBegin extends it half a pixel backwards; lastMajor
// is the major coordinate of the pixel drawn last.
inline Steps Measure(int64_t a, int64_t b, int64_t c, int64_t d, bool capBegin, bool capEnd,
                     int64_t lastMajor) {
    Steps s;
    if (a > c) {
        std::swap(a, c);
        std::swap(b, d);
        s.reversed = true;
    }
    s.inc = FixedQuotient(d - b, c - a);
    s.minor = b * 1024;
    if (capBegin) {
        a -= 32;
        s.minor -= s.inc >> 1;
    }
    if (capEnd) c += 32;
    s.first = (a + 32) >> 6;
    s.end = (c + 32) >> 6;
    // Where the half pixel added at the start rounds away from the pixel the turn ended on,
    // the segment starts one pixel later.
    if (capBegin && lastMajor == s.first + 1) ++s.first;
    const int64_t round = s.inc > 0 ? 32 : 0;
    if (s.first != s.end) s.minor += (((s.first << 6) + round - a) * s.inc) >> 6;
    return s;
}

}  // namespace

void Hairline::PrimeWith(IPoint p, IPoint q) {
    Prime(int64_t{p.x} * 64, int64_t{p.y} * 64, int64_t{q.x} * 64, int64_t{q.y} * 64);
}

bool Hairline::Segment(IPoint p, IPoint q) {
    return Segment(int64_t{p.x} * 64, int64_t{p.y} * 64, int64_t{q.x} * 64, int64_t{q.y} * 64);
}

namespace {
// A device coordinate in 1/64 pixel as the painter takes it: cut toward zero.
int64_t Subpixel(double v) {
    return static_cast<int32_t>(v * 64.0);
}
}  // namespace

void Hairline::BeginClosedCurve(double px, double py, double qx, double qy) {
    Prime(Subpixel(px), Subpixel(py), Subpixel(qx), Subpixel(qy));
}

void Hairline::CurveLine(double x1, double y1, double x2, double y2) {
    Segment(Subpixel(x1), Subpixel(y1), Subpixel(x2), Subpixel(y2));
}

void Hairline::Prime(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
    lastPixel_ = {-1, -1};
    const int64_t dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1);
    if (dx == 0 && dy == 0) return;
    const bool vertical = dx < dy;
    const Steps s =
        vertical ? Measure(y1, x1, y2, x2, false, false, -1) : Measure(x1, y1, x2, y2, false, false, -1);
    if (s.first == s.end) return;
    // The pixel drawn last: the far end in drawing direction.
    const int64_t major = s.reversed ? s.first : s.end - 1;
    const int64_t minor = (s.reversed ? s.minor : s.minor + (s.end - s.first - 1) * s.inc) >> 16;
    lastPixel_ = vertical ? IPoint{static_cast<int32_t>(minor), static_cast<int32_t>(major)}
                          : IPoint{static_cast<int32_t>(major), static_cast<int32_t>(minor)};
    lastDirection_ =
        vertical ? (s.reversed ? kBottomToTop : kTopToBottom) : (s.reversed ? kRightToLeft : kLeftToRight);
    lastAxisAligned_ = std::llabs(s.inc) < (1 << 14);
}

bool Hairline::Segment(int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
    const int64_t dx = std::llabs(x2 - x1), dy = std::llabs(y2 - y1);
    if (dx == 0 && dy == 0) return true;
    const bool vertical = dx < dy;
    // A turn back onto the opposite direction starts half a pixel early, so the pixel where the
    // two meet is not lost.
    const bool reversed = vertical ? y1 > y2 : x1 > x2;
    const int direction =
        vertical ? (reversed ? kBottomToTop : kTopToBottom) : (reversed ? kRightToLeft : kLeftToRight);
    const bool turnBack = (lastDirection_ ^ (vertical ? kVertical : kHorizontal)) == direction;
    Steps s = vertical ? Measure(y1, x1, y2, x2, turnBack && !reversed, turnBack && reversed, lastPixel_.y)
                       : Measure(x1, y1, x2, y2, turnBack && !reversed, turnBack && reversed, lastPixel_.x);
    if (s.first == s.end) return dx + dy >= 64;
    auto at = [&](int64_t major, int64_t minor) {
        return vertical ? IPoint{static_cast<int32_t>(minor), static_cast<int32_t>(major)}
                        : IPoint{static_cast<int32_t>(major), static_cast<int32_t>(minor)};
    };
    IPoint first = at(s.first, s.minor >> 16);
    IPoint last = at(s.end - 1, (s.minor + (s.end - s.first - 1) * s.inc) >> 16);
    if (s.reversed) std::swap(first, last);
    const bool axisAligned = std::llabs(s.inc) < (1 << 14);
    if (lastPixel_.x >= 0) {
        if (first == lastPixel_) {
            // The joint pixel was drawn by the segment before.
            if (s.reversed) {
                --s.end;
            } else {
                ++s.first;
                s.minor += s.inc;
            }
        } else if (lastDirection_ != direction &&
                   ((axisAligned && lastAxisAligned_ && lastPixel_.x != first.x && lastPixel_.y != first.y) ||
                    std::abs(lastPixel_.x - first.x) > 1 || std::abs(lastPixel_.y - first.y) > 1)) {
            // The turn leaves a gap: one more pixel at the start.
            if (s.reversed) {
                ++s.end;
            } else {
                --s.first;
                s.minor -= s.inc;
            }
        }
    }
    lastDirection_ = direction;
    lastAxisAligned_ = axisAligned;
    // At least one pixel, even where the joint took the only one away.
    int64_t major = s.first, minor = s.minor;
    if (vertical) {
        do {
            const IPoint px{static_cast<int32_t>(minor >> 16), static_cast<int32_t>(major)};
            if (area_.Contains(px)) pixels_.push_back(px);
            minor += s.inc;
        } while (++major < s.end);
    } else {
        do {
            const IPoint px{static_cast<int32_t>(major), static_cast<int32_t>(minor >> 16)};
            if (area_.Contains(px)) pixels_.push_back(px);
            minor += s.inc;
        } while (++major < s.end);
    }
    lastPixel_ = last;
    return true;
}

void Hairline::PointArray(const IPoint* pts, size_t n, bool implicitClose) {
    if (n < 2) return;
    lastPixel_ = {-1, -1};
    const bool endsOnStart = pts[n - 1] == pts[0];
    if (implicitClose || endsOnStart) PrimeWith(endsOnStart && n > 2 ? pts[n - 2] : pts[n - 1], pts[0]);
    for (size_t i = 1; i < n; ++i) Segment(pts[i - 1], pts[i]);
    if (implicitClose) Segment(pts[n - 1], pts[0]);
}

void Hairline::ClosedSubpath(const IPoint* pts, size_t n) {
    if (n < 2) return;
    lastPixel_ = {-1, -1};
    const bool endsOnStart = pts[n - 1] == pts[0];
    PrimeWith(endsOnStart ? pts[n - 2] : pts[n - 1], pts[0]);
    for (size_t i = 1; i < n; ++i) Segment(pts[i - 1], pts[i]);
    if (!endsOnStart) Segment(pts[n - 1], pts[0]);
}

}  // namespace pw
