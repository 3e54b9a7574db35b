// Edit modes and their aids: crosshair, cursors, pointer requests, the end of an operation,
// auto-scrolling, the zoom tool, and exclusive-or drawings that leave no trace.
#include "elements/kreis.h"
#include "support/hook_guards.h"
#include "tool_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class Aids : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        panel.SetZoom(10);
        panel.OnPointerToCentre = [this] { ++warps; };
        panel.OnModeChange = [this] { ++modeChanges; };
    }
    int warps = 0;
    int modeChanges = 0;
};

TEST_F(Aids, EachModeSetsCursorCrosshairAndConfinement) {
    struct Expected {
        TEditMode mode;
        int cursor;
        bool crosshair, confined;
    };
    const Expected table[] = {
        {emZoom, crLupe, false, false},      {emStandard, crArrow, false, false},
        {emText, crStiftText, true, true},   {emPaste, crArrow, false, false},
        {emUrsprung, crArrow, true, false},  {emLinie, crStift, true, false},
        {emBohren, crArrow, true, false},    {emDrehen, crArrow, false, false},
        {emKreis, crStiftCirc, true, true},  {emRect, crStiftRect, true, true},
        {emPolygon, crStift, true, false},   {emBogen, crArrow, true, true},
        {emBemassung, crArrow, true, false}, {emBitmap, crStiftBmp, true, false},
        {emPoint, crArrow, false, false},    {emMeta, crStiftBmp, true, false},
    };
    for (const Expected& x : table) {
        panel.SetEditMode(x.mode);
        EXPECT_EQ(panel.EditMode(), x.mode);
        EXPECT_EQ(panel.State.cursor, x.cursor) << int(x.mode);
        EXPECT_EQ(bool(panel.Crosshair), x.crosshair) << int(x.mode);
        EXPECT_EQ(panel.State.autoScroll, x.crosshair) << int(x.mode);
        EXPECT_EQ(panel.State.pointerConfined, x.confined) << int(x.mode);
    }
    EXPECT_EQ(modeChanges, 16);
    EXPECT_EQ(warps, 0);  // auto-scrolling is not wanted
}

TEST_F(Aids, WantedAutoScrollConfinesAndCentresThePointerInDrawingModes) {
    panel.WillsteAutoScroll = true;
    panel.SetEditMode(emUrsprung);
    EXPECT_TRUE(panel.State.pointerConfined);
    EXPECT_EQ(warps, 0);
    panel.SetEditMode(emLinie);
    EXPECT_TRUE(panel.State.pointerConfined);
    EXPECT_EQ(warps, 1);
    panel.EndOperation();
    EXPECT_FALSE(panel.State.pointerConfined);
    EXPECT_FALSE(panel.State.autoScroll);
    EXPECT_FALSE(panel.Crosshair);
}

TEST_F(Aids, ConfinementRectIsTheVisiblePartOfThePanel) {
    panel.SetZoom(1);  // a 204 pixel control in an 800 x 600 view
    EXPECT_EQ(panel.ConfinementRect(), (IRect{0, 0, 204, 204}));
    panel.SetZoom(10);  // 2004 pixels: narrower than a wide view, higher than it
    panel.ViewWidth = 2500;
    panel.ScrollTo(300, 100);
    EXPECT_EQ(panel.ConfinementRect(), (IRect{0, 0, 2004, 600}));
}

TEST_F(Aids, EndOperationReturnsToTheRestingModeExceptZoomAndRotate) {
    for (TEditMode mode : {emZoom, emDrehen, emLinie, emKreis, emPoint}) {
        panel.SetEditMode(mode);
        modeChanges = 0;
        panel.EndOperation();
        bool stays = mode == emZoom || mode == emDrehen;
        EXPECT_EQ(panel.EditMode(), stays ? mode : emStandard) << int(mode);
        EXPECT_EQ(modeChanges, stays ? 0 : 1);
        if (!stays) {
            EXPECT_EQ(panel.PreviousEditMode(), mode);
        }
    }
}

TEST_F(Aids, SwitchingToolsHalfwayLeavesNothingBehind) {
    panel.SetEditMode(emLinie);
    Move(40, 40);
    Press(40, 40);
    Move(80, 40);
    Press(80, 40);
    Move(80, 90);
    ASSERT_TRUE(panel.Templine);
    panel.SetEditMode(emKreis);  // the line ends as it stands
    EXPECT_FALSE(panel.Templine);
    EXPECT_EQ(panel.State.underConstruction, nullptr);
    ASSERT_EQ(panel.ElementCount(), 1u);
    EXPECT_FALSE(panel.State.dragging);
    Click(100, 100);
    Move(120, 100);
    panel.SetEditMode(emStandard);
    EXPECT_FALSE(panel.Crosshair);
    EXPECT_TRUE(XorBalanced(canvas, 8));
}

TEST_F(Aids, CrosshairFollowsTheSnappedPointerOnce) {
    panel.SetEditMode(emBohren);
    Move(21, 19);
    ASSERT_TRUE(panel.Crosshair->Shown());
    EXPECT_EQ(panel.Crosshair->Position(), (IPoint{100, 100}));
    size_t drawn = canvas.calls.size();
    Move(22, 20);  // the same snapped point: nothing is drawn
    EXPECT_EQ(canvas.calls.size(), drawn);
    Move(40, 20);
    ASSERT_EQ(canvas.calls.size(), drawn + 4);  // two lines erased, two drawn
    EXPECT_EQ(canvas.calls[drawn + 2].pts, (std::vector<IPoint>{{0, 20}, {800, 20}}));
    EXPECT_EQ(canvas.calls[drawn + 3].pts, (std::vector<IPoint>{{40, 0}, {40, 600}}));
    EXPECT_EQ(canvas.calls[drawn + 3].pen.mode, PenMode::Xor);
    EXPECT_EQ(canvas.calls[drawn + 3].pen.color, kGhostColor);
    panel.EndOperation();
    EXPECT_TRUE(XorBalanced(canvas, 6));
}

TEST_F(Aids, RubberBandIsBlueNotXorAndStaysInTheView) {
    Press(700, 500);
    Move(900, 700, true);
    ASSERT_TRUE(panel.Selector);
    EXPECT_EQ(panel.Selector->End(), (IPoint{798, 598}));
    const RecordedCall& last = canvas.calls.back();
    EXPECT_EQ(last.kind, RecordedCall::Kind::Rectangle);
    EXPECT_EQ(last.rect, (IRect{699, 499, 800, 600}));
    EXPECT_EQ(last.pen.mode, PenMode::NotXor);
    EXPECT_EQ(last.pen.color, kBlue);
    EXPECT_EQ(last.devicePenWidth, 2);
    EXPECT_EQ(last.brush.style, bsClear);
    Move(-50, -50, true);
    EXPECT_EQ(panel.Selector->End(), (IPoint{-1, -1}));
    Release(-50, -50);
    EXPECT_TRUE(XorBalanced(canvas, 3));
}

TEST_F(Aids, RepaintInTheMiddleOfADragPutsTheAidsBack) {
    TRechteck* r = AddRect(500, 500, 1000, 750);
    panel.SetEditMode(emLinie);
    Press(20, 20);
    Move(60, 60);
    panel.PaintView(canvas, {0, 0, 800, 600});
    EXPECT_TRUE(panel.Templine->Shown());
    panel.EndOperation();
    Press(150, 125);
    Move(170, 135);
    ASSERT_TRUE(panel.State.ghostShown);
    canvas.Clear();
    panel.PaintView(canvas, {0, 0, 800, 600});
    EXPECT_TRUE(panel.State.ghostShown);
    EXPECT_TRUE(XorBalanced(canvas, 2));  // the ghost taken off and put back
    size_t painted = 0;
    for (const RecordedCall& c : canvas.calls)
        if (c.pen.mode == PenMode::Copy && c.kind == RecordedCall::Kind::PolyPolygon) ++painted;
    EXPECT_EQ(painted, 0u);  // the dragged rectangle is hidden
    Release(170, 135);
    EXPECT_TRUE(r->Visible());
}

TEST_F(Aids, HandlesArePaintedSevenPixelsLarge) {
    TRechteck* r = AddRect(500, 500, 1000, 750);
    panel.SelectElement(r, true);
    panel.UpdateSelectionFrame();
    EXPECT_EQ(panel.Sizer->handleSize, 60);
    panel.PaintView(canvas, {0, 0, 800, 600});
    EXPECT_EQ(panel.Sizer->handleSize, 35);
    size_t handles = 0;
    for (const RecordedCall& c : canvas.calls)
        if (c.kind == RecordedCall::Kind::Rectangle && c.pen.width == 2) {
            EXPECT_EQ(c.pen.mode, PenMode::Copy);
            EXPECT_EQ(c.pen.color, kBlack);  // on the light panel
            ++handles;
            EXPECT_EQ(c.rect.x2 - c.rect.x1, 7);
        }
    EXPECT_EQ(handles, 8u);
}

TEST_F(Aids, AutoScrollTicksNearTheEdgeWhileDragging) {
    panel.WillsteAutoScroll = true;
    AddRect(500, 500, 1000, 750);
    EXPECT_FALSE(panel.AutoScrollTick());  // nothing running
    Press(150, 125);
    Move(150, 590);
    EXPECT_EQ(panel.State.scrollDirection, ScrollDirection::Down);
    ASSERT_TRUE(panel.State.ghostShown);
    EXPECT_TRUE(panel.AutoScrollTick());
    EXPECT_EQ(panel.ScrollY, 70);  // 600 / 10 / 10 + 1 steps of 10 pixels
    EXPECT_FALSE(panel.State.ghostShown);
    Move(10, 300);
    EXPECT_EQ(panel.State.scrollDirection, ScrollDirection::Left);
    EXPECT_FALSE(panel.AutoScrollTick());  // already at the left end
    Move(10, 5);                           // the top wins over the left
    EXPECT_EQ(panel.State.scrollDirection, ScrollDirection::Up);
    EXPECT_TRUE(panel.AutoScrollTick());
    EXPECT_EQ(panel.ScrollY, 0);
    Release(10, 5);
    EXPECT_FALSE(panel.AutoScrollTick());
    panel.WillsteAutoScroll = false;
    panel.SetEditMode(emLinie);
    Move(10, 590);
    EXPECT_FALSE(panel.AutoScrollTick());
}

TEST_F(Aids, ZoomToolClickAndRightClick) {
    panel.SetZoom(1);
    panel.Width = panel.Height = 30000;
    panel.ViewWidth = 400;
    panel.ViewHeight = 300;
    int changes = 0;
    panel.OnChange = [&] { ++changes; };
    panel.SetEditMode(emZoom);
    Click(200, 150);  // model (10000, 7500)
    EXPECT_DOUBLE_EQ(panel.Zoom(), 1.4);
    EXPECT_EQ(panel.EditMode(), emZoom);
    EXPECT_EQ(panel.SnapAt({200, 150}), (MPoint{10000, 7500}));  // still under the view's centre
    Click(200, 150, MouseButton::Right);
    EXPECT_DOUBLE_EQ(panel.Zoom(), 1.0);
    EXPECT_EQ(changes, 2);
    Press(100, 100);
    Move(300, 200);
    Release(300, 200);  // a 200 x 100 band fitted into 400 x 300
    EXPECT_DOUBLE_EQ(panel.Zoom(), 2.0);
}

TEST_F(Aids, StatusTextsOfTheDrawingModesShowThePosition) {
    panel.SetEditMode(emKreis);
    Move(150, 125);  // over nothing in a drawing mode: always the position
    EXPECT_EQ(panel.StatusText1, "x = 15,00");
    LanguageGuard language(Language::English);
    Move(150, 125, true);  // unsnapped
    EXPECT_EQ(panel.StatusText2, "y = 12.50");
}

}  // namespace
