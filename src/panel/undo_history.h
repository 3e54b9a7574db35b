#pragma once
// The undo history of a panel: the states it can step back and forth to, each kept as the
// panel's record (the bytes a file holds) with the selection the panel had in that state and
// the kind of command that leaves it. The steps before the current state form the undo side,
// those after it the redo side; a new command drops the redo side.
//
// Every history of one document shares an UndoBudget: at most kMaxSteps undo steps per panel,
// and at most the budget's bytes of records for the whole document. When either is exceeded the
// oldest steps go first, across all panels of the document; the newest undo step of each panel
// always stays, so that the last command can be taken back whatever its size.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace pw {

// The command a step belongs to; the window names it in its undo and redo entries.
enum class StepKind : uint8_t {
    Unnamed,
    Cut,
    Paste,
    Duplicate,
    Delete,
    ToFront,
    ToBack,
    Group,
    Ungroup,
    Mirror,
    Align,
    Rotate,
    Contour,
    Milling,
    Grid,
    Pen,
    Brush,
    Font,
    Properties,
    PanelProperties,
    GridSettings,
    Origin,
    Move,
    Resize,
    Draw,
    Text,
    DrillHole,
    RegularPolygon,
    Scale,
    Symbol,
};

// The selection of a state: the indices of the selected elements in the element list, and the
// current element's index (-1 for none).
struct StepSelection {
    std::vector<size_t> selected;
    int current = -1;
    friend bool operator==(const StepSelection&, const StepSelection&) = default;
};

// One state of the panel.
struct UndoStep {
    std::vector<uint8_t> record;
    StepSelection selection;
    StepKind kind = StepKind::Unnamed;
    uint64_t serial = 0;  // order of creation within the document; older steps have smaller ones
};

class UndoHistory;

// The memory the histories of one document may use together.
class UndoBudget {
  public:
    // 256 MiB: about a hundred snapshots of a panel with ten thousand elements.
    static constexpr size_t kDefaultBytes = size_t{256} << 20;

    explicit UndoBudget(size_t bytes = kDefaultBytes) : limit_(bytes) {}
    UndoBudget(const UndoBudget&) = delete;
    UndoBudget& operator=(const UndoBudget&) = delete;

    size_t Limit() const { return limit_; }
    size_t Used() const { return used_; }

  private:
    friend class UndoHistory;
    uint64_t NextSerial() { return ++serial_; }
    // Drops the oldest droppable steps of the histories until the budget holds.
    void Enforce();

    size_t limit_;
    size_t used_ = 0;
    uint64_t serial_ = 0;
    std::vector<UndoHistory*> histories_;
};

class UndoHistory {
  public:
    static constexpr size_t kMaxSteps = 100;

    // A history with a budget of its own until it joins a document's.
    UndoHistory();
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    void JoinBudget(std::shared_ptr<UndoBudget> budget);
    const UndoBudget& Budget() const { return *budget_; }

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    size_t UndoCount() const { return undo_.size(); }
    size_t RedoCount() const { return redo_.size(); }
    StepKind UndoKind() const { return undo_.empty() ? StepKind::Unnamed : undo_.back().kind; }
    StepKind RedoKind() const { return redo_.empty() ? StepKind::Unnamed : redo_.back().kind; }
    // The step Undo and Redo would go to.
    const UndoStep& NextUndo() const { return undo_.back(); }
    const UndoStep& NextRedo() const { return redo_.back(); }
    // Bytes of records held.
    size_t Bytes() const { return bytes_; }

    // A command begins: the state before it becomes the newest undo step. The redo steps it
    // drops are given back, so that a cancelled command can put them back (RevokePush).
    std::vector<UndoStep> Push(std::vector<uint8_t> record, StepSelection selection, StepKind kind);
    // Takes back the newest undo step, puts back the redo steps its Push dropped, and gives the
    // step back.
    UndoStep RevokePush(std::vector<UndoStep> redo);
    // After the panel went back to NextUndo (or forward to NextRedo): that step leaves its side,
    // and `current`, the state the panel left, joins the other side under the step's kind.
    // Neither allocates, so a panel that restored a state can always record it.
    UndoStep CommitUndo(std::vector<uint8_t> current, StepSelection selection);
    UndoStep CommitRedo(std::vector<uint8_t> current, StepSelection selection);
    void Clear();

  private:
    friend class UndoBudget;
    void Add(std::vector<UndoStep>& side, UndoStep step);
    UndoStep Take(std::vector<UndoStep>& side);
    // The oldest undo step that may go (never the newest), or none.
    const UndoStep* Droppable() const;
    void DropOldest();

    std::shared_ptr<UndoBudget> budget_;
    std::vector<UndoStep> undo_;  // oldest first
    std::vector<UndoStep> redo_;  // the next to redo last
    size_t bytes_ = 0;
};

}  // namespace pw
