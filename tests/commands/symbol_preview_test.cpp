// The symbol properties dialog's model: the insertion point chosen by the nine positions with
// and without the pen, brought onto the grid and handed back in the symbol's own coordinates.
#include "panel/symbol_preview.h"

#include <gtest/gtest.h>

#include <cmath>

#include "command_test_support.h"
#include "panel/register_elements.h"

namespace pw {
namespace {

struct SymbolPreviewTest : test::CommandFixture {
    TPlatine preview;
    SymbolPreview model{preview};
    MemoryStream symbol;

    SymbolPreviewTest() {
        RegisterBuiltinElementClasses();
        preview.ViewWidth = 265;
        preview.ViewHeight = 185;
        preview.Width = preview.Height = 30000;
        // A box with a 1 mm pen and a drill hole, off the 10 mm grid.
        TRechteck* box = AddBox(1030, 2070, 2210, 2980);
        box->SetStiftBreite(50);
        TBohrung* hole = AddDrill({1600, 2500}, 300);
        Select({box, hole});
        panel.WritePanel(symbol.bytes, true);
    }
    void Show(MPoint insert) { model.Show(symbol, insert, true, 500); }
    bool OnGrid(MPoint p) const {
        return std::fmod(static_cast<double>(p.x), 500.0) == 0 &&
               std::fmod(static_cast<double>(p.y), 500.0) == 0;
    }
};

TEST_F(SymbolPreviewTest, ShowingAndConfirmingKeepsTheInsertionPoint) {
    Show({1234, 2567});
    // Several elements are shown as one group; the marker lies on the grid.
    ASSERT_EQ(preview.ElementCount(), 1u);
    EXPECT_EQ(std::string(preview.Element(0)->ClassName()), "TGruppe");
    EXPECT_TRUE(OnGrid(preview.MarkerPoint));
    EXPECT_EQ(model.Result(), (MPoint{1234, 2567}));
    EXPECT_TRUE(model.EdgeMode());
    EXPECT_EQ(model.Position(), 7);
}

TEST_F(SymbolPreviewTest, NinePositionsOnTheBoundsWithThePen) {
    Show({0, 0});
    // Bounds with the 1 mm pen: half of it beyond the corners.
    const MRect edge{1005, 2045, 2235, 3005};
    const Real mx = (edge.x1 + edge.x2) / 2, my = (edge.y1 + edge.y2) / 2;
    const MPoint expected[9] = {{edge.x1, edge.y1}, {mx, edge.y1}, {edge.x2, edge.y1},
                                {edge.x1, my},      {mx, my},      {edge.x2, my},
                                {edge.x1, edge.y2}, {mx, edge.y2}, {edge.x2, edge.y2}};
    for (int tag = 1; tag <= 9; ++tag) {
        model.Press(tag);
        EXPECT_EQ(model.Result(), expected[tag - 1]) << "position " << tag;
        // The reference point was brought onto the grid, the symbol with it.
        EXPECT_TRUE(OnGrid(preview.MarkerPoint)) << "position " << tag;
        EXPECT_EQ(preview.Element(0)->InsertPoint, preview.MarkerPoint);
        EXPECT_EQ(ReferencePoint(preview.SelectionBounds(false), tag), preview.MarkerPoint)
            << "position " << tag;
    }
}

TEST_F(SymbolPreviewTest, OutlineAndEdgeDifferByHalfTheOneMillimetrePen) {
    Show({0, 0});
    model.Press(7);
    const MPoint withPen = model.Result();
    model.Press(SymbolPreview::kOutline);
    EXPECT_FALSE(model.EdgeMode());
    const MPoint withoutPen = model.Result();
    EXPECT_EQ(withoutPen, (MPoint{1030, 2980}));
    EXPECT_EQ(withoutPen.x - withPen.x, 25);
    EXPECT_EQ(withPen.y - withoutPen.y, 25);
    model.Press(SymbolPreview::kEdge);
    EXPECT_EQ(model.Result(), withPen);
    // A click in the preview moves the marker: the insertion point follows it.
    preview.MarkerPoint = preview.MarkerPoint + MPoint{500, -500};
    model.MarkerMoved();
    EXPECT_EQ(model.Result(), (withPen + MPoint{500, -500}));
}

}  // namespace
}  // namespace pw
