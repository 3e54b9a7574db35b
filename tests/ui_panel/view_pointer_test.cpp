// The pointer: cursor shapes by mode and over handles, the cursor pictures themselves,
// confinement to the visible part of the panel, the move to the view's centre and auto-scroll.
#include <QApplication>
#include <QCursor>
#include <QScrollBar>
#include <QTest>
#include <set>

#include "ui/panel/panel_cursors.h"
#include "view_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class ViewPointer : public ViewTest {
  protected:
    bool SameCursor(int number) {
        const CursorImage expected = PanelCursorImage(number);
        const QCursor shown = area()->cursor();
        return shown.pixmap().toImage() == expected.pixmap.toImage() && shown.hotSpot() == expected.hotSpot;
    }
    // Makes the view's window the active one, as it is when the user works in it.
    void Activate() {
        view->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    }
};

TEST_F(ViewPointer, EachModeShowsItsCursor) {
    EXPECT_EQ(area()->cursor().shape(), Qt::ArrowCursor);
    const std::pair<TEditMode, int> modes[] = {
        {emZoom, crLupe},      {emLinie, crStift},    {emPolygon, crStift},  {emKreis, crStiftCirc},
        {emRect, crStiftRect}, {emText, crStiftText}, {emBitmap, crStiftBmp}};
    for (auto [mode, cursor] : modes) {
        Mode(mode);
        EXPECT_TRUE(SameCursor(cursor)) << "mode " << mode;
    }
    Mode(emBohren);
    EXPECT_EQ(area()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ViewPointer, CursorPicturesAreDistinctWithTheHotSpotOnTheDrawing) {
    std::set<QByteArray> seen;
    for (int n = 1; n <= 17; ++n) {
        const CursorImage c = PanelCursorImage(n);
        if (n == 7) {
            EXPECT_TRUE(c.pixmap.isNull());
            continue;
        }
        ASSERT_FALSE(c.pixmap.isNull()) << n;
        EXPECT_EQ(c.pixmap.size(), QSize(32, 32));
        const QImage image = c.pixmap.toImage();
        // Something is drawn within two pixels of the hot spot: the tip, the lens' centre.
        int near = 0;
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                const QPoint p = c.hotSpot + QPoint(dx, dy);
                if (image.rect().contains(p) && qAlpha(image.pixel(p)) > 0) ++near;
            }
        EXPECT_GT(near, 0) << "cursor " << n;
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(
            seen.insert(QByteArray(reinterpret_cast<const char*>(argb.constBits()), argb.sizeInBytes()))
                .second)
            << "cursor " << n << " repeats another";
    }
    EXPECT_TRUE(PanelCursorImage(crArrow).pixmap.isNull());
    EXPECT_EQ(PanelCursorShape(crArrow).shape(), Qt::ArrowCursor);
}

TEST_F(ViewPointer, ConfinedPointerStaysOnTheVisiblePanel) {
    panel().SetZoom(2);  // the panel control covers 404 x 404 pixels of the view
    view->SyncScrollBars();
    Activate();
    Mode(emRect);
    ASSERT_TRUE(panel().State.pointerConfined);
    EXPECT_EQ(panel().ConfinementRect(), (IRect{0, 0, 404, 404}));
    Move(600, 300, Qt::ShiftModifier);             // beyond the panel, unsnapped
    EXPECT_EQ(panel().StatusText1, "x = 201,50");  // pixel 403
    EXPECT_EQ(QCursor::pos(), area()->mapToGlobal(QPoint(403, 300)));
    Press(600, 500);
    ASSERT_TRUE(panel().Selector);
    EXPECT_EQ(panel().Selector->Start(), (IPoint{400, 400}));  // clamped to (403, 403), snapped
    Click(10, 10, Qt::RightButton);
    Click(10, 10, Qt::RightButton);
    EXPECT_FALSE(panel().State.pointerConfined);
    Move(600, 300, Qt::ShiftModifier);
    EXPECT_EQ(panel().StatusText1, "x = 300,00");
}

TEST_F(ViewPointer, WantedAutoScrollPutsThePointerInTheMiddleForDrawing) {
    Activate();
    panel().WillsteAutoScroll = true;
    Mode(emLinie);
    EXPECT_TRUE(panel().State.pointerConfined);
    EXPECT_EQ(QCursor::pos(), area()->mapToGlobal(QPoint(panel().ViewWidth / 2, panel().ViewHeight / 2)));
}

TEST_F(ViewPointer, NoPointerMovesWhileAnotherWindowIsActive) {
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    const QPoint before = QCursor::pos();
    panel().WillsteAutoScroll = true;
    Mode(emLinie);
    Move(2000, 300);
    EXPECT_EQ(QCursor::pos(), before);
}

TEST_F(ViewPointer, AutoScrollNearTheEdgeWhileDrawing) {
    panel().WillsteAutoScroll = true;
    Mode(emLinie);
    Move(panel().ViewWidth - 5, 300);
    EXPECT_EQ(panel().State.scrollDirection, ScrollDirection::Right);
    // The 10 ms timer scrolls in steps of 10 pixels; give it up to two seconds.
    for (int i = 0; i < 200 && panel().ScrollX == 0; ++i) QTest::qWait(10);
    EXPECT_GT(panel().ScrollX, 0);
    EXPECT_EQ(panel().ScrollX % 10, 0);
    Move(400, 300);
    Settle();
    const int32_t stopped = panel().ScrollX;
    QTest::qWait(50);
    EXPECT_EQ(panel().ScrollX, stopped);
    EXPECT_EQ(view->horizontalScrollBar()->value(), stopped);
}

}  // namespace
