#pragma once
// VectorPaintEngine: the part of the SVG and PDF writers' paint engines that follows the
// painter: pen, brush, transformation and a rectangular clip, polygons handed on as paths and
// pixmaps as images. The writers turn each shape and picture into their own text.
// Numbers are written in tenths of a device unit (0.001 mm at 0.01 mm per unit), as short text.

#include <QBrush>
#include <QByteArray>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QTransform>
#include <cstdint>
#include <optional>

namespace pw {

// A coordinate in tenths of a device unit, rounded.
int64_t Tenths(double v);
// A number of tenths as short text: no trailing ".0", no leading zero ("-.5", "12", "3.7").
void PutTenths(QByteArray& out, int64_t tenths);

// The metrics of a vector page of `pixels` device units at `dotsPerInch`, `mm` millimetres in
// size, in true colour; none for the metrics the device leaves to QPaintDevice.
std::optional<int> VectorPageMetric(QPaintDevice::PaintDeviceMetric m, QSize pixels, QSizeF mm,
                                    int dotsPerInch);

class VectorPaintEngine : public QPaintEngine {
  public:
    VectorPaintEngine();

    void updateState(const QPaintEngineState& state) override;
    void drawPath(const QPainterPath& path) override { Shape(path, true, false); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
    void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override;
    void drawImage(const QRectF& r, const QImage& image, const QRectF& sr, Qt::ImageConversionFlags) override;
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override;
    Type type() const override { return QPaintEngine::User; }

  protected:
    // A path to fill with the brush (when it is an area) and to outline with the pen, in
    // painter coordinates (transform() maps them to the device). Its subpaths are closed where
    // they end on their start (as the painter strokes them), and all of them with closeAll (a
    // polygon).
    virtual void Shape(const QPainterPath& path, bool area, bool closeAll) = 0;
    // An image drawn into r (painter coordinates).
    virtual void Picture(const QRectF& r, const QImage& image) = 0;

    const QPen& pen() const { return pen_; }
    const QBrush& brush() const { return brush_; }
    const QTransform& transform() const { return transform_; }
    // The clip rectangle in device units, when clipping is on.
    bool Clipped() const { return clipOn_; }
    const QRectF& ClipRect() const { return clipRect_; }
    void ResetState();

  private:
    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    bool clipOn_ = false;
    QRectF clipRect_;
};

}  // namespace pw
