// The wiring of the view window and the export command in the main window.
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <utility>

#include "main_window_fixture.h"
#include "ui/main/ansichtbox.h"
#include "ui/main/side_area.h"

namespace pw::test {
namespace {

struct ViewsAndExport : WindowFixture {
    void SetUp() override { Open(); }
    TAnsichtbox& Box() { return *window->ViewWindow(); }
    QListWidget& List() { return *Box().Ansichtliste; }
    void ClickRow(int row) {
        QListWidget& l = List();
        QTest::mouseClick(l.viewport(), Qt::LeftButton, {}, l.visualItemRect(l.item(row)).center());
    }
};

TEST_F(ViewsAndExport, NewViewsAreTakenFromTheCurrentPanelAndAClickAppliesThem) {
    window->Side()->Select(SideArea::kAnsicht);
    Trigger("Hinzufgen1");  // a second panel, now current
    ASSERT_EQ(window->CurrentIndex(), 1);
    Panel().SetZoom(7);
    window->CurrentView().SyncScrollBars();
    Box().addBtn->click();
    // On top, named, its name open for editing; Escape keeps the name.
    ASSERT_EQ(List().count(), 1);
    EXPECT_TRUE(Box().Editing());
    EXPECT_FALSE(Box().addBtn->isEnabled());
    QLineEdit* edit = List().findChild<QLineEdit*>(QStringLiteral("AnsichtEdit"));
    ASSERT_NE(edit, nullptr);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(Box().Editing());
    EXPECT_EQ(window->Views()[0].name, "neue Ansicht");
    EXPECT_EQ(window->Views()[0].panel, 1);

    window->TabStrip()->setCurrentIndex(0);
    ASSERT_EQ(window->CurrentIndex(), 0);
    ClickRow(0);
    EXPECT_EQ(window->CurrentIndex(), 1);
    EXPECT_NEAR(Panel().Zoom(), 7, 0.05);

    // Deleting the view's panel takes the view with it.
    prompts.yesNo.push_back(true);
    Trigger("Lschen3");
    EXPECT_TRUE(window->Views().empty());
    EXPECT_EQ(List().count(), 0);
}

// The zoom buttons zoom about the middle of the view, wherever it is scrolled: the model point
// there stays there.
TEST_F(ViewsAndExport, ZoomButtonsKeepTheMiddleOfTheView) {
    PanelView& view = window->CurrentView();
    Panel().SetZoom(20);
    view.SyncScrollBars();
    Panel().ScrollTo(400, 300);
    view.SyncScrollBars();
    ASSERT_GT(Panel().ScrollX, 0);
    const IPoint middle{view.viewport()->width() / 2, view.viewport()->height() / 2};
    for (QToolButton* button : {Box().ZoomPlusBtn, Box().ZoomMinusBtn, Box().ZoomMinusBtn}) {
        const MPoint before = Panel().PixelToModel({middle.x + Panel().ScrollX, middle.y + Panel().ScrollY});
        const double zoom = Panel().Zoom();
        button->click();
        EXPECT_NE(Panel().Zoom(), zoom);
        const MPoint after = Panel().PixelToModel({middle.x + Panel().ScrollX, middle.y + Panel().ScrollY});
        // Within the rounding of the scroll position to a pixel (50 units a millimetre).
        EXPECT_NEAR(static_cast<double>(after.x), static_cast<double>(before.x), 10);
        EXPECT_NEAR(static_cast<double>(after.y), static_cast<double>(before.y), 10);
    }
}

// The pointer on a zoom button tells the view what that button will show, to derive it ahead.
TEST_F(ViewsAndExport, TheZoomButtonUnderThePointerIsDerivedAhead) {
    PanelView& view = window->CurrentView();
    Panel().SetZoom(20);
    view.SyncScrollBars();
    QCursor::setPos(view.viewport()->mapToGlobal(QPoint(-40, -40)));
    for (auto [button, steps] : {std::pair{Box().ZoomMinusBtn, -1}, std::pair{Box().ZoomPlatineBtn, 0}}) {
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
        QTest::qWait(300);
        EXPECT_EQ(view.NextStepsDerived(), steps);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
    }
}

TEST_F(ViewsAndExport, CtrlEWritesTheChosenFormatAndReportsFailures) {
    AddBox(100, 100, 600, 600);
    dialogs.exportChoice = ExportChoice{ExportFormat::Dxf, false, true, 300};
    const std::string path = home.File("front.dxf");
    prompts.savePaths.push_back(QString::fromStdString(path));
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
    EXPECT_FALSE(dialogs.exportSelectionOffered);
    const std::vector<uint8_t> dxf = Bytes(path);
    EXPECT_NE(std::string(dxf.begin(), dxf.end()).find("ENGRAVE"), std::string::npos);

    prompts.savePaths.push_back(QStringLiteral("/nonexistent-folder/front.dxf"));
    Trigger("Exportieren1");
    EXPECT_EQ(prompts.Count("Error"), 1);
}

}  // namespace
}  // namespace pw::test
