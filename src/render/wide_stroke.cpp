#include "render/wide_stroke.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstddef>
#include <limits>

namespace pw {

namespace {

// Where a pixel is sampled, from its top-left corner: just above and left of its centre, so that
// a centre exactly on the edge belongs to the stroke on its right and bottom side only.
constexpr double kSample = 0.5 - 1.0 / 4096;

// First and last whole number k with lo <= k + kSample <= hi, limited to [min, max].
bool SampleRange(double lo, double hi, int32_t min, int32_t max, int32_t& first, int32_t& last) {
    const double f = std::max(std::ceil(lo - kSample), static_cast<double>(min));
    const double l = std::min(std::floor(hi - kSample), static_cast<double>(max));
    if (!(f <= l)) return false;
    first = static_cast<int32_t>(f);
    last = static_cast<int32_t>(l);
    return true;
}

// The pen's dot around a pixel corner: for each row it reaches, the first and last pixel
// relative to the corner. Every vertex is a whole-numbered point, so one table serves them all.
struct DotRow {
    int32_t dy, x1, x2;
};

// Pens up to this width keep their dot in a table; the dot of a wider one is worked out row by
// row within the clip, so that neither work nor memory grows with the pen beyond the picture.
constexpr int32_t kDotTableWidth = 1024;

const std::vector<DotRow>& Dot(int32_t width) {
    thread_local int32_t tableWidth = -1;
    thread_local std::vector<DotRow> table;
    if (width == tableWidth) return table;
    table.clear();
    const double r = width / 2.0;
    const int32_t reach = width / 2 + 1;
    for (int32_t dy = -reach; dy <= reach; ++dy) {
        const double e = dy + kSample;
        if (std::fabs(e) > r) continue;
        const double h = std::sqrt(r * r - e * e);
        int32_t x1, x2;
        if (SampleRange(-h, h, -reach, reach, x1, x2)) table.push_back({dy, x1, x2});
    }
    tableWidth = width;
    return table;
}

template <class Sink>
void AddDot(IPoint c, const std::vector<DotRow>& dot, const IRect& clip, Sink& runs) {
    for (const DotRow& d : dot) {
        const int64_t y = static_cast<int64_t>(c.y) + d.dy;
        if (y < clip.y1 || y >= clip.y2) continue;
        const int64_t x1 = std::max<int64_t>(static_cast<int64_t>(c.x) + d.x1, clip.x1);
        const int64_t x2 = std::min<int64_t>(static_cast<int64_t>(c.x) + d.x2, clip.x2 - 1);
        if (x1 <= x2) runs.Add(static_cast<int32_t>(y), static_cast<int32_t>(x1), static_cast<int32_t>(x2));
    }
}

// The dot of a pen wider than the table holds, on the rows of the clip only.
template <class Sink>
void AddLargeDot(IPoint c, int32_t width, const IRect& clip, Sink& runs) {
    const double r = width / 2.0;
    const int64_t reach = width / 2 + 1;
    const int64_t top = std::max<int64_t>(int64_t{c.y} - reach, clip.y1);
    const int64_t bottom = std::min<int64_t>(int64_t{c.y} + reach, int64_t{clip.y2} - 1);
    for (int64_t y = top; y <= bottom; ++y) {
        const double e = static_cast<double>(y - c.y) + kSample;
        if (std::fabs(e) > r) continue;
        const double h = std::sqrt(r * r - e * e);
        int32_t x1, x2;
        if (SampleRange(c.x - h, c.x + h, clip.x1, clip.x2 - 1, x1, x2))
            runs.Add(static_cast<int32_t>(y), x1, x2);
    }
}

// Whether the squared distance of (x, y) from the segment a -> b is at most limit.
bool NearSegment(double x, double y, IPoint a, IPoint b, double limit) {
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    double px = x - a.x, py = y - a.y;
    const double len2 = dx * dx + dy * dy;
    const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
    px -= t * dx;
    py -= t * dy;
    return px * px + py * py <= limit;
}

// Whether the stroke takes every pixel of the clip: the pixels sampled at the clip's four
// corners lie well within the pen of one segment (or of a single point), whose stroke is convex.
bool StrokeTakesClip(const IPoint* pts, size_t n, bool closed, double r, const IRect& clip) {
    if (r <= 1 || 2 * r < std::min(clip.x2 - clip.x1, clip.y2 - clip.y1)) return false;
    const double x1 = clip.x1 + kSample, x2 = clip.x2 - 1 + kSample;
    const double y1 = clip.y1 + kSample, y2 = clip.y2 - 1 + kSample;
    const double limit = (r - 1) * (r - 1);
    const size_t segments = n == 1 ? 1 : closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const IPoint a = pts[i], b = pts[(i + 1) % n];
        if (NearSegment(x1, y1, a, b, limit) && NearSegment(x2, y1, a, b, limit) &&
            NearSegment(x1, y2, a, b, limit) && NearSegment(x2, y2, a, b, limit))
            return true;
    }
    return false;
}

// Whole numbers around a value within the coordinate range, without a library call.
int32_t Floor(double v) {
    const int32_t i = static_cast<int32_t>(v);
    return v < i ? i - 1 : i;
}
int32_t Ceil(double v) {
    const int32_t i = static_cast<int32_t>(v);
    return v > i ? i + 1 : i;
}

// The band along a segment a -> b (a != b): the points within r of the segment's line whose
// projection falls on the segment. On each row it is bounded by two pairs of lines, linear in
// the row's height, so the bounds are stepped from row to row.
template <class Sink>
void AddBand(IPoint a, IPoint b, double r, const IRect& clip, Sink& runs) {
    const double ax = a.x, ay = a.y;
    const double dx = static_cast<double>(b.x) - a.x, dy = static_cast<double>(b.y) - a.y;
    const double len = std::sqrt(dx * dx + dy * dy);
    // Rows: the band's corners lie r |dx| / len above and below the end points.
    const double reach = r * std::fabs(dx) / len;
    int32_t top, bottom;
    if (!SampleRange(std::min(ay, ay + dy) - reach, std::max(ay, ay + dy) + reach, clip.y1, clip.y2 - 1, top,
                     bottom))
        return;
    if (dy == 0 || dx == 0) {
        // Along an axis the band is a rectangle: the same columns on every row.
        int32_t x1, x2;
        const double left = dy == 0 ? std::min(ax, ax + dx) : ax - r,
                     right = dy == 0 ? std::max(ax, ax + dx) : ax + r;
        if (!SampleRange(left, right, clip.x1, clip.x2 - 1, x1, x2)) return;
        for (int32_t y = top; y <= bottom; ++y) runs.Add(y, x1, x2);
        return;
    }
    // Within r of the line: x in ax + e dx / dy -+ r len / |dy| at height ay + e. Projecting
    // onto the segment: x in ax - e dy / dx + [0, len^2 / dx] (ordered). All shifted by the
    // sample offset, so that the columns are the whole numbers between the bounds.
    const double lineSlope = dx / dy, lineHalf = r * len / std::fabs(dy);
    const double projSlope = -dy / dx, q = len * len / dx;
    const double e = top + kSample - ay;
    const double lineMid = ax + lineSlope * e - kSample, projBase = ax + projSlope * e - kSample;
    double lineLeft = lineMid - lineHalf, lineRight = lineMid + lineHalf;
    double projLeft = projBase + std::min(0.0, q), projRight = projBase + std::max(0.0, q);
    const double minX = clip.x1, maxX = clip.x2 - 1.0;
    for (int32_t y = top; y <= bottom; ++y) {
        const double lo = std::max(std::max(lineLeft, projLeft), minX);
        const double hi = std::min(std::min(lineRight, projRight), maxX);
        if (lo <= hi) {
            const int32_t x1 = Ceil(lo), x2 = Floor(hi);
            if (x1 <= x2) runs.Add(y, x1, x2);
        }
        lineLeft += lineSlope;
        lineRight += lineSlope;
        projLeft += projSlope;
        projRight += projSlope;
    }
}

}  // namespace

namespace {

// Bits of the row masks that joining runs sets at most instead of sorting them: up to 64 rows of
// 256 pixels, about the box of a stroke around a small shape at a usual zoom.
constexpr int64_t kMaskBits = 64 * 256;

// Runs as they come, to be joined later.
struct RunList {
    std::vector<PixelRun>& runs;
    void Add(int32_t y, int32_t x1, int32_t x2) { runs.push_back({y, x1, x2}); }
};

// Runs joined as they come: one bit mask per row of a box (rows from top, columns from left),
// read back as runs, row by row and from left to right. Every run must lie inside the box.
class RowMasks {
  public:
    // Whether a box of the rows and columns is small enough.
    static bool Fit(int64_t rows, int64_t columns) {
        return rows > 0 && columns > 0 && rows * ((columns + 63) / 64) * 64 <= kMaskBits;
    }
    RowMasks(int32_t top, int64_t rows, int32_t left, int64_t columns)
        : top_(top),
          left_(left),
          rows_(static_cast<size_t>(rows)),
          words_(static_cast<size_t>((columns + 63) / 64)) {
        masks().assign(rows_ * words_, 0);
    }
    void Add(int32_t y, int32_t x1, int32_t x2) {
        uint64_t* row = masks().data() + static_cast<size_t>(y - top_) * words_;
        const size_t from = static_cast<size_t>(x1 - left_), to = static_cast<size_t>(x2 - left_);
        const size_t w1 = from >> 6, w2 = to >> 6;
        const uint64_t head = ~uint64_t{0} << (from & 63), tail = ~uint64_t{0} >> (63 - (to & 63));
        if (w1 == w2) {
            row[w1] |= head & tail;
            return;
        }
        row[w1] |= head;
        for (size_t w = w1 + 1; w < w2; ++w) row[w] = ~uint64_t{0};
        row[w2] |= tail;
    }
    // Appends the joined runs.
    void Read(std::vector<PixelRun>& runs) const {
        for (size_t y = 0; y < rows_; ++y) {
            const uint64_t* row = masks().data() + y * words_;
            const int32_t py = top_ + static_cast<int32_t>(y);
            // A run open across a word boundary, from column `open`.
            int64_t open = -1;
            for (size_t w = 0; w < words_; ++w) {
                const uint64_t bits = row[w];
                const int64_t base = static_cast<int64_t>(w) * 64;
                int bit = 0;
                while (bit < 64) {
                    if (open < 0) {
                        const uint64_t rest = bits >> bit;
                        if (rest == 0) break;
                        bit += std::countr_zero(rest);
                        open = base + bit;
                    }
                    const uint64_t gaps = ~bits >> bit;
                    if (gaps == 0) break;  // the run goes on into the next word
                    bit += std::countr_zero(gaps);
                    runs.push_back({py, static_cast<int32_t>(left_ + open),
                                    static_cast<int32_t>(left_ + base + bit - 1)});
                    open = -1;
                }
            }
            if (open >= 0)
                runs.push_back({py, static_cast<int32_t>(left_ + open),
                                static_cast<int32_t>(left_ + static_cast<int64_t>(words_) * 64 - 1)});
        }
    }

  private:
    // One buffer per thread, reused from call to call.
    static std::vector<uint64_t>& masks() {
        thread_local std::vector<uint64_t> buffer;
        return buffer;
    }
    int32_t top_, left_;
    size_t rows_, words_;
};

// Whether the runs are sorted by row and column and apart from each other already.
bool Joined(const std::vector<PixelRun>& runs) {
    for (size_t i = 1; i < runs.size(); ++i) {
        const PixelRun &a = runs[i - 1], &b = runs[i];
        if (b.y < a.y || (b.y == a.y && b.x1 <= a.x2 + 1)) return false;
    }
    return true;
}

}  // namespace

void MergeRuns(std::vector<PixelRun>& runs) {
    if (runs.size() < 2) return;
    int32_t top = runs[0].y, bottom = runs[0].y, left = runs[0].x1, right = runs[0].x2;
    for (const PixelRun& r : runs) {
        top = std::min(top, r.y);
        bottom = std::max(bottom, r.y);
        left = std::min(left, r.x1);
        right = std::max(right, r.x2);
    }
    const size_t rows = static_cast<size_t>(static_cast<int64_t>(bottom) - top + 1);
    // A small box: through bit masks, which need neither sorting nor comparing.
    const int64_t columns = static_cast<int64_t>(right) - left + 1;
    if (RowMasks::Fit(static_cast<int64_t>(rows), columns)) {
        if (Joined(runs)) return;
        RowMasks masks(top, static_cast<int64_t>(rows), left, columns);
        for (const PixelRun& r : runs) masks.Add(r.y, r.x1, r.x2);
        runs.clear();
        masks.Read(runs);
        return;
    }
    // Otherwise sorted by row through a count per row (the rows of one stroke are few and
    // close), then by column within each row, where there are only a handful.
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
            std::sort(sorted.begin() + static_cast<std::ptrdiff_t>(from),
                      sorted.begin() + static_cast<std::ptrdiff_t>(to),
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

namespace {
// A segment widened by the pen is its band with a dot at each end; the dots at the joints are
// shared by the segments that meet there.
template <class Sink>
void AddSegments(const IPoint* pts, size_t n, bool closed, int32_t width, const IRect& clip, Sink& runs) {
    const double r = width / 2.0;
    const std::vector<DotRow>* dot = width <= kDotTableWidth ? &Dot(width) : nullptr;
    for (size_t i = 0; i < n; ++i) {
        if (i == 0 || !(pts[i] == pts[i - 1])) {
            if (dot)
                AddDot(pts[i], *dot, clip, runs);
            else
                AddLargeDot(pts[i], width, clip, runs);
        }
        if (i + 1 < n && !(pts[i] == pts[i + 1])) AddBand(pts[i], pts[i + 1], r, clip, runs);
    }
    if (closed && n > 1 && !(pts[n - 1] == pts[0])) AddBand(pts[n - 1], pts[0], r, clip, runs);
}
}  // namespace

namespace {
void AddWideStrokeAbout(const IPoint* pts, size_t n, bool closed, int32_t width, const IRect& clip,
                        std::vector<PixelRun>& runs);
}  // namespace

void AddWideStroke(const IPoint* pts, size_t n, bool closed, int32_t width, const IRect& clip,
                   std::vector<PixelRun>& runs) {
    if (n == 0 || width <= 0 || clip.IsEmpty()) return;
    // Worked out about the first point, so that the runs move with the points exactly, to the
    // last bit of the arithmetic (a kept stroke moves with a scrolled view).
    // (Coordinates of a billion pixels and more, which no view reaches, are taken as they are.)
    const IPoint o = pts[0];
    constexpr int32_t kNear = 1 << 29;
    const auto near = [](int32_t v) { return v > -kNear && v < kNear; };
    bool allNear = near(clip.x1) && near(clip.x2) && near(clip.y1) && near(clip.y2);
    for (size_t i = 0; i < n && allNear; ++i) allNear = near(pts[i].x) && near(pts[i].y);
    if (!allNear) {
        AddWideStrokeAbout(pts, n, closed, width, clip, runs);
        return;
    }
    thread_local std::vector<IPoint> about;
    about.resize(n);
    for (size_t i = 0; i < n; ++i) about[i] = {pts[i].x - o.x, pts[i].y - o.y};
    const size_t from = runs.size();
    AddWideStrokeAbout(about.data(), n, closed, width,
                       {clip.x1 - o.x, clip.y1 - o.y, clip.x2 - o.x, clip.y2 - o.y}, runs);
    MoveRuns(runs, from, o);
}

void MoveRuns(std::vector<PixelRun>& runs, size_t from, IPoint d) {
    for (size_t i = from; i < runs.size(); ++i)
        runs[i] = {runs[i].y + d.y, runs[i].x1 + d.x, runs[i].x2 + d.x};
}

namespace {
void AddWideStrokeAbout(const IPoint* pts, size_t n, bool closed, int32_t width, const IRect& clip,
                        std::vector<PixelRun>& runs) {
    const double r = width / 2.0;
    if (StrokeTakesClip(pts, n, closed, r, clip)) {
        for (int32_t y = clip.y1; y < clip.y2; ++y) runs.push_back({y, clip.x1, clip.x2 - 1});
        return;
    }
    // Around a small shape the runs are joined as they come, in bit masks over the box the pen
    // can reach within the clip.
    IPoint low = pts[0], high = pts[0];
    for (size_t i = 1; i < n; ++i) {
        low = {std::min(low.x, pts[i].x), std::min(low.y, pts[i].y)};
        high = {std::max(high.x, pts[i].x), std::max(high.y, pts[i].y)};
    }
    const int64_t reach = width / 2 + 2;
    const int64_t top = std::max<int64_t>(low.y - reach, clip.y1),
                  bottom = std::min<int64_t>(high.y + reach, clip.y2 - 1);
    const int64_t left = std::max<int64_t>(low.x - reach, clip.x1),
                  right = std::min<int64_t>(high.x + reach, clip.x2 - 1);
    if (top > bottom || left > right) return;
    if (RowMasks::Fit(bottom - top + 1, right - left + 1)) {
        const IRect box{static_cast<int32_t>(left), static_cast<int32_t>(top),
                        static_cast<int32_t>(right + 1), static_cast<int32_t>(bottom + 1)};
        RowMasks masks(box.y1, bottom - top + 1, box.x1, right - left + 1);
        AddSegments(pts, n, closed, width, box, masks);
        masks.Read(runs);
        return;
    }
    RunList list{runs};
    AddSegments(pts, n, closed, width, clip, list);
}
}  // namespace

}  // namespace pw
