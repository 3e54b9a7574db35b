// The pen, brush and font windows' change and apply events.
#include "panel/attribute_commands.h"

#include "command_test_support.h"
#include "elements/textlabel.h"

namespace pw::test {
namespace {

class AttributeCommands : public CommandFixture {
  protected:
    TRechteck* box = nullptr;
    TRechteck* other = nullptr;
    TTextLabel* text = nullptr;
    const PenValues pen{75, 0x0000FF, ptStrich};
    const BrushValues brush{0x00FF00, bsCross};
    const FontValues font{FontSpec{"Liberation Serif", 400, fsBold}, 0xFF0000};

    void SetUp() override {
        box = AddBox(0, 0, 1000, 1000);
        other = AddBox(2000, 0, 3000, 1000);
        text = static_cast<TTextLabel*>(panel.AddElement(
            std::make_unique<TTextLabel>(FontSpec{"Arial", 200, 0}, "Abc", MPoint{100, 2000})));
        Select({box, text});
    }
};

TEST_F(AttributeCommands, ChangeEventsOnlySetTheCurrentAttributes) {
    TakePen(panel, pen);
    TakeBrush(panel, brush);
    TakeFont(panel, font);
    EXPECT_EQ(panel.CurrentPenWidth, 75);
    EXPECT_EQ(panel.CurrentPenColor, 0x0000FFu);
    EXPECT_EQ(panel.CurrentPattern, ptStrich);
    EXPECT_EQ(panel.CurrentBrushColor, 0x00FF00u);
    EXPECT_EQ(panel.CurrentBrushStyle, bsCross);
    EXPECT_TRUE(panel.CurrentFill);
    EXPECT_EQ(panel.CurrentFont, font.font);
    EXPECT_EQ(panel.CurrentFontColor, 0xFF0000u);
    EXPECT_EQ(box->StiftBreite(), 0);
    EXPECT_FALSE(panel.UndoAvailable());

    TakeBrush(panel, {0x123456, bsClear});  // "ohne Füllung"
    EXPECT_FALSE(panel.CurrentFill);
    TakeBrush(panel, {0x123456, bsSolid});
    EXPECT_TRUE(panel.CurrentFill);
}

TEST_F(AttributeCommands, PenAssignAllAndSingleAttributes) {
    AssignPen(panel, 1, pen);  // colour only
    EXPECT_EQ(box->StiftFarbe(), 0x0000FFu);
    EXPECT_EQ(box->StiftBreite(), 0);
    EXPECT_EQ(box->StiftPattern(), ptDurchgezogen);
    EXPECT_EQ(panel.CurrentPenWidth, 75);  // copied all the same
    EXPECT_TRUE(panel.UndoAvailable());

    AssignPen(panel, 2, pen);
    EXPECT_EQ(box->StiftBreite(), 75);
    EXPECT_EQ(box->StiftPattern(), ptDurchgezogen);
    AssignPen(panel, 3, pen);
    EXPECT_EQ(box->StiftPattern(), ptStrich);

    AssignPen(panel, 0, PenValues{10, 0x00AA00, ptPunkt});
    EXPECT_EQ(box->StiftFarbe(), 0x00AA00u);
    EXPECT_EQ(box->StiftBreite(), 10);
    EXPECT_EQ(box->StiftPattern(), ptPunkt);
    EXPECT_NE(other->StiftFarbe(), 0x00AA00u);
    EXPECT_EQ(other->StiftBreite(), 0);
}

TEST_F(AttributeCommands, BrushAssignSetsStyleTogetherWithTheFillFlag) {
    AssignBrush(panel, 1, brush);
    EXPECT_EQ(box->BrushFarbe(), 0x00FF00u);
    EXPECT_EQ(box->BrushStyle(), bsClear);
    EXPECT_FALSE(box->FuellenFlag());

    AssignBrush(panel, 2, brush);
    EXPECT_EQ(box->BrushStyle(), bsCross);
    EXPECT_TRUE(box->FuellenFlag());

    AssignBrush(panel, 0, BrushValues{0x0000AA, bsClear});
    EXPECT_EQ(box->BrushFarbe(), 0x0000AAu);
    EXPECT_EQ(box->BrushStyle(), bsClear);
    EXPECT_FALSE(box->FuellenFlag());
    EXPECT_FALSE(other->FuellenFlag());
}

TEST_F(AttributeCommands, UnknownCodesOnlyTakeTheSnapshot) {
    AssignPen(panel, 4, pen);
    AssignBrush(panel, 3, brush);
    AssignFont(panel, 5, font);
    EXPECT_EQ(box->StiftFarbe(), kSilver);
    EXPECT_EQ(box->BrushStyle(), bsClear);
    EXPECT_EQ(text->LabelFont(), (FontSpec{"Arial", 200, 0}));
    EXPECT_TRUE(panel.UndoAvailable());
    EXPECT_TRUE(AppliedAttributes(SideWindow::Pen, -1).empty());
}

TEST_F(AttributeCommands, FontAssignReachesSelectedTextsOnly) {
    const Color boxPen = box->StiftFarbe();
    AssignFont(panel, 2, font);  // height
    EXPECT_EQ(text->LabelFont(), (FontSpec{"Arial", 400, 0}));
    EXPECT_NEAR(Distance(text->Corners[0], text->Corners[3]), text->NaturalHeight(), 1e-9);
    AssignFont(panel, 3, font);  // colour
    EXPECT_EQ(text->StiftFarbe(), 0xFF0000u);
    EXPECT_EQ(text->BrushFarbe(), 0xFF0000u);
    EXPECT_EQ(box->StiftFarbe(), boxPen);
    AssignFont(panel, 4, font);  // style
    EXPECT_EQ(text->LabelFont().style, fsBold);
    EXPECT_EQ(text->LabelFont().name, "Arial");
    AssignFont(panel, 1, font);  // name
    EXPECT_EQ(text->LabelFont(), (FontSpec{"Liberation Serif", 400, fsBold}));

    AssignFont(panel, 0, FontValues{FontSpec{"Arial", 300, fsItalic}, 0x00FF00});
    EXPECT_EQ(text->LabelFont(), (FontSpec{"Arial", 300, fsItalic}));
    EXPECT_EQ(text->StiftFarbe(), 0x00FF00u);
    EXPECT_EQ(panel.CurrentFontColor, 0x00FF00u);
}

TEST_F(AttributeCommands, OneUndoTakesBackEveryAttributeOfAnAssign) {
    box->SetStiftBreite(5);
    box->SetStiftFarbe(0x111111);
    AssignPen(panel, 0, pen);
    AssignFont(panel, 0, font);  // the font's snapshot holds the box with the new pen
    ASSERT_EQ(panel.Element(0)->StiftFarbe(), 0x0000FFu);
    UndoCommand(panel);
    EXPECT_EQ(panel.Element(0)->StiftFarbe(), 0x0000FFu);
    EXPECT_EQ(panel.Element(0)->StiftBreite(), 75);
    EXPECT_EQ(static_cast<TTextLabel*>(panel.Element(2))->LabelFont(), (FontSpec{"Arial", 200, 0}));

    Select({panel.Element(0)});  // undo rebuilds the elements unselected
    AssignBrush(panel, 0, brush);
    AssignPen(panel, 0, PenValues{10, 0x00AA00, ptPunkt});
    ASSERT_EQ(panel.Element(0)->StiftPattern(), ptPunkt);
    UndoCommand(panel);
    TBauteil* restored = panel.Element(0);
    EXPECT_EQ(restored->StiftFarbe(), 0x0000FFu);
    EXPECT_EQ(restored->StiftBreite(), 75);
    EXPECT_EQ(restored->StiftPattern(), ptStrich);
    EXPECT_EQ(restored->BrushStyle(), bsCross);  // the earlier brush assign stays
    EXPECT_EQ(panel.ElementCount(), 3u);
}

}  // namespace
}  // namespace pw::test
