#include "render/ellipse_raster.h"

#include <cmath>

#include "render/scan_fill.h"

namespace pw {

namespace {

struct Pt {
    double x, y;
};

struct Cubic {
    double x1, y1, x2, y2, x3, y3, x4, y4;
};

// The start point and the twelve control points of the four curves, clockwise on the screen
// from the right end of the horizontal axis, with the painter's arc constant and the same sums
// in the same order as its path, so that every coordinate is the same double.
void CurvePoints(const EllipseBox& b, Pt pts[13]) {
    constexpr double kKappa = 0.5522847498;
    const double x = b.x, y = b.y, w = b.width, h = b.height;
    const double w2 = w / 2, w2k = w2 * kKappa, h2 = h / 2, h2k = h2 * kKappa;
    pts[0] = {x + w, y + h2};
    pts[1] = {x + w, y + h2 + h2k};
    pts[2] = {x + w2 + w2k, y + h};
    pts[3] = {x + w2, y + h};
    pts[4] = {x + w2 - w2k, y + h};
    pts[5] = {x, y + h2 + h2k};
    pts[6] = {x, y + h2};
    pts[7] = {x, y + h2 - h2k};
    pts[8] = {x + w2 - w2k, y};
    pts[9] = {x + w2, y};
    pts[10] = {x + w2 + w2k, y};
    pts[11] = {x + w, y + h2 - h2k};
    pts[12] = {x + w, y + h2};
}

// Halves a curve into first and second (second may be the curve itself).
void Split(const Cubic& c, Cubic* first, Cubic* second) {
    const Cubic s = c;
    const double cx = (s.x2 + s.x3) * .5, cy = (s.y2 + s.y3) * .5;
    first->x1 = s.x1;
    first->y1 = s.y1;
    first->x2 = (s.x1 + s.x2) * .5;
    first->y2 = (s.y1 + s.y2) * .5;
    second->x4 = s.x4;
    second->y4 = s.y4;
    second->x3 = (s.x3 + s.x4) * .5;
    second->y3 = (s.y3 + s.y4) * .5;
    first->x3 = (first->x2 + cx) * .5;
    first->y3 = (first->y2 + cy) * .5;
    second->x2 = (second->x3 + cx) * .5;
    second->y2 = (second->y3 + cy) * .5;
    first->x4 = second->x1 = (first->x3 + second->x2) * .5;
    first->y4 = second->y1 = (first->y3 + second->y2) * .5;
}

// The fill's flattening: halve until both control points lie within a quarter pixel (measured
// as the painter measures it) of the chord, at most nine times; each flat piece adds its end.
void FlattenForFill(const Cubic& curve, std::vector<Pt>& out) {
    constexpr double kThreshold = 0.25;
    Cubic stack[10];
    int levels[10];
    stack[0] = curve;
    levels[0] = 9;
    int top = 0;
    while (top >= 0) {
        Cubic& b = stack[top];
        const double y4y1 = b.y4 - b.y1, x4x1 = b.x4 - b.x1;
        double l = std::fabs(x4x1) + std::fabs(y4y1);
        double d;
        if (l > 1.) {
            d = std::fabs((x4x1) * (b.y1 - b.y2) - (y4y1) * (b.x1 - b.x2)) +
                std::fabs((x4x1) * (b.y1 - b.y3) - (y4y1) * (b.x1 - b.x3));
        } else {
            d = std::fabs(b.x1 - b.x2) + std::fabs(b.y1 - b.y2) + std::fabs(b.x1 - b.x3) +
                std::fabs(b.y1 - b.y3);
            l = 1.;
        }
        if (d < kThreshold * l || levels[top] == 0) {
            out.push_back({b.x4, b.y4});
            --top;
        } else {
            Split(b, &stack[top + 1], &b);
            levels[top + 1] = --levels[top];
            ++top;
        }
    }
}

// A device coordinate on the 1/64-pixel grid, rounded half up as the painter's outline does.
int32_t Grid(double v) {
    const double s = v * 64;
    return s >= 0.0 ? static_cast<int32_t>(s + 0.5) : static_cast<int32_t>(s - 0.5);
}

// Halves one axis of the curve p[0..3] in place into p[0..3] and p[3..6] (the end half first).
void HalveAxis(Pt* p, double Pt::*axis) {
    const double half = .5;
    double a, b, c, d;
    p[6].*axis = p[3].*axis;
    c = p[1].*axis;
    d = p[2].*axis;
    p[1].*axis = a = (p[0].*axis + c) * half;
    p[5].*axis = b = (p[3].*axis + d) * half;
    c = (c + d) * half;
    p[2].*axis = a = (a + c) * half;
    p[4].*axis = b = (b + c) * half;
    p[3].*axis = (a + b) * half;
}

// The outline's flattening, as the one-pixel stroker does it: the curve is kept as its points
// from end (0) to start (3) and halved in place while a control point lies a quarter of the
// chord's Manhattan length from the chord, at most six times.
void StrokeSubdivided(Pt* p, int level, Hairline& line) {
    if (level) {
        const double dx = p[3].x - p[0].x, dy = p[3].y - p[0].y;
        const double len = .25 * (std::fabs(dx) + std::fabs(dy));
        if (std::fabs(dx * (p[0].y - p[2].y) - dy * (p[0].x - p[2].x)) >= len ||
            std::fabs(dx * (p[0].y - p[1].y) - dy * (p[0].x - p[1].x)) >= len) {
            HalveAxis(p, &Pt::x);
            HalveAxis(p, &Pt::y);
            --level;
            StrokeSubdivided(p + 3, level, line);
            StrokeSubdivided(p, level, line);
            return;
        }
    }
    line.CurveLine(p[3].x, p[3].y, p[0].x, p[0].y);
}

}  // namespace

void AddEllipseFill(const EllipseBox& box, const IRect& area, std::vector<PixelRun>& runs) {
    Pt pts[13];
    CurvePoints(box, pts);
    thread_local std::vector<Pt> polygon;
    thread_local std::vector<IPoint> grid;
    polygon.assign(1, pts[0]);
    for (int k = 0; k < 4; ++k) {
        const Pt a = polygon.back(), c1 = pts[3 * k + 1], c2 = pts[3 * k + 2], e = pts[3 * k + 3];
        FlattenForFill({a.x, a.y, c1.x, c1.y, c2.x, c2.y, e.x, e.y}, polygon);
    }
    grid.clear();
    for (const Pt& p : polygon) grid.push_back({Grid(p.x), Grid(p.y)});
    const int32_t count = static_cast<int32_t>(grid.size());
    AddSubpixelPolygonFill(grid.data(), &count, 1, FillMode::Alternate, area, runs);
}

void AddEllipseOutline(const EllipseBox& box, Hairline& line) {
    Pt pts[13];
    CurvePoints(box, pts);
    // The path ends on its start: it begins as if its last piece, from the last control point
    // to the end, had just been drawn.
    line.BeginClosedCurve(pts[11].x, pts[11].y, pts[12].x, pts[12].y);
    for (int k = 0; k < 4; ++k) {
        Pt p[22];
        p[3] = pts[3 * k];
        p[2] = pts[3 * k + 1];
        p[1] = pts[3 * k + 2];
        p[0] = pts[3 * k + 3];
        StrokeSubdivided(p, 6, line);
    }
}

}  // namespace pw
