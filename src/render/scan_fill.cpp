#include "render/scan_fill.h"

#include <algorithm>

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

void ScanEdges(std::vector<Edge>& edges, FillMode mode, const IRect& area, std::vector<PixelRun>& runs) {
    thread_local std::vector<const Edge*> active;
    thread_local std::vector<std::pair<int32_t, int32_t>> crossings;
    if (edges.empty()) return;
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
