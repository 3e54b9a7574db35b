// A library symbol placed on a panel: it follows the pointer by its insertion point, which
// lands on the snap grid where the button is released.
#include "elements/gruppe.h"
#include "panel/library_page.h"
#include "tool_test_support.h"

namespace pw::test {
namespace {

class PlaceSymbol : public ToolTest {};

TEST_F(PlaceSymbol, TheInsertionPointLandsOnTheSnappedPointer) {
    // A symbol of two boxes whose insertion point lies off the grid.
    TBibo page;
    page.StartNew("", "Seite");
    TPlatine source;
    for (Real x : {1000.0L, 1300.0L}) {
        auto r = std::make_unique<TRechteck>();
        for (MPoint p : {MPoint{x, 2000}, MPoint{x + 200, 2000}, MPoint{x + 200, 2100}, MPoint{x, 2100}})
            r->AddPoint(p);
        r->SetStiftBreite(0);
        source.SelectElement(source.AddElement(std::move(r)), true);
    }
    MemoryStream selection;
    source.WritePanel(selection.bytes, true);
    page.Choose(page.AddSymbol(selection, "Zwei Kästen", {1013, 2027}));
    MemoryStream symbol;
    ASSERT_TRUE(page.CopyChosen(symbol));

    const size_t before = panel.ElementCount();
    panel.PlaceSymbol(symbol);
    EXPECT_EQ(panel.EditMode(), emPaste);
    Move(420, 300);
    Move(433, 561);
    Release(433, 561);
    ASSERT_EQ(panel.ElementCount(), before + 1);
    auto* placed = dynamic_cast<TGruppe*>(panel.Element(panel.ElementCount() - 1));
    ASSERT_NE(placed, nullptr);
    EXPECT_EQ(placed->Description.Text(), "Zwei Kästen");
    // The pointer at (433, 561) snaps to (450, 550), where the insertion point went: the
    // symbol moved by that much. (The group keeps its stored insertion point, as every element
    // does when it moves.)
    const MPoint shift = MPoint{450, 550} - MPoint{1013, 2027};
    auto* first = dynamic_cast<TRechteck*>(placed->Member(0));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Point(0), (MPoint{1000, 2000} + shift));
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_TRUE(XorBalanced(canvas));
}

}  // namespace
}  // namespace pw::test
