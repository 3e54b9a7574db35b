// The changed state of a document: unchanged after a save or an open, changed by an edit, and
// unchanged again when the edit is undone; panels and views count as much as elements.
#include "panel/document_state.h"

#include "command_test_support.h"

namespace pw::test {
namespace {

struct DocumentChanges : CommandFixture {
    TPlatine second;
    TBackupStream secondUndo;
    std::vector<TView> views{{10, 20, 3000, 2000, 0, "Front"}};
    DocumentState state;

    DocumentChanges() { second.UndoStream = &secondUndo; }
    std::vector<TPlatine*> Panels() { return {&panel, &second}; }
    bool Changed() { return state.Changed(Panels(), views); }
};

TEST_F(DocumentChanges, AnEditIsAChangeUntilItIsUndoneAndAgainWhenRedone) {
    TRechteck* box = AddBox(100, 100, 200, 200);
    state.MarkSaved(Panels(), views);
    EXPECT_FALSE(Changed());
    Select({box});
    EXPECT_FALSE(Changed());  // selecting is no change
    MirrorCommand(panel, MirrorButton::an_vertikal);
    RotateStepCommand(panel, RotateTag::WinkelLinksBtn, "45");
    EXPECT_TRUE(Changed());
    ASSERT_TRUE(UndoCommand(panel));
    EXPECT_TRUE(Changed());
    ASSERT_TRUE(UndoCommand(panel));
    EXPECT_FALSE(Changed());  // back at the saved state
    ASSERT_TRUE(RedoCommand(panel));
    EXPECT_TRUE(Changed());
    // Saved here: the undo back to the opened state is now the change.
    state.MarkSaved(Panels(), views);
    EXPECT_FALSE(Changed());
    ASSERT_TRUE(UndoCommand(panel));
    EXPECT_TRUE(Changed());
    // A change without an undo step counts too (the arrow keys take none).
    ASSERT_TRUE(RedoCommand(panel));
    EXPECT_FALSE(Changed());
    panel.SelectAll(true);
    panel.KeyDown(PanelKey::Right, false, false);
    EXPECT_TRUE(Changed());
}

TEST_F(DocumentChanges, PanelsAndViewsAddedRemovedOrRenamedAreChanges) {
    state.MarkSaved(Panels(), views);
    const ShortString40 name = second.Name;
    second.Name.SetText("Rückseite");
    second.NoteContentChange();
    EXPECT_TRUE(Changed());
    second.Name = name;
    second.NoteContentChange();
    EXPECT_FALSE(Changed());

    TPlatine third;
    EXPECT_TRUE(state.Changed({&panel, &second, &third}, views));  // a panel added
    EXPECT_TRUE(state.Changed({&panel}, views));                   // a panel deleted
    EXPECT_TRUE(state.Changed({&second, &panel}, views));          // the order of the tabs
    EXPECT_FALSE(Changed());

    views.push_back({0, 0, 100, 100, 1, "Back"});
    EXPECT_TRUE(Changed());
    views.pop_back();
    EXPECT_FALSE(Changed());
    views[0].name = "Vorne";
    EXPECT_TRUE(Changed());
    views[0].name = "Front";
    views[0].panel = 1;
    EXPECT_TRUE(Changed());
    views[0].panel = 0;
    EXPECT_FALSE(Changed());
}

}  // namespace
}  // namespace pw::test
