#pragma once
// PdfDevice: a paint device that writes a PDF document of what a painter draws on it, one page
// after another, each of its own size. Device units are 0.01 mm (2540 dots per inch); the page
// boxes are the exact sizes given. Paths keep their curves; coordinates are rounded to a tenth
// of a device unit; the pen and brush are set only where they change; rectangular clips, and
// pictures as compressed image objects. Content streams are compressed for speed rather than for
// the last byte.

#include <QByteArray>
#include <QPaintDevice>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <memory>

namespace pw {

class PdfPaintEngine;

class PdfDevice : public QPaintDevice {
  public:
    // The first page, widthMm x heightMm; creator goes into the document information.
    PdfDevice(double widthMm, double heightMm, const QString& creator);
    ~PdfDevice() override;
    PdfDevice(const PdfDevice&) = delete;
    PdfDevice& operator=(const PdfDevice&) = delete;

    static constexpr int kDotsPerInch = 2540;

    // Ends the page drawn so far and starts the next one, of its own size.
    void NewPage(double widthMm, double heightMm);
    QPaintEngine* paintEngine() const override;
    // The whole document, once the painter has ended.
    QByteArray Document() const;

  protected:
    int metric(PaintDeviceMetric metric) const override;

  private:
    QSizeF pageMm_;
    QString creator_;
    std::unique_ptr<PdfPaintEngine> engine_;
};

}  // namespace pw
