#include "render/wide_stroke.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pw {

namespace {

// Where a pixel is sampled, from its top-left corner: just above and left of its centre, so that
// a centre exactly on the edge belongs to the stroke on its right and bottom side only.
constexpr double kSample = 0.5 - 1.0 / 4096;

// One segment widened by the pen: the points within r of the segment a -> b.
class Capsule {
  public:
    Capsule(IPoint a, IPoint b, double r)
        : ax_(a.x), ay_(a.y), bx_(b.x), by_(b.y), dx_(bx_ - ax_), dy_(by_ - ay_), r_(r) {
        len2_ = dx_ * dx_ + dy_ * dy_;
        rLen_ = r_ * std::sqrt(len2_);
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
        if (len2_ > 0) Band(y, lo, hi);
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
    // most r: |dx (y - ay) - dy (x - ax)| <= r len and 0 <= dx (x - ax) + dy (y - ay) <= len^2.
    void Band(double y, double& lo, double& hi) const {
        const double e = y - ay_;
        double left = -std::numeric_limits<double>::infinity(), right = -left;
        if (dy_ != 0) {
            const double c = dx_ * e;
            const double u = ax_ + (c - rLen_) / dy_, v = ax_ + (c + rLen_) / dy_;
            left = std::max(left, std::min(u, v));
            right = std::min(right, std::max(u, v));
        } else if (std::fabs(e) > r_) {
            return;
        }
        const double p = dy_ * e;
        if (dx_ != 0) {
            const double u = ax_ - p / dx_, v = ax_ + (len2_ - p) / dx_;
            left = std::max(left, std::min(u, v));
            right = std::min(right, std::max(u, v));
        } else if (p < 0 || p > len2_) {
            return;
        }
        if (left > right) return;
        lo = std::min(lo, left);
        hi = std::max(hi, right);
    }

    double ax_, ay_, bx_, by_, dx_, dy_, r_;
    double len2_, rLen_;
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
    std::sort(runs.begin(), runs.end(),
              [](const PixelRun& a, const PixelRun& b) { return a.y != b.y ? a.y < b.y : a.x1 < b.x1; });
    size_t out = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
        if (out > 0 && runs[out - 1].y == runs[i].y && runs[i].x1 <= runs[out - 1].x2 + 1) {
            runs[out - 1].x2 = std::max(runs[out - 1].x2, runs[i].x2);
            continue;
        }
        runs[out++] = runs[i];
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
