// Undo, cut, copy, paste, duplicate, select all and delete.
#include "command_test_support.h"

namespace pw::test {
namespace {

using ClipboardCommands = CommandFixture;

TEST_F(ClipboardCommands, UndoAfterCutRestoresTheElementsAndASecondUndoDoesNothing) {
    TRechteck* a = AddBox(100, 100, 200, 200);
    TRechteck* b = AddBox(300, 100, 400, 200);
    TRechteck* c = AddBox(500, 100, 600, 200);
    panel.GridVisible = true;
    Select({b, c});
    CutCommand(panel, clipboard);
    ASSERT_EQ(panel.ElementCount(), 1u);
    EXPECT_EQ(panel.Element(0), a);
    EXPECT_TRUE(clipboard.filled);
    EXPECT_TRUE(panel.UndoAvailable());

    panel.GridVisible = false;  // the snapshot holds the panel settings too
    UndoCommand(panel);
    ASSERT_EQ(panel.ElementCount(), 3u);
    EXPECT_EQ(Bounds(panel.Element(1)), (MRect{300, 100, 400, 200}));
    EXPECT_EQ(Bounds(panel.Element(2)), (MRect{500, 100, 600, 200}));
    EXPECT_EQ(panel.SelectedCount(), 0u);
    EXPECT_TRUE(panel.GridVisible);
    EXPECT_FALSE(panel.UndoAvailable());
    EXPECT_TRUE(undo.bytes.empty());

    panel.DeleteElement(panel.Element(0));
    UndoCommand(panel);
    EXPECT_EQ(panel.ElementCount(), 2u);
}

TEST_F(ClipboardCommands, CopyWritesOnlyTheSelectionAndTakesNoSnapshot) {
    std::vector<TBauteil*> all;
    for (int i = 0; i < 10; ++i) all.push_back(AddBox(100 * i, 0, 100 * i + 50, 50));
    Select({all[2], all[5], all[7]});
    int pictures = 0;
    panel.OnCopyAsPicture = [&](TPlatine& p) { pictures += static_cast<int>(p.SelectedCount()); };

    CopyCommand(panel, clipboard);
    EXPECT_TRUE(clipboard.filled);
    ASSERT_GT(clipboard.stream.bytes.size(), 43u);
    EXPECT_EQ(clipboard.stream.bytes[41], 2);  // small integer: the element count
    EXPECT_EQ(clipboard.stream.bytes[42], 3);
    EXPECT_EQ(pictures, 3);
    EXPECT_FALSE(panel.UndoAvailable());
    EXPECT_EQ(panel.ElementCount(), 10u);
}

TEST_F(ClipboardCommands, CopyWithoutSelectionKeepsTheClipboard) {
    TRechteck* a = AddBox(0, 0, 50, 50);
    Select({a});
    CopyCommand(panel, clipboard);
    const std::vector<uint8_t> before = clipboard.stream.bytes;
    panel.SelectAll(false);
    CopyCommand(panel, clipboard);
    CutCommand(panel, clipboard);
    DuplicateCommand(panel, clipboard);
    EXPECT_EQ(clipboard.stream.bytes, before);
    EXPECT_EQ(panel.ElementCount(), 1u);
    EXPECT_FALSE(panel.UndoAvailable());
}

TEST_F(ClipboardCommands, PasteWithAnEmptyClipboardChangesNothing) {
    TRechteck* a = AddBox(0, 0, 50, 50);
    Select({a});
    ToFrontCommand(panel);  // a snapshot to keep
    const std::vector<uint8_t> snapshot = undo.bytes;

    PasteCommand(panel, clipboard);
    EXPECT_EQ(panel.ElementCount(), 1u);
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_TRUE(a->GetSelected());
    EXPECT_FALSE(panel.State.dragging);
    EXPECT_EQ(undo.bytes, snapshot);

    clipboard.filled = true;  // flagged, but no record in it
    PasteCommand(panel, clipboard);
    EXPECT_EQ(panel.ElementCount(), 1u);
    EXPECT_EQ(panel.EditMode(), emStandard);
}

TEST_F(ClipboardCommands, PasteAddsSelectedCopiesOnTopAndKeepsThePanelSettings) {
    TRechteck* a = AddBox(100, 100, 300, 200);
    Select({a});
    CopyCommand(panel, clipboard);

    TBackupStream otherUndo;
    TPlatine other;
    other.UndoStream = &otherUndo;
    other.Width = 12000;
    other.Height = 8000;
    other.SetFrontplattenFarbe(0x123456);
    other.SnapSpacing = 250;
    TLinie* existing = static_cast<TLinie*>(other.AddElement(std::make_unique<TLinie>()));
    other.SelectElement(existing, true);

    PasteCommand(other, clipboard);
    ASSERT_EQ(other.ElementCount(), 2u);
    EXPECT_FALSE(existing->GetSelected());
    EXPECT_TRUE(other.Element(1)->GetSelected());
    EXPECT_EQ(Bounds(other.Element(1)), (MRect{100, 100, 300, 200}));
    EXPECT_EQ(other.Width, 12000);
    EXPECT_EQ(other.Height, 8000);
    EXPECT_EQ(other.StoredFrontplattenFarbe(), 0x123456u);
    EXPECT_EQ(other.SnapSpacing, 250);
    EXPECT_EQ(other.EditMode(), emPaste);
    EXPECT_TRUE(other.State.dragging);
    EXPECT_TRUE(otherUndo.bytes.size() > 0);

    // While the pasted elements follow the mouse, undo is refused.
    UndoCommand(other);
    EXPECT_EQ(other.ElementCount(), 2u);
    EXPECT_TRUE(other.UndoAvailable());
}

TEST_F(ClipboardCommands, DuplicateAttachesCopiesAndLeavesTheSourcesInPlace) {
    TRechteck* a = AddBox(100, 100, 200, 200);
    TLinie* b = AddLine({300, 300}, {400, 450});
    TBohrung* c = AddDrill({1000, 1000});
    TRechteck* untouched = AddBox(2000, 2000, 2100, 2100);
    Select({a, b, c});

    DuplicateCommand(panel, clipboard);
    ASSERT_EQ(panel.ElementCount(), 7u);
    EXPECT_TRUE(clipboard.filled);
    EXPECT_TRUE(panel.UndoAvailable());
    EXPECT_EQ(panel.EditMode(), emPaste);
    EXPECT_FALSE(a->GetSelected() || b->GetSelected() || c->GetSelected() || untouched->GetSelected());
    EXPECT_EQ(Bounds(a), (MRect{100, 100, 200, 200}));
    EXPECT_EQ(panel.SelectedCount(), 3u);
    EXPECT_STREQ(panel.Element(4)->ClassName(), "TRechteck");
    EXPECT_STREQ(panel.Element(5)->ClassName(), "TLinie");
    EXPECT_STREQ(panel.Element(6)->ClassName(), "TBohrung");
    EXPECT_EQ(Bounds(panel.Element(6)), Bounds(c));
    // The drag starts at the centre of the copies.
    const MRect all = panel.SelectionBounds(true);
    EXPECT_EQ(panel.State.dragAnchor, panel.ModelToPixel(Midpoint({all.x1, all.y1}, {all.x2, all.y2})));
}

TEST_F(ClipboardCommands, SelectAllAndDelete) {
    AddBox(0, 0, 50, 50);
    AddLine({0, 0}, {100, 100});
    SelectAllCommand(panel);
    EXPECT_EQ(panel.SelectedCount(), 2u);
    EXPECT_FALSE(panel.UndoAvailable());
    ASSERT_TRUE(panel.Sizer.has_value());

    DeleteCommand(panel);
    EXPECT_EQ(panel.ElementCount(), 0u);
    EXPECT_FALSE(panel.Sizer.has_value());
    UndoCommand(panel);
    EXPECT_EQ(panel.ElementCount(), 2u);
}

}  // namespace
}  // namespace pw::test
