// Undo and redo over many steps: each state comes back byte for byte, a new command drops the
// redo side, the selection returns with its state, and a state that cannot be read back leaves
// the panel and its history as they were.
#include <new>

#include "command_test_support.h"
#include "core/registry.h"
#include "panel/attribute_commands.h"
#include "panel/document.h"
#include "panel/register_elements.h"

namespace pw::test {
namespace {

struct UndoRedo : CommandFixture {
    std::vector<uint8_t> Record() {
        std::vector<uint8_t> out;
        panel.WritePanel(out, false);
        return out;
    }
    TBauteil* At(size_t i) { return panel.Element(i); }
};

TEST_F(UndoRedo, TenCommandsAreUndoneOneByOneAndRedoneByteForByte) {
    AddBox(100, 100, 400, 300);
    AddBox(600, 200, 900, 700);
    AddLine({1000, 1000}, {1500, 1200});
    AddDrill({2000, 2000});
    // Each command acts on a fresh selection; the states between them are compared whole.
    const std::vector<std::pair<StepKind, std::function<void()>>> commands = {
        {StepKind::ToFront, [&] { Select({At(0)}), ToFrontCommand(panel); }},
        {StepKind::Mirror, [&] { Select({At(1)}), MirrorCommand(panel, MirrorButton::an_vertikal); }},
        {StepKind::Align,
         [&] {
             Select({At(0), At(2)}), AlignCommand(panel, AlignTag::ar_links);
         }},
        {StepKind::Rotate,
         [&] { Select({At(1)}), RotateStepCommand(panel, RotateTag::WinkelLinksBtn, "30"); }},
        {StepKind::Contour, [&] { Select({At(0)}), ContourCommand(panel, ContourTag::sb_Fase, "2"); }},
        {StepKind::Milling, [&] { Select({At(3)}), MillingCommand(panel, MillingTag::sb_Fraesen); }},
        {StepKind::Grid, [&] { ToggleGridCommand(panel); }},
        {StepKind::Pen,
         [&] {
             Select({At(2)}), AssignPen(panel, 0, PenValues{75, 0x0000FF, ptStrich});
         }},
        {StepKind::Group,
         [&] {
             Select({At(0), At(1)}), GroupCommand(panel);
         }},
        {StepKind::Delete, [&] { Select({At(0)}), DeleteCommand(panel); }},
    };
    std::vector<std::vector<uint8_t>> states{Record()};
    for (const auto& [kind, command] : commands) {
        panel.SelectAll(false);
        command();
        EXPECT_EQ(panel.History().UndoKind(), kind);
        states.push_back(Record());
        ASSERT_NE(states.back(), states[states.size() - 2]) << "the command changed nothing";
    }
    ASSERT_EQ(panel.History().UndoCount(), 10u);
    for (size_t i = commands.size(); i-- > 0;) {
        EXPECT_EQ(panel.History().UndoKind(), commands[i].first);
        ASSERT_TRUE(UndoCommand(panel));
        EXPECT_EQ(Record(), states[i]) << "undo back to state " << i;
        EXPECT_EQ(panel.History().RedoKind(), commands[i].first);
    }
    EXPECT_FALSE(UndoCommand(panel));
    EXPECT_EQ(undo.bytes, std::vector<uint8_t>{});
    for (size_t i = 1; i < states.size(); ++i) {
        ASSERT_TRUE(RedoCommand(panel));
        EXPECT_EQ(Record(), states[i]) << "redo to state " << i;
    }
    EXPECT_FALSE(RedoCommand(panel));
    // The stream the owner gave shows the snapshot the next undo restores.
    EXPECT_EQ(undo.bytes, states[9]);
}

TEST_F(UndoRedo, ANewCommandAfterTwoUndosDropsTheRedoSteps) {
    TRechteck* box = AddBox(100, 100, 200, 200);
    Select({box});
    for (int i = 0; i < 3; ++i) RotateStepCommand(panel, RotateTag::WinkelLinksBtn, "10");
    ASSERT_TRUE(UndoCommand(panel));
    ASSERT_TRUE(UndoCommand(panel));
    EXPECT_EQ(panel.History().RedoCount(), 2u);
    const std::vector<uint8_t> afterOne = Record();
    ToBackCommand(panel);
    EXPECT_FALSE(panel.RedoAvailable());
    EXPECT_FALSE(RedoCommand(panel));
    EXPECT_EQ(panel.History().UndoCount(), 2u);
    ASSERT_TRUE(UndoCommand(panel));
    EXPECT_EQ(Record(), afterOne);
}

TEST_F(UndoRedo, EachStateComesBackWithTheSelectionItHadAfterItsStep) {
    TRechteck* a = AddBox(100, 100, 200, 200);
    TRechteck* b = AddBox(300, 100, 400, 200);
    AddBox(500, 100, 600, 200);
    Select({a, b});
    ToFrontCommand(panel);  // a and b stay selected after the step
    panel.SettleSelection();
    panel.SelectAll(false);
    Select({panel.Element(0)});
    DeleteCommand(panel);  // nothing is selected after it
    EXPECT_EQ(panel.SelectedCount(), 0u);

    ASSERT_TRUE(UndoCommand(panel));  // back to the state after To front
    EXPECT_EQ(panel.ElementCount(), 3u);
    EXPECT_EQ(panel.CurrentSelection().selected, (std::vector<size_t>{1, 2}));
    ASSERT_TRUE(panel.Sizer.has_value());
    ASSERT_TRUE(UndoCommand(panel));  // the start: nothing was selected
    EXPECT_EQ(panel.SelectedCount(), 0u);
    EXPECT_EQ(panel.CurrentElement(), nullptr);
    ASSERT_TRUE(RedoCommand(panel));
    EXPECT_EQ(panel.CurrentSelection().selected, (std::vector<size_t>{1, 2}));
    ASSERT_TRUE(RedoCommand(panel));
    EXPECT_EQ(panel.SelectedCount(), 0u);
}

TEST_F(UndoRedo, ACancelledDrawingTakesItsStepBackAndKeepsTheRedoSide) {
    TRechteck* box = AddBox(100, 100, 200, 200);
    Select({box});
    MirrorCommand(panel, MirrorButton::an_Horizontal);
    ASSERT_TRUE(UndoCommand(panel));
    const std::vector<uint8_t> before = Record();
    panel.SetEditMode(emKreis);
    MouseEvent e;
    e.pos = {40, 40};
    panel.MouseDown(e);
    panel.MouseUp(e);
    ASSERT_EQ(panel.ElementCount(), 2u);
    EXPECT_FALSE(panel.RedoAvailable());
    e.button = MouseButton::Right;
    panel.MouseDown(e);
    panel.MouseUp(e);  // the right button cancels the circle
    EXPECT_EQ(Record(), before);
    EXPECT_FALSE(panel.UndoAvailable());
    EXPECT_TRUE(panel.RedoAvailable());
    EXPECT_EQ(panel.History().RedoKind(), StepKind::Mirror);
}

// An element whose reading runs out of memory while the switch is on.
struct GreedyElement : TBauteil {
    static inline bool failing = false;
    const char* ClassName() const override { return "TUndoTestGreedy"; }
    void Read(TReader& r) override {
        TBauteil::Read(r);
        if (failing) throw std::bad_alloc();
    }
};

TEST_F(UndoRedo, AStateThatCannotBeReadBackLeavesPanelAndHistoryAsTheyWere) {
    RegisterBuiltinElementClasses();
    RegisterElementClass("TUndoTestGreedy", [] { return std::unique_ptr<TBauteil>(new GreedyElement); });
    panel.AddElement(std::make_unique<GreedyElement>());
    TRechteck* box = AddBox(100, 100, 200, 200);
    Select({box});
    DeleteCommand(panel);
    const std::vector<uint8_t> after = Record();
    int reported = 0;
    panel.OnStepFailed = [&] { ++reported; };

    GreedyElement::failing = true;
    EXPECT_FALSE(UndoCommand(panel));
    GreedyElement::failing = false;
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(Record(), after);
    EXPECT_EQ(panel.ElementCount(), 1u);
    EXPECT_EQ(panel.History().UndoCount(), 1u);
    EXPECT_EQ(panel.History().RedoCount(), 0u);
    // Once memory is there again the same step restores.
    ASSERT_TRUE(UndoCommand(panel));
    EXPECT_EQ(panel.ElementCount(), 2u);
    EXPECT_EQ(reported, 1);
}

TEST(UndoBudget, TheOldestStepsOfTheDocumentGoFirstAndTheNewestOfEachPanelStays) {
    auto budget = std::make_shared<UndoBudget>(1000);
    UndoHistory first, second;
    first.JoinBudget(budget);
    second.JoinBudget(budget);
    auto push = [](UndoHistory& h, size_t bytes, StepKind kind) {
        h.Push(std::vector<uint8_t>(bytes, 7), {}, kind);
    };
    push(first, 300, StepKind::Cut);     // oldest
    push(second, 300, StepKind::Paste);  // the only step of the second panel
    push(first, 300, StepKind::Delete);
    EXPECT_EQ(budget->Used(), 900u);
    push(first, 300, StepKind::Group);  // 1200 bytes: the oldest step, the first panel's Cut, goes
    EXPECT_EQ(budget->Used(), 900u);
    EXPECT_EQ(first.UndoCount(), 2u);
    EXPECT_EQ(second.UndoCount(), 1u);
    push(first, 600, StepKind::Mirror);  // only the first panel's older steps may go
    EXPECT_EQ(first.UndoCount(), 1u);
    EXPECT_EQ(first.UndoKind(), StepKind::Mirror);
    EXPECT_EQ(second.UndoCount(), 1u);
    EXPECT_EQ(budget->Used(), 900u);

    UndoHistory counted;
    for (size_t i = 0; i < UndoHistory::kMaxSteps + 20; ++i)
        counted.Push({static_cast<uint8_t>(i)}, {}, StepKind::Move);
    EXPECT_EQ(counted.UndoCount(), UndoHistory::kMaxSteps);
    EXPECT_EQ(counted.NextUndo().record[0], UndoHistory::kMaxSteps + 19);
    EXPECT_EQ(counted.Bytes(), UndoHistory::kMaxSteps);
}

}  // namespace
}  // namespace pw::test

namespace pw::test {
namespace {

TEST(UndoOfADocument, EveryPanelOfTheExampleComesBackByteForByte) {
    RegisterBuiltinElementClasses();
    const std::vector<uint8_t> file = ReadWholeFile(std::string(PW_DATA_DIR) + "/Beispiele/Beispiel.fpl");
    TPlatine first;
    std::vector<std::unique_ptr<TPlatine>> more;
    std::vector<TView> views;
    ReadDocument(
        file, first, [&]() -> TPlatine& { return *more.emplace_back(new TPlatine); }, views);
    std::vector<TPlatine*> panels{&first};
    for (auto& p : more) panels.push_back(p.get());
    for (TPlatine* p : panels) {
        TBackupStream undo;
        p->UndoStream = &undo;
        std::vector<uint8_t> before, after;
        p->WritePanel(before, false);
        p->SelectAll(true);
        p->SaveUndo(StepKind::Delete);
        p->DeleteSelected();
        ASSERT_TRUE(p->Undo());
        p->WritePanel(after, false);
        EXPECT_EQ(after, before);
    }
}

}  // namespace
}  // namespace pw::test
