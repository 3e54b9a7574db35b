// Undo and redo in the main window: the menu entries and tool-bar buttons that name their step,
// their shortcuts, and the document's changed state in the title.
#include <QAction>
#include <QFileInfo>
#include <QTabBar>

#include "ui/main/icons.h"
#include "ui/main/main_window.h"
#include "ui/main/texts.h"
#include "ui/main/undo_texts.h"
#include "ui/main/user_prompts.h"
#include "ui/panel/panel_view.h"
#include "ui/settings/recent_files.h"

namespace pw {

void MainWindow::CreateUndoActions() {
    // Alt+Backspace works anywhere in the window, as it always did; Ctrl+Z as everywhere else.
    QAction* undo = MakeAction("Rckgngig1");
    undo->setShortcuts({QKeySequence(Qt::ALT | Qt::Key_Backspace), QKeySequence(Qt::CTRL | Qt::Key_Z)});
    undo->setShortcutContext(Qt::ApplicationShortcut);
    connect(undo, &QAction::triggered, this, &MainWindow::UndoSlot);
    QAction* redo = MakeAction("Wiederherstellen1");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                        QKeySequence(Qt::ALT | Qt::SHIFT | Qt::Key_Backspace)});
    redo->setShortcutContext(Qt::ApplicationShortcut);
    connect(redo, &QAction::triggered, this, &MainWindow::RedoSlot);
    for (const char* name : {"sb_undo", "sb_redo"}) {
        auto* button = new QAction(ToolIcon(name), QString(), this);
        button->setObjectName(QString::fromLatin1(name));
        actions_[name] = button;
    }
    connect(Action("sb_undo"), &QAction::triggered, this, &MainWindow::UndoSlot);
    connect(Action("sb_redo"), &QAction::triggered, this, &MainWindow::RedoSlot);
}

void MainWindow::ConnectUndo(TPlatine& panel) {
    panel.History().JoinBudget(undoBudget_);
    panel.ResetHistory();
    panel.OnStepFailed = [this] { prompts_->Error(this, StepFailedTitle(), StepFailed()); };
}

void MainWindow::StartUndoBudget() {
    undoBudget_ = std::make_shared<UndoBudget>();
}

std::vector<TPlatine*> MainWindow::DocumentPanels() const {
    std::vector<TPlatine*> panels;
    for (int i = 0; i < PanelCount(); ++i) panels.push_back(&Panel(i));
    return panels;
}

bool MainWindow::DocumentChanged() {
    if (tabs_.empty()) return false;
    // A named document whose file has gone is kept nowhere else any more.
    if (FileNameOf(currentFile_) != "NONAME.FPL" && !QFileInfo::exists(QString::fromStdString(currentFile_)))
        return true;
    return documentState_.Changed(DocumentPanels(), views_.Items());
}

void MainWindow::MarkDocumentSaved() {
    documentState_.MarkSaved(DocumentPanels(), views_.Items());
    SetTitle();
}

void MainWindow::RefreshUndoEntries() {
    if (tabs_.empty()) return;
    const TPlatine& panel = CurrentPanel();
    const QString undo = UndoCaption(panel.History().UndoKind());
    const QString redo = RedoCaption(panel.History().RedoKind());
    Action("Rckgngig1")->setText(undo);
    Action("Wiederherstellen1")->setText(redo);
    Action("Wiederherstellen1")->setEnabled(panel.RedoAvailable());
    Action("sb_undo")->setEnabled(panel.UndoAvailable());
    Action("sb_redo")->setEnabled(panel.RedoAvailable());
    Action("sb_undo")->setToolTip(QString(undo).remove('&'));
    Action("sb_redo")->setToolTip(QString(redo).remove('&'));
    SetTitle();
}

void MainWindow::AfterStep() {
    TPlatine& panel = CurrentPanel();
    tabBar_->setTabText(CurrentIndex(), QString::fromStdString(panel.Name.Text()));
    CurrentView().SyncScrollBars();
    CurrentView().RepaintPanel();
    UpdateRulers(true);
}

void MainWindow::UndoSlot() {
    if (tabs_.empty()) return;
    if (UndoCommand(CurrentPanel())) AfterStep();
    CurrentPanel().RefreshStatus();
    RefreshCommandStates();
}

void MainWindow::RedoSlot() {
    if (tabs_.empty()) return;
    if (RedoCommand(CurrentPanel())) AfterStep();
    CurrentPanel().RefreshStatus();
    RefreshCommandStates();
}

}  // namespace pw
