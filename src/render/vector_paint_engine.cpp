#include "render/vector_paint_engine.h"

#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <vector>

namespace pw {

int64_t Tenths(double v) {
    if (!std::isfinite(v)) return 0;
    return std::llround(std::clamp(v, -1e15, 1e15) * 10);
}

void PutTenths(QByteArray& out, int64_t t) {
    if (t < 0) {
        out += '-';
        t = -t;
    }
    const int64_t whole = t / 10, tenth = t % 10;
    if (whole != 0 || tenth == 0) out += QByteArray::number(static_cast<qlonglong>(whole));
    if (tenth != 0) {
        out += '.';
        out += static_cast<char>('0' + tenth);
    }
}

VectorPaintEngine::VectorPaintEngine()
    : QPaintEngine(QPaintEngine::PaintEngineFeatures(
          QPaintEngine::AllFeatures & ~QPaintEngine::PatternBrush & ~QPaintEngine::PerspectiveTransform &
          ~QPaintEngine::ConicalGradientFill & ~QPaintEngine::PorterDuff)) {}

void VectorPaintEngine::ResetState() {
    pen_ = QPen();
    brush_ = QBrush();
    transform_ = QTransform();
    clipOn_ = false;
    clipRect_ = QRectF();
}

void VectorPaintEngine::updateState(const QPaintEngineState& state) {
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyPen) pen_ = state.pen();
    if (dirty & DirtyBrush) brush_ = state.brush();
    if (dirty & DirtyTransform) transform_ = state.transform();
    if (dirty & DirtyClipEnabled) clipOn_ = state.isClipEnabled();
    if (dirty & (DirtyClipRegion | DirtyClipPath)) {
        const QRectF given = (dirty & DirtyClipRegion) ? QRectF(state.clipRegion().boundingRect())
                                                       : state.clipPath().boundingRect();
        const Qt::ClipOperation op = state.clipOperation();
        if (op == Qt::NoClip) {
            clipOn_ = false;
        } else {
            clipRect_ = op == Qt::IntersectClip && clipOn_ ? clipRect_.intersected(given) : given;
            clipOn_ = true;
        }
    }
}

void VectorPaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
    if (count < 1) return;
    QPainterPath path;
    path.setFillRule(mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    path.moveTo(points[0]);
    for (int i = 1; i < count; ++i) path.lineTo(points[i]);
    Shape(path, mode != PolylineMode, mode != PolylineMode);
}

void VectorPaintEngine::drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) {
    std::vector<QPointF> f(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) f[static_cast<size_t>(i)] = points[i];
    drawPolygon(f.data(), count, mode);
}

void VectorPaintEngine::drawImage(const QRectF& r, const QImage& image, const QRectF& sr,
                                  Qt::ImageConversionFlags) {
    if (image.isNull()) return;
    Picture(r, sr == QRectF(image.rect()) ? image : image.copy(sr.toAlignedRect()));
}

void VectorPaintEngine::drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) {
    drawImage(r, pm.toImage(), sr, Qt::AutoColor);
}

std::optional<int> VectorPageMetric(QPaintDevice::PaintDeviceMetric m, QSize pixels, QSizeF mm,
                                    int dotsPerInch) {
    switch (m) {
        case QPaintDevice::PdmWidth:
            return pixels.width();
        case QPaintDevice::PdmHeight:
            return pixels.height();
        case QPaintDevice::PdmWidthMM:
            return static_cast<int>(std::lround(mm.width()));
        case QPaintDevice::PdmHeightMM:
            return static_cast<int>(std::lround(mm.height()));
        case QPaintDevice::PdmNumColors:
            return 0xffffff;
        case QPaintDevice::PdmDepth:
            return 32;
        case QPaintDevice::PdmDpiX:
        case QPaintDevice::PdmDpiY:
        case QPaintDevice::PdmPhysicalDpiX:
        case QPaintDevice::PdmPhysicalDpiY:
            return dotsPerInch;
        case QPaintDevice::PdmDevicePixelRatio:
            return 1;
        case QPaintDevice::PdmDevicePixelRatioScaled:
            return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        default:
            return std::nullopt;
    }
}

}  // namespace pw
