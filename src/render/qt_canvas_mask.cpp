// Shapes the canvas does not rasterise itself, drawn by the painter on a mask and read back as
// pixels: those cut by the edge of the drawable area (the painter clips a one-pixel line to the
// picture before it steps it) and ellipses near it or under a pen the painter strokes. The mask
// has the picture's size and clip, so the painter draws each shape there exactly as it would on
// the picture; read back, the shape is kept and drawn behind like the canvas's own ones, and the
// painting thread does not wait for the drawing thread before each of them.
#include <QImage>
#include <cstring>
#include <optional>

#include "render/qt_canvas.h"

namespace pw {

struct QtCanvas::ShapeMask {
    QImage image;  // one bit a pixel, set where the painter drew
    QPainter painter;
    std::optional<std::optional<IRect>> clip;  // the clip set on the painter, once set

    // The pixels the painter drew, read back within the rows and columns given, as runs; the
    // mask cleared there.
    void ReadBack(int32_t x1, int32_t y1, int32_t x2, int32_t y2, std::vector<PixelRun>& runs) {
        if (x1 >= x2) return;
        for (int32_t y = y1; y < y2; ++y) {
            uint8_t* row = image.scanLine(y);
            for (int32_t x = x1; x < x2;) {
                // Eight pixels a byte, the first in the lowest bit: empty bytes are passed whole.
                if (row[x >> 3] == 0) {
                    x = (x | 7) + 1;
                    continue;
                }
                if (!(row[x >> 3] & (1u << (x & 7)))) {
                    ++x;
                    continue;
                }
                const int32_t from = x;
                while (x < x2 && (row[x >> 3] & (1u << (x & 7)))) ++x;
                runs.push_back({y, from, x - 1});
            }
            // The painter drew nothing outside the box: whole bytes are cleared.
            std::memset(row + (x1 >> 3), 0, static_cast<size_t>(((x2 - 1) >> 3) - (x1 >> 3) + 1));
        }
    }
};

void QtCanvas::DropMask::operator()(ShapeMask* mask) const {
    delete mask;
}

bool QtCanvas::MaskFits(const ShapeCache* cache, bool cut) const {
    // Worth it where the shape is kept, or where the painter would wait for the drawing thread.
    if ((!cache && !behind_) || !ownRaster_ || antialiasing_ || HugePen()) return false;
    // An uncut shape under a pen the painter strokes costs less drawn by the painter straight
    // in the paint after a new mapping, where many of them are new; the next paint keeps it.
    if (!cut && freshView_ && !ahead_) return false;
    const QImage* image = DirectImage();
    return image && bounds_ == IRect{0, 0, image->width(), image->height()};
}

OwnShape& QtCanvas::ThroughMask(const IRect& box, bool fill, bool outline,
                                const std::function<void(QPainter&)>& draw) {
    const QImage& picture = *DirectImage();
    if (!mask_ || mask_->image.size() != picture.size()) {
        mask_.reset(new ShapeMask);
        mask_->image = QImage(picture.size(), QImage::Format_MonoLSB);
        mask_->image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
        mask_->image.fill(0);
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
    OwnShape& shape = NewShape();
    scratchFromMask_ = true;
    const IRect area = DrawableArea();
    const int32_t x1 = std::max(box.x1, area.x1), x2 = std::min(box.x2, area.x2);
    const int32_t y1 = std::max(box.y1, area.y1), y2 = std::min(box.y2, area.y2);
    // The fill, then the outline, each drawn alone: the painter fills a shape as it does under a
    // pen, and strokes it as it does over a brush.
    if (fill) {
        mask.painter.setPen(noPen_);
        mask.painter.setBrush(QBrush(Qt::black));
        draw(mask.painter);
        mask.ReadBack(x1, y1, x2, y2, shape.fill);
    }
    QPen pen = outline ? CurrentPen() : noPen_;
    if (pen.style() != Qt::NoPen) {
        pen.setColor(Qt::black);
        mask.painter.setPen(pen);
        mask.painter.setBrush(noBrush_);
        draw(mask.painter);
        mask.ReadBack(x1, y1, x2, y2, shape.outlineRuns);
    }
    return shape;
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
