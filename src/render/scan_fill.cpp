#include "render/scan_fill.h"

#include <algorithm>
#include <climits>
#include <cstddef>

namespace pw {

namespace {

// One edge from its first to its last row: the crossing in 16.16 fixed point (the pixel column
// is its whole part) and the step per row.
struct Edge {
    int32_t top, bottom;
    int64_t x, step;
    int32_t winding;
};

// The edge a -> b (in 1/64 pixel), if it spans a row centre between top and bottom.
void AddEdge(IPoint a, IPoint b, int32_t top, int32_t bottom, std::vector<Edge>& edges) {
    int32_t winding = 1;
    if (a.y > b.y) {
        std::swap(a, b);
        winding = -1;
    }
    // The rows whose centre lies below a and not below b.
    const int32_t first = std::max(top, (a.y + 32) >> 6), last = std::min(bottom, (b.y - 32) >> 6);
    if (first > last) return;
    const int64_t start = (static_cast<int64_t>(a.x) << 10) + 0x8000;
    if (a.x == b.x) {
        edges.push_back({first, last, start, 0, winding});
        return;
    }
    // The slope as the painter rounds it: a double quotient scaled to 16.16 and cut toward zero;
    // the first crossing is taken at the first row's centre with a floored fixed-point product.
    const double slope = static_cast<double>(b.x - a.x) / static_cast<double>(b.y - a.y);
    const int64_t step = static_cast<int64_t>(slope * 65536.0);
    const int64_t down = (static_cast<int64_t>(first) << 16) + 0x8000 - (static_cast<int64_t>(a.y) << 10);
    edges.push_back({first, last, start + ((step * down) >> 16), step, winding});
}

}  // namespace

namespace {

void AddContours(const IPoint* pts, const int32_t* counts, size_t polygons, int32_t scale, const IRect& area,
                 std::vector<Edge>& edges) {
    const int32_t top = area.y1, bottom = area.y2 - 1;
    auto at = [&](const IPoint* p, size_t k) { return IPoint{p[k].x * scale, p[k].y * scale}; };
    size_t start = 0;
    for (size_t i = 0; i < polygons; ++i) {
        const size_t n = static_cast<size_t>(std::max(counts[i], 0));
        const IPoint* p = pts + start;
        start += n;
        if (n == 0) continue;
        for (size_t k = 0; k + 1 < n; ++k) AddEdge(at(p, k), at(p, k + 1), top, bottom, edges);
        if (!(p[n - 1] == p[0])) AddEdge(at(p, n - 1), at(p, 0), top, bottom, edges);
    }
}

// Cells at most in the box of a shape filled by counting its crossings into them: a glyph at a
// usual zoom.
constexpr int64_t kMostCells = 4096;

// Fills a small shape without sorting edges or crossings: each crossing adds its winding to the
// cell of its column, and a pixel is inside when the cells up to it add up to an odd count or a
// non-zero winding. Crossings left of the area count in its first column; those right of the
// last crossing of the shape are never inside (each row's windings add up to zero), so the cells
// end there. A pixel set alike, in runs joined where the scan would end one run where the next
// begins. False, with nothing done, where the box has too many cells.
bool ScanSmall(const std::vector<Edge>& edges, int32_t windingMask, const IRect& area,
               std::vector<PixelRun>& runs) {
    int32_t top = INT32_MAX, bottom = INT32_MIN;
    int64_t left = INT64_MAX, right = INT64_MIN, crossings = 0;
    for (const Edge& e : edges) {
        crossings += e.bottom - e.top + 1;
        top = std::min(top, e.top);
        bottom = std::max(bottom, e.bottom);
        const int64_t x1 = e.x >> 16, x2 = (e.x + static_cast<int64_t>(e.bottom - e.top) * e.step) >> 16;
        left = std::min(left, std::min(x1, x2));
        right = std::max(right, std::max(x1, x2));
    }
    // The pixels that may be inside: from the first crossing up to the one before the last.
    const int64_t first = std::max<int64_t>(left, area.x1), last = std::min<int64_t>(right - 1, area.x2 - 1);
    if (first > last) return true;
    const int64_t width = last - first + 1, rows = static_cast<int64_t>(bottom) - top + 1;
    // Reading every cell back pays where the rows are crowded with crossings, as a glyph's are.
    if (width * rows > std::min(kMostCells, 4 * crossings + 64)) return false;
    thread_local std::vector<int32_t> cells;
    cells.assign(static_cast<size_t>(width * rows), 0);
    for (const Edge& e : edges) {
        int32_t* row = cells.data() + static_cast<ptrdiff_t>(e.top - top) * width;
        int64_t x = e.x;
        for (int32_t y = e.top; y <= e.bottom; ++y, row += width, x += e.step) {
            const int64_t column = x >> 16;
            if (column <= last) row[std::max(column, first) - first] += e.winding;
        }
    }
    const int32_t* row = cells.data();
    for (int32_t y = top; y <= bottom; ++y, row += width) {
        int32_t sum = 0;
        int64_t open = -1;
        for (int64_t c = 0; c < width; ++c) {
            sum += row[c];
            const bool inside = (sum & windingMask) != 0;
            if (inside && open < 0) {
                open = c;
            } else if (!inside && open >= 0) {
                runs.push_back({y, static_cast<int32_t>(first + open), static_cast<int32_t>(first + c - 1)});
                open = -1;
            }
        }
        if (open >= 0) runs.push_back({y, static_cast<int32_t>(first + open), static_cast<int32_t>(last)});
    }
    return true;
}

void ScanEdges(std::vector<Edge>& edges, FillMode mode, const IRect& area, std::vector<PixelRun>& runs) {
    thread_local std::vector<const Edge*> active;
    thread_local std::vector<std::pair<int32_t, int32_t>> crossings;
    if (edges.empty()) return;
    if (ScanSmall(edges, mode == FillMode::Winding ? ~0 : 1, area, runs)) return;
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.top < b.top; });
    const int32_t last = std::max_element(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) {
                             return a.bottom < b.bottom;
                         })->bottom;
    const int32_t windingMask = mode == FillMode::Winding ? ~0 : 1;
    active.clear();
    size_t next = 0;
    for (int32_t y = edges[0].top; y <= last; ++y) {
        while (next < edges.size() && edges[next].top == y) active.push_back(&edges[next++]);
        crossings.clear();
        size_t kept = 0;
        for (const Edge* e : active) {
            if (e->bottom < y) continue;
            active[kept++] = e;
            crossings.push_back(
                {static_cast<int32_t>((e->x + static_cast<int64_t>(y - e->top) * e->step) >> 16),
                 e->winding});
        }
        active.resize(kept);
        if (crossings.empty()) continue;
        // A row mostly crosses a handful of edges.
        if (crossings.size() > 16) {
            std::sort(crossings.begin(), crossings.end());
        } else {
            for (size_t i = 1; i < crossings.size(); ++i) {
                const auto c = crossings[i];
                size_t j = i;
                for (; j > 0 && crossings[j - 1] > c; --j) crossings[j] = crossings[j - 1];
                crossings[j] = c;
            }
        }
        // Between two crossings the pixels from the first up to the second are inside when the
        // windings so far say so.
        int32_t sum = 0, from = 0;
        for (const auto& [x, winding] : crossings) {
            if ((sum & windingMask) && x > from) {
                const int32_t x1 = std::max(from, area.x1), x2 = std::min(x - 1, area.x2 - 1);
                if (x1 <= x2) runs.push_back({y, x1, x2});
            }
            from = x;
            sum += winding;
        }
    }
}

}  // namespace

void AddPolygonFill(const IPoint* pts, const int32_t* counts, size_t polygons, FillMode mode,
                    const IRect& area, std::vector<PixelRun>& runs) {
    thread_local std::vector<Edge> edges;
    edges.clear();
    AddContours(pts, counts, polygons, 64, area, edges);
    ScanEdges(edges, mode, area, runs);
}

void AddSubpixelPolygonFill(const IPoint* pts, const int32_t* counts, size_t polygons, FillMode mode,
                            const IRect& area, std::vector<PixelRun>& runs) {
    thread_local std::vector<Edge> edges;
    edges.clear();
    AddContours(pts, counts, polygons, 1, area, edges);
    ScanEdges(edges, mode, area, runs);
}

}  // namespace pw
