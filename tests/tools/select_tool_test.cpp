// Selecting, moving, pasting, keyboard moves, double-click and hover in the resting mode.
// Zoom 10: one view pixel is 5 model units. Element A covers the pixels (100, 100)-(200, 150),
// element B (300, 100)-(400, 150).
#include "elements/bohrung.h"
#include "elements/textlabel.h"
#include "support/hook_guards.h"
#include "tool_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class SelectTool : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        panel.SetZoom(10);
        a = AddRect(500, 500, 1000, 750);
        b = AddRect(1500, 500, 2000, 750);
    }
    TRechteck* a = nullptr;
    TRechteck* b = nullptr;
};

TEST_F(SelectTool, ClickSelectsOnlyTheElementHitAndBuildsTheFrame) {
    panel.SelectElement(b, true);
    Click(150, 125);
    EXPECT_TRUE(a->GetSelected());
    EXPECT_FALSE(b->GetSelected());
    EXPECT_EQ(panel.CurrentElement(), a);
    ASSERT_TRUE(panel.Sizer);
    EXPECT_EQ(panel.Sizer->frame, (IRect{500, 500, 1000, 750}));
    EXPECT_EQ(a->Point(0), (MPoint{500, 500}));  // a click does not move
    EXPECT_FALSE(panel.State.dragging);
    EXPECT_FALSE(panel.State.pointerHidden);
    EXPECT_TRUE(a->Visible());
    EXPECT_EQ(clicks, 2 + 2);  // press, release, and the status texts of the press and the release
}

TEST_F(SelectTool, TheStatusLineShowsWhatTheReleaseLeft) {
    Press(150, 125);
    Move(250, 125);
    EXPECT_EQ(panel.StatusText1, "Verschieben...");
    Release(250, 125);  // A lies under the pointer
    EXPECT_EQ(panel.StatusText1, "Rechteck");
    EXPECT_EQ(panel.StatusText2, "10,00 x 5,00");
    Press(600, 400);
    Move(650, 450);
    EXPECT_EQ(panel.StatusText1, "Objektauswahl...");
    Release(650, 450);
    EXPECT_EQ(panel.StatusText1, "x = 65,00");
    EXPECT_EQ(panel.StatusText2, "y = 45,00");
}

TEST_F(SelectTool, ShiftClickOnASelectedElementDeselectsWithoutMoving) {
    Click(150, 125);
    Press(150, 125, MouseButton::Left, true);
    EXPECT_FALSE(a->GetSelected());
    EXPECT_FALSE(panel.State.dragging);
    Move(190, 160, true);
    Release(190, 160, MouseButton::Left, true);
    EXPECT_EQ(a->Point(0), (MPoint{500, 500}));
    EXPECT_FALSE(panel.Sizer);
}

TEST_F(SelectTool, ShiftOnEmptySpaceKeepsTheSelectionAndAddsWithABand) {
    Click(150, 125);
    Press(350, 300, MouseButton::Left, true);
    ASSERT_TRUE(panel.Selector);
    EXPECT_TRUE(a->GetSelected());
    EXPECT_EQ(panel.StatusText1, "Objektauswahl...");
    Move(450, 90, true);
    EXPECT_EQ(panel.Selector->Band(), (IRect{350, 90, 450, 300}));
    Release(450, 90, MouseButton::Left, true);
    EXPECT_TRUE(a->GetSelected());
    EXPECT_TRUE(b->GetSelected());
    EXPECT_FALSE(panel.Selector);
    EXPECT_TRUE(XorBalanced(canvas));
}

TEST_F(SelectTool, BandWithoutShiftReplacesTheSelection) {
    Click(150, 125);
    Press(450, 300);
    EXPECT_FALSE(a->GetSelected());
    Move(350, 90);
    Release(350, 90);
    EXPECT_FALSE(a->GetSelected());
    EXPECT_TRUE(b->GetSelected());
}

TEST_F(SelectTool, NearMissStartsABandWithoutStatusText) {
    auto line = std::make_unique<TLinie>();
    line->AddPoint({500, 1500});
    line->AddPoint({1000, 1500});
    line->SetStiftBreite(10);
    panel.AddElement(std::move(line));
    panel.SelectElement(a, true);
    panel.StatusText1 = "before";
    Press(150, 310);  // 10 pixels below the line: within 4 mm of its bounds, beside it
    EXPECT_TRUE(panel.Selector);
    EXPECT_FALSE(a->GetSelected());
    EXPECT_EQ(panel.StatusText1, "before");
    EXPECT_FALSE(panel.State.dragging);
    Release(150, 310);
}

TEST_F(SelectTool, BandOfFivePixelsSelectsNothingSixDo) {
    Press(150, 90);  // above A, within 4 mm
    Move(155, 130, true);
    EXPECT_EQ(panel.Selector->Band(), (IRect{150, 90, 155, 130}));
    Release(155, 130);
    EXPECT_FALSE(a->GetSelected());
    Press(150, 90);
    Move(156, 130, true);
    Release(156, 130);
    EXPECT_TRUE(a->GetSelected());
}

TEST_F(SelectTool, MoveSnapsInWholeStepsWhateverTheOriginAndStopsAtTheLeftEdge) {
    panel.SetZoom(5);  // one pixel is 10 units
    panel.SnapSpacing = 500;
    panel.GridOrigin = {130, 70};
    TRechteck* r = AddRect(2000, 2000, 3000, 2500, 50);  // pen-inclusive from 1975
    Press(250, 225);
    EXPECT_TRUE(r->GetSelected());
    EXPECT_TRUE(panel.State.dragging);
    EXPECT_TRUE(panel.State.pointerHidden);
    EXPECT_EQ(panel.StatusText1, "Verschieben...");
    EXPECT_TRUE(panel.UndoAvailable());
    Move(285, 229);  // 350 and 40 units: one step right, none down
    EXPECT_EQ(r->Point(0), (MPoint{2500, 2000}));
    EXPECT_FALSE(r->Visible());
    EXPECT_TRUE(panel.State.ghostShown);
    Move(270, 225);  // 200 units: back to the start
    EXPECT_EQ(r->Point(0), (MPoint{2000, 2000}));
    Move(-100, 225);
    EXPECT_EQ(r->Point(0), (MPoint{25, 2000}));
    EXPECT_EQ(RoundRect(r->GetBounds()).x1, 0);
    Release(-100, 225);
    EXPECT_EQ(r->Point(0), (MPoint{25, 2000}));
    EXPECT_TRUE(r->Visible());
    EXPECT_FALSE(panel.State.ghostShown);
    EXPECT_FALSE(panel.State.pointerHidden);
    EXPECT_FALSE(panel.State.dragging);
    ASSERT_TRUE(panel.Sizer);
    EXPECT_EQ(panel.Sizer->frame.x1, 25);
    EXPECT_TRUE(XorBalanced(canvas, 4));
}

TEST_F(SelectTool, MoveStopsAtTheOtherEdgesWithoutSnapping) {
    Press(150, 125);
    Move(5000, 5000, true);
    MRect bounds = a->GetBounds();
    EXPECT_EQ(RoundRect(bounds).x2, 10000);
    EXPECT_EQ(RoundRect(bounds).y2, 10000);
    Release(5000, 5000, MouseButton::Left, true);
}

TEST_F(SelectTool, PasteFollowsThePointerAndARightReleaseTakesItBack) {
    MemoryStream clipboard;
    panel.SelectElement(a, true);
    panel.CopySelection(clipboard);
    panel.PasteFrom(clipboard);
    EXPECT_EQ(panel.EditMode(), emPaste);
    EXPECT_EQ(panel.State.cursor, crHand);
    ASSERT_EQ(panel.ElementCount(), 3u);
    TRechteck* copy = Last<TRechteck>();
    EXPECT_TRUE(copy->GetSelected());
    EXPECT_FALSE(a->GetSelected());
    Move(300, 400);
    EXPECT_EQ(copy->Point(0), (MPoint{1250, 1900}));  // centre (1500, 2025): under the pointer in whole steps
    Release(300, 400, MouseButton::Right);
    EXPECT_EQ(panel.ElementCount(), 2u);
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_FALSE(panel.State.dragging);
    EXPECT_TRUE(XorBalanced(canvas));

    panel.PasteFrom(clipboard);
    Move(300, 400);
    Release(300, 400);
    ASSERT_EQ(panel.ElementCount(), 3u);
    EXPECT_EQ(Last<TRechteck>()->Point(0), (MPoint{1250, 1900}));
    EXPECT_TRUE(Last<TRechteck>()->Visible());
    EXPECT_TRUE(Last<TRechteck>()->GetSelected());
    EXPECT_EQ(panel.EditMode(), emStandard);
}

TEST_F(SelectTool, CommandsDuringADragEndItFirst) {
    Press(150, 125);
    Move(170, 135);
    EXPECT_FALSE(panel.KeyDown(PanelKey::Delete, false, false));  // keys wait for the release
    EXPECT_FALSE(panel.KeyDown(PanelKey::Right, true, false));
    EXPECT_EQ(panel.ElementCount(), 2u);
    panel.DeleteSelected();  // a menu command under the held button
    EXPECT_EQ(panel.ElementCount(), 1u);
    EXPECT_FALSE(panel.State.dragging);
    EXPECT_FALSE(panel.State.ghostShown);
    EXPECT_FALSE(panel.State.pointerHidden);
    Move(190, 145);
    Release(190, 145);
    EXPECT_EQ(b->Point(0), (MPoint{1500, 500}));
    EXPECT_TRUE(XorBalanced(canvas, 2));

    panel.SaveUndo();
    panel.SelectElement(b, true);
    panel.UpdateSelectionFrame();
    Press(293, 93);  // handle 1 of B
    Move(320, 110);
    ASSERT_TRUE(panel.FrameDragging());
    panel.Undo();
    EXPECT_FALSE(panel.FrameDragging());
    EXPECT_EQ(panel.ElementCount(), 1u);
    Move(330, 120);
    Release(330, 120);
}

TEST_F(SelectTool, ArrowKeysMoveBySpacingOrByFiveUnitsWithShift) {
    panel.SelectElement(a, true);
    EXPECT_TRUE(panel.KeyDown(PanelKey::Right, true, false));
    EXPECT_EQ(a->Point(0), (MPoint{505, 500}));
    panel.KeyDown(PanelKey::Up, false, false);
    EXPECT_EQ(a->Point(0), (MPoint{505, 450}));
    panel.KeyDown(PanelKey::Left, true, false);
    panel.KeyDown(PanelKey::Down, true, false);
    EXPECT_EQ(a->Point(0), (MPoint{500, 455}));
    EXPECT_EQ(b->Point(0), (MPoint{1500, 500}));
    EXPECT_FALSE(panel.UndoAvailable());
    ASSERT_TRUE(panel.Sizer);
    EXPECT_EQ(panel.Sizer->frame.y1, 455);
}

TEST_F(SelectTool, DeleteTakesASnapshotAndAltBackspaceUndoes) {
    panel.SelectElement(a, true);
    EXPECT_FALSE(panel.KeyDown(PanelKey::Backspace, false, false));
    EXPECT_TRUE(panel.KeyDown(PanelKey::Delete, false, false));
    EXPECT_EQ(panel.ElementCount(), 1u);
    EXPECT_TRUE(panel.KeyDown(PanelKey::Backspace, false, true));
    EXPECT_EQ(panel.ElementCount(), 2u);
    panel.SetEditMode(emZoom);
    EXPECT_FALSE(panel.KeyDown(PanelKey::Delete, false, false));
}

TEST_F(SelectTool, DoubleClickEditsTheSingleSelectedElement) {
    std::vector<std::string> shown;
    DialogGuard<TBohrung> dialog([&](const std::string& text) {
        shown.push_back(text);
        return std::optional<std::string>("8");
    });
    auto drill = std::make_unique<TBohrung>();
    drill->Centre = {2500, 1500};
    TBauteil* hole = panel.AddElement(std::move(drill));
    Click(500, 300);
    ASSERT_TRUE(hole->GetSelected());
    panel.DoubleClick(At(500, 300));
    EXPECT_EQ(shown, std::vector<std::string>{"10"});
    EXPECT_EQ(static_cast<TBohrung*>(hole)->Diameter, 400);
    EXPECT_EQ(panel.LastDrillDiameter, 400);
    EXPECT_TRUE(panel.UndoAvailable());
    panel.SelectElement(a, true);  // two selected: nothing to edit
    panel.DoubleClick(At(500, 300));
    EXPECT_EQ(shown.size(), 1u);
}

TEST_F(SelectTool, DoubleClickOnATextTakesItsWordingAndFont) {
    DialogGuard<TTextLabel> dialog([](const std::string&) { return std::optional<std::string>("Ein"); });
    auto created = std::make_unique<TTextLabel>(FontSpec{"Arial", 300, 0}, "Aus", MPoint{2500, 1500});
    TTextLabel* text = static_cast<TTextLabel*>(panel.AddElement(std::move(created)));
    const Real before = Distance(text->Corners[0], text->Corners[1]);
    panel.SelectElement(text, true);
    panel.DoubleClick(At(510, 305));
    EXPECT_EQ(text->LabelText(), "Ein");
    EXPECT_EQ(panel.CurrentFont.height, 300);
    // The frame follows the new wording's natural width.
    FontSpec font{"Arial", 300, 0};
    EXPECT_NEAR(static_cast<double>(Distance(text->Corners[0], text->Corners[1])),
                static_cast<double>(before * FontEngine::Instance().TextWidth(font, "Ein") /
                                    FontEngine::Instance().TextWidth(font, "Aus")),
                1e-9);
}

TEST_F(SelectTool, HoverShowsPositionElementTextsAndCursors) {
    Move(60, 30);
    EXPECT_EQ(panel.StatusText1, "x = 6,00");  // 300 units
    EXPECT_EQ(panel.StatusText2, "y = 3,00");
    EXPECT_EQ(panel.State.cursor, crArrow);
    panel.GridOrigin = {100, 0};
    Move(60, 30);
    EXPECT_EQ(panel.StatusText1, "x = 4,00");
    Move(150, 125);
    EXPECT_EQ(panel.StatusText1, "Rechteck");
    EXPECT_EQ(panel.StatusText2, "10,00 x 5,00");
    EXPECT_EQ(panel.State.cursor, crFinger);
    Move(150, 125, true);
    EXPECT_EQ(panel.State.cursor, crArrow);
    panel.SelectElement(a, true);
    panel.UpdateSelectionFrame();
    Move(150, 125);
    EXPECT_EQ(panel.State.cursor, crHand);
    Move(95, 95);  // handle 1
    EXPECT_EQ(panel.State.resizeCursor, ResizeCursor::DiagonalDown);
    Move(205, 95);  // handle 2
    EXPECT_EQ(panel.State.resizeCursor, ResizeCursor::DiagonalUp);
    Move(150, 95);  // handle 5
    EXPECT_EQ(panel.State.resizeCursor, ResizeCursor::Vertical);
    Move(150, 125);
    EXPECT_EQ(panel.State.resizeCursor, ResizeCursor::None);
    panel.SetEditMode(emDrehen);
    Move(95, 95);
    EXPECT_EQ(panel.State.cursor, crRotate);
    EXPECT_EQ(panel.State.resizeCursor, ResizeCursor::None);
}

TEST_F(SelectTool, RightPressAsksForThePopupMenu) {
    std::vector<IPoint> requests;
    panel.OnPopupRequest = [&](IPoint p) { requests.push_back(p); };
    Press(150, 125, MouseButton::Right);
    panel.SetEditMode(emDrehen);
    Press(10, 20, MouseButton::Right);
    panel.SetEditMode(emLinie);
    Press(10, 20, MouseButton::Right);
    EXPECT_EQ(requests, (std::vector<IPoint>{{150, 125}, {10, 20}}));
    EXPECT_FALSE(a->GetSelected());
}

}  // namespace
