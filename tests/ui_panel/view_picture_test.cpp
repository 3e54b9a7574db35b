// The view's picture: exclusive-or aids drawn and erased on the real image, partial repaints and
// scrolling that keep the picture and the panel's state in step, scroll bars and the wheel.
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <functional>
#include <vector>

#include "../render/image_probe.h"
#include "panel/attribute_commands.h"
#include "panel/edit_commands.h"
#include "view_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

constexpr Color kPanel = 0xE6E6E6;

class ViewPicture : public ViewTest {
  protected:
    // The picture as a fresh repaint of the whole view gives it.
    QImage Fresh() {
        view->RepaintPanel();
        return view->Picture();
    }
    // The pointer moved to pos over the view (without a button).
    void PointerTo(QPoint pos) {
        QCursor::setPos(area()->mapToGlobal(pos));
        QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(area()->mapToGlobal(pos)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(area(), &move);
    }
    void Wheel(QPoint pos, int angle, Qt::KeyboardModifiers m = {}) {
        QWheelEvent e(pos, area()->mapToGlobal(pos), QPoint(), QPoint(0, angle), Qt::NoButton, m,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(area(), &e);
    }
};

TEST_F(ViewPicture, CrosshairDrawnAndErasedRestoresThePicture) {
    const QImage before = view->Picture();
    EXPECT_EQ(PixelColor(before, 300, 300), kPanel);
    Mode(emLinie);
    Move(300, 300);
    const QImage with = view->Picture();
    EXPECT_NE(with, before);
    // Exclusive-or with blue xor silver, across the whole view.
    EXPECT_EQ(PixelColor(with, 100, 300), kPanel ^ kGhostColor);
    EXPECT_EQ(PixelColor(with, 300, 500), kPanel ^ kGhostColor);
    Move(350, 320);
    EXPECT_EQ(PixelColor(view->Picture(), 100, 300), kPanel);
    Mode(emStandard);
    EXPECT_EQ(view->Picture(), before);
}

TEST_F(ViewPicture, RubberBandDrawnAndErasedRestoresThePicture) {
    AddRect(500, 500, 1000, 750);
    const QImage before = view->Picture();
    Press(500, 400);
    Move(600, 520);
    EXPECT_NE(view->Picture(), before);
    Release(600, 520);
    EXPECT_EQ(view->Picture(), before);
}

TEST_F(ViewPicture, DragGhostThereAndBackRestoresThePicture) {
    AddRect(500, 500, 1000, 750);
    Click(150, 125);  // selected, with its handles
    const QImage before = view->Picture();
    Press(150, 125);
    Move(250, 205);
    const QImage dragging = view->Picture();
    EXPECT_NE(dragging, before);
    // The element is hidden; its ghost is drawn exclusive-or at the new place.
    EXPECT_EQ(PixelColor(dragging, 150, 100), kPanel);
    Move(150, 125);
    Release(150, 125);
    EXPECT_EQ(view->Picture(), before);
}

TEST_F(ViewPicture, HandlesShowOnLightAndDarkPanels) {
    TBauteil* r = AddRect(100, 100, 200, 150);
    panel().SelectElement(r, true);
    panel().UpdateSelectionFrame();
    Settle();
    // Handle 1 lies outside the corner (95, 95) of the pen-inclusive frame, 7 pixels large.
    EXPECT_EQ(PixelColor(view->Picture(), 16, 16), kBlack);
    panel().SetFrontplattenFarbe(0x402020);
    panel().UpdateSelectionFrame();
    view->RepaintPanel();
    EXPECT_EQ(PixelColor(view->Picture(), 16, 16), kWhite);
    panel().SelectAll(false);
    Settle();
    EXPECT_EQ(PixelColor(view->Picture(), 16, 16), 0x402020u);
}

TEST_F(ViewPicture, CommandsOnTheSelectionLeaveNoHandlesBehind) {
    using Command = std::function<void(TPlatine&)>;
    std::vector<std::pair<const char*, Command>> commands;
    for (int tag = 1; tag <= 6; ++tag)
        commands.emplace_back("align", [tag](TPlatine& p) { AlignCommand(p, static_cast<AlignTag>(tag)); });
    for (RotateTag tag : {RotateTag::WinkelLinksBtn, RotateTag::WinkelRechtsBtn})
        commands.emplace_back("rotate", [tag](TPlatine& p) { RotateStepCommand(p, tag, "30"); });
    commands.emplace_back("mirror", [](TPlatine& p) { MirrorCommand(p, MirrorButton::an_vertikal); });
    commands.emplace_back("rounding", [](TPlatine& p) { ContourCommand(p, ContourTag::sb_Runden, "3"); });
    commands.emplace_back("pen", [](TPlatine& p) { AssignPen(p, 2, PenValues{200, 0, ptDurchgezogen}); });
    commands.emplace_back("arrow", [](TPlatine& p) { p.KeyDown(PanelKey::Right, false, false); });
    commands.emplace_back("group", [](TPlatine& p) { GroupCommand(p); });
    commands.emplace_back("ungroup", [](TPlatine& p) { UngroupCommand(p); });
    AddRect(500, 500, 1000, 750);
    AddRect(1500, 1200, 2500, 1400);
    AddRect(800, 1800, 1200, 2600);  // the current element
    for (const auto& [name, command] : commands) {
        if (std::string(name) != "ungroup") panel().SelectAll(true);
        Settle();
        command(panel());
        Settle();
        const QImage after = view->Picture();
        EXPECT_EQ(after, Fresh()) << name;
    }
}

TEST_F(ViewPicture, PartialRepaintKeepsTheAidsWhole) {
    AddRect(500, 500, 1000, 750);
    const QImage before = view->Picture();
    Mode(emLinie);
    Move(300, 300);
    Click(300, 300);
    Move(400, 350);  // crosshair gone, temporary line from (300, 300) to (400, 350)
    panel().InvalidateModelRect({1000, 1000, 2500, 2000});
    view->Flush();
    const QImage partly = view->Picture();
    EXPECT_EQ(partly, Fresh());
    Click(400, 350, Qt::RightButton);  // a line of one vertex is dropped
    EXPECT_EQ(panel().ElementCount(), 1u);
    EXPECT_EQ(view->Picture(), before);
}

TEST_F(ViewPicture, GroundAroundThePanelKeepsTheAidsInStep) {
    panel().SetZoom(2);  // the panel covers 404 x 404 pixels
    view->SyncScrollBars();
    Settle();
    const QImage before = view->Picture();
    const Color ground = PixelColor(before, 600, 300);
    EXPECT_NE(ground, kPanel);
    EXPECT_EQ(PixelColor(before, 200, 200), kPanel);
    Mode(emLinie);
    Move(200, 200);
    EXPECT_EQ(PixelColor(view->Picture(), 600, 200), ground ^ kGhostColor);
    // An area that takes in panel and ground is repainted: the crosshair stays drawn once.
    panel().Window->InvalidateRect({350, 150, 700, 250});
    view->Flush();
    EXPECT_EQ(PixelColor(view->Picture(), 600, 200), ground ^ kGhostColor);
    Mode(emStandard);
    EXPECT_EQ(view->Picture(), before);
}

TEST_F(ViewPicture, ZoomingOutPaintsTheGroundWhereThePanelWas) {
    panel().SetZoom(3);  // 604 pixels: the panel fits, no scroll bars
    view->SyncScrollBars();
    Settle();
    EXPECT_EQ(PixelColor(view->Picture(), 500, 300), kPanel);
    panel().SetZoom(2);
    view->SyncScrollBars();
    Settle();
    const QColor mid = view->palette().color(QPalette::Mid);
    EXPECT_EQ(PixelColor(view->Picture(), 500, 300), RGBColor(mid.red(), mid.green(), mid.blue()));
    EXPECT_EQ(PixelColor(view->Picture(), 300, 300), kPanel);
    // With the crosshair across panel and ground, zooming in and out again leaves it whole.
    Mode(emLinie);
    Move(200, 200);
    for (double z : {3.0, 2.0}) {
        panel().SetZoom(z);
        view->SyncScrollBars();
        Settle();
    }
    Mode(emStandard);
    const QImage after = view->Picture();
    EXPECT_EQ(after, Fresh());
}

TEST_F(ViewPicture, ScrollingWithAidsShownRepaintsThemInPlace) {
    Mode(emLinie);
    Move(300, 300);
    view->horizontalScrollBar()->setValue(100);
    view->verticalScrollBar()->setValue(40);
    EXPECT_EQ(panel().ScrollX, 100);
    EXPECT_EQ(panel().ScrollY, 40);
    Settle();
    EXPECT_EQ(view->Picture(), Fresh());
    Move(310, 310);
    Mode(emStandard);
    EXPECT_EQ(view->Picture(), Fresh());
}

TEST_F(ViewPicture, ScrollBarsSpanThePanelControl) {
    // The control is the panel in pixels plus 4.
    EXPECT_EQ(panel().ControlWidth(), 2004);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 2004 - panel().ViewWidth);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 2004 - panel().ViewHeight);
    EXPECT_EQ(view->horizontalScrollBar()->pageStep(), panel().ViewWidth);
    panel().ScrollTo(300, 200);  // as a stored view does
    EXPECT_EQ(view->horizontalScrollBar()->value(), 300);
    EXPECT_EQ(view->verticalScrollBar()->value(), 200);
    Settle();
    EXPECT_EQ(view->Picture(), Fresh());
    panel().SetZoom(1);
    view->SyncScrollBars();
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(panel().ScrollX, 0);
}

TEST_F(ViewPicture, WheelScrollsAndWithCtrlZoomsAboutThePointer) {
    Wheel({400, 300}, -120);
    EXPECT_EQ(panel().ScrollY, 60);
    Wheel({400, 300}, -120, Qt::ShiftModifier);
    EXPECT_EQ(panel().ScrollX, 60);
    const MPoint under = panel().PixelToModel({200 + panel().ScrollX, 150 + panel().ScrollY});
    Wheel({200, 150}, 120, Qt::ControlModifier);
    EXPECT_NEAR(panel().Zoom(), 10 * 1.03 * 1.03 * 1.03 * 1.03, 1e-9);
    const MPoint after = panel().PixelToModel({200 + panel().ScrollX, 150 + panel().ScrollY});
    EXPECT_NEAR(static_cast<double>(after.x), static_cast<double>(under.x), 5);
    EXPECT_NEAR(static_cast<double>(after.y), static_cast<double>(under.y), 5);
    EXPECT_EQ(view->horizontalScrollBar()->value(), panel().ScrollX);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), panel().ControlWidth() - panel().ViewWidth);
    Settle();
    EXPECT_EQ(view->Picture(), Fresh());
}

// Notches that arrive together (a fast spin, handled while the last one was painted) zoom or
// scroll at once and are painted together once the events at hand are handled.
TEST_F(ViewPicture, NotchesThatArriveTogetherArePaintedOnce) {
    AddRect(500, 500, 1000, 750);
    for (Qt::KeyboardModifiers m : {Qt::ControlModifier, Qt::NoModifier}) {
        Settle();
        const QImage before = view->Picture();
        const int scrollY = panel().ScrollY;
        const int angle = m == Qt::ControlModifier ? 120 : -120;  // in, down
        Wheel({200, 150}, angle, m);
        Wheel({200, 150}, angle, m);
        if (m == Qt::ControlModifier)
            EXPECT_NEAR(panel().Zoom(), 10 * std::pow(1.03, 8), 1e-9);
        else
            EXPECT_EQ(panel().ScrollY, scrollY + 120);
        EXPECT_EQ(view->Picture(), before);
        Settle();
        const QImage shown = view->Picture();
        EXPECT_NE(shown, before);
        EXPECT_EQ(shown, Fresh());
    }
}

// After a notch the resting view derives the next one ahead: that draws nothing and moves
// nothing, and the notch that follows (the same way, or the other) shows the picture of a fresh
// repaint.
TEST_F(ViewPicture, TheNotchDerivedAheadShowsTheFreshPicture) {
    AddRect(500, 500, 1000, 750);
    AddRect(300, 900, 2000, 1400);
    for (int angle : {120, 120, -120}) {
        Wheel({200, 150}, angle, Qt::ControlModifier);
        Settle();
        const QImage shown = view->Picture();
        const double zoom = panel().Zoom();
        const IPoint scroll{panel().ScrollX, panel().ScrollY};
        QTest::qWait(150);  // the view rests: the next notch is derived ahead
        EXPECT_EQ(view->Picture(), shown);
        EXPECT_EQ(panel().Zoom(), zoom);
        EXPECT_EQ(panel().ScrollX, scroll.x);
        EXPECT_EQ(panel().ScrollY, scroll.y);
    }
    Wheel({200, 150}, -120, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(view->Picture(), Fresh());
}

// A view shown anew rests and derives a notch in ahead: at the middle while the pointer is off
// the view, again once it is scrolled, and again where the pointer rests after going far; the
// notch then shows the fresh picture.
TEST_F(ViewPicture, AViewShownAnewDerivesANotchInAheadWhereThePointerRests) {
    AddRect(500, 500, 1000, 750);
    AddRect(300, 900, 2000, 1400);
    QCursor::setPos(area()->mapToGlobal(QPoint(-40, -40)));
    Settle();
    const QImage shown = view->Picture();
    const QPoint middle(area()->width() / 2, area()->height() / 2);
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), middle);
    EXPECT_EQ(view->Picture(), shown);

    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + 40);
    Settle();
    EXPECT_EQ(view->NextNotchDerivedAt(), std::nullopt);
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), middle);

    const QPoint rest(30, 40);
    PointerTo(rest);
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), rest);
    Wheel(rest, 120, Qt::ControlModifier);
    Settle();
    EXPECT_EQ(view->Picture(), Fresh());
}

// With the pointer off the picture, a resting view expects a step of the zoom buttons about its
// middle; back over the picture, the pointer asks for a notch where it rests, near the middle too;
// and off it again, for the step, which then shows the fresh picture. Both go the way the view
// was zoomed last.
TEST_F(ViewPicture, OffThePictureTheZoomButtonsStepIsDerivedAhead) {
    AddRect(500, 500, 1000, 750);
    QCursor::setPos(area()->mapToGlobal(QPoint(-40, -40)));
    Settle();
    const QPoint middle(area()->width() / 2, area()->height() / 2);
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), middle);
    EXPECT_EQ(view->NextStepsDerived(), 1);

    const QPoint near = middle + QPoint(6, 4);
    PointerTo(near);
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), near);
    EXPECT_EQ(view->NextStepsDerived(), 4);

    // Off the picture again (to the zoom buttons).
    QCursor::setPos(area()->mapToGlobal(QPoint(-40, -40)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(area(), &leave);
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), middle);
    EXPECT_EQ(view->NextStepsDerived(), 1);

    // The buttons' step in, as the main window takes it, then one out.
    for (int steps : {1, -1}) {
        panel().ZoomStep({middle.x(), middle.y()}, steps > 0);
        view->ExpectZoomSteps(steps);
        view->SyncScrollBars();
        Settle();
        if (steps > 0) {
            EXPECT_EQ(view->Picture(), Fresh());
        }
    }
    QTest::qWait(300);
    EXPECT_EQ(view->NextStepsDerived(), -1);

    // On a button, what it shows: a step in, the whole panel.
    view->PointerOnZoomButton(PanelView::ZoomButton::In);
    QTest::qWait(300);
    EXPECT_EQ(view->NextStepsDerived(), 1);
    view->PointerOnZoomButton(PanelView::ZoomButton::WholePanel);
    QTest::qWait(300);
    EXPECT_EQ(view->NextStepsDerived(), 0);
    panel().ZoomToPanel();
    Settle();
    EXPECT_EQ(view->Picture(), Fresh());
    view->PointerOnZoomButton(std::nullopt);

    PointerTo(near);
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), near);
    EXPECT_EQ(view->NextStepsDerived(), -4);
}

// With the zoom tool, a resting view expects its click at the pointer; the click shows the fresh
// picture, and the next one is expected where the pointer rests then.
TEST_F(ViewPicture, TheZoomToolsClickIsDerivedAhead) {
    AddRect(500, 500, 1000, 750);
    Mode(emZoom);
    const QPoint at(220, 160);
    PointerTo(at);
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), at);
    EXPECT_EQ(view->NextStepsDerived(), 0);
    const double zoom = panel().Zoom();
    Click(at.x(), at.y());
    Settle();
    EXPECT_DOUBLE_EQ(panel().Zoom(), zoom * 1.4);
    EXPECT_EQ(view->Picture(), Fresh());
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), at);
    EXPECT_EQ(view->NextStepsDerived(), 0);
}

// While the view scrolls on, its rest starts again with every step, and nothing is derived
// ahead until it rests.
TEST_F(ViewPicture, ScrollingOnPutsDerivingAheadOff) {
    AddRect(500, 500, 1000, 750);
    QCursor::setPos(area()->mapToGlobal(QPoint(-40, -40)));
    Settle();
    QScrollBar* bar = view->verticalScrollBar();
    bar->setValue(0);
    for (int step = 1; step <= 8; ++step) {
        bar->setValue(step * 4);
        Settle();
        QTest::qWait(40);
        ASSERT_EQ(bar->value(), step * 4);
        EXPECT_EQ(view->NextNotchDerivedAt(), std::nullopt) << step;
    }
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), QPoint(area()->width() / 2, area()->height() / 2));
}

// Nothing is derived ahead unasked while a mouse button is held (a drag resting a moment).
TEST_F(ViewPicture, NothingIsDerivedAheadWhileAButtonIsHeld) {
    AddRect(500, 500, 1000, 750);
    QCursor::setPos(area()->mapToGlobal(QPoint(-40, -40)));
    QTest::mousePress(area(), Qt::RightButton, {}, QPoint(5, 5));
    ASSERT_EQ(QGuiApplication::mouseButtons(), Qt::RightButton);
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() + 8);
    Settle();
    QTest::qWait(300);
    EXPECT_EQ(view->NextNotchDerivedAt(), std::nullopt);
    QTest::mouseRelease(area(), Qt::RightButton, {}, QPoint(5, 5));
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->value() - 8);
    Settle();
    QTest::qWait(300);
    EXPECT_NE(view->NextNotchDerivedAt(), std::nullopt);
}

TEST_F(ViewPicture, ResizingTheViewFollowsWithImageAndModel) {
    view->resize(500, 400);
    Settle();
    EXPECT_EQ(view->Picture().size(), area()->size());
    EXPECT_EQ(panel().ViewWidth, area()->width());
    EXPECT_EQ(panel().ViewHeight, area()->height());
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), panel().ControlWidth() - panel().ViewWidth);
}

}  // namespace
