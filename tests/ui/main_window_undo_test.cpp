// Undo and redo in the main window: the entries name their step, the shortcuts and buttons are
// wired, each tab keeps its history, and the title and the save prompt follow the changed state.
#include <QTest>

#include "main_window_fixture.h"
#include "ui/main/user_prompts.h"

namespace pw {
namespace {

struct UndoWindow : test::WindowFixture {
    bool Starred() { return window->windowTitle().startsWith('*'); }
};

TEST_F(UndoWindow, EntriesNameTheStepAndTheShortcutsAndButtonsAreWired) {
    Open();
    TRechteck* a = AddBox(100, 100, 500, 500);
    AddBox(1000, 1000, 1500, 1500);
    EXPECT_EQ(
        Action("Rckgngig1")->shortcuts(),
        (QList<QKeySequence>{QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::CTRL | Qt::Key_Z)}));
    EXPECT_EQ(Action("Wiederherstellen1")->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                   QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Backspace)}));
    EXPECT_FALSE(Action("sb_undo")->isEnabled());
    Select({a});
    Trigger("Lschen1");
    EXPECT_EQ(Action("Rckgngig1")->text(), QString::fromUtf8("&Rückgängig: Löschen"));
    EXPECT_EQ(Action("sb_undo")->toolTip(), QString::fromUtf8("Rückgängig: Löschen"));
    EXPECT_FALSE(Action("Wiederherstellen1")->isEnabled());
    Trigger("sb_undo");
    EXPECT_EQ(Panel().ElementCount(), 2u);
    EXPECT_EQ(Action("Wiederherstellen1")->text(), QString::fromUtf8("&Wiederherstellen: Löschen"));
    EXPECT_EQ(Action("Rckgngig1")->text(), QString::fromUtf8("&Rückgängig"));
    Trigger("sb_redo");
    EXPECT_EQ(Panel().ElementCount(), 1u);
    Trigger("Rckgngig1");
    Trigger("Wiederherstellen1");
    EXPECT_EQ(Panel().ElementCount(), 1u);
    EXPECT_FALSE(Action("sb_redo")->isEnabled());
}

TEST_F(UndoWindow, EnglishEntries) {
    Open(true);
    TRechteck* a = AddBox(100, 100, 500, 500);
    Select({a});
    Trigger("Ausschneiden1");
    EXPECT_EQ(Action("Rckgngig1")->text(), "&Undo Cut");
    Trigger("Rckgngig1");
    EXPECT_EQ(Action("Wiederherstellen1")->text(), "&Redo Cut");
}

TEST_F(UndoWindow, EachTabKeepsItsOwnHistory) {
    Open();
    TRechteck* first = AddBox(100, 100, 500, 500);
    Select({first});
    Trigger("Lschen1");
    window->AddPanelCommand();
    ASSERT_EQ(window->PanelCount(), 2);
    TRechteck* second = AddBox(100, 100, 500, 500);
    Select({second});
    Trigger("Lschen1");
    // The new panel's properties were a step of their own.
    EXPECT_EQ(Panel().History().UndoCount(), 2u);
    EXPECT_EQ(Panel().History().UndoKind(), StepKind::Delete);
    window->TabStrip()->setCurrentIndex(0);
    EXPECT_EQ(Action("Rckgngig1")->text(), QString::fromUtf8("&Rückgängig: Löschen"));
    Trigger("Rckgngig1");
    EXPECT_EQ(window->Panel(0).ElementCount(), 1u);
    EXPECT_EQ(window->Panel(1).ElementCount(), 0u);
    window->TabStrip()->setCurrentIndex(1);
    Trigger("Rckgngig1");
    EXPECT_EQ(window->Panel(1).ElementCount(), 1u);
    // Both panels' histories share the document's budget.
    EXPECT_EQ(&window->Panel(0).History().Budget(), &window->Panel(1).History().Budget());
    EXPECT_EQ(&window->Panel(0).History().Budget(), &window->DocumentUndoBudget());
}

TEST_F(UndoWindow, TitleAndSavePromptFollowTheChangedState) {
    Open();
    EXPECT_FALSE(Starred());
    Trigger("DateiNeuBtn");  // an unchanged document goes without a question
    EXPECT_EQ(prompts.Count("YesNoCancel"), 0);

    TRechteck* a = AddBox(100, 100, 500, 500);
    EXPECT_TRUE(Starred());  // a new document with an element is changed
    const std::string path = home.File("Platte.fpl");
    prompts.savePaths = {QString::fromStdString(path)};
    Trigger("Speichernals1");
    EXPECT_FALSE(Starred());
    EXPECT_TRUE(window->windowTitle().contains("Platte.fpl"));

    Select({a});
    Trigger("Lschen1");
    EXPECT_TRUE(Starred());
    Trigger("Rckgngig1");  // back to the saved state
    EXPECT_FALSE(Starred());
    EXPECT_EQ(prompts.Count("YesNoCancel"), 0);
    Trigger("Wiederherstellen1");
    EXPECT_TRUE(Starred());

    prompts.answers = {UserPrompts::Answer::Cancel};
    Trigger("DateiNeuBtn");
    EXPECT_EQ(prompts.Count("YesNoCancel"), 1);
    EXPECT_EQ(Panel().ElementCount(), 0u);
    Trigger("Rckgngig1");
    prompts.answers = {};
    Trigger("DateiNeuBtn");  // unchanged again: no question, and a fresh history
    EXPECT_EQ(prompts.Count("YesNoCancel"), 1);
    EXPECT_EQ(Panel().History().UndoCount(), 1u);  // only the new panel's properties
    EXPECT_EQ(Panel().History().UndoKind(), StepKind::PanelProperties);
    EXPECT_FALSE(Panel().RedoAvailable());

    // Autosave writes only a changed document.
    window->AutosaveState().SetInterval(1);
    window->BackupTick();
    window->BackupTick();
    EXPECT_FALSE(std::filesystem::exists(home.File("NONAME.BAK")));
    AddBox(100, 100, 200, 200);
    window->BackupTick();
    window->BackupTick();
    EXPECT_TRUE(std::filesystem::exists(home.File("NONAME.BAK")));
}

TEST_F(UndoWindow, OpeningStartsAFreshHistoryAndAnUnchangedOpenAsksNothing) {
    Open();
    TPlatine saved;
    WriteDocumentFile(home.File("Zwei.fpl"), {&saved});
    TRechteck* a = AddBox(100, 100, 500, 500);
    AddBox(600, 600, 900, 900);
    Select({a});
    Trigger("Lschen1");
    prompts.answers = {UserPrompts::Answer::No};
    ASSERT_TRUE(window->OpenDocument(home.File("Zwei.fpl"), false));
    EXPECT_FALSE(Panel().UndoAvailable());
    EXPECT_FALSE(Starred());
    ASSERT_TRUE(window->OpenDocument(home.File("Zwei.fpl"), false));
    EXPECT_EQ(prompts.Count("YesNoCancel"), 1);
}

}  // namespace
}  // namespace pw
