#pragma once
// Printing on a paged device, a QPrinter through CUPS or a PDF writer, in the device's own dots:
// the sheet's geometry from its page layout, one page per sheet of the print plan, and the
// failures a job can end with. PDF output has the paper's size and a printable area with equal
// margins on all sides, so that centring and mirroring are about the sheet's centre.

#include <QByteArray>
#include <QPageLayout>
#include <string>

#include "core/print_plan.h"
#include "panel/platine.h"

class QPagedPaintDevice;

namespace pw {

constexpr double kPdfMarginMm = 5;

// The paper and printable area of a page layout at a resolution (device pixels), exact.
SheetGeometry SheetOf(const QPageLayout& layout, double dotsPerInchX, double dotsPerInchY);
// The same for a device, with the origin where the device draws from.
SheetGeometry SheetOf(const QPagedPaintDevice& device);

// A PDF page: the paper in the orientation, the same margin on every side.
QPageLayout PdfSheetLayout(const QPageSize& paper, QPageLayout::Orientation orientation,
                           double marginMm = kPdfMarginMm);

enum class PrintFailure { None, NotStarted, PageFailed, NotFinished, TooManySheets };

// The message of a failure in the current language.
std::string PrintFailureText(PrintFailure failure);

// What to print: the panel after the settings, or, without a panel, the test page.
struct PrintJob {
    TPlatine* panel = nullptr;
    PrintSettings settings;
    Calibration calibration;
    std::string printerName;
};

// The sheets the job prints on the sheet.
int SheetsOf(const PrintJob& job, const SheetGeometry& sheet);

// Paints the job on the device (page layout and resolution set), one page per sheet.
PrintFailure PrintOn(const PrintJob& job, QPagedPaintDevice& device);

struct PdfOutput {
    QByteArray bytes;
    PrintFailure failure = PrintFailure::None;
};
// The job as a PDF document with the page layout, at 2540 dots per inch, with exact page boxes.
PdfOutput PrintToPdf(const PrintJob& job, const QPageLayout& layout);

}  // namespace pw
