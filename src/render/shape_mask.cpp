#include "render/shape_mask.h"

#include <sys/mman.h>

#include <algorithm>
#include <new>

namespace pw {

namespace {
constexpr uint8_t kFill = 0x80, kOutline = 0xFF;

// An 8-bit image of zeros in pages of its own, which take memory only where drawn on.
QImage ZeroPagesImage(int width, int height) {
    struct Pages {
        void* at;
        size_t bytes;
    };
    const qsizetype perLine = (width + 3) & ~3;  // rows 32-bit aligned, as an image wants them
    const size_t bytes = static_cast<size_t>(perLine) * static_cast<size_t>(std::max(height, 1));
    void* at = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (at == MAP_FAILED) throw std::bad_alloc();
    auto* pages = new Pages{at, bytes};
    return QImage(
        static_cast<uchar*>(at), width, height, perLine, QImage::Format_Grayscale8,
        [](void* info) {
            auto* p = static_cast<Pages*>(info);
            munmap(p->at, p->bytes);
            delete p;
        },
        pages);
}
}  // namespace

void ShapeMask::Draw(const MaskDrawing& d, const IRect& box, const std::function<void(QPainter&)>& draw,
                     OwnShape& shape) {
    if (image_.size() != d.picture) {
        if (painter_.isActive()) painter_.end();
        image_ = ZeroPagesImage(d.picture.width(), d.picture.height());
        painter_.begin(&image_);
        clip_.reset();
    }
    if (!clip_ || *clip_ != d.clip) {
        if (d.clip)
            painter_.setClipRect(QRect(QPoint(d.clip->x1, d.clip->y1),
                                       QSize(d.clip->x2 - d.clip->x1, d.clip->y2 - d.clip->y1)));
        else
            painter_.setClipping(false);
        clip_ = d.clip;
    }
    // The outline's value over the fill's.
    QPen pen = d.pen;
    if (pen.style() != Qt::NoPen) pen.setColor(QColor(kOutline, kOutline, kOutline));
    painter_.setPen(pen);
    painter_.setBrush(d.fill ? QBrush(QColor(kFill, kFill, kFill)) : QBrush(Qt::NoBrush));
    draw(painter_);

    // The pixels back, row by row within the box and the drawable area (the painter drew nothing
    // outside them), and the mask cleared.
    const int32_t x1 = std::max(box.x1, d.area.x1), x2 = std::min(box.x2, d.area.x2);
    const int32_t y1 = std::max(box.y1, d.area.y1), y2 = std::min(box.y2, d.area.y2);
    for (int32_t y = y1; y < y2; ++y) {
        uint8_t* row = image_.scanLine(y);
        for (int32_t x = x1; x < x2;) {
            const uint8_t v = row[x];
            if (v == 0) {
                ++x;
                continue;
            }
            const int32_t from = x;
            while (x < x2 && row[x] == v) row[x++] = 0;
            (v == kFill ? shape.fill : shape.outlineRuns).push_back({y, from, x - 1});
        }
    }
}

void ShapeMask::Line(const MaskDrawing& d, const IPoint* pts, size_t n, OwnShape& shape) {
    const QPolygon line = ToQPolygon(pts, n);
    Draw(
        d, MaskBox(pts, n, d.margin), [&](QPainter& p) { p.drawPolyline(line); }, shape);
}

void ShapeMask::Polygons(const MaskDrawing& d, const IPoint* pts, const int32_t* counts, size_t polygons,
                         bool single, OwnShape& shape) {
    size_t total = 0;
    for (size_t i = 0; i < polygons; ++i) total += static_cast<size_t>(counts[i]);
    Draw(
        d, MaskBox(pts, total, d.margin),
        [&](QPainter& p) {
            if (single)
                p.drawPolygon(ToQPolygon(pts, total), d.rule);
            else
                p.drawPath(OutlinesPath(pts, counts, polygons, d.rule));
        },
        shape);
    if (d.runsWidth > 0) AddOutlineRuns(pts, counts, polygons, d.runsWidth, d.area, shape.outlineRuns);
}

void ShapeMask::Ellipse(const MaskDrawing& d, const QRectF& box, OwnShape& shape) {
    QPainterPath path;
    path.addEllipse(box);
    const QRect b = box.toAlignedRect();
    const IPoint corners[2] = {{b.left(), b.top()}, {b.right() + 1, b.bottom() + 1}};
    Draw(
        d, MaskBox(corners, 2, d.margin), [&](QPainter& p) { p.drawPath(path); }, shape);
}

IRect MaskBox(const IPoint* pts, size_t n, int32_t margin) {
    const IRect box = PointsBox(pts, n);
    return {box.x1 - margin, box.y1 - margin, box.x2 + margin + 1, box.y2 + margin + 1};
}

QPolygon ToQPolygon(const IPoint* pts, size_t n) {
    QPolygon poly(static_cast<qsizetype>(n));
    for (size_t i = 0; i < n; ++i) poly[static_cast<qsizetype>(i)] = QPoint(pts[i].x, pts[i].y);
    return poly;
}

QPainterPath OutlinesPath(const IPoint* pts, const int32_t* counts, size_t polygons, Qt::FillRule rule) {
    QPainterPath path;
    path.setFillRule(rule);
    size_t at = 0;
    for (size_t i = 0; i < polygons; ++i) {
        const size_t count = static_cast<size_t>(counts[i]);
        path.addPolygon(QPolygonF(ToQPolygon(pts + at, count)));
        path.closeSubpath();
        at += count;
    }
    return path;
}

void AddOutlineRuns(const IPoint* pts, const int32_t* counts, size_t polygons, int32_t penWidth,
                    const IRect& area, std::vector<PixelRun>& runs) {
    size_t at = 0;
    for (size_t i = 0; i < polygons; ++i) {
        AddWideStroke(pts + at, static_cast<size_t>(counts[i]), true, penWidth, area, runs);
        at += static_cast<size_t>(counts[i]);
    }
}

}  // namespace pw
