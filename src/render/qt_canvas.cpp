#include "render/qt_canvas.h"

#include <QImage>
#include <QPainterPath>
#include <QPolygon>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <thread>

#include "render/glyph_path.h"
#include "render/hairline.h"
#include "render/huge_pen.h"
#include "render/vector_hatch.h"
#include "render/wide_stroke.h"

namespace pw {

namespace {

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
      dotsPerInch_(dotsPerInch > 0 ? dotsPerInch : 96),
      deriveThreads_(static_cast<int>(std::max(1u, std::thread::hardware_concurrency()))) {
    painter_.resetTransform();
    painter_.setBackgroundMode(Qt::TransparentMode);
    painter_.setBrushOrigin(0, 0);
    painter_.setClipping(false);
}

QColor QtCanvas::ToQColor(Color c) {
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

Qt::BrushStyle QtCanvas::ToQtBrushStyle(TBrushStyle s) {
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

double QtCanvas::HatchScale() const {
    return Raster() ? 1.0 : std::max(1.0, dotsPerInch_ / 96.0);
}

QPen QtCanvas::MakePen() const {
    const PenState& p = Pen();
    if (p.style == PenStyle::Clear) return QPen(Qt::NoPen);
    QPen pen(ToQColor(p.color));
    if (p.width <= 0 && !Raster() && !deviceHairlines_) {
        // A hairline on paper: see kVectorHairlineMm.
        pen.setWidthF(VectorHairlineWidth());
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else if (p.width <= 0) {
        // Cosmetic: one pixel whatever the mapping; like a Windows pen it leaves out the last
        // pixel of a line.
        pen.setWidth(0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        // Round ends and corners as a Windows pen has them. Up to four pixels a bevelled corner
        // covers the same pixels within one and strokes much faster. (The width goes in as a
        // real number: the painter refuses whole numbers beyond 32767.)
        int width = DevicePenWidth();
        pen.setWidthF(width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(width <= 4 ? Qt::BevelJoin : Qt::RoundJoin);
    }
    return pen;
}

QBrush QtCanvas::MakeBrush() const {
    const BrushState& b = Brush();
    Qt::BrushStyle style = ToQtBrushStyle(b.style);
    if (style == Qt::NoBrush) return QBrush(Qt::NoBrush);
    return QBrush(ToQColor(b.color), style);
}

void QtCanvas::ApplyMode() {
    // Everything the painter draws comes after the shapes handed to the drawing thread.
    SettleBehind();
    const PenMode mode = Raster() ? Pen().mode : PenMode::Copy;
    QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
    if (mode == PenMode::Xor) composition = QPainter::RasterOp_SourceXorDestination;
    if (mode == PenMode::NotXor) composition = QPainter::RasterOp_NotSourceXorDestination;
    painter_.setCompositionMode(composition);
    const bool smooth = antialiasing_ && mode == PenMode::Copy;
    if (painter_.testRenderHint(QPainter::Antialiasing) != smooth)
        painter_.setRenderHint(QPainter::Antialiasing, smooth);
}

const QPen& QtCanvas::CurrentPen() {
    const PenState& p = Pen();
    const int32_t width = DevicePenWidth();
    if (!penValid_ || p.width != penKey_.width || p.color != penKey_.color || p.style != penKey_.style ||
        width != penKeyDeviceWidth_) {
        pen_ = MakePen();
        penKey_ = p;
        penKeyDeviceWidth_ = width;
        penValid_ = true;
    }
    return pen_;
}

const QBrush& QtCanvas::CurrentBrush() {
    const BrushState& b = Brush();
    if (!brushValid_ || b.style != brushKey_.style || b.color != brushKey_.color) {
        brush_ = MakeBrush();
        brushKey_ = b;
        brushValid_ = true;
    }
    return brush_;
}

void QtCanvas::ApplyState(bool withPen, bool withBrush) {
    ApplyMode();
    // Setting the painter's pen or brush to the one it has costs only a comparison.
    painter_.setPen(withPen ? CurrentPen() : noPen_);
    painter_.setBrush(withBrush ? CurrentBrush() : noBrush_);
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

// Fine curves mapped to a coarse device give runs of equal points, which draw nothing but cost
// the stroker its time.
void DistinctPoints(const IPoint* pts, size_t n, std::vector<IPoint>& out) {
    out.resize(n);
    if (n == 0) return;
    // Branch-free: each point is written, and kept where it differs from its predecessor.
    IPoint* dst = out.data();
    dst[0] = pts[0];
    size_t kept = 1;
    for (size_t i = 1; i < n; ++i) {
        dst[kept] = pts[i];
        kept += static_cast<size_t>(((pts[i].x ^ pts[i - 1].x) | (pts[i].y ^ pts[i - 1].y)) != 0);
    }
    out.resize(kept);
}

namespace {

// Whether every point strictly between first and last lies within the tolerance of the chord
// from first to last. The distance is taken to the chord itself, not to its line: the tip of a
// spike that turns back along the line lies far from the chord.
bool ChordCovers(const std::vector<IPoint>& poly, size_t first, size_t last, double tolerance) {
    const IPoint a = poly[first], b = poly[last];
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    // Squared distances scaled by the chord's squared length (a closed chord: from a).
    const double limit = tolerance * tolerance * (len2 > 0 ? len2 : 1);
    for (size_t i = first + 1; i < last; ++i) {
        const double px = poly[i].x - a.x, py = poly[i].y - a.y;
        const double along = dx * px + dy * py;
        double d;
        if (len2 == 0) {
            d = px * px + py * py;
        } else if (along < 0) {
            d = (px * px + py * py) * len2;
        } else if (along > len2) {
            d = ((px - dx) * (px - dx) + (py - dy) * (py - dy)) * len2;
        } else {
            const double cross = dx * py - dy * px;
            d = cross * cross;
        }
        if (d > limit) return false;
    }
    return true;
}

// A wide pen covers a band around the line, and a flattened curve brings a corner at nearly
// every pixel. Points within a quarter pixel of the simplified line are left out: under a pen
// wider than a pixel the stroke keeps its pixels, or changes one here and there along its edge
// (wide_stroke_test measures it), and costs a fraction. Each chord is stretched
// from the last point kept as far as it covers the points it replaces, over at most 32 points so
// that the work stays linear.
}  // namespace

void SimplifyOutline(std::vector<IPoint>& poly) {
    constexpr size_t kMaxChord = 32;
    constexpr double kTolerance = 0.25;
    const size_t n = poly.size();
    if (n < 3) return;
    size_t kept = 1, anchor = 0;
    while (anchor + 1 < n) {
        size_t end = anchor + 1;
        for (size_t j = anchor + 2;
             j < n && j - anchor <= kMaxChord && ChordCovers(poly, anchor, j, kTolerance); ++j)
            end = j;
        // Points before `anchor` may be overwritten; those read from here on are not.
        poly[kept++] = poly[end];
        anchor = end;
    }
    poly.resize(kept);
}

void DrawnOutlines(const IPoint* pts, const int32_t* counts, size_t polygons, bool simplify,
                   std::vector<IPoint>& scratch, std::vector<IPoint>& out, std::vector<int32_t>& outCounts) {
    out.clear();
    outCounts.clear();
    size_t at = 0;
    for (size_t i = 0; i < polygons; ++i) {
        const size_t count = static_cast<size_t>(std::max(counts[i], 0));
        if (count > 0) {
            DistinctPoints(pts + at, count, scratch);
            if (simplify) SimplifyOutline(scratch);
            out.insert(out.end(), scratch.begin(), scratch.end());
            outCounts.push_back(static_cast<int32_t>(scratch.size()));
        }
        at += count;
    }
}

namespace {
QPolygon ToQPolygon(const std::vector<IPoint>& pts) {
    QPolygon poly(static_cast<qsizetype>(pts.size()));
    for (size_t i = 0; i < pts.size(); ++i) poly[static_cast<qsizetype>(i)] = QPoint(pts[i].x, pts[i].y);
    return poly;
}
}  // namespace

bool QtCanvas::VectorHatched() const {
    return !Raster() && Brush().style >= bsHorizontal && Brush().style <= bsDiagCross;
}

bool QtCanvas::HugePen() const {
    if (Pen().style != PenStyle::Solid || Pen().width <= 0) return false;
    const IRect a = DrawableArea();
    return DevicePenWidth() / 2.0 > std::hypot(double(a.x2) - a.x1, double(a.y2) - a.y1);
}

void QtCanvas::StrokeHuge(const QList<QPolygonF>& outlines) {
    // A little beyond the drawable area, so that no edge of the cut shows within it.
    const IRect a = DrawableArea();
    const QRectF area = QRectF(QPointF(a.x1, a.y1), QPointF(a.x2, a.y2)).adjusted(-2, -2, 2, 2);
    QPainterPath covered;
    covered.setFillRule(Qt::WindingFill);
    for (const QPolygonF& line : outlines)
        covered.addPath(HugeStrokeArea(line, DevicePenWidth() / 2.0, area));
    ApplyState(false, false);
    painter_.setBrush(ToQColor(Pen().color));
    painter_.drawPath(covered);
}

void QtCanvas::FillArea(const QPainterPath& shape) {
    if (!VectorHatched()) {
        ApplyState(false, true);
        painter_.drawPath(shape);
        return;
    }
    ApplyState(false, false);
    painter_.setBrush(ToQColor(Brush().color));
    painter_.drawPath(VectorHatch(shape, Brush().style, 8 * HatchScale(), HatchScale()));
}

void QtCanvas::DrawArea(const QPainterPath& shape) {
    const bool huge = HugePen();
    if (!VectorHatched() && !huge) {
        ApplyState(true, true);
        painter_.drawPath(shape);
        return;
    }
    if (Brush().style != bsClear) FillArea(shape);
    if (huge) {
        StrokeHuge(shape.toSubpathPolygons());
        return;
    }
    ApplyState(true, false);
    painter_.drawPath(shape);
}

bool QtCanvas::WidePenOnRaster() const {
    return Raster() && Pen().style == PenStyle::Solid && Pen().width > 0 && DevicePenWidth() > 1;
}

bool QtCanvas::StrokeAsRuns() const {
    // Smoothed edges are the painter's own business.
    return WidePenOnRaster() && !(antialiasing_ && Pen().mode == PenMode::Copy);
}

IRect QtCanvas::DrawableArea() const {
    IRect area = bounds_;
    if (const auto& clip = DeviceClip()) {
        area = {std::max(area.x1, clip->x1), std::max(area.y1, clip->y1), std::min(area.x2, clip->x2),
                std::min(area.y2, clip->y2)};
    }
    return area;
}

QImage* QtCanvas::DirectImage() const {
    // Pixels are stored straight into the picture only where that is what the painter would do:
    // a 32-bit image, copy mode, full opacity, no clip but the canvas's own.
    QImage* image = painter_.device() && painter_.device()->devType() == QInternal::Image
                        ? static_cast<QImage*>(painter_.device())
                        : nullptr;
    if (!image || Pen().mode != PenMode::Copy || painter_.opacity() != 1.0 ||
        painter_.hasClipping() != DeviceClip().has_value())
        return nullptr;
    const QImage::Format f = image->format();
    if (f != QImage::Format_RGB32 && f != QImage::Format_ARGB32 && f != QImage::Format_ARGB32_Premultiplied)
        return nullptr;
    return image;
}

void QtCanvas::FillRuns() {
    if (runs_.empty()) return;
    // Stored straight into the picture in copy mode, overlapping runs do no harm; the painter
    // (exclusive-or drawing above all) must see each pixel once.
    if (DirectImage()) {
        WriteRuns(runs_, Pen().color);
        return;
    }
    MergeRuns(runs_);
    rects_.clear();
    rects_.reserve(runs_.size());
    for (const PixelRun& r : runs_) rects_.push_back(QRect(r.x1, r.y, r.x2 - r.x1 + 1, 1));
    ApplyMode();
    painter_.setPen(noPen_);
    const QColor colour = ToQColor(Pen().color);
    if (runBrush_.style() != Qt::SolidPattern || runBrush_.color() != colour) runBrush_ = QBrush(colour);
    painter_.setBrush(runBrush_);
    painter_.drawRects(rects_.data(), static_cast<int>(rects_.size()));
}

void QtCanvas::DevPolyline(const IPoint* pts, size_t n) {
    if (deriving_) return;
    DrawPolyline(pts, n, nullptr);
}

void QtCanvas::DrawPolyline(const IPoint* pts, size_t n, ShapeCache* cache) {
    if (n < 2 || Pen().style == PenStyle::Clear) return;
    DistinctPoints(pts, n, points_);
    // A line that collapsed to one point still shows the pen's dot (wide strokes as runs have
    // it as the dot of their single point); one of no length at all shows nothing.
    if (points_.size() < 2 && (!LineHasLength() || !StrokeAsRuns())) {
        if (LineHasLength()) DrawDot(points_[0], cache);
        return;
    }
    if (WidePenOnRaster()) SimplifyOutline(points_);
    if (StrokeAsRuns()) {
        if (CanKeep()) {
            OwnShape& shape = NewShape();
            AddWideStroke(points_.data(), points_.size(), false, DevicePenWidth(), DrawableArea(),
                          shape.outlineRuns);
            DrawDerived(cache, ShapeCall::Polyline, IRect{});
            return;
        }
        runs_.clear();
        AddWideStroke(points_.data(), points_.size(), false, DevicePenWidth(), DrawableArea(), runs_);
        FillRuns();
        return;
    }
    if (Pen().width <= 0 && OwnRasterFits(points_)) {
        Hairline(NewShape().outlinePixels, DrawableArea()).PointArray(points_.data(), points_.size(), false);
        DrawDerived(cache, ShapeCall::Polyline, IRect{});
        return;
    }
    if (HugePen()) {
        StrokeHuge({QPolygonF(ToQPolygon(points_))});
        return;
    }
    if (MaskFits(cache) && (!UncutWaits() || !PointsInside(points_.data(), points_.size()))) {
        Mask().Line(MaskDrawingOf(false, true), points_.data(), points_.size(), MaskShape());
        DrawDerived(cache, ShapeCall::Polyline, IRect{});
        return;
    }
    ApplyState(true, false);
    painter_.drawPolyline(ToQPolygon(points_));
}

void QtCanvas::DrawDot(IPoint p, ShapeCache* cache) {
    if (Raster() && (Pen().width <= 0 || DevicePenWidth() <= 1)) {
        // The one pixel a line starting there takes first.
        if (Pen().width <= 0 && OwnRasterFits(points_)) {
            NewShape().outlinePixels.push_back(p);
            DrawDerived(cache, ShapeCall::Polyline, IRect{});
            return;
        }
        if (!DrawableArea().Contains(p)) return;
        runs_.assign(1, PixelRun{p.y, p.x, p.x});
        FillRuns();
        return;
    }
    if (HugePen()) {
        StrokeHuge({QPolygonF{QPointF(p.x, p.y)}});
        return;
    }
    // A cosmetic pen's dot is the device pixel at p.
    const double width = CurrentPen().widthF();
    QPainterPath dot;
    if (width > 0)
        dot.addEllipse(QPointF(p.x, p.y), width / 2, width / 2);
    else
        dot.addRect(p.x, p.y, 1, 1);
    ApplyState(false, false);
    painter_.setBrush(ToQColor(Pen().color));
    painter_.drawPath(dot);
}

void QtCanvas::DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) {
    if (deriving_) return;
    DrawPolyPolygon(pts, counts, polygons, nullptr);
}

void QtCanvas::DrawPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons, ShapeCache* cache) {
    // The outlines as drawn: without repeated points, and simplified under a wide pen.
    DrawnOutlines(pts, counts, polygons, WidePenOnRaster(), points_, outlinePoints_, outlineCounts_);
    if (outlineCounts_.empty()) return;
    const bool single = polygons == 1;
    if (OwnRasterFits(outlinePoints_)) {
        DeriveOwnPolygons(outlinePoints_.data(), outlineCounts_.data(), outlineCounts_.size(), single,
                          ShapeState(), NewShape());
        DrawDerived(cache, ShapeCall::PolyPolygon, IRect{});
        return;
    }

    const Qt::FillRule rule = PolyFillMode() == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill;
    const bool runs = StrokeAsRuns();
    // With the outline drawn as runs the painter only fills.
    const bool painterPen = !runs;
    const bool filled = Brush().style != bsClear;
    if (MaskFits(cache) && (!UncutWaits() || !PointsInside(outlinePoints_.data(), outlinePoints_.size()))) {
        // The calls the painter gets below, on the mask; outlines as runs are added as they are.
        Mask().Polygons(MaskDrawingOf(filled, !runs, runs ? DevicePenWidth() : 0), outlinePoints_.data(),
                        outlineCounts_.data(), outlineCounts_.size(), single, MaskShape());
        DrawDerived(cache, ShapeCall::PolyPolygon, IRect{});
        return;
    }
    if (single && !VectorHatched() && !HugePen()) {
        if (painterPen || filled) {
            ApplyState(painterPen, true);
            painter_.drawPolygon(ToQPolygon(outlinePoints_), rule);
        }
        if (runs) {
            runs_.clear();
            AddOutlineRuns(outlinePoints_.data(), outlineCounts_.data(), outlineCounts_.size(),
                           DevicePenWidth(), DrawableArea(), runs_);
            FillRuns();
        }
        return;
    }
    const QPainterPath path =
        OutlinesPath(outlinePoints_.data(), outlineCounts_.data(), outlineCounts_.size(), rule);
    if (runs) {
        runs_.clear();
        AddOutlineRuns(outlinePoints_.data(), outlineCounts_.data(), outlineCounts_.size(), DevicePenWidth(),
                       DrawableArea(), runs_);
    }
    if (!runs) {
        DrawArea(path);
        return;
    }
    if (filled) {
        ApplyState(false, true);
        painter_.drawPath(path);
    }
    FillRuns();
}

void QtCanvas::DevRectangle(const IRect& r) {
    if (deriving_) return;
    QPainterPath path;
    path.addRect(ShapeBox(r, 0));
    DrawArea(path);
}

void QtCanvas::DevEllipse(const IRect& r) {
    if (deriving_) return;
    DrawEllipse(r, nullptr);
}

void QtCanvas::DrawEllipse(const IRect& r, ShapeCache* cache) {
    // With an outline the curve runs through pixel centres, so the pen covers the whole box;
    // without one the filled area is a pixel smaller, as on Windows.
    bool outlined = Pen().style == PenStyle::Solid;
    const QRectF box = ShapeBox(r, outlined ? 0.5 : 0);
    if (OwnEllipseFits(box)) {
        DeriveOwnEllipse(box.x(), box.y(), box.width(), box.height(), ShapeState(), NewShape());
        DrawDerived(cache, ShapeCall::Ellipse, r);
        return;
    }
    if (MaskFits(cache) && (!UncutWaits() || NearEdge(box))) {
        Mask().Ellipse(MaskDrawingOf(Brush().style != bsClear, true), box, MaskShape());
        DrawDerived(cache, ShapeCall::Ellipse, r);
        return;
    }
    QPainterPath path;
    path.addEllipse(box);
    DrawArea(path);
}

void QtCanvas::DevArc(const IRect& box, IPoint start, IPoint end) {
    if (deriving_) return;
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
    if (HugePen()) {
        StrokeHuge(path.toSubpathPolygons());
        return;
    }
    ApplyState(true, false);
    painter_.drawPath(path);
}

void QtCanvas::DevCurves(const CurvePath& devicePath, bool filled) {
    if (Raster()) {
        Canvas::DevCurves(devicePath, filled);
        return;
    }
    if (!filled && Pen().style == PenStyle::Clear) return;
    QPainterPath path;
    path.setFillRule(PolyFillMode() == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
    const std::vector<CurvePoint>& pts = devicePath.Points();
    size_t at = 0;
    for (CurvePath::Op op : devicePath.Ops()) {
        switch (op) {
            case CurvePath::Op::Move:
                // A filled outline is closed, as a polygon is.
                if (filled && path.elementCount() > 0) path.closeSubpath();
                path.moveTo(pts[at].x, pts[at].y);
                ++at;
                break;
            case CurvePath::Op::Line:
                path.lineTo(pts[at].x, pts[at].y);
                ++at;
                break;
            case CurvePath::Op::Quad:
                path.quadTo(pts[at].x, pts[at].y, pts[at + 1].x, pts[at + 1].y);
                at += 2;
                break;
            case CurvePath::Op::Close:
                path.closeSubpath();
                break;
        }
    }
    if (filled) {
        path.closeSubpath();
        DrawArea(path);
        return;
    }
    if (HugePen()) {
        StrokeHuge(path.toSubpathPolygons());
        return;
    }
    ApplyState(true, false);
    painter_.drawPath(path);
}

void QtCanvas::DevText(IPoint p, std::string_view utf8, int32_t deviceHeight) {
    if (deriving_) return;
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
    if (deriving_) return;
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

bool QtCanvas::DevParallelogramImage(IPoint p0, IPoint p1, IPoint p3, const Image& image) {
    if (image.IsNull() || image.pixels.size() < static_cast<size_t>(image.width) * image.height) return false;
    const QImage source(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                        image.width * 4, QImage::Format_ARGB32);
    // The image's unit square goes to the parallelogram: its top edge along p0 to p1, its left
    // edge along p0 to p3.
    const double w = image.width, h = image.height;
    const QTransform map((p1.x - p0.x) / w, (p1.y - p0.y) / w, (p3.x - p0.x) / h, (p3.y - p0.y) / h, p0.x,
                         p0.y);
    if (!map.isInvertible()) return false;
    ApplyState(false, false);
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, antialiasing_);
    painter_.setTransform(map, true);
    painter_.drawImage(QPointF(0, 0), source);
    painter_.restore();
    return true;
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
