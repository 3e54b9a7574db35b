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
    s.paperWidth = paper.width() * x;
    s.paperHeight = paper.height() * y;
    s.printableLeft = printable.left() * x;
    s.printableTop = printable.top() * y;
    s.printableWidth = printable.width() * x;
    s.printableHeight = printable.height() * y;
    return s;
}

SheetGeometry SheetOf(const QPagedPaintDevice& device) {
    // The layout's exact sizes. The device's origin lies at its paint rectangle in whole pixels,
    // which Qt takes from margins rounded to whole points: the printable area's exact corner lies
    // that little way from it.
    const QPageLayout layout = device.pageLayout();
    SheetGeometry s = SheetOf(layout, device.logicalDpiX(), device.logicalDpiY());
    const QRect paint = layout.paintRectPixels(device.logicalDpiX());
    s.originX = s.printableLeft - paint.left();
    s.originY = s.printableTop - paint.top() * s.dpiY / s.dpiX;
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

namespace {

// Prints with the device's origin at the sheet's origin (the printable area's corner on a
// printer).
PrintFailure PrintSheets(const PrintJob& job, QPagedPaintDevice& device, const SheetGeometry& sheet) {
    const PrintPlan plan = PlanOf(job, sheet);
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

}  // namespace

PrintFailure PrintOn(const PrintJob& job, QPagedPaintDevice& device) {
    return PrintSheets(job, device, SheetOf(device));
}

PdfOutput PrintToPdf(const PrintJob& job, const QPageLayout& layout) {
    // The writer draws on the whole page, which it keeps to whole points, margins included; the
    // margins are left here, exactly, by placing the printable area's corner.
    SheetGeometry sheet = SheetOf(layout, kVectorDotsPerInch, kVectorDotsPerInch);
    sheet.originX = sheet.printableLeft;
    sheet.originY = sheet.printableTop;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    PdfOutput out;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Plattenwerk"));
        writer.setResolution(kVectorDotsPerInch);
        writer.setPageLayout(QPageLayout(layout.pageSize(), layout.orientation(), QMarginsF()));
        out.failure = PrintSheets(job, writer, sheet);
    }
    buffer.close();
    if (out.failure != PrintFailure::None) return out;
    const QSizeF mm = layout.fullRect(QPageLayout::Millimeter).size();
    out.bytes = FixPdfPageBoxes(buffer.data(), std::vector<QSizeF>(SheetsOf(job, sheet), mm));
    return out;
}

}  // namespace pw
