// Shapes the canvas does not rasterise itself, drawn by the painter on a mask and read back as
// pixels: those cut by the edge of the drawable area (the painter clips a one-pixel line to the
// picture before it steps it) and ellipses near it or under a pen the painter strokes. The mask
// has the picture's size and clip, so the painter draws each shape there exactly as it would on
// the picture; read back, the shape is kept and drawn behind like the canvas's own ones, and the
// painting thread does not wait for the drawing thread before each of them.
#include <QImage>
#include <algorithm>

#include "render/qt_canvas.h"
#include "render/shape_mask.h"

namespace pw {

void QtCanvas::DropMask::operator()(ShapeMask* mask) const {
    delete mask;
}

bool QtCanvas::MaskFits(const ShapeCache* cache) const {
    // Worth it where the shape is kept, or where the painter would wait for the drawing thread.
    if ((!cache && !behind_) || !ownRaster_ || antialiasing_ || HugePen()) return false;
    const QImage* image = DirectImage();
    return image && bounds_ == IRect{0, 0, image->width(), image->height()};
}

MaskDrawing QtCanvas::MaskDrawingOf(bool fill, bool outline) {
    return {DirectImage()->size(), DeviceClip(), DrawableArea(), outline ? CurrentPen() : noPen_, fill};
}

OwnShape& QtCanvas::ThroughMask(const IRect& box, bool fill, bool outline,
                                const std::function<void(QPainter&)>& draw) {
    if (!mask_) mask_.reset(new ShapeMask);
    OwnShape& shape = NewShape();
    scratchFromMask_ = true;
    mask_->Draw(MaskDrawingOf(fill, outline), box, draw, shape);
    return shape;
}

bool QtCanvas::UncutWaits() const {
    // An uncut shape under a pen the painter strokes costs less drawn by the painter straight
    // in the paint after a new mapping, where many of them are new; the next paint keeps it.
    return freshView_ && !ahead_;
}

bool QtCanvas::PointsInside(const IPoint* pts, size_t n) const {
    if (n == 0) return true;
    // Their box, without a branch on each point: most sets lie inside, and are long.
    IPoint low = pts[0], high = pts[0];
    for (size_t i = 1; i < n; ++i) {
        low.x = std::min(low.x, pts[i].x);
        low.y = std::min(low.y, pts[i].y);
        high.x = std::max(high.x, pts[i].x);
        high.y = std::max(high.y, pts[i].y);
    }
    const IRect area = DrawableArea();
    return area.Contains(low) && area.Contains(high);
}

int32_t QtCanvas::MaskMargin() const {
    // The pen and the pixel each edge takes.
    return (Pen().style == PenStyle::Clear ? 0 : DevicePenWidth()) + 2;
}

}  // namespace pw
