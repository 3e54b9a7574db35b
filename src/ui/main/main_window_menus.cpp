// The main window's actions: the menus with their shortcuts, the pop-up menus, the buttons of
// the tool bars, and the refresh of their states after every command.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

#include "panel/command_states.h"
#include "ui/main/icons.h"
#include "ui/main/main_window.h"
#include "ui/main/side_area.h"
#include "ui/main/texts.h"
#include "ui/main/tool_window.h"
#include "ui/panel/panel_view.h"

namespace pw {

namespace {

// Menu items and buttons enabled by a field of the command states.
struct StateItem {
    const char* name;
    bool CommandStates::*field;
};

const StateItem kStateItems[] = {
    {"Rckgngig1", &CommandStates::Rckgngig1},
    {"Ausschneiden1", &CommandStates::Ausschneiden1},
    {"sb_Cut", &CommandStates::sb_Cut},
    {"Kopieren1", &CommandStates::Kopieren1},
    {"sb_copy", &CommandStates::sb_copy},
    {"Einfgen1", &CommandStates::Einfgen1},
    {"sb_insert", &CommandStates::sb_insert},
    {"Duplizieren1", &CommandStates::Duplizieren1},
    {"sb_Dub", &CommandStates::sb_Dub},
    {"Allesauswhlen1", &CommandStates::Allesauswhlen1},
    {"Lschen1", &CommandStates::Lschen1},
    {"SB_Del", &CommandStates::SB_Del},
    {"Nachvornesetzen1", &CommandStates::Nachvornesetzen1},
    {"Nachhintensetzen1", &CommandStates::Nachhintensetzen1},
    {"an_vorne", &CommandStates::an_vorne},
    {"an_Hinten", &CommandStates::an_Hinten},
    {"Gruppieren1", &CommandStates::Gruppieren1},
    {"sb_gruppieren", &CommandStates::sb_gruppieren},
    {"Gruppierungaufheben1", &CommandStates::Gruppierungaufheben1},
    {"sb_GruppeAufloesen", &CommandStates::sb_GruppeAufloesen},
    {"an_Horizontal", &CommandStates::an_Horizontal},
    {"an_vertikal", &CommandStates::an_vertikal},
    {"ar_links", &CommandStates::ar_links},
    {"ar_hMitte", &CommandStates::ar_hMitte},
    {"ar_rechts", &CommandStates::ar_rechts},
    {"ar_oben", &CommandStates::ar_oben},
    {"ar_vMitte", &CommandStates::ar_vMitte},
    {"ar_unten", &CommandStates::ar_unten},
    {"zurBibliothekhinzufgen1", &CommandStates::zurBibliothekhinzufgen1},
    {"Drucken1", &CommandStates::Drucken1},
    {"sb_Print", &CommandStates::Drucken1},
    {"Speichern1", &CommandStates::Speichern1},
    {"Speichernals1", &CommandStates::Speichernals1},
    {"sb_save", &CommandStates::sb_save},
    {"sb_neu", &CommandStates::sb_neu},
};

struct PopupItem {
    const char* name;
    bool PopupStates::*field;
};

const PopupItem kPopupItems[] = {
    {"Ausschneiden2", &PopupStates::Ausschneiden2},
    {"Kopieren", &PopupStates::Kopieren},
    {"Einfgen", &PopupStates::Einfgen},
    {"Duplizieren", &PopupStates::Duplizieren},
    {"Lschen2", &PopupStates::Lschen2},
    {"NachVorne", &PopupStates::NachVorne},
    {"nachhinten", &PopupStates::nachhinten},
    {"Eigenschften", &PopupStates::Eigenschften},
    {"zurBibliothekhinzufgen2", &PopupStates::zurBibliothekhinzufgen2},
};

const char* const kToolMenuEntries[kToolWindowCount] = {"Anordnen2",   "Ansicht1",    "Anzeige1",
                                                        "Ausrichten1", "Bearbeiten2", "Datei2",
                                                        "Drehen1",     "Fraesen1",    "Kontur1"};

}  // namespace

QAction* MainWindow::Action(const char* name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

QAction* MainWindow::MakeAction(const char* name, const QKeySequence& shortcut) {
    auto* a = new QAction(Caption(name), this);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    actions_[name] = a;
    return a;
}

QAction* MainWindow::MakeToolAction(const char* name) {
    auto* a = new QAction(ToolIcon(name), Hint(name), this);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(Hint(name));
    actions_[name] = a;
    return a;
}

void MainWindow::CreateActions() {
    // Datei.
    connect(MakeAction("DateiNeuBtn", QKeySequence(Qt::CTRL | Qt::Key_N)), &QAction::triggered, this,
            &MainWindow::NewCommand);
    connect(MakeAction("ffnen2", QKeySequence(Qt::Key_F3)), &QAction::triggered, this,
            &MainWindow::OpenCommand);
    connect(MakeAction("Speichern1", QKeySequence(Qt::Key_F2)), &QAction::triggered, this,
            &MainWindow::SaveCommand);
    connect(MakeAction("Speichernals1", QKeySequence(Qt::Key_F4)), &QAction::triggered, this,
            &MainWindow::SaveAsCommand);
    connect(MakeAction("AutomatischesBackup1", QKeySequence(Qt::CTRL | Qt::Key_B)), &QAction::triggered, this,
            &MainWindow::BackupDialogCommand);
    MakeAction("Importieren1", QKeySequence(Qt::CTRL | Qt::Key_I));
    MakeAction("Exportieren1", QKeySequence(Qt::CTRL | Qt::Key_E));
    connect(MakeAction("Drucken1", QKeySequence(Qt::CTRL | Qt::Key_P)), &QAction::triggered, this,
            &MainWindow::PrintSlot);
    for (int k = 1; k <= static_cast<int>(RecentFiles::kCount); ++k) {
        const std::string name = "Recent" + std::to_string(k);
        auto* a = new QAction(this);
        a->setObjectName(QString::fromStdString(name));
        actions_[name] = a;
        connect(a, &QAction::triggered, this, [this, k] { OpenRecentCommand(k); });
    }
    connect(MakeAction("Beenden1", QKeySequence(Qt::CTRL | Qt::Key_Q)), &QAction::triggered, this,
            &QWidget::close);

    // Bearbeiten.
    CreateUndoActions();
    connect(MakeAction("Ausschneiden1", QKeySequence(Qt::CTRL | Qt::Key_X)), &QAction::triggered, this,
            &MainWindow::CutSlot);
    connect(MakeAction("Kopieren1", QKeySequence(Qt::CTRL | Qt::Key_C)), &QAction::triggered, this,
            &MainWindow::CopySlot);
    connect(MakeAction("Einfgen1", QKeySequence(Qt::CTRL | Qt::Key_V)), &QAction::triggered, this,
            &MainWindow::PasteSlot);
    connect(MakeAction("Duplizieren1", QKeySequence(Qt::CTRL | Qt::Key_D)), &QAction::triggered, this,
            &MainWindow::DuplicateSlot);
    connect(MakeAction("Allesauswhlen1", QKeySequence(Qt::CTRL | Qt::Key_A)), &QAction::triggered, this,
            &MainWindow::SelectAllSlot);
    // The Delete key reaches the panel through the focus field; the menu only shows it.
    QAction* del = MakeAction("Lschen1", QKeySequence(Qt::Key_Delete));
    del->setShortcutContext(Qt::WidgetShortcut);
    connect(del, &QAction::triggered, this, &MainWindow::DeleteSlot);

    // Anordnen.
    connect(MakeAction("Nachvornesetzen1", QKeySequence(Qt::SHIFT | Qt::Key_PageUp)), &QAction::triggered,
            this, &MainWindow::ToFrontSlot);
    connect(MakeAction("Nachhintensetzen1", QKeySequence(Qt::SHIFT | Qt::Key_PageDown)), &QAction::triggered,
            this, &MainWindow::ToBackSlot);
    connect(MakeAction("Gruppieren1", QKeySequence(Qt::CTRL | Qt::Key_G)), &QAction::triggered, this,
            &MainWindow::GroupSlot);
    connect(MakeAction("Gruppierungaufheben1", QKeySequence(Qt::CTRL | Qt::Key_U)), &QAction::triggered, this,
            &MainWindow::UngroupSlot);

    // Bibliothek.
    connect(MakeAction("zurBibliothekhinzufgen1", QKeySequence(Qt::CTRL | Qt::Key_Y)), &QAction::triggered,
            this, &MainWindow::AddToLibraryCommand);
    connect(MakeAction("neueRubrik1", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S)), &QAction::triggered,
            this, &MainWindow::NewPageCommand);
    connect(MakeAction("aktuelleRubriklschen1", QKeySequence(Qt::CTRL | Qt::Key_Delete)), &QAction::triggered,
            this, &MainWindow::DeletePageCommand);
    connect(MakeAction("Seiteumbenennen1", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_N)), &QAction::triggered,
            this, &MainWindow::RenamePageCommand);

    // Frontplatte.
    connect(MakeAction("Eigenschaften1", QKeySequence(Qt::CTRL | Qt::Key_F)), &QAction::triggered, this,
            &MainWindow::PanelPropertiesCommand);
    connect(MakeAction("Hinzufgen1", QKeySequence(Qt::Key_F5)), &QAction::triggered, this,
            &MainWindow::AddPanelCommand);
    connect(MakeAction("Duplizieren2", QKeySequence(Qt::Key_F6)), &QAction::triggered, this,
            &MainWindow::DuplicatePanelCommand);
    connect(MakeAction("Lschen3", QKeySequence(Qt::Key_F7)), &QAction::triggered, this,
            &MainWindow::DeletePanelCommand);
    connect(MakeAction("Dateihinzufgen2", QKeySequence(Qt::Key_F8)), &QAction::triggered, this,
            &MainWindow::ImportFileCommand);
    connect(MakeAction("Platinenachvorne1"), &QAction::triggered, this, &MainWindow::PanelToFrontCommand);
    connect(MakeAction("Platinenachhinten1"), &QAction::triggered, this, &MainWindow::PanelToBackCommand);

    // Optionen.
    connect(MakeAction("Raster1", QKeySequence(Qt::CTRL | Qt::Key_R)), &QAction::triggered, this,
            &MainWindow::GridDialogCommand);
    connect(MakeAction("Ursprungsetzen1", QKeySequence(Qt::CTRL | Qt::Key_O)), &QAction::triggered, this,
            &MainWindow::SetOriginCommand);
    connect(MakeAction("SkalenAssistent1", QKeySequence(Qt::CTRL | Qt::Key_S)), &QAction::triggered, this,
            &MainWindow::ScaleAssistantCommand);
    for (int i = 0; i < kToolWindowCount; ++i) {
        auto* a = new QAction(ToolWindowMenuEntry(i + 1), this);
        a->setObjectName(QString::fromLatin1(kToolMenuEntries[i]));
        actions_[kToolMenuEntries[i]] = a;
        connect(a, &QAction::triggered, this, [this, i] {
            ToolWindow* w = toolWindows_[i];
            w->SetWanted(!w->Wanted());
            UpdateToolMenu();
        });
    }
    connect(MakeAction("Alleanzeigen1"), &QAction::triggered, this, [this] {
        for (ToolWindow* w : toolWindows_) w->SetWanted(true);
        UpdateToolMenu();
    });

    // Hilfe.
    connect(MakeAction("Bedienungsanleitung1", QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
            &MainWindow::ManualCommand);
    connect(MakeAction("Info1", QKeySequence(Qt::Key_F10)), &QAction::triggered, this,
            &MainWindow::InfoCommand);

    // BauteilMenu.
    connect(MakeAction("Ausschneiden2"), &QAction::triggered, this, &MainWindow::CutSlot);
    connect(MakeAction("Kopieren"), &QAction::triggered, this, &MainWindow::CopySlot);
    connect(MakeAction("Einfgen"), &QAction::triggered, this, &MainWindow::PasteSlot);
    connect(MakeAction("Duplizieren"), &QAction::triggered, this, &MainWindow::DuplicateSlot);
    connect(MakeAction("Lschen2"), &QAction::triggered, this, &MainWindow::DeleteSlot);
    connect(MakeAction("NachVorne"), &QAction::triggered, this, &MainWindow::ToFrontSlot);
    connect(MakeAction("nachhinten"), &QAction::triggered, this, &MainWindow::ToBackSlot);
    connect(MakeAction("Eigenschften"), &QAction::triggered, this, &MainWindow::ElementPropertiesSlot);
    connect(MakeAction("zurBibliothekhinzufgen2"), &QAction::triggered, this,
            &MainWindow::AddToLibraryCommand);

    // BordPopup.
    connect(MakeAction("Platinehinzufgen1"), &QAction::triggered, this, &MainWindow::AddPanelCommand);
    connect(MakeAction("Platineduplizieren1"), &QAction::triggered, this, &MainWindow::DuplicatePanelCommand);
    connect(MakeAction("Platinelschen1"), &QAction::triggered, this, &MainWindow::DeletePanelCommand);
    connect(MakeAction("Platineumbenennen1"), &QAction::triggered, this, &MainWindow::PanelPropertiesCommand);
    connect(MakeAction("Dateihinzufgen1"), &QAction::triggered, this, &MainWindow::ImportFileCommand);
    connect(MakeAction("nachvornesortieren1"), &QAction::triggered, this, &MainWindow::PanelToFrontCommand);
    connect(MakeAction("nachhintensortiren1"), &QAction::triggered, this, &MainWindow::PanelToBackCommand);

    // Tool bar buttons.
    connect(MakeToolAction("sb_neu"), &QAction::triggered, this, &MainWindow::NewCommand);
    connect(MakeToolAction("sb_load"), &QAction::triggered, this, &MainWindow::OpenCommand);
    connect(MakeToolAction("sb_save"), &QAction::triggered, this, &MainWindow::SaveCommand);
    connect(MakeToolAction("sb_Print"), &QAction::triggered, this, &MainWindow::PrintSlot);
    connect(MakeToolAction("sb_copy"), &QAction::triggered, this, &MainWindow::CopySlot);
    connect(MakeToolAction("sb_Cut"), &QAction::triggered, this, &MainWindow::CutSlot);
    connect(MakeToolAction("sb_insert"), &QAction::triggered, this, &MainWindow::PasteSlot);
    connect(MakeToolAction("sb_Dub"), &QAction::triggered, this, &MainWindow::DuplicateSlot);
    connect(MakeToolAction("SB_Del"), &QAction::triggered, this, &MainWindow::DeleteSlot);
    connect(MakeToolAction("sb_gruppieren"), &QAction::triggered, this, &MainWindow::GroupSlot);
    connect(MakeToolAction("sb_GruppeAufloesen"), &QAction::triggered, this, &MainWindow::UngroupSlot);
    connect(MakeToolAction("an_vorne"), &QAction::triggered, this, &MainWindow::ToFrontSlot);
    connect(MakeToolAction("an_Hinten"), &QAction::triggered, this, &MainWindow::ToBackSlot);
    connect(MakeToolAction("an_Horizontal"), &QAction::triggered, this,
            [this] { MirrorSlot(static_cast<int>(MirrorButton::an_Horizontal)); });
    connect(MakeToolAction("an_vertikal"), &QAction::triggered, this,
            [this] { MirrorSlot(static_cast<int>(MirrorButton::an_vertikal)); });
    QAction* grid = MakeToolAction("RasterBtn");
    grid->setCheckable(true);
    connect(grid, &QAction::triggered, this, &MainWindow::GridButtonSlot);
    const std::pair<const char*, int> display[] = {
        {"UmrissBtn", 1}, {"MasseBtn", 2}, {"BohrenBtn", 3}, {"SymboleBtn", 4}};
    for (auto [name, tag] : display) {
        QAction* a = MakeToolAction(name);
        a->setCheckable(true);
        a->setChecked(tag != 1);
        connect(a, &QAction::toggled, this, [this, tag = tag](bool on) { DisplaySlot(tag, on); });
    }
    const std::pair<const char*, int> align[] = {{"ar_links", 1}, {"ar_hMitte", 2}, {"ar_rechts", 3},
                                                 {"ar_oben", 4},  {"ar_vMitte", 5}, {"ar_unten", 6}};
    for (auto [name, tag] : align)
        connect(MakeToolAction(name), &QAction::triggered, this, [this, tag = tag] { AlignSlot(tag); });
    const std::pair<const char*, int> contour[] = {
        {"sB_KonturNormal", 0}, {"sb_Splines", 1}, {"sb_Fase", 2}, {"sb_Runden", 3}};
    for (auto [name, tag] : contour)
        connect(MakeToolAction(name), &QAction::triggered, this, [this, tag = tag] { ContourSlot(tag); });
    connect(MakeToolAction("sb_Normal"), &QAction::triggered, this, [this] { MillingSlot(0); });
    connect(MakeToolAction("sb_Fraesen"), &QAction::triggered, this, [this] { MillingSlot(1); });
    connect(MakeToolAction("WinkelLinksBtn"), &QAction::triggered, this, [this] { RotateSlot(0); });
    connect(MakeToolAction("WinkelRechtsBtn"), &QAction::triggered, this, [this] { RotateSlot(1); });
}

void MainWindow::CreateMenus() {
    auto menu = [this](const char* name) {
        QMenu* m = menuBar()->addMenu(Caption(name));
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };
    auto add = [this](QMenu* m, const char* name) { m->addAction(Action(name)); };

    dateiMenu_ = menu("Datei1");
    for (const char* n : {"DateiNeuBtn", "ffnen2", "Speichern1", "Speichernals1"}) add(dateiMenu_, n);
    dateiMenu_->addSeparator();
    add(dateiMenu_, "AutomatischesBackup1");
    dateiMenu_->addSeparator();
    for (const char* n : {"Importieren1", "Exportieren1", "Drucken1"}) add(dateiMenu_, n);
    dateiMenu_->addSeparator();
    for (const char* n : {"Recent1", "Recent2", "Recent3", "Recent4"}) add(dateiMenu_, n);
    dateiMenu_->addSeparator();
    add(dateiMenu_, "Beenden1");
    connect(dateiMenu_, &QMenu::aboutToShow, this, [this] {
        UpdateRecentMenu();
        UpdateExportState();
    });

    QMenu* edit = menu("Bearbeiten1");
    add(edit, "Rckgngig1");
    add(edit, "Wiederherstellen1");
    edit->addSeparator();
    for (const char* n : {"Ausschneiden1", "Kopieren1", "Einfgen1", "Duplizieren1"}) add(edit, n);
    edit->addSeparator();
    for (const char* n : {"Allesauswhlen1", "Lschen1"}) add(edit, n);
    connect(edit, &QMenu::aboutToShow, this, &MainWindow::RefreshCommandStates);

    QMenu* arrange = menu("Anordnen1");
    for (const char* n : {"Nachvornesetzen1", "Nachhintensetzen1"}) add(arrange, n);
    arrange->addSeparator();
    for (const char* n : {"Gruppieren1", "Gruppierungaufheben1"}) add(arrange, n);
    connect(arrange, &QMenu::aboutToShow, this, &MainWindow::RefreshCommandStates);

    QMenu* library = menu("Bibliothek1");
    add(library, "zurBibliothekhinzufgen1");
    library->addSeparator();
    for (const char* n : {"neueRubrik1", "aktuelleRubriklschen1", "Seiteumbenennen1"}) add(library, n);

    platineMenu_ = menu("Platine1");
    for (const char* n : {"Eigenschaften1", "Hinzufgen1", "Duplizieren2", "Lschen3", "Dateihinzufgen2"})
        add(platineMenu_, n);
    platineMenu_->addSeparator();
    for (const char* n : {"Platinenachvorne1", "Platinenachhinten1"}) add(platineMenu_, n);
    connect(platineMenu_, &QMenu::aboutToShow, this,
            [this] { Action("Lschen3")->setEnabled(PanelCount() > 1); });

    QMenu* options = menu("Option");
    for (const char* n : {"Raster1", "Ursprungsetzen1", "SkalenAssistent1"}) add(options, n);
    options->addSeparator();
    toolMenu_ = options->addMenu(Caption("WerkzeugeAnzeigen1"));
    toolMenu_->setObjectName(QStringLiteral("WerkzeugeAnzeigen1"));
    for (const char* n : kToolMenuEntries) add(toolMenu_, n);
    toolMenu_->addSeparator();
    add(toolMenu_, "Alleanzeigen1");
    connect(options, &QMenu::aboutToShow, this, [this] {
        bool anyHidden = false;
        for (ToolWindow* w : toolWindows_) anyHidden = anyHidden || !w->Wanted();
        toolMenu_->menuAction()->setEnabled(anyHidden);
    });

    QMenu* help = menu("Hilfe1");
    for (const char* n : {"Bedienungsanleitung1", "Info1"}) add(help, n);

    bauteilMenu_ = new QMenu(this);
    bauteilMenu_->setObjectName(QStringLiteral("BauteilMenu"));
    for (const char* n : {"Ausschneiden2", "Kopieren", "Einfgen", "Duplizieren", "Lschen2"})
        add(bauteilMenu_, n);
    bauteilMenu_->addSeparator();
    for (const char* n : {"NachVorne", "nachhinten"}) add(bauteilMenu_, n);
    bauteilMenu_->addSeparator();
    add(bauteilMenu_, "Eigenschften");
    bauteilMenu_->addSeparator();
    add(bauteilMenu_, "zurBibliothekhinzufgen2");

    bordPopup_ = new QMenu(this);
    bordPopup_->setObjectName(QStringLiteral("BordPopup"));
    for (const char* n : {"Platinehinzufgen1", "Platineduplizieren1", "Platinelschen1", "Platineumbenennen1"})
        add(bordPopup_, n);
    bordPopup_->addSeparator();
    add(bordPopup_, "Dateihinzufgen1");
    bordPopup_->addSeparator();
    for (const char* n : {"nachvornesortieren1", "nachhintensortiren1"}) add(bordPopup_, n);
    connect(bordPopup_, &QMenu::aboutToShow, this,
            [this] { Action("Platinelschen1")->setEnabled(PanelCount() > 1); });
}

void MainWindow::UpdateRecentMenu() {
    for (size_t k = 1; k <= RecentFiles::kCount; ++k) {
        QAction* a = Action(("Recent" + std::to_string(k)).c_str());
        a->setText(QString::fromStdString(recent_.Caption(k)));
        a->setVisible(recent_.Shown(k));
    }
}

void MainWindow::UpdateToolMenu() {
    for (int i = 0; i < kToolWindowCount; ++i)
        Action(kToolMenuEntries[i])->setVisible(!toolWindows_[i]->Wanted());
}

void MainWindow::RefreshCommandStates() {
    if (tabs_.empty()) return;
    TPlatine& panel = CurrentPanel();
    const WindowState window{clipboard_.filled, side_->LibraryVisible()};
    const CommandStates states = ComputeCommandStates(panel, window);
    for (const StateItem& item : kStateItems)
        Action(item.name)->setEnabled(states.*item.field);
    if (QMenu* library = menuBar()->findChild<QMenu*>(QStringLiteral("Bibliothek1")))
        library->menuAction()->setEnabled(states.Bibliothek1);
    Action("RasterBtn")->setChecked(states.RasterBtnDown);
    infoTxt1_->setText(QString::fromStdString(panel.StatusText1));
    infoTxt2_->setText(QString::fromStdString(panel.StatusText2));
    RefreshViewWindow();
    RefreshUndoEntries();
    if (focusField_->isVisible() && isActiveWindow()) focusField_->setFocus();
}

void MainWindow::OnPopupRequest(const QPoint& global) {
    const WindowState window{clipboard_.filled, side_->LibraryVisible()};
    const PopupStates states = ComputePopupStates(CurrentPanel(), window);
    for (const PopupItem& item : kPopupItems)
        Action(item.name)->setEnabled(states.*item.field);
    bauteilMenu_->popup(global);
}

}  // namespace pw
