#include "ui/print/print_session.h"

#include "core/print_calibration.h"
#include "ui/dialogs/dialog_frame.h"
#include "ui/main/user_prompts.h"
#include "ui/print/print_destination.h"
#include "ui/settings/werkbank_settings.h"

namespace pw {

PrintSession::PrintSession(TPlatine& panel, PrintSettings& settings, PrintDestination& destination,
                           WerkbankSettings* settingsFile, UserPrompts& prompts)
    : panel_(panel),
      settings_(settings),
      destination_(destination),
      settingsFile_(settingsFile),
      prompts_(prompts) {
    DestinationChanged();
}

void PrintSession::SetCalibration(const Calibration& calibration) {
    calibration_ = calibration;
    if (!settingsFile_) return;
    WriteCalibration(settingsFile_->Ini(), destination_.Name(), calibration);
    settingsFile_->Flush();
}

void PrintSession::DestinationChanged() {
    calibration_ = settingsFile_ ? ReadCalibration(settingsFile_->Ini(), destination_.Name()) : Calibration{};
}

PrintPlan PrintSession::Plan() {
    PrintPlan plan = PlanPrint(panel_.Width, panel_.Height, settings_, calibration_, destination_.Sheet());
    if (settings_.WillsteMittig && !settings_.split) {
        settings_.offsetX = plan.settings.offsetX;
        settings_.offsetY = plan.settings.offsetY;
    }
    return plan;
}

QString PrintSession::Caption() const {
    return TrQ("Druckvorschau - ", "Preview - ") + QString::fromStdString(destination_.Name());
}

bool PrintSession::PrintPanel(QWidget* parent) {
    return Print(parent, &panel_);
}

bool PrintSession::PrintTestPage(QWidget* parent) {
    return Print(parent, nullptr);
}

bool PrintSession::Print(QWidget* parent, TPlatine* panel) {
    QString path;
    if (destination_.IsPdf()) {
        QString name = panel ? QString::fromStdString(panel->Name.Text()) : TrQ("Testseite", "Test page");
        if (name.isEmpty()) name = QStringLiteral("Plattenwerk");
        std::optional<QString> chosen =
            prompts_.SaveFile(parent, TrQ("In PDF-Datei drucken", "Print to a PDF file"), name + ".pdf",
                              TrQ("PDF-Dateien (*.pdf)", "PDF files (*.pdf)"), QStringLiteral("pdf"));
        if (!chosen) return false;
        path = *chosen;
    }
    PrintJob job{panel, settings_, calibration_, destination_.Name()};
    const PrintFailure failure = destination_.Print(job, path);
    if (failure == PrintFailure::None) return true;
    QString text = QString::fromStdString(PrintFailureText(failure));
    if (destination_.IsPdf() && failure == PrintFailure::NotFinished)
        text = TrQ("Die Datei %1 kann nicht geschrieben werden.", "The file %1 cannot be written.").arg(path);
    prompts_.Error(parent, TrQ("Drucken", "Print"), text);
    return false;
}

}  // namespace pw
