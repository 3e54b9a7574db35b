// Escape during an operation: every tool's unfinished work is taken back, and the elements, the
// selection and the undo snapshot are as before the operation began. Zoom 10: one view pixel is
// 5 model units; element A covers the pixels (100, 100)-(200, 150).
#include <functional>

#include "core/edit_commands.h"
#include "tool_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class CancelOperation : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        panel.SetZoom(10);
        a = AddRect(500, 500, 1000, 750);
        panel.SaveUndo();  // a snapshot from an earlier command, which a cancel must keep
        snapshot = undo.bytes;
        b = AddRect(1500, 1500, 2000, 1750);
    }
    void Escape() { EXPECT_TRUE(panel.KeyDown(PanelKey::Escape, false, false)); }
    void ExpectAsBefore(bool aSelected, bool bSelected) {
        EXPECT_EQ(panel.ElementCount(), 2u);
        EXPECT_EQ(panel.Element(0), a);
        EXPECT_EQ(panel.Element(1), b);
        EXPECT_EQ(a->Point(0), (MPoint{500, 500}));
        EXPECT_EQ(a->Point(2), (MPoint{1000, 750}));
        EXPECT_EQ(a->GetSelected(), aSelected);
        EXPECT_EQ(b->GetSelected(), bSelected);
        EXPECT_EQ(undo.bytes, snapshot);
        EXPECT_TRUE(panel.UndoAvailable());
        EXPECT_FALSE(panel.OperationInProgress());
        EXPECT_FALSE(panel.Templine || panel.Selector || panel.Crosshair);
        EXPECT_EQ(panel.State.pendingPoint, nullptr);
        EXPECT_FALSE(panel.State.pointerHidden || panel.State.pointerConfined);
        EXPECT_TRUE(XorBalanced(canvas, 0));
    }
    TRechteck* a = nullptr;
    TRechteck* b = nullptr;
    std::vector<uint8_t> snapshot;
};

TEST_F(CancelOperation, EscapeTakesBackTheUnfinishedElementOfEveryDrawingTool) {
    const std::pair<TEditMode, std::function<void()>> sequences[] = {
        {emLinie, [&] { Click(300, 300), Click(400, 320), Move(450, 400); }},
        {emPolygon, [&] { Click(300, 300), Click(400, 320), Click(420, 400), Move(350, 450); }},
        {emKreis, [&] { Click(300, 300), Move(360, 340); }},
        {emBogen, [&] { Click(300, 300), Click(360, 300), Move(330, 250); }},
        {emBemassung, [&] { Click(300, 300), Click(400, 300), Move(400, 340); }},
        {emRect, [&] { Click(300, 300), Move(400, 380); }},
    };
    for (const auto& [mode, draw] : sequences) {
        panel.SetEditMode(mode);
        draw();
        ASSERT_TRUE(panel.OperationInProgress()) << mode;
        // The status line says how the tool ends.
        EXPECT_EQ(panel.StatusText2, "Rechtsklick: Ende, Esc: Abbruch") << mode;
        Escape();
        EXPECT_EQ(panel.EditMode(), emStandard) << mode;
        EXPECT_EQ(panel.CurrentElement(), nullptr) << mode;
        EXPECT_NE(panel.StatusText2, "Rechtsklick: Ende, Esc: Abbruch") << mode;
        ExpectAsBefore(false, false);
    }
}

TEST_F(CancelOperation, EscapeReturnsAMovedElementAndRestoresTheSelection) {
    panel.SelectElement(b, true);
    Press(150, 125);  // selects A alone and drags it
    Move(260, 190);
    ASSERT_TRUE(panel.State.dragging);
    ASSERT_NE(undo.bytes, snapshot);
    Escape();
    a = static_cast<TRechteck*>(panel.Element(0));
    b = static_cast<TRechteck*>(panel.Element(1));
    ExpectAsBefore(false, true);
    EXPECT_EQ(panel.CurrentElement(), b);
    Release(260, 190);  // the button let go afterwards changes nothing
    ExpectAsBefore(false, true);
}

TEST_F(CancelOperation, EscapeReturnsAResizedElement) {
    panel.SelectElement(a, true);
    panel.UpdateSelectionFrame();
    Press(95, 95);  // handle 1
    Move(40, 40);
    ASSERT_TRUE(panel.FrameDragging());
    Escape();
    a = static_cast<TRechteck*>(panel.Element(0));
    b = static_cast<TRechteck*>(panel.Element(1));
    ExpectAsBefore(true, false);
    ASSERT_TRUE(panel.Sizer);
    EXPECT_TRUE(panel.Sizer->handlesVisible);
    EXPECT_EQ(panel.Sizer->frame, (IRect{500, 500, 1000, 750}));
}

TEST_F(CancelOperation, EscapeTakesBackAPasteAndADuplicate) {
    ElementClipboard clipboard;
    panel.SelectElement(a, true);
    CopyCommand(panel, clipboard);
    PasteCommand(panel, clipboard);
    Move(500, 400);
    ASSERT_EQ(panel.ElementCount(), 3u);
    Escape();
    ExpectAsBefore(true, false);
    EXPECT_EQ(panel.EditMode(), emStandard);
    DuplicateCommand(panel, clipboard);
    Move(300, 200);
    Escape();
    ExpectAsBefore(true, false);
}

TEST_F(CancelOperation, EscapeWithoutAnOperationEndsADrawingModeButNotZoomOrRotate) {
    panel.SetEditMode(emKreis);
    Move(300, 300);
    Escape();
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_FALSE(panel.Crosshair);
    panel.SetEditMode(emZoom);
    Press(100, 100);
    Move(300, 200);
    Escape();  // the band goes, the zoom stays
    EXPECT_FALSE(panel.Selector);
    EXPECT_EQ(panel.EditMode(), emZoom);
    EXPECT_EQ(panel.Zoom(), 10);
    panel.SetEditMode(emStandard);
    EXPECT_FALSE(panel.KeyDown(PanelKey::Escape, false, false));
    ExpectAsBefore(false, false);
}

}  // namespace
