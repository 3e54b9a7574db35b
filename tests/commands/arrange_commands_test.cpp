// Drawing order, grouping, mirroring, alignment and rotation by the angle step.
#include <cmath>

#include "command_test_support.h"

namespace pw::test {
namespace {

using ArrangeCommands = CommandFixture;

TEST_F(ArrangeCommands, ToFrontAndToBackKeepTheRelativeOrderOfTheSelection) {
    TRechteck* a = AddBox(0, 0, 10, 10);
    TRechteck* b = AddBox(0, 0, 20, 20);
    TRechteck* c = AddBox(0, 0, 30, 30);
    TRechteck* d = AddBox(0, 0, 40, 40);
    TRechteck* e = AddBox(0, 0, 50, 50);
    Select({d, b});
    ToFrontCommand(panel);
    EXPECT_EQ(Order(), (std::vector<TBauteil*>{a, c, e, b, d}));
    EXPECT_TRUE(panel.UndoAvailable());

    ToBackCommand(panel);
    EXPECT_EQ(Order(), (std::vector<TBauteil*>{b, d, a, c, e}));
    UndoCommand(panel);  // back to the order before "to back"
    ASSERT_EQ(panel.ElementCount(), 5u);
    EXPECT_EQ(Bounds(panel.Element(3)), (MRect{0, 0, 20, 20}));
    EXPECT_EQ(Bounds(panel.Element(4)), (MRect{0, 0, 40, 40}));
}

TEST_F(ArrangeCommands, GroupAndUngroup) {
    TRechteck* a = AddBox(0, 0, 10, 10);
    TRechteck* b = AddBox(100, 100, 110, 110);
    TRechteck* c = AddBox(200, 200, 210, 210);
    Select({c});
    GroupCommand(panel);  // one element makes no group
    EXPECT_EQ(Order(), (std::vector<TBauteil*>{a, b, c}));
    EXPECT_FALSE(panel.UndoAvailable());

    Select({c, a});
    GroupCommand(panel);
    ASSERT_EQ(panel.ElementCount(), 2u);
    auto* g = dynamic_cast<TGruppe*>(panel.Element(1));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->Member(0), a);  // list order, not selection order
    EXPECT_EQ(g->Member(1), c);
    EXPECT_TRUE(g->GetSelected());
    EXPECT_EQ(panel.CurrentElement(), g);

    UngroupCommand(panel);
    EXPECT_EQ(Order(), (std::vector<TBauteil*>{b, a, c}));
    EXPECT_FALSE(a->GroupMember);
    UndoCommand(panel);  // the group again
    ASSERT_EQ(panel.ElementCount(), 2u);
    EXPECT_STREQ(panel.Element(1)->ClassName(), "TGruppe");
}

TEST_F(ArrangeCommands, UngroupDissolvesOnlyTheFirstSelectedGroup) {
    TRechteck* a = AddBox(0, 0, 10, 10);
    TRechteck* b = AddBox(20, 0, 30, 10);
    TRechteck* c = AddBox(40, 0, 50, 10);
    TRechteck* d = AddBox(60, 0, 70, 10);
    Select({a, b});
    GroupCommand(panel);
    panel.SelectAll(false);
    Select({c, d});
    GroupCommand(panel);
    panel.SelectAll(true);
    UngroupCommand(panel);
    ASSERT_EQ(panel.ElementCount(), 3u);
    EXPECT_EQ(panel.Element(0), a);
    EXPECT_EQ(panel.Element(1), b);
    EXPECT_STREQ(panel.Element(2)->ClassName(), "TGruppe");
}

TEST_F(ArrangeCommands, MirrorAboutTheCentreOfTheSelectionFrame) {
    TLinie* l = AddLine({100, 100}, {300, 200});
    TRechteck* r = AddBox(500, 400, 600, 500);
    TRechteck* outside = AddBox(1000, 1000, 1100, 1100);
    Select({l, r});  // frame (100, 100) - (600, 500), centre (350, 300)

    MirrorCommand(panel, MirrorButton::an_Horizontal);  // top and bottom exchange
    EXPECT_EQ(l->Point(0), (MPoint{100, 500}));
    EXPECT_EQ(l->Point(1), (MPoint{300, 400}));
    EXPECT_EQ(Bounds(r), (MRect{500, 100, 600, 200}));
    EXPECT_EQ(Bounds(outside), (MRect{1000, 1000, 1100, 1100}));

    MirrorCommand(panel, MirrorButton::an_vertikal);  // left and right exchange
    EXPECT_EQ(l->Point(0), (MPoint{600, 500}));
    EXPECT_EQ(Bounds(r), (MRect{100, 100, 200, 200}));

    // Without handles nothing turns over, but the snapshot is taken.
    panel.Sizer.reset();
    undo.bytes.clear();
    MirrorCommand(panel, MirrorButton::an_vertikal);
    EXPECT_EQ(l->Point(0), (MPoint{600, 500}));
    EXPECT_FALSE(undo.bytes.empty());
}

// The expected bounds of `other` after aligning it to the reference (100..300, 1000..1400).
struct AlignCase {
    const char* button;
    AlignTag tag;
    MRect expected;
};

void PrintTo(const AlignCase& c, std::ostream* os) {
    *os << c.button;
}

class AlignCommands : public CommandFixture, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(AlignCommands, MoveTheOtherSelectedElementsToTheCurrentOne) {
    TRechteck* other = AddBox(2000, 3000, 2100, 3300);
    TRechteck* reference = AddBox(100, 1000, 300, 1400);
    TRechteck* unselected = AddBox(4000, 4000, 4100, 4100);
    Select({other, reference});
    ASSERT_EQ(panel.CurrentElement(), reference);

    AlignCommand(panel, GetParam().tag);
    EXPECT_EQ(Bounds(other), GetParam().expected);
    EXPECT_EQ(Bounds(reference), (MRect{100, 1000, 300, 1400}));
    EXPECT_EQ(Bounds(unselected), (MRect{4000, 4000, 4100, 4100}));
    ASSERT_TRUE(panel.Sizer.has_value());
    EXPECT_EQ(panel.Sizer->startRect, panel.SelectionShapeBounds(true));
    UndoCommand(panel);
    EXPECT_EQ(Bounds(panel.Element(0)), (MRect{2000, 3000, 2100, 3300}));
}

INSTANTIATE_TEST_SUITE_P(
    SixButtons, AlignCommands,
    ::testing::Values(AlignCase{"ar_links", AlignTag::ar_links, {100, 3000, 200, 3300}},
                      AlignCase{"ar_hMitte", AlignTag::ar_hMitte, {150, 3000, 250, 3300}},
                      AlignCase{"ar_rechts", AlignTag::ar_rechts, {200, 3000, 300, 3300}},
                      AlignCase{"ar_oben", AlignTag::ar_oben, {2000, 1000, 2100, 1300}},
                      AlignCase{"ar_vMitte", AlignTag::ar_vMitte, {2000, 1050, 2100, 1350}},
                      AlignCase{"ar_unten", AlignTag::ar_unten, {2000, 1100, 2100, 1400}}),
    [](const ::testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.button); });

TEST_F(ArrangeCommands, AlignLeftUsesBoundsWithThePenAndSkipsReservedElements) {
    // Left edge of the current element at 10 mm, its pen 1 mm wide.
    struct Reserved : TRechteck {
        bool ReservedQueryA() const override { return true; }
    };
    TRechteck* wide = AddBox(1000, 0, 1500, 100);
    wide->SetStiftBreite(40);  // bounds start at 980
    auto reservedOwned = std::make_unique<Reserved>();
    for (MPoint p : {MPoint{3000, 0}, MPoint{3100, 0}, MPoint{3100, 100}}) reservedOwned->AddPoint(p);
    reservedOwned->SetStiftBreite(0);
    TBauteil* reserved = panel.AddElement(std::move(reservedOwned));
    TRechteck* reference = AddBox(525, 500, 1000, 900);
    reference->SetStiftBreite(50);  // bounds start at 500: 10 mm
    Select({wide, reserved, reference});

    AlignCommand(panel, AlignTag::ar_links);
    EXPECT_EQ(Bounds(wide).x1, 500);
    EXPECT_EQ(Bounds(reserved).x1, 3000);
    EXPECT_EQ(Bounds(reference).x1, 500);
}

TEST_F(ArrangeCommands, AlignWithoutCurrentElementOnlyTakesTheSnapshot) {
    TRechteck* a = AddBox(0, 0, 100, 100);
    TRechteck* b = AddBox(500, 500, 600, 600);
    Select({a, b});
    panel.SetCurrentElement(nullptr);
    AlignCommand(panel, AlignTag::ar_links);
    EXPECT_EQ(Bounds(b), (MRect{500, 500, 600, 600}));
    EXPECT_TRUE(panel.UndoAvailable());
}

class RotateCommands : public CommandFixture {
  protected:
    TLinie* line = nullptr;
    void SetUp() override {
        line = AddLine({1000, 1000}, {2000, 1000});  // frame centre (1500, 1000)
        Select({line});
    }
};

TEST_F(RotateCommands, TheTypedSignIsIgnoredAndTheButtonGivesTheDirection) {
    EXPECT_EQ(RotationStepDegrees(RotateTag::WinkelLinksBtn, "-30"), 30);
    EXPECT_EQ(RotationStepDegrees(RotateTag::WinkelRechtsBtn, "-30"), -30);
    EXPECT_EQ(RotationStepDegrees(RotateTag::WinkelRechtsBtn, "22,5"), -22.5);
    EXPECT_EQ(RotationStepDegrees(RotateTag::WinkelLinksBtn, "abc"), 0);
    EXPECT_EQ(RotationStepDegrees(RotateTag::WinkelLinksBtn, "390"), 30);

    // Anticlockwise on screen: the right end rises (y grows downward).
    RotateStepCommand(panel, RotateTag::WinkelLinksBtn, "-30");
    const Real c = 500 * std::cos(kPi / 6), s = 500 * std::sin(kPi / 6);
    EXPECT_NEAR(line->Point(1).x, 1500 + c, 1e-9);
    EXPECT_NEAR(line->Point(1).y, 1000 - s, 1e-9);
    EXPECT_NEAR(line->Point(0).x, 1500 - c, 1e-9);
    EXPECT_NEAR(line->Point(0).y, 1000 + s, 1e-9);
    ASSERT_TRUE(panel.Sizer.has_value());
    EXPECT_EQ(panel.Sizer->startRect, panel.SelectionShapeBounds(true));
}

TEST_F(RotateCommands, ClockwiseTurnsTheOtherWayAboutTheFrameCentre) {
    RotateStepCommand(panel, RotateTag::WinkelRechtsBtn, "-30");
    const Real c = 500 * std::cos(kPi / 6), s = 500 * std::sin(kPi / 6);
    EXPECT_NEAR(line->Point(1).x, 1500 + c, 1e-9);
    EXPECT_NEAR(line->Point(1).y, 1000 + s, 1e-9);
    RotateStepCommand(panel, RotateTag::WinkelLinksBtn, "30");
    EXPECT_NEAR(line->Point(1).x, 2000, 1e-9);
    EXPECT_NEAR(line->Point(1).y, 1000, 1e-9);
}

TEST_F(RotateCommands, EmptyStepLeavesTheElementsExactlyAsTheyWere) {
    RotateStepCommand(panel, RotateTag::WinkelLinksBtn, "");
    EXPECT_EQ(line->Point(0), (MPoint{1000, 1000}));
    EXPECT_EQ(line->Point(1), (MPoint{2000, 1000}));
    EXPECT_TRUE(panel.UndoAvailable());
}

TEST_F(RotateCommands, AHugeStepKeepsTheCoordinatesFinite) {
    RotateStepCommand(panel, RotateTag::WinkelLinksBtn, "1e4000");
    EXPECT_TRUE(std::isfinite(line->Point(1).x) && std::isfinite(line->Point(1).y));
    EXPECT_NEAR(Distance(line->Point(0), line->Point(1)), 1000, 1e-6);
}

TEST_F(RotateCommands, NothingTurnsWithoutHandles) {
    panel.Sizer.reset();
    RotateStepCommand(panel, RotateTag::WinkelLinksBtn, "45");
    EXPECT_EQ(line->Point(1), (MPoint{2000, 1000}));
    EXPECT_TRUE(panel.UndoAvailable());
}

}  // namespace
}  // namespace pw::test
