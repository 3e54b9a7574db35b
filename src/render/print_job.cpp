#include "render/print_job.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QPrinter>
#include <cmath>

#include "core/language.h"
#include "render/print_sheet.h"
#include "render/render_targets.h"

namespace pw {

namespace {

PrintPlan PlanOf(const PrintJob& job, const SheetGeometry& sheet) {
    if (!job.panel) return PlanPrint(kTestSquare, kTestSquare, TestPageSettings(), job.calibration, sheet);
    return PlanPrint(job.panel->Width, job.panel->Height, job.settings, job.calibration, sheet);
}

bool PrinterFailed(const QPagedPaintDevice& device) {
    auto* printer = dynamic_cast<const QPrinter*>(&device);
    return printer &&
           (printer->printerState() == QPrinter::Error || printer->printerState() == QPrinter::Aborted);
}

}  // namespace

SheetGeometry SheetOf(const QPageLayout& layout, double dotsPerInchX, double dotsPerInchY) {
    SheetGeometry s;
    s.dpiX = dotsPerInchX;
    s.dpiY = dotsPerInchY;
    const QRectF paper = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    const double x = dotsPerInchX / 25.4, y = dotsPerInchY / 25.4;
    s.paperWidth = std::round(paper.width() * x);
    s.paperHeight = std::round(paper.height() * y);
    s.printableLeft = std::round(printable.left() * x);
    s.printableTop = std::round(printable.top() * y);
    s.printableWidth = std::round(printable.width() * x);
    s.printableHeight = std::round(printable.height() * y);
    return s;
}

SheetGeometry SheetOf(const QPagedPaintDevice& device) {
    SheetGeometry s = SheetOf(device.pageLayout(), device.logicalDpiX(), device.logicalDpiY());
    // What the device itself says its paint area is.
    s.printableWidth = device.width();
    s.printableHeight = device.height();
    return s;
}

QPageLayout PdfSheetLayout(const QPageSize& paper, QPageLayout::Orientation orientation, double marginMm) {
    return QPageLayout(paper, orientation, QMarginsF(marginMm, marginMm, marginMm, marginMm),
                       QPageLayout::Millimeter);
}

std::string PrintFailureText(PrintFailure failure) {
    switch (failure) {
        case PrintFailure::None:
            return {};
        case PrintFailure::NotStarted:
            return Tr("Der Druckauftrag konnte nicht gestartet werden.",
                      "The print job could not be started.");
        case PrintFailure::PageFailed:
            return Tr("Der Drucker hat keine weitere Seite angenommen; der Ausdruck ist unvollständig.",
                      "The printer took no further page; the printout is incomplete.");
        case PrintFailure::NotFinished:
            return Tr("Der Druckauftrag konnte nicht abgeschlossen werden.",
                      "The print job could not be completed.");
        case PrintFailure::TooManySheets:
            return std::string(Tr("Die Platte bräuchte mehr als ", "The panel would need more than ")) +
                   std::to_string(SheetSplit::kMaxSheets) + Tr(" Blätter.", " sheets.");
    }
    return {};
}

int SheetsOf(const PrintJob& job, const SheetGeometry& sheet) {
    return PlanOf(job, sheet).SheetCount();
}

PrintFailure PrintOn(const PrintJob& job, QPagedPaintDevice& device) {
    const PrintPlan plan = PlanOf(job, SheetOf(device));
    if (plan.SheetCount() > SheetSplit::kMaxSheets) return PrintFailure::TooManySheets;
    PrinterTarget target(device);
    if (!target.IsActive()) return PrintFailure::NotStarted;
    for (int i = 0; i < plan.SheetCount(); ++i) {
        if (i > 0 && !target.NewPage()) return PrintFailure::PageFailed;
        if (job.panel)
            PaintSheet(*job.panel, target.Canvas(), plan, i, plan.sheet);
        else
            PaintTestPage(target.Canvas(), plan.sheet, job.calibration, job.printerName);
    }
    if (!target.Finish() || PrinterFailed(device)) return PrintFailure::NotFinished;
    return PrintFailure::None;
}

PdfOutput PrintToPdf(const PrintJob& job, const QPageLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PdfOutput out;
    int pages = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Plattenwerk"));
        writer.setResolution(kVectorDotsPerInch);
        writer.setPageLayout(layout);
        pages = SheetsOf(job, SheetOf(writer));
        out.failure = PrintOn(job, writer);
    }
    buffer.close();
    if (out.failure != PrintFailure::None) return out;
    const QSizeF mm = layout.fullRect(QPageLayout::Millimeter).size();
    out.bytes = FixPdfPageBoxes(buffer.data(), std::vector<QSizeF>(pages, mm));
    return out;
}

}  // namespace pw
