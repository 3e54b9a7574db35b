// Dragging the handles of the selection frame: resizing with and without Ctrl, the panel's
// edges, the minimum size, rotating with the 45-degree angle snap. Zoom 10: one view pixel is
// 5 model units; handles are 60 units (12 pixels) large when the frame is built.
#include <cmath>

#include "tool_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class FrameDrag : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        panel.SetZoom(10);
    }
    TRechteck* Selected(Real x1, Real y1, Real x2, Real y2) {
        TRechteck* r = AddRect(x1, y1, x2, y2);
        panel.SelectElement(r, true);
        panel.UpdateSelectionFrame();
        return r;
    }
    MRect Current() const { return panel.Sizer->currentRect; }
};

TEST_F(FrameDrag, HandleOneHalvesTheFrameAboutTheBottomRightCorner) {
    TRechteck* r = Selected(100, 100, 200, 150);
    Press(12, 12);  // handle 1 covers the pixels 7 to 18
    ASSERT_TRUE(panel.FrameDragging());
    EXPECT_EQ(panel.Sizer->grabbed, 1);
    EXPECT_FALSE(panel.Sizer->handlesVisible);
    EXPECT_TRUE(panel.State.pointerConfined);
    EXPECT_TRUE(panel.UndoAvailable());
    Move(30, 25, true);  // y = 125 units, unsnapped
    EXPECT_EQ(Current(), (MRect{150, 125, 200, 150}));
    EXPECT_FALSE(r->Visible());
    Release(30, 25, MouseButton::Left, true);
    EXPECT_FALSE(panel.FrameDragging());
    EXPECT_TRUE(r->Visible());
    EXPECT_FALSE(panel.State.pointerConfined);
    EXPECT_EQ(NormaliseRect(r->GetShapeBounds()), (MRect{150, 125, 200, 150}));
    ASSERT_TRUE(panel.Sizer);
    EXPECT_EQ(panel.Sizer->frame, (IRect{150, 125, 200, 150}));
    EXPECT_TRUE(XorBalanced(canvas, 2));
}

TEST_F(FrameDrag, CtrlResizesProportionallyAboutTheCentre) {
    Selected(1000, 1000, 2000, 1500);
    Press(405, 305, MouseButton::Left, false, true);  // handle 3
    Move(500, 350, false, true);                      // twice the centre's distance
    EXPECT_EQ(Current(), (MRect{500, 750, 2500, 1750}));
    Move(300, 250, false, true);  // the pointer on the centre: below the minimum size, refused
    EXPECT_EQ(Current(), (MRect{500, 750, 2500, 1750}));
    Release(300, 250, MouseButton::Left, false, true);
}

TEST_F(FrameDrag, MiddleHandlesMoveOneSideOnly) {
    Selected(500, 500, 1000, 750);
    Press(205, 125);  // handle 7
    Move(260, 40);    // x = 1300
    EXPECT_EQ(Current(), (MRect{500, 500, 1300, 750}));
    Release(260, 40);
    Press(180, 157);  // handle 6 of (500, 500, 1300, 750)
    Move(10, 200);    // y = 1000
    EXPECT_EQ(Current(), (MRect{500, 500, 1300, 1000}));
    Release(10, 200);
}

TEST_F(FrameDrag, SidesMayNotReachThePanelEdge) {
    Selected(500, 500, 1000, 750);
    Press(93, 125);  // handle 8
    Move(0, 125);    // x1 = 0: on the edge
    EXPECT_EQ(Current(), (MRect{500, 500, 1000, 750}));
    Move(-10, 125);
    EXPECT_EQ(Current(), (MRect{500, 500, 1000, 750}));
    Move(20, 125);
    EXPECT_EQ(Current(), (MRect{100, 500, 1000, 750}));
    Release(20, 125);
    panel.Width = 1200;
    panel.UpdateSelectionFrame();
    Press(207, 125);  // handle 7 of (100, 500, 1000, 750)
    Move(240, 125);   // x2 = 1200, the panel's width
    EXPECT_EQ(Current(), (MRect{100, 500, 1000, 750}));
    Release(240, 125);
}

TEST_F(FrameDrag, ShrinkingBelowThreePixelsIsRefused) {
    Selected(500, 500, 1000, 750);
    Press(150, 157);       // handle 6
    Move(150, 102, true);  // 10 units high: below 3 pixels (15 units)
    EXPECT_EQ(Current(), (MRect{500, 500, 1000, 750}));
    Move(150, 104, true);  // 20 units
    EXPECT_EQ(Current(), (MRect{500, 500, 1000, 520}));
    Release(150, 104, MouseButton::Left, true);
}

TEST_F(FrameDrag, RotationSnapsTo45DegreeSteps) {
    TRechteck* r = AddRect(1000, 1000, 2000, 1500);
    panel.SelectElement(r, true);
    panel.SetEditMode(emDrehen);
    ASSERT_EQ(panel.Sizer->mode, 1);
    Press(405, 250);  // handle 7: straight right of the centre (1500, 1250)
    ASSERT_TRUE(panel.FrameDragging());
    EXPECT_EQ(panel.Sizer->startAngle, 0);
    Move(364, 173);  // about 50 degrees
    EXPECT_NEAR(static_cast<double>(panel.State.rotationSoFar), M_PI / 4, 1e-12);
    MPoint turned = r->Point(0);
    Move(317, 152);  // about 80 degrees: still 45, no step
    EXPECT_NEAR(static_cast<double>(panel.State.rotationSoFar), M_PI / 4, 1e-12);
    EXPECT_EQ(r->Point(0), turned);
    // The corner (1000, 1000) turned by 45 degrees counter-clockwise about the centre.
    const double d = std::hypot(500.0, 250.0), a = std::atan2(250.0, -500.0) + M_PI / 4;
    EXPECT_NEAR(static_cast<double>(turned.x), 1500 + d * std::cos(a), 1e-6);
    EXPECT_NEAR(static_cast<double>(turned.y), 1250 - d * std::sin(a), 1e-6);
    Release(317, 152);
    EXPECT_EQ(panel.EditMode(), emDrehen);  // the rotate mode stays
    EXPECT_EQ(panel.Sizer->mode, 1);
    EXPECT_TRUE(XorBalanced(canvas, 2));
}

TEST_F(FrameDrag, ShiftAtThePressTurnsFreely) {
    TRechteck* r = AddRect(1000, 1000, 2000, 1500);
    panel.SelectElement(r, true);
    panel.SetEditMode(emDrehen);
    Press(405, 250, MouseButton::Left, true);
    Move(364, 173, true);  // (1820, 865) from the centre
    EXPECT_NEAR(static_cast<double>(panel.State.rotationSoFar), std::atan2(385.0, 320.0), 1e-12);
    Release(364, 173, MouseButton::Left, true);
}

TEST_F(FrameDrag, RotationThatWouldLeaveTheCoordinateRangeIsRefused) {
    TRechteck* r = AddRect(100, 100, 2100, 300);
    panel.SelectElement(r, true);
    panel.SetEditMode(emDrehen);
    Press(425, 40, MouseButton::Left, true);  // handle 7, centre (1100, 200)
    Move(240, 0, true);                       // about 63 degrees: a corner would go above 0
    EXPECT_EQ(panel.State.rotationSoFar, 0);
    EXPECT_EQ(r->Point(0), (MPoint{100, 100}));
    Release(240, 0, MouseButton::Left, true);
    EXPECT_TRUE(r->Visible());
}

}  // namespace
