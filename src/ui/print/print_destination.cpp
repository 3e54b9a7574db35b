#include "ui/print/print_destination.h"

#include <QDialogButtonBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSaveFile>

#include "render/render_targets.h"

namespace pw {

PrintDestination::PrintDestination() {
    Refresh();
}

PrintDestination::~PrintDestination() = default;

void PrintDestination::Refresh() {
    const QStringList names = QPrinterInfo::availablePrinterNames();
    if (names.isEmpty()) {
        if (!pdf_ || !printer_) UsePdf();
        return;
    }
    if (printer_ && !pdf_ && names.contains(printer_->printerName())) return;
    QString chosen = QPrinterInfo::defaultPrinterName();
    if (chosen.isEmpty() || !names.contains(chosen)) chosen = names.first();
    printer_ = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(chosen), QPrinter::HighResolution);
    printer_->setDocName(QStringLiteral("Plattenwerk"));
    pdf_ = false;
}

void PrintDestination::UsePdf() {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setOutputFormat(QPrinter::PdfFormat);
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Portrait);
    printer_->setPageMargins(QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                             QPageLayout::Millimeter);
    pdf_ = true;
}

std::string PrintDestination::Name() const {
    return pdf_ ? "PDF" : printer_->printerName().toStdString();
}

QPageLayout PrintDestination::PdfLayout() const {
    const QPageLayout layout = printer_->pageLayout();
    return QPageLayout(layout.pageSize(), layout.orientation(), layout.margins(QPageLayout::Millimeter),
                       QPageLayout::Millimeter);
}

SheetGeometry PrintDestination::Sheet() const {
    if (pdf_) return SheetOf(PdfLayout(), kVectorDotsPerInch, kVectorDotsPerInch);
    return SheetOf(*printer_);
}

bool PrintDestination::Setup(QWidget* parent) {
    if (pdf_) {
        QPageSetupDialog dialog(printer_.get(), parent);
        return dialog.exec() == QDialog::Accepted;
    }
    QPrintDialog dialog(printer_.get(), parent);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    // Here the dialog only sets the printer up; printing is the print dialog's "Drucken".
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText(QStringLiteral("&OK"));
    return dialog.exec() == QDialog::Accepted;
}

PrintFailure PrintDestination::Print(const PrintJob& job, const QString& pdfPath) {
    if (!pdf_) return PrintOn(job, *printer_);
    PdfOutput out = PrintToPdf(job, PdfLayout());
    if (out.failure != PrintFailure::None) return out.failure;
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly) || file.write(out.bytes) != out.bytes.size() || !file.commit())
        return PrintFailure::NotFinished;
    return PrintFailure::None;
}

}  // namespace pw
