// The scale-assistant command of the main window: the menu item, its shortcut and the tool
// button open the assistant; on OK the scale follows the mouse in the panel; the assistant's
// state is kept for the next run.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "main_window_fixture.h"
#include "panel/scale_assistant_command.h"
#include "ui/main/tool_palette.h"
#include "ui/scales/scale_man_dlg.h"

namespace pw {
namespace {

struct ScaleCommand : test::WindowFixture {
    TScale* LastScale() {
        if (Panel().ElementCount() == 0) return nullptr;
        return dynamic_cast<TScale*>(Panel().Element(Panel().ElementCount() - 1));
    }
    void ClickInPanel(QPoint at) {
        QWidget* viewport = window->CurrentView().viewport();
        const QPointF global = viewport->mapToGlobal(QPointF(at));
        QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, {});
        QApplication::sendEvent(viewport, &move);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(viewport, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {});
        QApplication::sendEvent(viewport, &release);
    }
};

TEST_F(ScaleCommand, MenuItemShortcutAndButtonAreThere) {
    Open();
    QAction* item = Action("SkalenAssistent1");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isEnabled());
    EXPECT_EQ(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(item->text(), "&Skalen-Assistent...");
    QToolButton* button = window->Palette()->Button("SkaleBtn");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isEnabled());
    button->click();
    EXPECT_EQ(dialogs.scaleAssistantShown, 1);
}

TEST_F(ScaleCommand, OkPastesTheScaleWhichAClickPlaces) {
    Open();
    dialogs.scaleAssistant = [](ScaleAssistant& a) {
        a.ChangeStyle(ssRegularPolygon);
        return true;
    };
    Trigger("SkalenAssistent1");
    EXPECT_EQ(dialogs.scaleAssistantShown, 1);
    TScale* scale = LastScale();
    ASSERT_NE(scale, nullptr);
    EXPECT_EQ(scale->Style(), ssRegularPolygon);
    EXPECT_EQ(scale->StiftFarbe(), MarkingColour(Panel()));
    EXPECT_EQ(Panel().EditMode(), emPaste);
    EXPECT_TRUE(Action("Rckgngig1")->isEnabled());
    ClickInPanel({150, 150});
    EXPECT_NE(Panel().EditMode(), emPaste);
    ASSERT_EQ(Panel().ElementCount(), 1u);
    EXPECT_TRUE(scale->GetSelected());
}

TEST_F(ScaleCommand, TheAssistantKeepsItsScaleForTheNextRun) {
    Open();
    dialogs.scaleAssistant = [](ScaleAssistant& a) {
        a.ChangeStyle(ssSymmetricArc);
        a.CommitCurrent("123,25");
        return false;
    };
    Trigger("SkalenAssistent1");
    Close();
    Open();
    const TScale& scale = window->Assistant().Scale();
    EXPECT_EQ(scale.Style(), ssSymmetricArc);
    EXPECT_EQ(scale.ParamReal(0), 123.25L);
}

TEST_F(ScaleCommand, TheProgramsAssistantOpensOnCtrlSAndReturnTakesOk) {
    programDialogs = true;
    Open();
    const std::string path = home.File("Skala.fpl");
    QString title;
    bool closedByReturn = false;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<TScaleManDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        title = d->windowTitle();
        QWidget* focus = d->focusWidget();
        QTest::keyClick(focus ? focus : d, Qt::Key_Return);
        closedByReturn = !d->isVisible();
        if (!closedByReturn) d->reject();
    });
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(title, "Skalen-Assistent");
    EXPECT_TRUE(closedByReturn);
    ASSERT_NE(LastScale(), nullptr);
    ClickInPanel({150, 150});
    prompts.savePaths = {QString::fromStdString(path)};
    // The window is active again after the dialog, as under a window manager.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F2);
    std::vector<std::unique_ptr<TPlatine>> read;
    read.push_back(std::make_unique<TPlatine>());
    std::vector<TView> views;
    ReadDocument(
        Bytes(path), *read[0],
        [&]() -> TPlatine& { return *read.emplace_back(std::make_unique<TPlatine>()); }, views);
    ASSERT_EQ(read[0]->ElementCount(), 1u);
    EXPECT_STREQ(read[0]->Element(0)->ClassName(), "TScale");
}

}  // namespace
}  // namespace pw
