#include "render/render_targets.h"

#include <QPagedPaintDevice>
#include <cmath>

#include "render/pdf_device.h"
#include "render/svg_device.h"

namespace pw {

namespace {
constexpr double kPointsPerMm = 72.0 / static_cast<double>(kMmPerInch);
constexpr double kDotsPerMm = kVectorDotsPerInch / static_cast<double>(kMmPerInch);

int DeviceLength(double mm) {
    return static_cast<int>(std::lround(mm * kDotsPerMm));
}

}  // namespace

// --- Image ---

ImageTarget::ImageTarget(int width, int height, Color fill, double dotsPerInch)
    : image_(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32) {
    image_.fill(QtCanvas::ToQColor(fill));
    int dpm = static_cast<int>(std::lround(dotsPerInch / 0.0254));
    image_.setDotsPerMeterX(dpm);
    image_.setDotsPerMeterY(dpm);
    painter_.begin(&image_);
    canvas_ = std::make_unique<QtCanvas>(painter_, QtCanvas::DeviceKind::Raster,
                                         IRect{0, 0, image_.width(), image_.height()}, dotsPerInch);
}

ImageTarget::~ImageTarget() {
    if (painter_.isActive()) painter_.end();
}

const QImage& ImageTarget::Finish() {
    if (painter_.isActive()) painter_.end();
    return image_;
}

// --- PDF ---

PdfTarget::PdfTarget(double widthMm, double heightMm) {
    static_assert(PdfDevice::kDotsPerInch == kVectorDotsPerInch);
    device_ = std::make_unique<PdfDevice>(widthMm, heightMm, QStringLiteral("Plattenwerk"));
    painter_.begin(device_.get());
    canvas_ = std::make_unique<QtCanvas>(painter_, QtCanvas::DeviceKind::Vector, IRect{}, kVectorDotsPerInch);
    ResetBounds(widthMm, heightMm);
}

PdfTarget::~PdfTarget() {
    if (painter_.isActive()) painter_.end();
}

void PdfTarget::ResetBounds(double widthMm, double heightMm) {
    canvas_->SetDeviceBounds({0, 0, DeviceLength(widthMm), DeviceLength(heightMm)});
}

void PdfTarget::NewPage(double widthMm, double heightMm) {
    device_->NewPage(widthMm, heightMm);
    ResetBounds(widthMm, heightMm);
}

QByteArray PdfTarget::Finish() {
    if (painter_.isActive()) painter_.end();
    return device_->Document();
}

// --- SVG ---

SvgTarget::SvgTarget(double widthMm, double heightMm) {
    const QSize size(DeviceLength(widthMm), DeviceLength(heightMm));
    device_ = std::make_unique<SvgDevice>(size, kVectorDotsPerInch, QStringLiteral("Plattenwerk"));
    painter_.begin(device_.get());
    canvas_ = std::make_unique<QtCanvas>(painter_, QtCanvas::DeviceKind::Vector,
                                         IRect{0, 0, size.width(), size.height()}, kVectorDotsPerInch);
}

SvgTarget::~SvgTarget() {
    if (painter_.isActive()) painter_.end();
}

QByteArray SvgTarget::Finish() {
    if (painter_.isActive()) painter_.end();
    return device_->Document();
}

// --- Printer ---

PrinterTarget::PrinterTarget(QPagedPaintDevice& device) : device_(device) {
    painter_.begin(&device_);
    canvas_ =
        std::make_unique<QtCanvas>(painter_, QtCanvas::DeviceKind::Vector,
                                   IRect{0, 0, device_.width(), device_.height()}, device_.logicalDpiX());
    canvas_->SetDeviceHairlines(true);
}

PrinterTarget::~PrinterTarget() {
    if (painter_.isActive()) painter_.end();
}

bool PrinterTarget::NewPage() {
    bool ok = device_.newPage();
    canvas_->SetDeviceBounds({0, 0, device_.width(), device_.height()});
    return ok;
}

bool PrinterTarget::Finish() {
    return !painter_.isActive() || painter_.end();
}

// --- Exact PDF page boxes ---

QByteArray FixPdfPageBoxes(const QByteArray& pdf, const std::vector<QSizeF>& pageSizesMm) {
    QByteArray out = pdf;
    static const QByteArray kKey = "/MediaBox [";
    qsizetype at = 0;
    for (const QSizeF& mm : pageSizesMm) {
        at = out.indexOf(kKey, at);
        if (at < 0) break;
        qsizetype start = at + kKey.size();
        qsizetype end = out.indexOf(']', start);
        if (end < 0) break;
        at = end;
        QList<QByteArray> numbers = out.mid(start, end - start).simplified().split(' ');
        if (numbers.size() != 4) continue;
        bool ok = false;
        double top = numbers[3].toDouble(&ok);
        if (!ok) continue;
        double width = mm.width() * kPointsPerMm, height = mm.height() * kPointsPerMm;
        // Same length as before, so the cross-reference offsets stay right; blanks fill up.
        QByteArray topText = QByteArray::number(top, 'g', 12);
        for (int decimals = 6; decimals >= 0; --decimals) {
            QByteArray box = "0 " + QByteArray::number(top - height, 'f', decimals) + ' ' +
                             QByteArray::number(width, 'f', decimals) + ' ' + topText;
            if (box.size() <= end - start) {
                out.replace(start, box.size(), box);
                out.replace(start + box.size(), end - start - box.size(),
                            QByteArray(end - start - box.size(), ' '));
                break;
            }
        }
    }
    return out;
}

}  // namespace pw
