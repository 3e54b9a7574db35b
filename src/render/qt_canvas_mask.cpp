// Shapes the canvas does not rasterise itself, drawn by the painter on a mask and read back as
// pixels: those cut by the edge of the drawable area (the painter clips a one-pixel line to the
// picture before it steps it) and ellipses near it or under a pen the painter strokes. The mask
// has the picture's size and clip, so the painter draws each shape there exactly as it would on
// the picture; read back, the shape is kept and drawn behind like the canvas's own ones, and the
// painting thread does not wait for the drawing thread before each of them.
#include <sys/mman.h>

#include <QImage>
#include <algorithm>
#include <new>
#include <optional>

#include "render/qt_canvas.h"

namespace pw {

struct QtCanvas::ShapeMask {
    QImage image;  // a byte a pixel: 0 nothing, else kFill or kOutline
    QPainter painter;
    std::optional<std::optional<IRect>> clip;  // the clip set on the painter, once set
};

namespace {
constexpr uint8_t kFill = 0x80, kOutline = 0xFF;

// An 8-bit image of zeros in pages of its own, which take memory only where drawn on: the mask
// has the picture's size, but the shapes it takes lie along the edges.
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

void QtCanvas::DropMask::operator()(ShapeMask* mask) const {
    delete mask;
}

bool QtCanvas::MaskFits(const ShapeCache* cache) const {
    // Worth it where the shape is kept, or where the painter would wait for the drawing thread.
    if ((!cache && !behind_) || !ownRaster_ || antialiasing_ || HugePen()) return false;
    const QImage* image = DirectImage();
    return image && bounds_ == IRect{0, 0, image->width(), image->height()};
}

OwnShape& QtCanvas::ThroughMask(const IRect& box, bool fill, bool outline,
                                const std::function<void(QPainter&)>& draw) {
    const QImage& picture = *DirectImage();
    if (!mask_ || mask_->image.size() != picture.size()) {
        mask_.reset(new ShapeMask);
        mask_->image = ZeroPagesImage(picture.width(), picture.height());
        mask_->painter.begin(&mask_->image);
    }
    ShapeMask& mask = *mask_;
    const std::optional<IRect>& clip = DeviceClip();
    if (!mask.clip || *mask.clip != clip) {
        if (clip)
            mask.painter.setClipRect(
                QRect(QPoint(clip->x1, clip->y1), QSize(clip->x2 - clip->x1, clip->y2 - clip->y1)));
        else
            mask.painter.setClipping(false);
        mask.clip = clip;
    }
    // Fill and outline in one call, as on the picture: the outline's value over the fill's.
    QPen pen = outline ? CurrentPen() : noPen_;
    if (pen.style() != Qt::NoPen) pen.setColor(QColor(kOutline, kOutline, kOutline));
    mask.painter.setPen(pen);
    mask.painter.setBrush(fill ? QBrush(QColor(kFill, kFill, kFill)) : noBrush_);
    draw(mask.painter);

    // The pixels back, row by row within the box and the drawable area (the painter drew
    // nothing outside them), and the mask cleared.
    OwnShape& shape = NewShape();
    scratchFromMask_ = true;
    const IRect area = DrawableArea();
    const int32_t x1 = std::max(box.x1, area.x1), x2 = std::min(box.x2, area.x2);
    const int32_t y1 = std::max(box.y1, area.y1), y2 = std::min(box.y2, area.y2);
    for (int32_t y = y1; y < y2; ++y) {
        uint8_t* row = mask.image.scanLine(y);
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
    return shape;
}

bool QtCanvas::UncutWaits() const {
    // An uncut shape under a pen the painter strokes costs less drawn by the painter straight
    // in the paint after a new mapping, where many of them are new; the next paint keeps it.
    return freshView_ && !ahead_;
}

bool QtCanvas::PointsInside(const IPoint* pts, size_t n) const {
    const IRect area = DrawableArea();
    for (size_t i = 0; i < n; ++i)
        if (!area.Contains(pts[i])) return false;
    return true;
}

IRect QtCanvas::MaskBox(const IPoint* pts, size_t n) const {
    IRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (size_t i = 0; i < n; ++i) {
        box.x1 = std::min(box.x1, pts[i].x);
        box.y1 = std::min(box.y1, pts[i].y);
        box.x2 = std::max(box.x2, pts[i].x);
        box.y2 = std::max(box.y2, pts[i].y);
    }
    // Beyond the points by the pen and the pixel each edge takes.
    const int32_t margin = (Pen().style == PenStyle::Clear ? 0 : DevicePenWidth()) + 2;
    return {box.x1 - margin, box.y1 - margin, box.x2 + margin + 1, box.y2 + margin + 1};
}

}  // namespace pw
