#include "cli/print_command.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

#include "cli/cli.h"
#include "cli/cli_options.h"
#include "cli/loaded_document.h"
#include "cli/print_options.h"
#include "core/language.h"
#include "render/print_job.h"
#include "render/render_targets.h"

namespace pw::cli {

namespace {

TPlatine& ChosenPanel(const LoadedDocument& doc, int index) {
    if (index < 0 || static_cast<size_t>(index) >= doc.panels.size())
        throw UsageError(std::string(Tr("Keine Platte ", "No panel ")) + std::to_string(index));
    TPlatine& p = *doc.panels[static_cast<size_t>(index)];
    auto ok = [](Real v) { return std::isfinite(v) && v > 0 && v <= 100000; };
    if (!ok(p.Width) || !ok(p.Height)) throw ReadFailure(Tr("Ungültige Plattengröße", "Invalid panel size"));
    return p;
}

QPageLayout::Orientation OrientationOf(const PrintOptions& o) {
    return o.landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// A panel that does not fit is printed as asked, but not cut off without a word.
void WarnWhenCut(const PrintJob& job, const SheetGeometry& sheet, std::ostream& err) {
    const PrintPlan plan =
        PlanPrint(job.panel->Width, job.panel->Height, job.settings, job.calibration, sheet);
    if (!plan.fits)
        err << Tr("Die Platte passt nicht ganz auf das Blatt; --split verteilt sie auf mehrere Blätter.",
                  "The panel does not fit on the sheet; --split spreads it over several sheets.")
            << '\n';
}

int ToPdf(const PrintOptions& o, const PrintJob& job, std::ostream& err) {
    const QPageLayout layout = PdfSheetLayout(o.paper, OrientationOf(o));
    WarnWhenCut(job, SheetOf(layout, kVectorDotsPerInch, kVectorDotsPerInch), err);
    PdfOutput pdf = PrintToPdf(job, layout);
    if (pdf.failure != PrintFailure::None) {
        err << PrintFailureText(pdf.failure) << '\n';
        return kExitFailed;
    }
    SaveOutput(*o.pdfPath, pdf.bytes.constData(), static_cast<size_t>(pdf.bytes.size()));
    return kExitOk;
}

int ToPrinter(const PrintOptions& o, const PrintJob& job, std::ostream& err) {
    QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(*o.printer));
    if (info.isNull())
        throw UsageError(std::string(Tr("Unbekannter Drucker: ", "Unknown printer: ")) + *o.printer);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setPageSize(o.paper);
    printer.setPageOrientation(OrientationOf(o));
    printer.setDocName(QStringLiteral("Plattenwerk"));
    WarnWhenCut(job, SheetOf(printer), err);
    PrintFailure failure = PrintOn(job, printer);
    if (failure != PrintFailure::None) {
        err << PrintFailureText(failure) << '\n';
        return kExitFailed;
    }
    return kExitOk;
}

}  // namespace

int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "help")) {
        out << PrintUsageText();
        return kExitOk;
    }
    try {
        const PrintOptions o = ParsePrintOptions(args);
        LoadedDocument doc = LoadDocument(o.document);
        PrintJob job;
        job.panel = &ChosenPanel(doc, o.panel);
        job.settings = o.settings;
        job.calibration = o.calibration;
        return o.printer ? ToPrinter(o, job, err) : ToPdf(o, job, err);
    } catch (const UsageError& e) {
        err << e.what() << '\n';
        return kExitUsage;
    } catch (const ReadFailure& e) {
        err << e.what() << '\n';
        return kExitFailed;
    }
}

}  // namespace pw::cli
