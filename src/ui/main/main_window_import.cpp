// The picture import: "&Importieren..." (Ctrl+I) and BitmapBtn.
#include <QAction>
#include <QFileInfo>

#include "core/language.h"
#include "panel/document.h"
#include "panel/picture_import.h"
#include "ui/dialogs/bmp_dlg.h"
#include "ui/dialogs/custom_colours.h"
#include "ui/main/main_window.h"
#include "ui/main/texts.h"
#include "ui/main/tool_palette.h"
#include "ui/main/user_prompts.h"

namespace pw {

namespace {
QStringList PictureFilters() {
    return {QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("Metadateien (*.wmf)"),
            QStringLiteral("Erweiterte Metadateien (*.emf)")};
}
}  // namespace

void MainWindow::SetUpPictureImport() {
    connect(Action("Importieren1"), &QAction::triggered, this, &MainWindow::ImportPictureCommand);
    connect(palette_, &ToolPalette::pictureImportClicked, this, &MainWindow::ImportPictureCommand);
    // The bitmap dialog's colour dialog keeps the custom colours of the program directory.
    TBMP_Dlg::SetColourChooser([home = QString::fromStdString(Dirs().home)](QWidget* parent, Color initial) {
        return ChooseColour(parent, initial, home);
    });
}

void MainWindow::ImportPictureCommand() {
    if (tabs_.empty()) return;
    std::optional<UserPrompts::PickedFile> picked;
    RunModal([&] {
        picked = prompts_->OpenPicture(this, QStringLiteral("Import"), QString::fromStdString(Dirs().home),
                                       PictureFilters(), kPreselectedPictureFilter);
    });
    TPlatine& panel = CurrentPanel();
    if (!picked) {
        panel.EndOperation();
        RefreshCommandStates();
        return;
    }
    std::optional<std::string> error;
    try {
        error = ImportPicture(panel, PictureKindOfFilter(picked->filter),
                              ReadWholeFile(picked->path.toStdString()));
    } catch (const FileError& e) {
        error = e.what();
    }
    if (error)
        RunModal([&] {
            prompts_->Error(
                this, QStringLiteral("Import"),
                QFileInfo(picked->path).fileName() + QStringLiteral(":\n") + QString::fromStdString(*error));
        });
    RefreshCommandStates();
}

}  // namespace pw
