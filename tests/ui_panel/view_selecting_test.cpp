// Selecting, moving, handles, paste, keys and the zoom tool through the panel view with real
// mouse and key events. Zoom 10: one view pixel is 5 model units. Element A covers the pixels
// (100, 100)-(200, 150), element B (300, 100)-(400, 150).
#include <QScrollBar>
#include <QTest>
#include <cmath>

#include "elements/bohrung.h"
#include "elements/rechteck.h"
#include "panel/edit_commands.h"
#include "support/hook_guards.h"
#include "view_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class ViewSelecting : public ViewTest {
  protected:
    void SetUp() override {
        ViewTest::SetUp();
        a = AddRect(500, 500, 1000, 750);
        b = AddRect(1500, 500, 2000, 750);
    }
    TBauteil* a = nullptr;
    TBauteil* b = nullptr;
};

TEST_F(ViewSelecting, ClickShiftClickAndRubberBand) {
    Click(150, 125);
    EXPECT_TRUE(a->GetSelected());
    EXPECT_FALSE(b->GetSelected());
    EXPECT_EQ(panel().CurrentElement(), a);

    Click(350, 125, Qt::LeftButton, Qt::ShiftModifier);  // adds B
    EXPECT_TRUE(a->GetSelected());
    EXPECT_TRUE(b->GetSelected());
    Click(150, 125, Qt::LeftButton, Qt::ShiftModifier);  // takes A away, nothing moves
    EXPECT_FALSE(a->GetSelected());
    EXPECT_TRUE(b->GetSelected());
    EXPECT_EQ(static_cast<TRechteck*>(a)->Point(0), (MPoint{500, 500}));

    // A band around A alone replaces the selection.
    Press(80, 300);
    ASSERT_TRUE(panel().Selector);
    EXPECT_EQ(panel().StatusText1, "Objektauswahl...");
    Move(250, 80);
    Release(250, 80);
    EXPECT_FALSE(panel().Selector);
    EXPECT_TRUE(a->GetSelected());
    EXPECT_FALSE(b->GetSelected());
}

TEST_F(ViewSelecting, BandOfFiveByFortyPixelsSelectsNothing) {
    Press(150, 90);  // above A, within 4 mm of it
    Move(155, 130, Qt::ShiftModifier);
    ASSERT_TRUE(panel().Selector);
    EXPECT_EQ(panel().Selector->Band(), (IRect{150, 90, 155, 130}));
    Release(155, 130);
    EXPECT_FALSE(a->GetSelected());
    Press(150, 90);
    Move(156, 130, Qt::ShiftModifier);
    Release(156, 130);
    EXPECT_TRUE(a->GetSelected());
}

TEST_F(ViewSelecting, MoveSnapsInTenMillimetreStepsAndStopsAtTheLeftEdge) {
    panel().SetZoom(5);  // one pixel is 10 units
    view->SyncScrollBars();
    panel().SnapSpacing = 500;
    panel().GridOrigin = {130, 70};
    auto* r = static_cast<TRechteck*>(AddRect(2000, 2000, 3000, 2500, 50));  // pen-inclusive from 1975
    Press(250, 225);
    EXPECT_TRUE(r->GetSelected());
    EXPECT_TRUE(panel().State.dragging);
    EXPECT_EQ(area()->cursor().shape(), Qt::BlankCursor);  // the pointer is hidden while moving
    Move(285, 229);                                        // 350 and 40 units: one step right, none down
    EXPECT_EQ(r->Point(0), (MPoint{2500, 2000}));
    Move(270, 225);  // 200 units: back to the start
    EXPECT_EQ(r->Point(0), (MPoint{2000, 2000}));
    Move(-100, 225);
    EXPECT_EQ(r->Point(0), (MPoint{25, 2000}));
    Release(-100, 225);
    EXPECT_EQ(r->Point(0), (MPoint{25, 2000}));
    EXPECT_EQ(RoundRect(r->GetBounds()).x1, 0);
    EXPECT_TRUE(r->Visible());
    EXPECT_FALSE(panel().State.dragging);
    EXPECT_NE(area()->cursor().shape(), Qt::BlankCursor);
}

TEST_F(ViewSelecting, HandleOneDraggedHalvesTheFrame) {
    auto* r = static_cast<TRechteck*>(AddRect(100, 100, 200, 150));
    panel().SelectElement(r, true);
    panel().UpdateSelectionFrame();
    Settle();
    Move(12, 12);
    EXPECT_EQ(area()->cursor().shape(), Qt::SizeFDiagCursor);  // over handle 1
    Press(12, 12);
    ASSERT_TRUE(panel().FrameDragging());
    EXPECT_EQ(panel().Sizer->grabbed, 1);
    Move(30, 25, Qt::ShiftModifier);  // y = 125 units, unsnapped
    Release(30, 25, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_FALSE(panel().FrameDragging());
    EXPECT_EQ(NormaliseRect(r->GetShapeBounds()), (MRect{150, 125, 200, 150}));
}

TEST_F(ViewSelecting, RotationSnapsFiftyAndEightyDegreesToFortyFive) {
    auto* r = static_cast<TRechteck*>(AddRect(1000, 1000, 2000, 1500));
    panel().SelectElement(r, true);
    Mode(emDrehen);
    Move(405, 250);
    EXPECT_EQ(area()->cursor().pixmap().isNull(), false);  // the rotate cursor over a handle
    Press(405, 250);  // handle 7: straight right of the centre (1500, 1250)
    ASSERT_TRUE(panel().FrameDragging());
    Move(364, 173);  // about 50 degrees
    EXPECT_NEAR(static_cast<double>(panel().State.rotationSoFar), M_PI / 4, 1e-12);
    const MPoint turned = r->Point(0);
    Move(317, 152);  // about 80 degrees: still 45, no step
    EXPECT_NEAR(static_cast<double>(panel().State.rotationSoFar), M_PI / 4, 1e-12);
    EXPECT_EQ(r->Point(0), turned);
    Release(317, 152);
    const double d = std::hypot(500.0, 250.0), angle = std::atan2(250.0, -500.0) + M_PI / 4;
    EXPECT_NEAR(static_cast<double>(r->Point(0).x), 1500 + d * std::cos(angle), 1e-6);
    EXPECT_NEAR(static_cast<double>(r->Point(0).y), 1250 - d * std::sin(angle), 1e-6);
    EXPECT_EQ(panel().EditMode(), emDrehen);
}

TEST_F(ViewSelecting, PasteCancelledByARightRelease) {
    ElementClipboard clipboard;
    panel().SelectElement(a, true);
    CopyCommand(panel(), clipboard);
    PasteCommand(panel(), clipboard);
    Settle();
    EXPECT_EQ(panel().EditMode(), emPaste);
    ASSERT_EQ(panel().ElementCount(), 3u);
    auto* copy = Last<TRechteck>();
    Move(300, 400);
    EXPECT_EQ(copy->Point(0), (MPoint{1250, 1900}));
    Release(300, 400, Qt::RightButton);
    EXPECT_EQ(panel().ElementCount(), 2u);
    EXPECT_EQ(panel().EditMode(), emStandard);

    PasteCommand(panel(), clipboard);
    Settle();
    Move(300, 400);
    Release(300, 400);
    ASSERT_EQ(panel().ElementCount(), 3u);
    EXPECT_EQ(Last<TRechteck>()->Point(0), (MPoint{1250, 1900}));
}

TEST_F(ViewSelecting, ArrowKeysMoveByTheSpacingAndWithShiftByATenthOfAMillimetre) {
    Click(150, 125);
    auto* r = static_cast<TRechteck*>(a);
    QTest::keyClick(view.get(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(r->Point(0), (MPoint{505, 500}));
    QTest::keyClick(view.get(), Qt::Key_Down);
    EXPECT_EQ(r->Point(0), (MPoint{505, 550}));
    // The main window passes keys from its own focus field.
    EXPECT_TRUE(view->HandleKey(Qt::Key_Up, Qt::ShiftModifier));
    EXPECT_EQ(r->Point(0), (MPoint{505, 545}));
    EXPECT_FALSE(view->HandleKey(Qt::Key_A, {}));
    QTest::keyClick(view.get(), Qt::Key_Delete);
    EXPECT_EQ(panel().ElementCount(), 1u);
    QTest::keyClick(view.get(), Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(panel().ElementCount(), 2u);
}

TEST_F(ViewSelecting, ZoomToolClickAndRightClick) {
    Mode(emZoom);
    EXPECT_FALSE(area()->cursor().pixmap().isNull());  // the magnifier
    Click(500, 400);                                   // model point (2500, 2000)
    EXPECT_DOUBLE_EQ(panel().Zoom(), 14);
    // The clicked point lies at the view's centre; the scroll bars follow the model.
    EXPECT_EQ(panel().ScrollX, RoundToInt(2500.0L * 14 / 50) - panel().ViewWidth / 2);
    EXPECT_EQ(panel().ScrollY, RoundToInt(2000.0L * 14 / 50) - panel().ViewHeight / 2);
    EXPECT_GT(panel().ScrollX, 0);
    EXPECT_EQ(view->horizontalScrollBar()->value(), panel().ScrollX);
    EXPECT_EQ(view->verticalScrollBar()->value(), panel().ScrollY);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), panel().ControlWidth() - panel().ViewWidth);
    const QPoint centre(panel().ViewWidth / 2, panel().ViewHeight / 2);
    Click(centre.x(), centre.y(), Qt::RightButton);
    EXPECT_DOUBLE_EQ(panel().Zoom(), 10);
    EXPECT_EQ(panel().EditMode(), emZoom);
}

TEST_F(ViewSelecting, DoubleClickOpensTheElementsDialogOnlyInTheRestingMode) {
    int asked = 0;
    DialogGuard<TBohrung> dialog([&](const std::string&) {
        ++asked;
        return std::optional<std::string>("4");
    });
    auto drill = std::make_unique<TBohrung>();
    drill->Centre = {3000, 2000};
    auto* hole = static_cast<TBohrung*>(panel().AddElement(std::move(drill)));
    view->RepaintPanel();
    Click(600, 400);
    QTest::mouseDClick(area(), Qt::LeftButton, {}, QPoint(600, 400));
    Release(600, 400);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(hole->Diameter, 200);
    EXPECT_EQ(hole->Centre, (MPoint{3000, 2000}));
    // In a drawing mode the second press of a double-click is an ordinary press.
    Mode(emBohren);
    const size_t before = panel().ElementCount();
    QTest::mouseDClick(area(), Qt::LeftButton, {}, QPoint(100, 100));
    Release(100, 100);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(panel().ElementCount(), before + 1);
}

}  // namespace
