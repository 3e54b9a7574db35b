#include "panel/view_list.h"

#include <gtest/gtest.h>

namespace pw {
namespace {

TView View(int panel, const char* name) {
    TView v;
    v.left = panel;
    v.top = 2 * panel;
    v.width = 1000 + panel;
    v.height = 500;
    v.panel = panel;
    v.name = name;
    return v;
}

TEST(ViewList, NewViewsGoOnTopAndSwapWithTheirNeighbours) {
    ViewList list;
    list.AddOnTop(View(0, "a"));
    list.AddOnTop(View(1, "b"));
    list.AddOnTop(View(2, "c"));
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.At(0).name, "c");
    EXPECT_EQ(list.At(2).name, "a");

    const std::vector<TView> before = list.Items();
    EXPECT_EQ(list.MoveDown(0), 1u);
    EXPECT_EQ(list.At(1).name, "c");
    EXPECT_EQ(list.At(0).name, "b");
    EXPECT_EQ(list.MoveUp(1), 0u);
    EXPECT_EQ(list.Items(), before);

    // At the ends and beyond them nothing moves.
    EXPECT_FALSE(list.MoveUp(0));
    EXPECT_FALSE(list.MoveDown(2));
    EXPECT_FALSE(list.MoveDown(7));
    EXPECT_FALSE(list.MoveUp(7));
    EXPECT_EQ(list.Items(), before);

    list.Rename(1, "neu");
    EXPECT_EQ(list.At(1).name, "neu");
    EXPECT_TRUE(list.Remove(1));
    EXPECT_FALSE(list.Remove(2));
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(1).name, "a");
}

TEST(ViewList, ViewsFollowMovedAndDeletedPanels) {
    // Three panels, a view on the first and one on the third.
    ViewList list;
    list.Append(View(0, "first"));
    list.Append(View(2, "third"));
    list.PanelMoved(2, 0);
    EXPECT_EQ(list.At(0).panel, 1);
    EXPECT_EQ(list.At(1).panel, 0);
    list.PanelDeleted(1);
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0).name, "third");
    EXPECT_EQ(list.At(0).panel, 0);

    // Moving backwards shifts the panels between down by one.
    ViewList back;
    for (int i = 0; i < 4; ++i) back.Append(View(i, "v"));
    back.PanelMoved(0, 2);
    EXPECT_EQ(back.At(0).panel, 2);
    EXPECT_EQ(back.At(1).panel, 0);
    EXPECT_EQ(back.At(2).panel, 1);
    EXPECT_EQ(back.At(3).panel, 3);
}

TEST(ViewList, AViewOfAMissingPanelIsNeverApplied) {
    ViewList list;
    list.Append(View(0, "ok"));
    list.Append(View(3, "gone"));
    list.Append(View(-1, "broken"));
    EXPECT_TRUE(list.ViewToApply(0, 2).has_value());
    EXPECT_EQ(list.ViewToApply(0, 2)->name, "ok");
    EXPECT_FALSE(list.ViewToApply(1, 2));
    EXPECT_FALSE(list.ViewToApply(2, 2));
    EXPECT_FALSE(list.ViewToApply(9, 2));
    EXPECT_TRUE(list.Applicable(1, 4));
    // Deleting a panel before it keeps a file's stray index pointing past the end.
    list.PanelDeleted(0);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.At(0).panel, 2);
    EXPECT_FALSE(list.Applicable(0, 1));
}

}  // namespace
}  // namespace pw
