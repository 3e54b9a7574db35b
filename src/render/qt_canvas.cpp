#include "render/qt_canvas.h"

#include <QImage>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "render/glyph_path.h"
#include "render/vector_hatch.h"

namespace pw {

namespace {

Qt::BrushStyle QtBrushStyle(TBrushStyle s) {
    switch (s) {
        case bsClear:
            return Qt::NoBrush;
        case bsHorizontal:
            return Qt::HorPattern;
        case bsVertical:
            return Qt::VerPattern;
        // Qt's forward diagonal runs from top left to bottom right, as the Windows one does.
        case bsFDiagonal:
            return Qt::FDiagPattern;
        case bsBDiagonal:
            return Qt::BDiagPattern;
        case bsCross:
            return Qt::CrossPattern;
        case bsDiagCross:
            return Qt::DiagCrossPattern;
        case bsSolid:
        default:
            return Qt::SolidPattern;
    }
}

// Angle in degrees, counter-clockwise as seen on the device, of the point where the ray from the
// ellipse's centre through p meets it, as the parameter Qt's arc functions take.
double ParametricAngle(const QRectF& box, QPointF p) {
    double a = box.width() / 2, b = box.height() / 2;
    QPointF c = box.center();
    double dx = p.x() - c.x(), dy = c.y() - p.y();
    if (a > 0) dx /= a;
    if (b > 0) dy /= b;
    if (dx == 0 && dy == 0) return 0;
    return std::atan2(dy, dx) * 180 / M_PI;
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter, DeviceKind kind, const IRect& deviceBounds, double dotsPerInch)
    : painter_(painter),
      kind_(kind),
      bounds_(deviceBounds),
      dotsPerInch_(dotsPerInch > 0 ? dotsPerInch : 96) {
    painter_.resetTransform();
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setBrushOrigin(0, 0);
    painter_.setClipping(false);
}

QColor QtCanvas::ToQColor(Color c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

double QtCanvas::HatchScale() const {
    return Raster() ? 1.0 : std::max(1.0, dotsPerInch_ / 96.0);
}

QPen QtCanvas::MakePen() const {
    const PenState& p = Pen();
    if (p.style == PenStyle::Clear) return QPen(Qt::NoPen);
    QPen pen(ToQColor(p.color));
    if (p.width <= 0) {
        // Cosmetic: one pixel whatever the mapping; like a Windows pen it leaves out the last
        // pixel of a line.
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        // Round ends and corners as a Windows pen has them. Up to four pixels a bevelled corner
        // covers the same pixels within one and strokes much faster.
        int width = DevicePenWidth();
        pen.setWidth(width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(width <= 4 ? Qt::BevelJoin : Qt::RoundJoin);
    }
    return pen;
}

QBrush QtCanvas::MakeBrush() const {
    const BrushState& b = Brush();
    Qt::BrushStyle style = QtBrushStyle(b.style);
    if (style == Qt::NoBrush) return QBrush(Qt::NoBrush);
    return QBrush(ToQColor(b.color), style);
}

void QtCanvas::ApplyState(bool withPen, bool withBrush) {
    PenMode mode = Raster() ? Pen().mode : PenMode::Copy;
    switch (mode) {
        case PenMode::Xor:
            painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        case PenMode::NotXor:
            painter_.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
            break;
        case PenMode::Copy:
            painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
            break;
    }
    painter_.setRenderHint(QPainter::Antialiasing, antialiasing_ && mode == PenMode::Copy);
    painter_.setPen(withPen ? MakePen() : QPen(Qt::NoPen));
    painter_.setBrush(withBrush ? MakeBrush() : QBrush(Qt::NoBrush));
}

QRectF QtCanvas::ShapeBox(const IRect& r, double shift) const {
    double x1 = std::min(r.x1, r.x2), x2 = std::max(r.x1, r.x2);
    double y1 = std::min(r.y1, r.y2), y2 = std::max(r.y1, r.y2);
    if (Raster()) {
        // The right and bottom edge are left out: the shape's outline runs through the first
        // and the last pixel it covers.
        x2 = std::max(x1, x2 - 1);
        y2 = std::max(y1, y2 - 1);
        return QRectF(QPointF(x1 + shift, y1 + shift), QPointF(x2 + shift, y2 + shift));
    }
    return QRectF(QPointF(x1, y1), QPointF(x2, y2));
}

namespace {
// The points without those that repeat their predecessor: fine curves mapped to a coarse device
// give runs of equal points, which draw nothing but cost the stroker its time.
QPolygon DistinctPoints(const IPoint* pts, size_t n) {
    QPolygon poly;
    poly.reserve(static_cast<qsizetype>(n));
    for (size_t i = 0; i < n; ++i)
        if (i == 0 || pts[i].x != pts[i - 1].x || pts[i].y != pts[i - 1].y)
            poly.append(QPoint(pts[i].x, pts[i].y));
    return poly;
}

// Marks the points between first and last that stay farther than the tolerance from the chord
// (Douglas-Peucker, without recursion).
void MarkKept(const QPolygon& poly, std::vector<bool>& keep, double tolerance) {
    std::vector<std::pair<int, int>> spans{{0, static_cast<int>(poly.size()) - 1}};
    while (!spans.empty()) {
        auto [first, last] = spans.back();
        spans.pop_back();
        if (last - first < 2) continue;
        const QPoint a = poly[first], b = poly[last];
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        const double len2 = dx * dx + dy * dy;
        // Squared distances scaled by the chord's squared length (a closed chord: from a).
        double worst = tolerance * tolerance * (len2 > 0 ? len2 : 1);
        int farthest = -1;
        for (int i = first + 1; i < last; ++i) {
            const double px = poly[i].x() - a.x(), py = poly[i].y() - a.y();
            const double cross = dx * py - dy * px;
            const double d = len2 > 0 ? cross * cross : px * px + py * py;
            if (d > worst) {
                worst = d;
                farthest = i;
            }
        }
        if (farthest < 0) continue;
        keep[static_cast<size_t>(farthest)] = true;
        spans.push_back({first, farthest});
        spans.push_back({farthest, last});
    }
}

// A wide pen is stroked join by join, and a flattened curve brings a join at nearly every
// pixel. Points within half a pixel of the simplified line are left out: under a pen wider than
// a pixel that does not show, and the stroke costs a fraction.
QPolygon Simplified(const QPolygon& poly) {
    if (poly.size() < 4) return poly;
    std::vector<bool> keep(static_cast<size_t>(poly.size()), false);
    keep.front() = keep.back() = true;
    MarkKept(poly, keep, 0.5);
    QPolygon out;
    out.reserve(poly.size());
    for (qsizetype i = 0; i < poly.size(); ++i)
        if (keep[static_cast<size_t>(i)]) out.append(poly[i]);
    return out;
}
}  // namespace

bool QtCanvas::VectorHatched() const {
    return !Raster() && Brush().style >= bsHorizontal && Brush().style <= bsDiagCross;
}

void QtCanvas::DrawArea(const QPainterPath& shape) {
    if (!VectorHatched()) {
        ApplyState(true, true);
        painter_.drawPath(shape);
        return;
    }
    ApplyState(false, false);
    painter_.setBrush(ToQColor(Brush().color));
    painter_.drawPath(VectorHatch(shape, Brush().style, 8 * HatchScale(), HatchScale()));
    ApplyState(true, false);
    painter_.drawPath(shape);
}

bool QtCanvas::WidePenOnRaster() const {
    return Raster() && Pen().style == PenStyle::Solid && Pen().width > 0 && DevicePenWidth() > 1;
}

void QtCanvas::DevPolyline(const IPoint* pts, size_t n) {
    if (n < 2 || Pen().style == PenStyle::Clear) return;
    QPolygon poly = DistinctPoints(pts, n);
    // A line that collapsed to one point leaves out that point, its last.
    if (poly.size() < 2) return;
    if (WidePenOnRaster()) poly = Simplified(poly);
    ApplyState(true, false);
    painter_.drawPolyline(poly);
}

void QtCanvas::DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) {
    Qt::FillRule rule = PolyFillMode() == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill;
    bool simplify = WidePenOnRaster();
    auto outline = [&](const IPoint* p, int32_t count) {
        QPolygon poly = DistinctPoints(p, static_cast<size_t>(count));
        return simplify ? Simplified(poly) : poly;
    };
    if (polygons == 1 && !VectorHatched()) {
        ApplyState(true, true);
        if (counts[0] > 0) painter_.drawPolygon(outline(pts, counts[0]), rule);
        return;
    }
    QPainterPath path;
    path.setFillRule(rule);
    size_t at = 0;
    for (size_t i = 0; i < polygons; ++i) {
        int32_t count = std::max(counts[i], 0);
        if (count > 0) {
            path.addPolygon(QPolygonF(outline(pts + at, count)));
            path.closeSubpath();
        }
        at += static_cast<size_t>(count);
    }
    DrawArea(path);
}

void QtCanvas::DevRectangle(const IRect& r) {
    QPainterPath path;
    path.addRect(ShapeBox(r, 0));
    DrawArea(path);
}

void QtCanvas::DevEllipse(const IRect& r) {
    // With an outline the curve runs through pixel centres, so the pen covers the whole box;
    // without one the filled area is a pixel smaller, as on Windows.
    bool outlined = Pen().style == PenStyle::Solid;
    QPainterPath path;
    path.addEllipse(ShapeBox(r, outlined ? 0.5 : 0));
    DrawArea(path);
}

void QtCanvas::DevArc(const IRect& box, IPoint start, IPoint end) {
    if (Pen().style == PenStyle::Clear) return;
    QRectF b = ShapeBox(box, Raster() ? 0.5 : 0);
    // The rays are taken from the centre of the box as given.
    QRectF given(QPointF(box.x1, box.y1), QPointF(box.x2, box.y2));
    given = given.normalized();
    double from = ParametricAngle(given, QPointF(start.x, start.y));
    double to = ParametricAngle(given, QPointF(end.x, end.y));
    // Counter-clockwise in logical space: on a device whose mapping mirrors one axis the arc
    // runs the other way round, so that a mirrored picture shows the mirrored arc.
    bool mirrored = (ScaleX() < 0) != (ScaleY() < 0);
    double sweep = mirrored ? from - to : to - from;
    sweep = std::fmod(sweep, 360.0);
    if (sweep <= 1e-9) sweep += 360.0;
    if (sweep > 360.0 - 1e-9) sweep = 360.0;
    QPainterPath path;
    path.arcMoveTo(b, from);
    path.arcTo(b, from, mirrored ? -sweep : sweep);
    ApplyState(true, false);
    painter_.drawPath(path);
}

void QtCanvas::DevText(IPoint p, std::string_view utf8, int32_t deviceHeight) {
    if (deviceHeight <= 0 || utf8.empty()) return;
    FontSpec font = Font();
    font.height = deviceHeight;
    // The text stays upright and runs left to right whatever the mapping, as Windows draws it.
    QPainterPath path = TextPath(font, QPointF(p.x, p.y), utf8);
    if (path.isEmpty()) return;
    ApplyState(false, false);
    painter_.setRenderHint(QPainter::Antialiasing, antialiasing_ && Pen().mode == PenMode::Copy);
    painter_.fillPath(path, ToQColor(TextColor()));
}

void QtCanvas::DevImage(const IRect& dest, const Image& image) {
    if (image.IsNull() || image.pixels.size() < static_cast<size_t>(image.width) * image.height) return;
    QImage source(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  image.width * 4, QImage::Format_ARGB32);
    // A destination given right to left or bottom to top shows the picture mirrored.
    bool flipX = dest.x2 < dest.x1, flipY = dest.y2 < dest.y1;
    QImage oriented = (flipX || flipY) ? source.mirrored(flipX, flipY) : source;
    QRect target(QPoint(std::min(dest.x1, dest.x2), std::min(dest.y1, dest.y2)),
                 QSize(std::abs(dest.x2 - dest.x1), std::abs(dest.y2 - dest.y1)));
    if (target.isEmpty()) return;
    ApplyState(false, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, antialiasing_);
    painter_.drawImage(target, oriented);
}

void QtCanvas::DevClipChanged() {
    const auto& clip = DeviceClip();
    if (!clip) {
        painter_.setClipping(false);
        return;
    }
    painter_.setClipRect(QRect(QPoint(clip->x1, clip->y1), QSize(clip->x2 - clip->x1, clip->y2 - clip->y1)));
}

}  // namespace pw
