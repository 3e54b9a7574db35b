#pragma once
// Where a printout goes: a printer known to CUPS, printed through a QPrinter at high
// resolution with its own page layout; or, when there is no printer, a PDF file of the paper,
// orientation and margins chosen in the page set-up (5 mm on every side at first).

#include <QString>
#include <memory>
#include <string>

#include "core/print_layout.h"
#include "render/print_job.h"

class QPrinter;
class QWidget;

namespace pw {

class PrintDestination {
  public:
    PrintDestination();
    ~PrintDestination();

    // Keeps the printer while it exists; else the default printer, or the first; PDF when there
    // is none.
    void Refresh();
    // Prints to a PDF file whatever printers there are.
    void UsePdf();
    bool IsPdf() const { return pdf_; }
    // The printer's name; "PDF" for a PDF file.
    std::string Name() const;
    SheetGeometry Sheet() const;

    // The platform's set-up dialog: printer, paper and orientation (paper and orientation for a
    // PDF file). True when confirmed.
    bool Setup(QWidget* parent);

    // Prints the job; a PDF destination writes the file (NotFinished when it cannot be written).
    PrintFailure Print(const PrintJob& job, const QString& pdfPath);

  private:
    QPageLayout PdfLayout() const;

    std::unique_ptr<QPrinter> printer_;
    bool pdf_ = false;
};

}  // namespace pw
