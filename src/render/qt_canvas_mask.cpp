// Shapes the canvas does not rasterise itself, drawn by the painter on a mask and read back as
// pixels: those cut by the edge of the drawable area (the painter clips a one-pixel line to the
// picture before it steps it) and ellipses near it or under a pen the painter strokes. The mask
// has the picture's size and clip, so the painter draws each shape there exactly as it would on
// the picture; read back, the shape is kept and drawn behind like the canvas's own ones, and the
// painting thread does not wait for the drawing thread before each of them.
#include <QImage>

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

MaskDrawing QtCanvas::MaskDrawingOf(bool fill, bool outline, int32_t runsWidth) {
    MaskDrawing d{DirectImage()->size(), DeviceClip(), DrawableArea(), outline ? CurrentPen() : noPen_, fill};
    // The pen and the pixel each edge takes.
    d.margin = (Pen().style == PenStyle::Clear ? 0 : DevicePenWidth()) + 2;
    d.rule = PolyFillMode() == FillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill;
    d.runsWidth = runsWidth;
    return d;
}

ShapeMask& QtCanvas::Mask() {
    if (!mask_) mask_.reset(new ShapeMask);
    return *mask_;
}

OwnShape& QtCanvas::MaskShape() {
    OwnShape& shape = NewShape();
    scratchFromMask_ = true;
    return shape;
}

bool QtCanvas::UncutWaits() const {
    // An uncut shape under a pen the painter strokes costs less drawn by the painter straight
    // in the paint after a new mapping, where many of them are new; the next paint keeps it.
    return freshView_ && !ahead_;
}

bool QtCanvas::PointsInside(const IPoint* pts, size_t n) const {
    if (n == 0) return true;
    const IRect box = PointsBox(pts, n);
    const IRect area = DrawableArea();
    return area.Contains({box.x1, box.y1}) && area.Contains({box.x2, box.y2});
}

}  // namespace pw
