#pragma once
// Paint devices with a QtCanvas on them. Each target owns its device and painter; the canvas
// draws in the device's units:
// - ImageTarget: an RGB32 image; device units are pixels.
// - PdfTarget: a vector PDF (pdf_device.h) at 2540 dots per inch, so one device unit is 0.01 mm;
//   each page has its own size in millimetres, exact (the page box is not rounded to whole points).
// - SvgTarget: an SVG drawing (svg_device.h) whose width and height are given in millimetres and
//   whose view box counts device units of 0.01 mm.
// - PrinterTarget: a printer or any other paged device, in the device's own dots; hairlines are
//   one dot.

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "render/qt_canvas.h"

class QPagedPaintDevice;

namespace pw {

class PdfDevice;
class SvgDevice;

// Device resolution of PDF and SVG output: 2540 dots per inch, 100 dots per millimetre.
constexpr int kVectorDotsPerInch = 2540;

class ImageTarget {
  public:
    // A width x height RGB32 image filled with the colour; dotsPerInch is stored in the image.
    ImageTarget(int width, int height, Color fill = kWhite, double dotsPerInch = 96);
    ~ImageTarget();
    ImageTarget(const ImageTarget&) = delete;
    ImageTarget& operator=(const ImageTarget&) = delete;

    QtCanvas& Canvas() { return *canvas_; }
    // Ends painting (if still active) and gives the picture.
    const QImage& Finish();

  private:
    QImage image_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

class PdfTarget {
  public:
    // Opens the first page, widthMm x heightMm.
    PdfTarget(double widthMm, double heightMm);
    ~PdfTarget();
    PdfTarget(const PdfTarget&) = delete;
    PdfTarget& operator=(const PdfTarget&) = delete;

    QtCanvas& Canvas() { return *canvas_; }
    // Starts another page of its own size; the canvas keeps its mapping and state.
    void NewPage(double widthMm, double heightMm);
    // Ends the document and gives its bytes.
    QByteArray Finish();

  private:
    void ResetBounds(double widthMm, double heightMm);

    std::unique_ptr<PdfDevice> device_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

class SvgTarget {
  public:
    SvgTarget(double widthMm, double heightMm);
    ~SvgTarget();
    SvgTarget(const SvgTarget&) = delete;
    SvgTarget& operator=(const SvgTarget&) = delete;

    QtCanvas& Canvas() { return *canvas_; }
    QByteArray Finish();

  private:
    std::unique_ptr<SvgDevice> device_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

// A canvas on a paged device (a QPrinter, or a QPdfWriter set up by the caller). The device's
// page layout and resolution must be set before; device units are its dots, the canvas bounds
// its paint rectangle.
class PrinterTarget {
  public:
    explicit PrinterTarget(QPagedPaintDevice& device);
    ~PrinterTarget();
    PrinterTarget(const PrinterTarget&) = delete;
    PrinterTarget& operator=(const PrinterTarget&) = delete;

    bool IsActive() const { return painter_.isActive(); }
    QtCanvas& Canvas() { return *canvas_; }
    // Both false when the device refused: no new page, or the job did not end well.
    bool NewPage();
    bool Finish();

  private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    std::unique_ptr<QtCanvas> canvas_;
};

// Replaces the page boxes that the PDF writer rounded to whole points by the exact sizes (one per
// page, in page order, millimetres), keeping every byte offset of the file. Content is placed
// from the top of the page, so the box keeps its top edge.
QByteArray FixPdfPageBoxes(const QByteArray& pdf, const std::vector<QSizeF>& pageSizesMm);

}  // namespace pw
