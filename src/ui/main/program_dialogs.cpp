#include "ui/main/program_dialogs.h"

#include <QMessageBox>

#include "core/language.h"
#include "ui/main/texts.h"
#include "ui/settings/autosave.h"
#include "ui/settings/backup_dialog.h"

namespace pw {

namespace {

class ProgramDialogs : public WindowDialogs {
public:
    std::optional<PanelPropertiesValues> PanelProperties(QWidget* parent, const PanelPropertiesValues&) override {
        QMessageBox::information(parent, msg::AppTitle(), msg::NotAvailable());
        return std::nullopt;
    }
    std::optional<GridDialogValues> Grid(QWidget* parent, const GridDialogValues&) override {
        QMessageBox::information(parent, msg::AppTitle(), msg::NotAvailable());
        return std::nullopt;
    }
    std::optional<RegularPolygonInput> RegularPolygon(QWidget* parent) override {
        QMessageBox::information(parent, msg::AppTitle(), msg::NotAvailable());
        return std::nullopt;
    }
    void Backup(QWidget* parent, Autosave& autosave) override {
        BackupDialog dialog(parent);
        dialog.Load(autosave);
        dialog.exec();
        dialog.Store(autosave);
    }
    std::unique_ptr<LoadProgress> LoadProgressWindow(QWidget*) override { return nullptr; }
};

}  // namespace

std::unique_ptr<WindowDialogs> MakeProgramDialogs() { return std::make_unique<ProgramDialogs>(); }

}  // namespace pw
