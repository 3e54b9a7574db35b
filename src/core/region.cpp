#include "core/region.h"

#include <algorithm>
#include <cmath>

namespace pw {

namespace {

// Winding number and crossing count of the closed polygon around (x, y).
void Crossings(const std::vector<IPoint>& p, double x, double y, int& winding, int& crossings) {
    winding = crossings = 0;
    size_t n = p.size();
    for (size_t i = 0; i < n; ++i) {
        const IPoint& a = p[i];
        const IPoint& b = p[(i + 1) % n];
        bool up = a.y <= y && b.y > y;
        bool down = b.y <= y && a.y > y;
        if (!up && !down) continue;
        double t = (y - a.y) / static_cast<double>(b.y - a.y);
        double cx = a.x + t * (b.x - a.x);
        if (cx > x) {
            ++crossings;
            winding += up ? 1 : -1;
        }
    }
}

double Cross(double ax, double ay, double bx, double by, double cx, double cy) {
    return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

bool SegmentsIntersect(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy) {
    double d1 = Cross(cx, cy, dx, dy, ax, ay), d2 = Cross(cx, cy, dx, dy, bx, by);
    double d3 = Cross(ax, ay, bx, by, cx, cy), d4 = Cross(ax, ay, bx, by, dx, dy);
    if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return true;
    auto onSeg = [](double px, double py, double qx, double qy, double rx, double ry) {
        return std::min(px, qx) <= rx && rx <= std::max(px, qx) && std::min(py, qy) <= ry && ry <= std::max(py, qy);
    };
    if (d1 == 0 && onSeg(cx, cy, dx, dy, ax, ay)) return true;
    if (d2 == 0 && onSeg(cx, cy, dx, dy, bx, by)) return true;
    if (d3 == 0 && onSeg(ax, ay, bx, by, cx, cy)) return true;
    if (d4 == 0 && onSeg(ax, ay, bx, by, dx, dy)) return true;
    return false;
}

}  // namespace

Region Region::FromPolygon(std::vector<IPoint> pts, FillMode mode) {
    Region r;
    if (pts.size() < 3) return r;
    Shape s;
    s.kind = Kind::Polygon;
    s.mode = mode;
    IRect box{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (const IPoint& p : pts) {
        box.x1 = std::min(box.x1, p.x);
        box.y1 = std::min(box.y1, p.y);
        box.x2 = std::max(box.x2, p.x);
        box.y2 = std::max(box.y2, p.y);
    }
    s.box = box;
    s.pts = std::move(pts);
    r.shapes_.push_back(std::move(s));
    return r;
}

Region Region::FromRect(const IRect& rect) {
    Region r;
    Shape s;
    s.kind = Kind::Rect;
    s.box = rect.Ordered();
    r.shapes_.push_back(std::move(s));
    return r;
}

Region Region::FromEllipse(const IRect& rect) {
    Region r;
    Shape s;
    s.kind = Kind::Ellipse;
    s.box = rect.Ordered();
    r.shapes_.push_back(std::move(s));
    return r;
}

void Region::Unite(const Region& other) { shapes_.insert(shapes_.end(), other.shapes_.begin(), other.shapes_.end()); }

void Region::Unite(Region&& other) {
    for (Shape& s : other.shapes_) shapes_.push_back(std::move(s));
    other.shapes_.clear();
}

bool Region::ShapeContains(const Shape& s, double x, double y) {
    if (x < s.box.x1 || x > s.box.x2 || y < s.box.y1 || y > s.box.y2) return false;
    switch (s.kind) {
        case Kind::Rect:
            return x < s.box.x2 && y < s.box.y2;
        case Kind::Ellipse: {
            double a = (s.box.x2 - s.box.x1) / 2.0, b = (s.box.y2 - s.box.y1) / 2.0;
            if (a <= 0 || b <= 0) return false;
            double cx = s.box.x1 + a, cy = s.box.y1 + b;
            double u = (x - cx) / a, v = (y - cy) / b;
            return u * u + v * v <= 1.0;
        }
        case Kind::Polygon: {
            int winding, crossings;
            Crossings(s.pts, x, y, winding, crossings);
            return s.mode == FillMode::Winding ? winding != 0 : (crossings & 1) != 0;
        }
    }
    return false;
}

bool Region::ShapeIntersects(const Shape& s, const IRect& r) {
    // The rectangle's pixel centres span [x1 + 0.5, x2 - 0.5] x [y1 + 0.5, y2 - 0.5].
    double l = r.x1 + 0.5, t = r.y1 + 0.5, rr = r.x2 - 0.5, b = r.y2 - 0.5;
    if (rr < l || b < t) return false;
    if (rr < s.box.x1 || l > s.box.x2 || b < s.box.y1 || t > s.box.y2) return false;
    switch (s.kind) {
        case Kind::Rect:
            return l < s.box.x2 && t < s.box.y2 && rr >= s.box.x1 && b >= s.box.y1;
        case Kind::Ellipse: {
            double a = (s.box.x2 - s.box.x1) / 2.0, bb = (s.box.y2 - s.box.y1) / 2.0;
            double cx = s.box.x1 + a, cy = s.box.y1 + bb;
            double nx = std::clamp(cx, l, rr), ny = std::clamp(cy, t, b);
            // The pixel centre of the rectangle nearest the ellipse centre decides.
            return ShapeContains(s, nx, ny);
        }
        case Kind::Polygon: {
            if (ShapeContains(s, l, t)) return true;
            for (const IPoint& p : s.pts)
                if (p.x >= l && p.x <= rr && p.y >= t && p.y <= b) return true;
            size_t n = s.pts.size();
            for (size_t i = 0; i < n; ++i) {
                const IPoint& p = s.pts[i];
                const IPoint& q = s.pts[(i + 1) % n];
                if (SegmentsIntersect(p.x, p.y, q.x, q.y, l, t, rr, t) ||
                    SegmentsIntersect(p.x, p.y, q.x, q.y, rr, t, rr, b) ||
                    SegmentsIntersect(p.x, p.y, q.x, q.y, rr, b, l, b) ||
                    SegmentsIntersect(p.x, p.y, q.x, q.y, l, b, l, t))
                    return true;
            }
            return false;
        }
    }
    return false;
}

bool Region::ContainsPoint(IPoint p) const {
    double x = p.x + 0.5, y = p.y + 0.5;
    for (const Shape& s : shapes_)
        if (ShapeContains(s, x, y)) return true;
    return false;
}

bool Region::IntersectsRect(const IRect& r) const {
    IRect n = r.Ordered();
    for (const Shape& s : shapes_)
        if (ShapeIntersects(s, n)) return true;
    return false;
}

IRect Region::Bounds() const {
    if (shapes_.empty()) return {};
    IRect b = shapes_[0].box;
    for (const Shape& s : shapes_) b = UnionRect(b, s.box);
    return b;
}

}  // namespace pw
