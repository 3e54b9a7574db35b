#pragma once
// SvgDevice: a paint device that writes a compact SVG drawing of what a painter draws on it.
// Device units are those of the drawing's view box; the drawing's width and height are given in
// millimetres. Paths keep their curves (quadratic pieces stay quadratic), coordinates are written
// relative to the point before and rounded to a tenth of a device unit, and the pen and brush of
// each shape become a class of a style sheet: a run of shapes of one style shares one group.
// Rectangular clips become clip paths; pictures are embedded as PNG.

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QString>
#include <memory>

namespace pw {

class SvgPaintEngine;

class SvgDevice : public QPaintDevice {
  public:
    // size in device units, dotsPerInch their resolution; title goes into the drawing's title.
    SvgDevice(QSize size, int dotsPerInch, const QString& title);
    ~SvgDevice() override;
    SvgDevice(const SvgDevice&) = delete;
    SvgDevice& operator=(const SvgDevice&) = delete;

    QPaintEngine* paintEngine() const override;
    // The whole drawing, once the painter has ended.
    QByteArray Document() const;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QSize size_;
    int dotsPerInch_;
    QString title_;
    std::unique_ptr<SvgPaintEngine> engine_;
};

}  // namespace pw
