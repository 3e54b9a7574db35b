#pragma once
// Device-pixel regions for hit tests: polygons with a fill rule, ellipses and rectangles, and
// unions of them. A pixel (x, y) belongs to a shape when its centre (x + 0.5, y + 0.5) does.

#include <vector>

#include "core/canvas.h"
#include "core/geometry.h"

namespace pw {

class Region {
public:
    Region() = default;
    static Region FromPolygon(std::vector<IPoint> pts, FillMode mode);
    static Region FromRect(const IRect& r);
    static Region FromEllipse(const IRect& r);

    // Adds the shapes of another region (the union).
    void Unite(const Region& other);
    void Unite(Region&& other);

    bool IsEmpty() const { return shapes_.empty(); }
    bool ContainsPoint(IPoint p) const;
    // True when a pixel of the rectangle (x1 <= x < x2, y1 <= y < y2) lies in the region.
    bool IntersectsRect(const IRect& r) const;
    // Smallest rectangle covering every shape (x2, y2 exclusive).
    IRect Bounds() const;

private:
    enum class Kind { Polygon, Rect, Ellipse };
    struct Shape {
        Kind kind = Kind::Rect;
        FillMode mode = FillMode::Alternate;
        std::vector<IPoint> pts;  // polygons only
        IRect box;                // normalised bounds (x2, y2 exclusive)
    };
    static bool ShapeContains(const Shape& s, double x, double y);
    static bool ShapeIntersects(const Shape& s, const IRect& r);

    std::vector<Shape> shapes_;
};

}  // namespace pw
