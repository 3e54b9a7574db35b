// The main window's settings: recent files, automatic backup, tool-window placement across a
// restart, and the English texts.
#include <QMenuBar>
#include <QToolButton>
#include <filesystem>

#include "core/ini_file.h"
#include "main_window_fixture.h"
#include "ui/main/tool_palette.h"
#include "ui/main/tool_window.h"

namespace pw {
namespace {

using Answer = UserPrompts::Answer;

struct WindowSettings : test::WindowFixture {};

TEST_F(WindowSettings, RecentFilesFollowTheOpenDialog) {
    Open();
    std::vector<std::string> files;
    for (const char* name : {"a.fpl", "b.fpl", "c.fpl", "d.fpl", "e.fpl", "B.FPL"}) {
        TPlatine p;
        WriteDocumentFile(home.File(name), {&p});
        files.push_back(home.File(name));
    }
    auto open = [&](const std::string& path) {
        prompts.openPaths = {QString::fromStdString(path)};
        Trigger("ffnen2");
    };
    for (int i = 0; i < 4; ++i) open(files[static_cast<size_t>(i)]);
    EXPECT_EQ(window->Recent().Entry(1), files[3]);
    EXPECT_EQ(window->Recent().Entry(3), files[1]);  // b.fpl
    // B.FPL differs from entry 3 only in letter case: the list stays.
    open(files[5]);
    EXPECT_EQ(window->CurrentFile(), files[5]);
    EXPECT_EQ(window->Recent().Entry(1), files[3]);
    EXPECT_EQ(window->Recent().Entry(3), files[1]);
    // A fifth distinct file drops the oldest.
    open(files[4]);
    EXPECT_EQ(window->Recent().Entry(1), files[4]);
    EXPECT_EQ(window->Recent().Entry(4), files[1]);
    EXPECT_EQ(Action("Recent1")->text(), "&1 e.fpl");
    // The list is in the settings file at once.
    IniFile ini(home.File("Werkbank.INI"));
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("History", "D1"), files[4]);
    EXPECT_EQ(ini.ReadString("History", "D4"), files[1]);
    // Opening through a recent item does not reorder.
    Action("Recent3")->trigger();
    EXPECT_EQ(window->CurrentFile(), files[2]);
    EXPECT_EQ(window->Recent().Entry(1), files[4]);
}

TEST_F(WindowSettings, AutosaveWithIntervalOneWritesOnEverySecondTickBesideTheDocument) {
    Open();
    AddBox(100, 100, 500, 500);
    prompts.savePaths = {QString::fromStdString(home.File("Platte.rev.fpl"))};
    Trigger("Speichernals1");
    AddBox(600, 600, 900, 900);  // only a changed document is backed up
    dialogs.backup = std::pair{true, 1};
    Trigger("AutomatischesBackup1");
    ASSERT_EQ(window->AutosaveState().Interval(), 1);
    const std::string backup = home.File("Platte.BAK");
    EXPECT_EQ(window->BackupPath(), backup);
    std::vector<bool> written;
    for (int tick = 0; tick < 4; ++tick) {
        window->BackupTick();
        written.push_back(std::filesystem::exists(backup));
        std::filesystem::remove(backup);
    }
    EXPECT_EQ(written, (std::vector<bool>{false, true, false, true}));
    window->BackupTick();
    window->BackupTick();
    Trigger("Speichern1");
    EXPECT_EQ(Bytes(backup), Bytes(home.File("Platte.rev.fpl")));
    EXPECT_EQ(window->CurrentFile(), home.File("Platte.rev.fpl"));
}

TEST_F(WindowSettings, AnOpenedBackupIsNotOverwrittenByItsOwnBackup) {
    Open();
    TPlatine saved;
    WriteDocumentFile(home.File("Platte.BAK"), {&saved});
    const std::vector<uint8_t> before = Bytes(home.File("Platte.BAK"));
    ASSERT_TRUE(window->OpenDocument(home.File("Platte.BAK"), false));
    AddBox(100, 100, 500, 500);
    window->AutosaveState().SetInterval(1);
    window->BackupTick();
    window->BackupTick();
    EXPECT_EQ(Bytes(home.File("Platte.BAK")), before);
    EXPECT_TRUE(std::filesystem::exists(home.File("Platte.BAK.BAK")));
}

TEST_F(WindowSettings, TheUnnamedDocumentIsBackedUpAsNonameBak) {
    Open();
    AddBox(100, 100, 500, 500);  // only a changed document is backed up
    window->AutosaveState().SetInterval(1);
    window->BackupTick();
    window->BackupTick();
    EXPECT_TRUE(std::filesystem::exists(home.File("NONAME.BAK")));
}

TEST_F(WindowSettings, AFirstRunHasFloatingVisibleToolWindowsAt100) {
    Open();
    for (int i = 1; i <= 9; ++i) {
        ToolWindow* w = window->Tool(i);
        EXPECT_TRUE(w->isFloating()) << i;
        EXPECT_TRUE(w->Wanted()) << i;
        EXPECT_EQ(w->pos(), QPoint(100, 100)) << i;
    }
    EXPECT_TRUE(window->AutosaveState().Active());
    EXPECT_EQ(window->AutosaveState().Interval(), 10);
    EXPECT_FALSE(Action("Recent1")->isVisible());
}

TEST_F(WindowSettings, AFirstRunOpensTheExampleDocument) {
    SeedExamples();
    Open();
    EXPECT_EQ(window->CurrentFile(), home.File("Beispiele/Beispiel.fpl"));
    EXPECT_EQ(window->PanelCount(), 2);
    EXPECT_EQ(window->TabStrip()->tabText(0), "Vorderseite");
}

TEST_F(WindowSettings, AFirstRunInEnglishOpensTheEnglishExample) {
    SeedExamples();
    Open(true);
    EXPECT_EQ(window->CurrentFile(), home.File("Examples/Examples.fpl"));
    EXPECT_EQ(window->TabStrip()->tabText(0), "Front");
}

TEST_F(WindowSettings, TheCommandLineDocumentComesFirstAndBecomesTheEditFile) {
    SeedExamples();
    TPlatine p;
    p.Name.SetText("Kommandozeile");
    WriteDocumentFile(home.File("cmd.fpl"), {&p});
    commandLine = home.File("cmd.fpl");
    Open();
    EXPECT_EQ(window->CurrentFile(), home.File("cmd.fpl"));
    EXPECT_EQ(window->EditFile(), home.File("cmd.fpl"));
    EXPECT_EQ(window->TabStrip()->tabText(0), "Kommandozeile");
}

TEST_F(WindowSettings, AMissingEditFileIsNamedAndTheStartGoesOnWithoutIt) {
    const std::string settings = "[Plattenwerk]\r\nEditfile=" + home.File("weg/Platte.fpl") + "\r\n";
    home.Write("Werkbank.INI", settings);
    Open();
    EXPECT_EQ(prompts.Count("Error"), 0);
    ASSERT_EQ(prompts.Count("Warning"), 1);
    EXPECT_EQ(prompts.asked[0].title, "Datei nicht gefunden");
    // No example either: an unnamed document beside where the example would be.
    EXPECT_EQ(window->EditFile(), home.File("Beispiele/NONAME.FPL"));
    EXPECT_EQ(window->PanelCount(), 1);
    Close();
    // That unnamed edit file is no missing document.
    Open();
    EXPECT_EQ(prompts.Count("Warning"), 1);
    Close();
    // With the examples the start opens the example, as a first start does.
    home.Write("Werkbank.INI", settings);
    SeedExamples();
    Open(true);
    ASSERT_EQ(prompts.Count("Warning"), 2);
    EXPECT_EQ(prompts.asked[1].text,
              QString::fromStdString("The document " + home.File("weg/Platte.fpl") +
                                     " was not found; the program starts without it."));
    EXPECT_EQ(window->CurrentFile(), home.File("Examples/Examples.fpl"));
}

TEST_F(WindowSettings, ToolWindowPlacementSurvivesARestart) {
    Open();
    window->Tool(3)->move(320, 240);
    window->addDockWidget(Qt::BottomDockWidgetArea, window->Tool(8));
    window->Tool(8)->setFloating(false);
    window->addDockWidget(Qt::TopDockWidgetArea, window->Tool(6));
    window->Tool(6)->setFloating(false);
    window->splitDockWidget(window->Tool(6), window->Tool(5), Qt::Horizontal);
    window->Tool(5)->setFloating(false);
    Action("Drehen1")->trigger();  // not shown in the menu while visible; toggles it off
    EXPECT_FALSE(window->Tool(7)->Wanted());
    Close();

    IniFile ini(home.File("Werkbank.INI"));
    ASSERT_TRUE(ini.Load());
    EXPECT_EQ(ini.ReadString("Anzeige", "parent"), "none");
    EXPECT_EQ(ini.ReadInteger("Anzeige", "left", 0), 320);
    EXPECT_EQ(ini.ReadInteger("Anzeige", "top", 0), 240);
    EXPECT_EQ(ini.ReadString("Fräsen", "parent"), "Bottom_ControlBar");
    EXPECT_EQ(ini.ReadString("Datei", "parent"), "Top_ControlBar");
    EXPECT_EQ(ini.ReadString("Drehen", "Visible"), "0");

    Open();
    EXPECT_TRUE(window->Tool(3)->isFloating());
    EXPECT_EQ(window->Tool(3)->pos(), QPoint(320, 240));
    EXPECT_FALSE(window->Tool(8)->isFloating());
    EXPECT_EQ(window->dockWidgetArea(window->Tool(8)), Qt::BottomDockWidgetArea);
    EXPECT_EQ(window->dockWidgetArea(window->Tool(6)), Qt::TopDockWidgetArea);
    // Edit stays to the right of File in the same row.
    EXPECT_LT(window->Tool(6)->x(), window->Tool(5)->x());
    EXPECT_EQ(window->Tool(6)->y(), window->Tool(5)->y());
    EXPECT_FALSE(window->Tool(7)->Wanted());
    EXPECT_FALSE(window->Tool(7)->isVisible());
    EXPECT_TRUE(Action("Drehen1")->isVisible());
    EXPECT_FALSE(Action("Anzeige1")->isVisible());
}

TEST_F(WindowSettings, FloatingToolWindowsHideAroundADialogAndComeBack) {
    Open();
    window->addDockWidget(Qt::TopDockWidgetArea, window->Tool(6));
    window->Tool(6)->setFloating(false);
    window->Tool(2)->SetWanted(false);
    window->HideFloatingToolWindows();
    EXPECT_FALSE(window->Tool(1)->isVisible());
    EXPECT_TRUE(window->Tool(6)->isVisible());
    window->ShowToolWindowsAgain();
    EXPECT_TRUE(window->Tool(1)->isVisible());
    EXPECT_FALSE(window->Tool(2)->isVisible());
}

TEST_F(WindowSettings, TheEditFileIsTheStartUpDocumentOfTheNextRun) {
    Open();
    ASSERT_TRUE(window->OpenDocument(Example(), false));
    prompts.answers = {Answer::No};
    Close();
    IniFile ini(home.File("Werkbank.INI"));
    ini.Load();
    EXPECT_EQ(ini.ReadString("Plattenwerk", "Editfile"), Example());
}

TEST_F(WindowSettings, EnglishMenusHintsAndCaptions) {
    Open(true);
    QStringList menus;
    for (QAction* a : window->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus,
              (QStringList{"&File", "&Edit", "&Arrange", "&Library", "Front &panel", "&Options", "&Help"}));
    EXPECT_EQ(Action("Speichernals1")->text(), "Save &as");
    EXPECT_EQ(Action("Duplizieren")->text(), "Dublicate");
    EXPECT_EQ(Action("sb_save")->toolTip(), "File save");
    EXPECT_EQ(window->Tool(8)->windowTitle(), "Millings");
    EXPECT_EQ(Action("Ansicht1")->text(), "&View");
    EXPECT_EQ(Action("Anordnen2")->text(), "\"Arrange\"");
    EXPECT_EQ(Action("Kontur1")->text(), "\"Contour\"");
    EXPECT_EQ(Action("Datei2")->text(), "\"File\"");
    EXPECT_EQ(window->findChild<QToolButton*>("SymbolBtn")->toolTip(), "Show symbol library");
    EXPECT_EQ(window->findChild<QWidget*>("LibCombo")->toolTip(), "Choose library page");
    EXPECT_EQ(window->Palette()->Button("SkaleBtn")->toolTip(), "Scales");
    EXPECT_EQ(window->findChild<QToolButton*>("SymbolBtn")->text(), "&Symbols");
    EXPECT_EQ(window->Panel(0).Name.Text(), "new");
}

TEST_F(WindowSettings, GermanMenus) {
    Open();
    QStringList menus;
    for (QAction* a : window->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, (QStringList{"&Datei", "&Bearbeiten", "&Anordnen", "B&ibliothek", "&Frontplatte",
                                  "&Optionen", "&Hilfe"}));
    EXPECT_EQ(Action("ffnen2")->text(), "Ö&ffnen...");
    EXPECT_EQ(Action("ffnen2")->shortcut(), QKeySequence(Qt::Key_F3));
    EXPECT_EQ(Action("Rckgngig1")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    EXPECT_EQ(Action("Nachvornesetzen1")->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_PageUp));
    EXPECT_EQ(window->Tool(8)->windowTitle(), "Fräsen");
}

}  // namespace
}  // namespace pw
