#include "render/wide_stroke.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace pw {

namespace {

// Where a pixel is sampled, from its top-left corner: just above and left of its centre, so that
// a centre exactly on the edge belongs to the stroke on its right and bottom side only.
constexpr double kSample = 0.5 - 1.0 / 4096;

// One segment widened by the pen: the points within r of the segment a -> b. Its row stretches
// are linear in the row's height, so their coefficients are worked out once.
class Capsule {
  public:
    Capsule(IPoint a, IPoint b, double r) : ax_(a.x), ay_(a.y), bx_(b.x), by_(b.y), r_(r) {
        const double dx = bx_ - ax_, dy = by_ - ay_;
        const double len2 = dx * dx + dy * dy;
        hasBand_ = len2 > 0;
        // Within r of the segment's line: x in ax + e dx / dy -+ r len / |dy| at height ay + e.
        if (dy != 0) {
            lineSlope_ = dx / dy;
            lineHalf_ = r * std::sqrt(len2) / std::fabs(dy);
        }
        // Projecting onto the segment: x in ax - e dy / dx + [0, len^2 / dx] (ordered).
        if (dx != 0) {
            projSlope_ = -dy / dx;
            const double q = len2 / dx;
            projLo_ = std::min(0.0, q);
            projHi_ = std::max(0.0, q);
        }
        horizontal_ = dy == 0;
        vertical_ = dx == 0;
        verticalLo_ = std::min(0.0, dy);
        verticalHi_ = std::max(0.0, dy);
    }

    double Top() const { return std::min(ay_, by_) - r_; }
    double Bottom() const { return std::max(ay_, by_) + r_; }

    // The stretch [lo, hi] of the line at height y inside the capsule; false when it misses.
    // The capsule is convex, so the stretch is one interval: the union of what the two end
    // discs and the band along the segment cut from the line.
    bool Row(double y, double& lo, double& hi) const {
        lo = std::numeric_limits<double>::infinity();
        hi = -lo;
        Disc(ax_, ay_, y, lo, hi);
        Disc(bx_, by_, y, lo, hi);
        if (hasBand_) Band(y, lo, hi);
        return lo <= hi;
    }

  private:
    void Disc(double cx, double cy, double y, double& lo, double& hi) const {
        const double e = y - cy;
        if (std::fabs(e) > r_) return;
        const double h = std::sqrt(r_ * r_ - e * e);
        lo = std::min(lo, cx - h);
        hi = std::max(hi, cx + h);
    }

    // Points whose projection falls on the segment and whose distance from its line is at
    // most r.
    void Band(double y, double& lo, double& hi) const {
        const double e = y - ay_;
        double left, right;
        if (horizontal_) {
            if (std::fabs(e) > r_) return;
            left = -std::numeric_limits<double>::infinity();
            right = -left;
        } else {
            const double mid = ax_ + lineSlope_ * e;
            left = mid - lineHalf_;
            right = mid + lineHalf_;
        }
        if (vertical_) {
            // Vertical: the projection condition is on the height alone.
            if (e < verticalLo_ || e > verticalHi_) return;
        } else {
            const double base = ax_ + projSlope_ * e;
            left = std::max(left, base + projLo_);
            right = std::min(right, base + projHi_);
        }
        if (left > right) return;
        lo = std::min(lo, left);
        hi = std::max(hi, right);
    }

    double ax_, ay_, bx_, by_, r_;
    bool hasBand_ = false, horizontal_ = false, vertical_ = false;
    double lineSlope_ = 0, lineHalf_ = 0;
    double projSlope_ = 0, projLo_ = 0, projHi_ = 0;
    double verticalLo_ = 0, verticalHi_ = 0;
};

// First and last whole number k with lo <= k + kSample <= hi, limited to [min, max].
bool SampleRange(double lo, double hi, int32_t min, int32_t max, int32_t& first, int32_t& last) {
    const double f = std::max(std::ceil(lo - kSample), static_cast<double>(min));
    const double l = std::min(std::floor(hi - kSample), static_cast<double>(max));
    if (!(f <= l)) return false;
    first = static_cast<int32_t>(f);
    last = static_cast<int32_t>(l);
    return true;
}

void AddCapsuleRuns(const Capsule& c, const IRect& clip, std::vector<PixelRun>& runs) {
    int32_t top, bottom;
    if (!SampleRange(c.Top(), c.Bottom(), clip.y1, clip.y2 - 1, top, bottom)) return;
    for (int32_t y = top; y <= bottom; ++y) {
        double lo, hi;
        int32_t x1, x2;
        if (c.Row(y + kSample, lo, hi) && SampleRange(lo, hi, clip.x1, clip.x2 - 1, x1, x2))
            runs.push_back({y, x1, x2});
    }
}

}  // namespace

void MergeRuns(std::vector<PixelRun>& runs) {
    if (runs.size() < 2) return;
    // Sorted by row through a count per row (the rows of one stroke are few and close), then
    // by column within each row, where there are only a handful.
    int32_t top = runs[0].y, bottom = runs[0].y;
    for (const PixelRun& r : runs) {
        top = std::min(top, r.y);
        bottom = std::max(bottom, r.y);
    }
    const size_t rows = static_cast<size_t>(static_cast<int64_t>(bottom) - top + 1);
    thread_local std::vector<uint32_t> start;
    thread_local std::vector<PixelRun> sorted;
    start.assign(rows + 1, 0);
    for (const PixelRun& r : runs) ++start[static_cast<size_t>(r.y - top) + 1];
    for (size_t i = 1; i <= rows; ++i) start[i] += start[i - 1];
    sorted.resize(runs.size());
    for (const PixelRun& r : runs) sorted[start[static_cast<size_t>(r.y - top)]++] = r;
    // start[i] now marks the end of row i.
    size_t out = 0, from = 0;
    for (size_t row = 0; row < rows; ++row) {
        const size_t to = start[row];
        if (to - from > 16) {
            std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(from), sorted.begin() + static_cast<std::ptrdiff_t>(to),
                      [](const PixelRun& a, const PixelRun& b) { return a.x1 < b.x1; });
        } else {
            for (size_t i = from + 1; i < to; ++i) {
                const PixelRun r = sorted[i];
                size_t j = i;
                for (; j > from && sorted[j - 1].x1 > r.x1; --j) sorted[j] = sorted[j - 1];
                sorted[j] = r;
            }
        }
        const size_t rowStart = out;
        for (size_t i = from; i < to; ++i) {
            if (out > rowStart && sorted[i].x1 <= runs[out - 1].x2 + 1) {
                runs[out - 1].x2 = std::max(runs[out - 1].x2, sorted[i].x2);
                continue;
            }
            runs[out++] = sorted[i];
        }
        from = to;
    }
    runs.resize(out);
}

void AddWideStroke(const IPoint* pts, size_t n, bool closed, int32_t width, const IRect& clip,
                   std::vector<PixelRun>& runs) {
    if (n == 0 || width <= 0 || clip.IsEmpty()) return;
    const double r = width / 2.0;
    if (n == 1) {
        AddCapsuleRuns(Capsule(pts[0], pts[0], r), clip, runs);
    } else {
        for (size_t i = 0; i + 1 < n; ++i) AddCapsuleRuns(Capsule(pts[i], pts[i + 1], r), clip, runs);
        if (closed) AddCapsuleRuns(Capsule(pts[n - 1], pts[0], r), clip, runs);
    }
}

}  // namespace pw
