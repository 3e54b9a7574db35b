// Escape during an operation: every tool's unfinished work is taken back, and the elements, the
// selection and the undo snapshot are as before the operation began. Zoom 10: one view pixel is
// 5 model units; element A covers the pixels (100, 100)-(200, 150).
#include <functional>

#include "panel/edit_commands.h"
#include "tool_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class CancelOperation : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        panel.SetZoom(10);
        AddRect(500, 500, 1000, 750);
        panel.SaveUndo();  // an earlier command's snapshot, which a cancel keeps
        snapshot = undo.bytes;
        AddRect(1500, 1500, 2000, 1750);
    }
    void Escape() { EXPECT_TRUE(panel.KeyDown(PanelKey::Escape, false, false)); }
    // Elements may have been read back from a snapshot: they are looked up afresh.
    void ExpectAsBefore(bool aSelected, bool bSelected) {
        ASSERT_EQ(panel.ElementCount(), 2u);
        auto* a = static_cast<TRechteck*>(panel.Element(0));
        EXPECT_EQ(a->Point(0), (MPoint{500, 500}));
        EXPECT_EQ(a->Point(2), (MPoint{1000, 750}));
        EXPECT_EQ(a->GetSelected(), aSelected);
        EXPECT_EQ(panel.Element(1)->GetSelected(), bSelected);
        EXPECT_EQ(undo.bytes, snapshot);
        EXPECT_TRUE(panel.UndoAvailable());
        EXPECT_FALSE(panel.OperationInProgress());
        EXPECT_FALSE(panel.Crosshair || panel.State.pointerHidden || panel.State.pointerConfined);
        EXPECT_TRUE(XorBalanced(canvas, 0));
    }
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
        EXPECT_EQ(panel.StatusText2, "Rechtsklick: Ende, Esc: Abbruch") << mode;
        Escape();
        EXPECT_EQ(panel.EditMode(), emStandard) << mode;
        EXPECT_NE(panel.StatusText2, "Rechtsklick: Ende, Esc: Abbruch") << mode;
        ExpectAsBefore(false, false);
    }
}

TEST_F(CancelOperation, EscapeReturnsMovedAndResizedElementsAndTheSelection) {
    panel.SelectElement(panel.Element(1), true);
    Press(150, 125);  // selects A alone and drags it
    Move(260, 190);
    ASSERT_NE(undo.bytes, snapshot);
    Escape();
    ExpectAsBefore(false, true);
    EXPECT_EQ(panel.CurrentElement(), panel.Element(1));
    Release(260, 190);  // the button let go afterwards changes nothing
    ExpectAsBefore(false, true);

    panel.SelectAll(false);
    panel.SelectElement(panel.Element(0), true);
    panel.UpdateSelectionFrame();
    Press(95, 95);  // handle 1
    Move(40, 40);
    ASSERT_TRUE(panel.FrameDragging());
    Escape();
    ExpectAsBefore(true, false);
    ASSERT_TRUE(panel.Sizer);
    EXPECT_EQ(panel.Sizer->frame, (IRect{500, 500, 1000, 750}));
}

TEST_F(CancelOperation, EscapeTakesBackAPasteAndEndsAToolAtRestButNotTheZoom) {
    ElementClipboard clipboard;
    panel.SelectElement(panel.Element(0), true);
    CopyCommand(panel, clipboard);
    for (auto command : {&PasteCommand, &DuplicateCommand}) {
        command(panel, clipboard);
        Move(500, 400);
        ASSERT_EQ(panel.ElementCount(), 3u);
        Escape();
        ExpectAsBefore(true, false);
    }
    panel.SetEditMode(emKreis);
    Escape();
    EXPECT_EQ(panel.EditMode(), emStandard);
    panel.SetEditMode(emZoom);
    Press(100, 100), Move(300, 200);
    Escape();  // the band goes, the zoom stays
    EXPECT_EQ(panel.EditMode(), emZoom);
    EXPECT_EQ(panel.Zoom(), 10);
    // With nothing to end the key is not used.
    EXPECT_FALSE(panel.KeyDown(PanelKey::Escape, false, false));
    EXPECT_EQ(panel.EditMode(), emZoom);
    panel.SetEditMode(emStandard);
    EXPECT_FALSE(panel.KeyDown(PanelKey::Escape, false, false));
    ExpectAsBefore(false, false);
}

}  // namespace
