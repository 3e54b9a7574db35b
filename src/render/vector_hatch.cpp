#include "render/vector_hatch.h"

#include <QPolygonF>
#include <cmath>

namespace pw {

namespace {

enum class HatchLine { Horizontal, Vertical, Down, Up };

// Stripes of one direction over the box.
void AddStripes(QPainterPath& stripes, const QRectF& box, HatchLine d, double spacing, double width) {
    const double half = width / 2;
    const double top = box.top() - width, bottom = box.bottom() + width;
    const double left = box.left() - width, right = box.right() + width;
    // A diagonal stripe of the given width is wider by the square root of two along x.
    const double slant = half * std::sqrt(2.0);
    double from = 0, to = 0;
    switch (d) {
        case HatchLine::Horizontal:
            from = top, to = bottom;
            break;
        case HatchLine::Vertical:
            from = left, to = right;
            break;
        case HatchLine::Down:
            from = left - bottom, to = right - top;
            break;
        case HatchLine::Up:
            from = left + top, to = right + bottom;
            break;
    }
    for (double k = std::floor(from / spacing); k * spacing <= to; ++k) {
        const double c = k * spacing;
        switch (d) {
            case HatchLine::Horizontal:
                stripes.addRect(QRectF(left, c - half, right - left, width));
                break;
            case HatchLine::Vertical:
                stripes.addRect(QRectF(c - half, top, width, bottom - top));
                break;
            case HatchLine::Down:
                stripes.addPolygon(QPolygonF({{c + top - slant, top},
                                              {c + top + slant, top},
                                              {c + bottom + slant, bottom},
                                              {c + bottom - slant, bottom}}));
                break;
            case HatchLine::Up:
                stripes.addPolygon(QPolygonF({{c - top - slant, top},
                                              {c - top + slant, top},
                                              {c - bottom + slant, bottom},
                                              {c - bottom - slant, bottom}}));
                break;
        }
        stripes.closeSubpath();
    }
}

}  // namespace

QPainterPath VectorHatch(const QPainterPath& shape, TBrushStyle style, double spacing, double width) {
    if (spacing <= 0 || width <= 0 || shape.isEmpty()) return {};
    QPainterPath stripes;
    stripes.setFillRule(Qt::WindingFill);
    const QRectF box = shape.boundingRect();
    auto add = [&](HatchLine d) { AddStripes(stripes, box, d, spacing, width); };
    switch (style) {
        case bsHorizontal:
            add(HatchLine::Horizontal);
            break;
        case bsVertical:
            add(HatchLine::Vertical);
            break;
        case bsFDiagonal:
            add(HatchLine::Down);
            break;
        case bsBDiagonal:
            add(HatchLine::Up);
            break;
        case bsCross:
            add(HatchLine::Horizontal);
            add(HatchLine::Vertical);
            break;
        case bsDiagCross:
            add(HatchLine::Down);
            add(HatchLine::Up);
            break;
        default:
            return {};
    }
    return shape.intersected(stripes);
}

}  // namespace pw
