// Keys on the main window while the panel has the focus: every menu shortcut of the edit
// commands, Escape in a drawing tool, and the status line after a command.
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "main_window_fixture.h"
#include "ui/main/tool_palette.h"

namespace pw {
namespace {

struct Keys : test::WindowFixture {
    void SetUp() override {
        Open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QWidget* FocusField() { return window->findChild<QWidget*>("Edit1"); }
    QWidget* View() { return &window->CurrentView(); }
    // Two boxes, both selected, with the clipboard filled and a snapshot to undo; a group of
    // them when asked.
    void Prepare(bool grouped) {
        Panel().SetEditMode(emStandard);
        Panel().ClearAll();
        AddBox(100, 100, 500, 500);
        AddBox(1000, 1000, 1500, 1500);
        Panel().SelectAll(true);
        window->CopySlot();
        if (grouped) window->GroupSlot();
        Panel().SaveUndo();
        window->RefreshCommandStates();
    }
    // The view pixel of a model point.
    QPoint At(MPoint p) {
        IPoint v = Panel().ModelToView(p);
        return {v.x, v.y};
    }
    // A move of the pointer over the view, without a button.
    void MoveTo(QPoint pos) {
        QWidget* area = window->CurrentView().viewport();
        QMouseEvent e(QEvent::MouseMove, pos, area->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(area, &e);
    }
};

TEST_F(Keys, EveryEditShortcutWorksWhereverThePanelHasTheFocus) {
    const struct {
        const char* action;
        QKeyCombination key;
    } shortcuts[] = {
        {"Rckgngig1", Qt::ALT | Qt::Key_Backspace},
        {"Ausschneiden1", Qt::CTRL | Qt::Key_X},
        {"Kopieren1", Qt::CTRL | Qt::Key_C},
        {"Einfgen1", Qt::CTRL | Qt::Key_V},
        {"Duplizieren1", Qt::CTRL | Qt::Key_D},
        {"Allesauswhlen1", Qt::CTRL | Qt::Key_A},
        {"Nachvornesetzen1", Qt::SHIFT | Qt::Key_PageUp},
        {"Nachhintensetzen1", Qt::SHIFT | Qt::Key_PageDown},
        {"Gruppieren1", Qt::CTRL | Qt::Key_G},
        {"Gruppierungaufheben1", Qt::CTRL | Qt::Key_U},
        {"Raster1", Qt::CTRL | Qt::Key_R},
        {"Ursprungsetzen1", Qt::CTRL | Qt::Key_O},
        {"AutomatischesBackup1", Qt::CTRL | Qt::Key_B},
    };
    for (QWidget* target : {FocusField(), View()}) {
        ASSERT_NE(target, nullptr);
        for (const auto& s : shortcuts) {
            const bool ungroup = std::string(s.action) == "Gruppierungaufheben1";
            Prepare(ungroup);
            ASSERT_TRUE(Action(s.action)->isEnabled()) << s.action;
            QSignalSpy triggered(Action(s.action), &QAction::triggered);
            target->setFocus();
            QTest::keyClick(target, s.key.key(), s.key.keyboardModifiers());
            EXPECT_EQ(triggered.count(), 1) << s.action << " from " << target->objectName().toStdString();
        }
        // What the two keys of the report do.
        Prepare(false);
        Panel().SelectAll(false);
        window->Clipboard().filled = false;
        window->RefreshCommandStates();
        target->setFocus();
        QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
        EXPECT_EQ(Panel().SelectedCount(), 2u);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        EXPECT_TRUE(window->Clipboard().filled);
        // Delete is no menu shortcut: the panel takes the key itself.
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Delete);
        EXPECT_EQ(Panel().ElementCount(), 0u);
    }
}

TEST_F(Keys, EscapeCancelsTheCircleBeingDrawnAndTheToolEnds) {
    AddBox(100, 100, 500, 500);
    window->Palette()->Button("KreisBtn")->click();
    ASSERT_EQ(Panel().EditMode(), emKreis);
    QWidget* area = window->CurrentView().viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, At({2000, 2000}));
    MoveTo(At({2500, 2000}));
    ASSERT_EQ(Panel().ElementCount(), 2u);
    EXPECT_EQ(window->findChild<QLabel*>("InfoTxt2")->text(), "Rechtsklick: Ende, Esc: Abbruch");
    QTest::keyClick(FocusField(), Qt::Key_Escape);
    EXPECT_EQ(Panel().ElementCount(), 1u);
    EXPECT_EQ(Panel().EditMode(), emStandard);
    EXPECT_EQ(window->Palette()->Pressed(), ToolPalette::kStandard);
    EXPECT_FALSE(Action("Rckgngig1")->isEnabled());
}

TEST_F(Keys, TheStatusLineFollowsAnUngroupAtOnce) {
    AddBox(100, 100, 500, 500);
    AddBox(1000, 1000, 1500, 1500);
    Panel().SelectAll(true);
    window->GroupSlot();
    MoveTo(At({100, 300}));
    QLabel* first = window->findChild<QLabel*>("InfoTxt1");
    ASSERT_EQ(first->text(), "Gruppe");
    QTest::keyClick(FocusField(), Qt::Key_U, Qt::ControlModifier);
    ASSERT_EQ(Panel().ElementCount(), 2u);
    EXPECT_EQ(first->text(), "Rechteck");
}

}  // namespace
}  // namespace pw
