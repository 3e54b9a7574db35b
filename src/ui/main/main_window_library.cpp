// The symbol library in the main window: the library window in the side area, the Bibliothek
// menu, LibMenu (the page's pop-up menu), adding the selection as a symbol and placing a
// chosen symbol on the current panel.
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <cstdio>

#include "core/language.h"
#include "panel/library_directory.h"
#include "ui/dialogs/symbol_dlg.h"
#include "ui/main/library_window.h"
#include "ui/main/main_window.h"
#include "ui/main/side_area.h"
#include "ui/main/texts.h"
#include "ui/main/user_prompts.h"
#include "ui/panel/panel_view.h"

namespace pw {

namespace {

QString T(const char* german, const char* english) {
    return QString::fromUtf8(Tr(german, english));
}

QString Quoted(const std::string& name) {
    return QStringLiteral("\"") + QString::fromStdString(name) + QStringLiteral("\"");
}

}  // namespace

void MainWindow::CreateLibrary() {
    library_ = new LibraryWindow(LibraryDirectoryOf(dirs_.home));
    side_->SetPage(SideArea::kSymbol, library_);
    connect(library_, &LibraryWindow::symbolChosen, this, &MainWindow::PlaceLibrarySymbol);
    connect(library_, &LibraryWindow::failure, this,
            [this](const QString& text) { prompts_->Error(this, msg::ReadErrorTitle(), text); });

    libMenu_ = new QMenu(this);
    libMenu_->setObjectName(QStringLiteral("LibMenu"));
    auto entry = [this](const char* name, const char* german, const char* english,
                        void (MainWindow::*slot)()) {
        QAction* a = libMenu_->addAction(T(german, english));
        a->setObjectName(QString::fromLatin1(name));
        actions_[name] = a;
        connect(a, &QAction::triggered, this, slot);
    };
    entry("Nachvornesetzen2", "Nach oben setzen", "To front", &MainWindow::SymbolUpCommand);
    entry("Nachhintensetzen2", "Nach unten setzen", "To bottom", &MainWindow::SymbolDownCommand);
    libMenu_->addSeparator();
    entry("MenuItem5", "Löschen", "Delete", &MainWindow::DeleteSymbolCommand);
    entry("Eigenschaften", "Eigenschaften", "Properties", &MainWindow::SymbolPropertiesCommand);
    libMenu_->addSeparator();
    entry("Seiteanlegen1", "Seite anlegen", "Add new page", &MainWindow::NewPageCommand);
    entry("Seiteumbennen1", "Seite umbenennen", "Rename page", &MainWindow::RenamePageCommand);
    entry("SeiteLschen1", "Seite löschen", "Delete page", &MainWindow::DeletePageCommand);
    connect(library_, &LibraryWindow::menuRequested, this, [this](const QPoint& global) {
        const bool chosen = library_->Page().ChosenSymbol() != nullptr;
        for (const char* n : {"Nachvornesetzen2", "Nachhintensetzen2", "MenuItem5", "Eigenschaften"})
            Action(n)->setEnabled(chosen);
        libMenu_->popup(global);
    });
}

void MainWindow::ReadLibraryPages(int position) {
    const std::vector<std::string> skipped = library_->ReadPageList(position);
    if (!skipped.empty()) {
        QStringList lines;
        for (const std::string& s : skipped) lines << QString::fromStdString(s);
        prompts_->Warning(this, msg::ReadErrorTitle(), lines.join('\n'));
    }
}

void MainWindow::SaveLibraryPage() {
    if (!library_) return;
    if (std::optional<std::string> failed = library_->SavePage())
        prompts_->Error(this, msg::WriteErrorTitle(), QString::fromStdString(*failed));
}

void MainWindow::PlaceLibrarySymbol() {
    if (tabs_.empty() || !library_->Page().CopyChosen(libClipboard_)) return;
    TPlatine& p = CurrentPanel();
    p.NoteOperationStart();
    p.SaveUndo();
    p.PlaceSymbol(libClipboard_);
    p.RefreshStatus();
    RefreshCommandStates();
    CurrentView().setFocus();
}

void MainWindow::AddToLibraryCommand() {
    if (tabs_.empty() || !CurrentPanel().HasSelection() || !side_->LibraryVisible()) return;
    RunModal([this] {
        TPlatine& panel = CurrentPanel();
        const std::string name = panel.SelectedCount() == 1 && panel.CurrentElement()
                                     ? panel.CurrentElement()->Description.Text()
                                     : std::string();
        MemoryStream selection;
        selection.bytes.clear();
        panel.WritePanel(selection.bytes, true);
        std::optional<SymbolProperties> confirmed = ShowSymbolDialog(
            this, name, selection, panel.GridVisible, panel.SnapSpacing, DefaultInsertPoint(panel));
        if (!confirmed) return;
        libClipboard_.bytes = selection.bytes;
        library_->Page().AddSymbol(libClipboard_, confirmed->name, confirmed->insertPoint);
        library_->Refresh();
    });
}

void MainWindow::SymbolPropertiesCommand() {
    TBibo& page = library_->Page();
    if (!page.ChosenSymbol() || tabs_.empty()) return;
    RunModal([this, &page] {
        page.CopyChosen(libClipboard_);
        TPlatine& panel = CurrentPanel();
        std::optional<SymbolProperties> confirmed =
            ShowSymbolDialog(this, page.ChosenSymbol()->Description.Text(), libClipboard_, panel.GridVisible,
                             panel.SnapSpacing, page.ChosenSymbol()->InsertPoint);
        if (!confirmed) return;
        page.SetChosenProperties(confirmed->name, confirmed->insertPoint);
        SaveLibraryPage();
        library_->Refresh();
    });
}

void MainWindow::SymbolUpCommand() {
    library_->Page().MoveChosenUp();
    library_->Refresh();
}

void MainWindow::SymbolDownCommand() {
    library_->Page().MoveChosenDown();
    library_->Refresh();
}

void MainWindow::DeleteSymbolCommand() {
    TBibo& page = library_->Page();
    if (!page.ChosenSymbol()) return;
    const std::string name = page.ChosenSymbol()->Description.Text();
    const QString text =
        name.empty() ? T("Möchten Sie das markierte Bauteil wirklich aus der Bibliothek löschen?",
                         "Delete selected symbol from library?")
                     : T("Möchten Sie das Symbol ", "Delete symbol ") + Quoted(name) + QStringLiteral(" \r") +
                           T("wirklich aus der Bibliothek löschen?", "from symbol library?");
    if (!prompts_->AskYesNo(this, T("Symbol löschen", "Delete symbol"), text)) return;
    page.DeleteChosen();
    library_->Refresh();
}

void MainWindow::NewPageCommand() {
    RunModal([this] {
        SaveLibraryPage();
        const std::string path = NewLibraryPagePath(library_->Directory());
        std::optional<std::string> name = ShowPageDialog(
            this, DefaultPageName(), QFileInfo(QString::fromStdString(path)).fileName().toStdString());
        if (!name) return;
        TBibo& page = library_->Page();
        page.StartNew(path, *name);
        SaveLibraryPage();
        ReadLibraryPages(library_->CurrentIndex());
        const int position = library_->PositionOf(path);
        if (position >= 0) library_->SelectPage(position);
    });
}

void MainWindow::RenamePageCommand() {
    TBibo& page = library_->Page();
    if (page.Path().empty() || page.LoadFailed()) return;
    RunModal([this, &page] {
        std::optional<std::string> name = ShowPageDialog(
            this, page.PageName(), QFileInfo(QString::fromStdString(page.Path())).fileName().toStdString());
        if (!name) return;
        page.Rename(*name);
        const std::string path = page.Path();
        SaveLibraryPage();
        ReadLibraryPages(library_->CurrentIndex());
        library_->SelectPage(library_->PositionOf(path));
    });
}

void MainWindow::DeletePageCommand() {
    TBibo& page = library_->Page();
    if (page.Path().empty()) return;
    const QString text = T("Möchten Sie die Seite ", "Delete page ") + Quoted(page.PageName()) +
                         QStringLiteral(" \r") + T("wirklich aus der Bibliothek löschen?", "from library?");
    if (!prompts_->AskYesNo(this, T("Seite löschen", "Delete page"), text)) return;
    const int position = library_->CurrentIndex();
    if (library_->Pages().size() < 2) {
        // The last page is emptied, not deleted.
        page.Empty(DefaultPageName());
        SaveLibraryPage();
    } else {
        std::remove(page.Path().c_str());
    }
    library_->Page().Load("");
    ReadLibraryPages(position);
}

}  // namespace pw
