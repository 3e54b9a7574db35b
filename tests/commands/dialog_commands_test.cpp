// Element properties, the regular polygon and the grid dialog.
#include "panel/dialog_commands.h"

#include <cmath>

#include "command_test_support.h"
#include "core/language.h"
#include "elements/textlabel.h"
#include "support/hook_guards.h"

namespace pw::test {
namespace {

// Installs the element dialogs for one test and removes them afterwards.
struct ElementDialogs : CommandFixture {
    ~ElementDialogs() override {
        TBohrung::SetDialog(nullptr);
        TTextLabel::SetDialog(nullptr);
        TBogen::SetDialog(nullptr);
    }
};

TEST_F(ElementDialogs, WithoutSelectionThePanelPropertiesOpen) {
    AddDrill({500, 500});
    EXPECT_EQ(ElementPropertiesCommand(panel), PropertiesOutcome::PanelProperties);
    EXPECT_FALSE(panel.UndoAvailable());
}

TEST_F(ElementDialogs, DrillHoleDiameterBecomesTheLastDrillDiameter) {
    TBohrung* drill = AddDrill({1000, 1000});
    Select({drill});
    std::string shown;
    DialogGuard<TBohrung> dialog([&](const std::string& text) -> std::optional<std::string> {
        shown = text;
        return std::string("12");
    });
    EXPECT_EQ(ElementPropertiesCommand(panel), PropertiesOutcome::Confirmed);
    EXPECT_EQ(shown, "10");
    EXPECT_EQ(drill->Diameter, 600);
    EXPECT_EQ(panel.LastDrillDiameter, 600);
    EXPECT_EQ(Bounds(drill), (MRect{700, 700, 1300, 1300}));
    ASSERT_TRUE(panel.Sizer.has_value());
    EXPECT_EQ(panel.Sizer->startRect, panel.SelectionShapeBounds(true));

    UndoCommand(panel);
    auto* restored = dynamic_cast<TBohrung*>(panel.Element(0));
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->Diameter, 500);
}

TEST_F(ElementDialogs, CancelKeepsTheElementButTakesTheSnapshot) {
    TBohrung* drill = AddDrill({1000, 1000});
    Select({drill});
    panel.LastDrillDiameter = 150;
    DialogGuard<TBohrung> dialog(
        [](const std::string&) -> std::optional<std::string> { return std::nullopt; });
    EXPECT_EQ(ElementPropertiesCommand(panel), PropertiesOutcome::Cancelled);
    EXPECT_EQ(drill->Diameter, 500);
    EXPECT_EQ(panel.LastDrillDiameter, 150);
    EXPECT_TRUE(panel.UndoAvailable());
}

TEST_F(ElementDialogs, TextTakesTheEditedTextAndItsFontBecomesCurrent) {
    auto* text = static_cast<TTextLabel*>(panel.AddElement(
        std::make_unique<TTextLabel>(FontSpec{"Liberation Serif", 300, fsItalic}, "Ab", MPoint{100, 100})));
    Select({text});
    const Real before = Distance(text->Corners[3], text->Corners[2]);
    DialogGuard<TTextLabel> dialog(
        [](const std::string& t) -> std::optional<std::string> { return t + "cdAbcd"; });
    EXPECT_EQ(ElementPropertiesCommand(panel), PropertiesOutcome::Confirmed);
    EXPECT_EQ(text->LabelText(), "AbcdAbcd");
    EXPECT_GT(Distance(text->Corners[3], text->Corners[2]), 2 * before);
    EXPECT_EQ(panel.CurrentFont, (FontSpec{"Liberation Serif", 300, fsItalic}));
    EXPECT_EQ(panel.Sizer->startRect, panel.SelectionShapeBounds(true));
}

TEST_F(ElementDialogs, ArcStyleAndTheCurrentElementRule) {
    TBogen* arc = AddArc({1000, 1000}, 300);
    TRechteck* box = AddBox(0, 0, 100, 100);
    DialogGuard<TBogen> dialog([](int) -> std::optional<int> { return TBogen::kPie; });
    Select({arc});
    EXPECT_EQ(ElementPropertiesCommand(panel), PropertiesOutcome::Confirmed);
    EXPECT_EQ(arc->Stil(), TBogen::kPie);

    // A rectangle has no dialog of its own.
    panel.SelectAll(false);
    Select({box});
    EXPECT_EQ(ElementPropertiesCommand(panel), PropertiesOutcome::Cancelled);

    // The current element is not the selected one: no dialog runs.
    panel.SetCurrentElement(arc);
    undo.bytes.clear();
    EXPECT_EQ(ElementPropertiesCommand(panel), PropertiesOutcome::Nothing);
    EXPECT_TRUE(undo.bytes.empty());
}

using RegularPolygonCommands = CommandFixture;

TEST_F(RegularPolygonCommands, InnerRadiusCornersAndTheSnappedCentre) {
    TRechteck* box = AddBox(0, 0, 100, 100);
    Select({box});
    panel.CurrentPenColor = 0x0000FF;
    panel.CurrentBrushColor = 0x00FF00;
    panel.CurrentPenWidth = 30;
    panel.CurrentFill = true;
    panel.CurrentBrushStyle = bsSolid;
    panel.SetUmrissModus(true);

    RegularPolygonInput in;
    in.corners = 6;
    in.radiusText = "10";
    in.innerRadius = true;
    in.startAngleText = "0";
    // Circumradius 11.547 mm; the centre 1.2 radii from the edges, 13.856 mm, snaps to 14 mm.
    TPolygon* p = RegularPolygonCommand(panel, in);
    ASSERT_EQ(panel.ElementCount(), 2u);
    EXPECT_EQ(panel.Element(1), p);
    EXPECT_TRUE(p->GetSelected());
    EXPECT_FALSE(box->GetSelected());
    EXPECT_EQ(panel.CurrentElement(), p);
    EXPECT_TRUE(p->Closed());
    ASSERT_EQ(p->PointCount(), 6u);
    const Real r = 500 / std::cos(kPi / 6);
    EXPECT_NEAR(r / 50, 11.547, 1e-3);
    EXPECT_NEAR(p->Point(0).x, 700 + r, 1e-9);
    EXPECT_NEAR(p->Point(0).y, 700, 1e-9);
    EXPECT_NEAR(p->Point(1).x, 700 + r / 2, 1e-9);
    EXPECT_NEAR(p->Point(1).y, 700 - r * std::sin(kPi / 3), 1e-9);  // counter-clockwise on screen
    EXPECT_EQ(p->StiftFarbe(), 0x0000FFu);
    EXPECT_EQ(p->BrushFarbe(), 0x00FF00u);
    EXPECT_EQ(p->StiftBreite(), 30);
    EXPECT_TRUE(p->FuellenFlag());
    EXPECT_TRUE(p->UmrissFlag());
    EXPECT_TRUE(panel.Sizer.has_value());

    UndoCommand(panel);
    EXPECT_EQ(panel.ElementCount(), 1u);
}

class GridDialog : public CommandFixture {
  protected:
    std::vector<GridDialogValues> shown;
    std::vector<GridDialogValues> answers;  // nothing left: cancelled

    GridDialogFunction Dialog() {
        return [this](const GridDialogValues& v) -> std::optional<GridDialogValues> {
            shown.push_back(v);
            if (shown.size() > answers.size()) return std::nullopt;
            return answers[shown.size() - 1];
        };
    }
};

TEST_F(GridDialog, ShowsThePanelGridInMillimetres) {
    panel.GridOrigin = {617, 0};
    panel.SnapSpacing = 25;
    panel.GridVisible = true;
    const GridDialogValues v = GridDialogValuesOf(panel);
    EXPECT_EQ(v.originX, "12,34");
    EXPECT_EQ(v.originY, "0");
    EXPECT_EQ(v.spacing, "0,5");
    EXPECT_TRUE(v.visible);
}

TEST_F(GridDialog, RejectedEntriesAreShownAgainUntilAccepted) {
    answers = {{"10", "10", "0,01", true}, {"600,5", "10", "0,02", true}, {"12,345", "600", "0,02", true}};
    EXPECT_TRUE(GridCommand(panel, Dialog()));
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].spacing, "1");
    EXPECT_EQ(shown[1].spacing, "0,01");  // the rejected entry again
    EXPECT_EQ(shown[2].originX, "600,5");
    EXPECT_EQ(panel.SnapSpacing, 1);
    EXPECT_EQ(panel.GridOrigin, (MPoint{617, 30000}));
    EXPECT_TRUE(panel.GridVisible);
    EXPECT_TRUE(panel.UndoAvailable());
}

TEST_F(GridDialog, EachRejectionNamesTheFieldOutOfRange) {
    answers = {{"-1", "0", "1", true},     {"0", "600,02", "1", true}, {"0", "0", "0,019", true},
               {"0", "0", "20,001", true}, {"600", "0", "", true},     {"600", "0", "0,02", true}};
    std::vector<GridField> rejected;
    EXPECT_TRUE(GridCommand(panel, Dialog(), [&](GridField f) { rejected.push_back(f); }));
    EXPECT_EQ(rejected,
              (std::vector<GridField>{GridField::UrsprungXEdit, GridField::UrsprungYEdit, GridField::FangEdit,
                                      GridField::FangEdit, GridField::FangEdit}));
    EXPECT_EQ(shown.size(), 6u);
    EXPECT_EQ(panel.GridOrigin, (MPoint{30000, 0}));
}

TEST_F(GridDialog, CancelLeavesTheGrid) {
    answers = {{"-1", "0", "1", true}};
    EXPECT_FALSE(GridCommand(panel, Dialog()));
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(panel.SnapSpacing, 50);
    EXPECT_EQ(panel.GridOrigin, (MPoint{0, 0}));
    EXPECT_FALSE(panel.GridVisible);
}

TEST_F(GridDialog, SpacingBoundsAndTheUnroundedSpacing) {
    EXPECT_TRUE(ApplyGridDialogValues(panel, {"0", "0", "20", false}));
    EXPECT_EQ(panel.SnapSpacing, 1000);
    EXPECT_FALSE(ApplyGridDialogValues(panel, {"0", "0", "20,01", false}));
    EXPECT_TRUE(ApplyGridDialogValues(panel, {"0", "0", "0.123", false}));
    EXPECT_NEAR(panel.SnapSpacing, 6.15, 1e-12);
    EXPECT_FALSE(ApplyGridDialogValues(panel, {"0", "", "", false}));
}

}  // namespace
}  // namespace pw::test
