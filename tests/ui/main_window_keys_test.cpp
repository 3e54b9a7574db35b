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
        AddBox(100, 100, 500, 500);
        AddBox(1000, 1000, 1500, 1500);
    }
    QWidget* FocusField() { return window->findChild<QWidget*>("Edit1"); }
    QString Status(const char* label) { return window->findChild<QLabel*>(label)->text(); }
    // A move without a button to the model point, or a click there.
    void At(MPoint p, bool click = false) {
        const IPoint v = Panel().ModelToView(p);
        QWidget* area = window->CurrentView().viewport();
        if (click) return QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(v.x, v.y));
        QMouseEvent e(QEvent::MouseMove, QPoint(v.x, v.y), area->mapToGlobal(QPoint(v.x, v.y)), Qt::NoButton,
                      Qt::NoButton, {});
        QApplication::sendEvent(area, &e);
    }
};

TEST_F(Keys, EveryEditShortcutWorksWhereverThePanelHasTheFocus) {
    const std::pair<const char*, QKeyCombination> shortcuts[] = {
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
    for (QWidget* target : {FocusField(), static_cast<QWidget*>(&window->CurrentView())}) {
        for (const auto& [action, key] : shortcuts) {
            // Two boxes selected (grouped to be split), the clipboard filled, a snapshot taken.
            Panel().SetEditMode(emStandard);
            Panel().ClearAll();
            AddBox(100, 100, 500, 500);
            AddBox(1000, 1000, 1500, 1500);
            Panel().SelectAll(true);
            window->CopySlot();
            if (std::string(action) == "Gruppierungaufheben1") window->GroupSlot();
            Panel().SaveUndo();
            window->RefreshCommandStates();
            QSignalSpy triggered(Action(action), &QAction::triggered);
            target->setFocus();
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
            EXPECT_EQ(triggered.count(), 1) << action << " from " << target->objectName().toStdString();
        }
    }
}

TEST_F(Keys, EscapeReachesThePanelAndTheStatusLineFollowsACommand) {
    window->Palette()->Button("KreisBtn")->click();
    At({2000, 2000}, true);
    At({2500, 2000});
    ASSERT_EQ(Panel().ElementCount(), 3u);
    EXPECT_EQ(Status("InfoTxt2"), "Rechtsklick: Ende, Esc: Abbruch");
    QTest::keyClick(FocusField(), Qt::Key_Escape);
    EXPECT_EQ(Panel().ElementCount(), 2u);
    EXPECT_EQ(window->Palette()->Pressed(), ToolPalette::kStandard);
    // An ungroup under the resting pointer.
    Panel().SelectAll(true);
    window->GroupSlot();
    At({100, 300});
    ASSERT_EQ(Status("InfoTxt1"), "Gruppe");
    QTest::keyClick(FocusField(), Qt::Key_U, Qt::ControlModifier);
    EXPECT_EQ(Status("InfoTxt1"), "Rechteck");
}

}  // namespace
}  // namespace pw
