#include "ui/main/program_dialogs.h"

#include "ui/dialogs/export_dlg.h"
#include "ui/dialogs/laden_dlg.h"
#include "ui/dialogs/platinen_dlg.h"
#include "ui/dialogs/raster_dlg.h"
#include "ui/dialogs/vieleck_dlg.h"
#include "ui/print/print_dlg.h"
#include "ui/scales/scale_man_dlg.h"
#include "ui/settings/autosave.h"
#include "ui/settings/backup_dialog.h"

namespace pw {

namespace {

class ProgramDialogs : public WindowDialogs {
  public:
    explicit ProgramDialogs(QString programDir) : programDir_(std::move(programDir)) {}

    std::optional<PanelPropertiesValues> PanelProperties(QWidget* parent,
                                                         const PanelPropertiesValues& shown) override {
        TPlatinenDlg dialog(programDir_, parent);
        dialog.SetValues(shown.name, shown.widthMm, shown.heightMm, shown.colour);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return PanelPropertiesValues{dialog.Name(), dialog.WidthMm(), dialog.HeightMm(), dialog.Colour()};
    }

    std::optional<GridDialogValues> Grid(QWidget* parent, const GridDialogValues& shown) override {
        return ShowGridDialog(parent, shown);
    }

    std::optional<RegularPolygonInput> RegularPolygon(QWidget* parent) override {
        return ShowRegularPolygonDialog(parent);
    }

    bool RunScaleAssistant(QWidget* parent, ScaleAssistant& assistant, UserPrompts& prompts) override {
        TScaleManDlg dialog(assistant, prompts, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    void Backup(QWidget* parent, Autosave& autosave) override {
        BackupDialog dialog(parent);
        dialog.Load(autosave);
        dialog.exec();
        dialog.Store(autosave);
    }

    bool Print(QWidget* parent, PrintSession& session) override {
        TPrint_Dlg dialog(session, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    std::unique_ptr<LoadProgress> LoadProgressWindow(QWidget* parent) override {
        auto window = std::make_unique<TLaden_Dlg>(parent);
        window->show();
        window->repaint();
        return window;
    }

    std::optional<ExportChoice> Export(QWidget* parent, bool selectionPossible,
                                       const ExportChoice& last) override {
        return ShowExportDlg(parent, selectionPossible, last);
    }

  private:
    QString programDir_;
};

}  // namespace

std::unique_ptr<WindowDialogs> MakeProgramDialogs(const std::string& programDir) {
    return std::make_unique<ProgramDialogs>(QString::fromStdString(programDir));
}

}  // namespace pw
