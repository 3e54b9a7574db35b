// "&Exportieren...": the export dialog, the file dialog for the chosen format, and the picture
// or drawing written through the export of the render layer.
#include <QShortcut>

#include "ui/dialogs/export_dlg.h"
#include "ui/main/main_window.h"
#include "ui/main/user_prompts.h"
#include "ui/main/window_dialogs.h"

namespace pw {

void MainWindow::CreateExportCommand() {
    QAction* action = Action("Exportieren1");
    action->setEnabled(false);
    connect(action, &QAction::triggered, this, &MainWindow::ExportCommand);
    // The item is enabled when its menu opens; its key works as if the menu had opened first.
    auto* key = new QShortcut(action->shortcut(), this);
    key->setObjectName(QStringLiteral("ExportKey"));
    connect(key, &QShortcut::activated, this, [this] {
        UpdateExportState();
        if (Action("Exportieren1")->isEnabled()) ExportCommand();
    });
    auto follow = [action, key] { key->setEnabled(!action->isEnabled()); };
    connect(action, &QAction::changed, this, follow);
    follow();
}

void MainWindow::UpdateExportState() {
    Action("Exportieren1")->setEnabled(!tabs_.empty() && CurrentPanel().ElementCount() > 0);
}

void MainWindow::ExportCommand() {
    if (tabs_.empty() || CurrentPanel().ElementCount() == 0) return;
    RunModal([this] {
        TPlatine& panel = CurrentPanel();
        std::optional<ExportChoice> choice = dialogs_->Export(this, panel.HasSelection(), lastExport_);
        if (!choice) return;
        if (!panel.HasSelection()) choice->selectedOnly = false;
        const QString suffix = QString::fromLatin1(ExportSuffix(choice->format)).mid(1);
        std::optional<QString> path = prompts_->SaveFile(this, QStringLiteral("Export"), QString(),
                                                         ExportFilter(choice->format), suffix);
        if (!path) return;
        lastExport_ = *choice;
        const std::string error = WriteExport(path->toStdString(), panel, *choice);
        if (!error.empty()) prompts_->Error(this, QStringLiteral("Export"), QString::fromStdString(error));
    });
}

}  // namespace pw
