#include "panel/undo_history.h"

#include <algorithm>
#include <utility>

namespace pw {

// --- UndoBudget ---

void UndoBudget::Enforce() {
    while (used_ > limit_) {
        UndoHistory* oldest = nullptr;
        for (UndoHistory* h : histories_) {
            const UndoStep* s = h->Droppable();
            if (s && (!oldest || s->serial < oldest->Droppable()->serial)) oldest = h;
        }
        if (!oldest) return;
        oldest->DropOldest();
    }
}

// --- UndoHistory ---

UndoHistory::UndoHistory() {
    // Both sides hold at most kMaxSteps steps (one more for a moment), so that stepping never
    // needs to grow them.
    undo_.reserve(kMaxSteps + 1);
    redo_.reserve(kMaxSteps + 1);
    JoinBudget(std::make_shared<UndoBudget>());
}

UndoHistory::~UndoHistory() {
    Clear();
    auto& all = budget_->histories_;
    all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void UndoHistory::JoinBudget(std::shared_ptr<UndoBudget> budget) {
    if (budget_ == budget || !budget) return;
    if (budget_) {
        auto& all = budget_->histories_;
        all.erase(std::remove(all.begin(), all.end(), this), all.end());
        budget_->used_ -= bytes_;
    }
    budget_ = std::move(budget);
    budget_->histories_.push_back(this);
    budget_->used_ += bytes_;
    budget_->Enforce();
}

void UndoHistory::Add(std::vector<UndoStep>& side, UndoStep step) {
    bytes_ += step.record.size();
    budget_->used_ += step.record.size();
    side.push_back(std::move(step));
}

UndoStep UndoHistory::Take(std::vector<UndoStep>& side) {
    UndoStep step = std::move(side.back());
    side.pop_back();
    bytes_ -= step.record.size();
    budget_->used_ -= step.record.size();
    return step;
}

std::vector<UndoStep> UndoHistory::Push(std::vector<uint8_t> record, StepSelection selection, StepKind kind) {
    std::vector<UndoStep> dropped;
    dropped.reserve(kMaxSteps + 1);
    while (!redo_.empty()) dropped.push_back(Take(redo_));
    std::reverse(dropped.begin(), dropped.end());
    Add(undo_, UndoStep{std::move(record), std::move(selection), kind, budget_->NextSerial()});
    if (undo_.size() > kMaxSteps) DropOldest();
    budget_->Enforce();
    return dropped;
}

UndoStep UndoHistory::RevokePush(std::vector<UndoStep> redo) {
    UndoStep step = Take(undo_);
    for (UndoStep& s : redo) Add(redo_, std::move(s));
    budget_->Enforce();
    return step;
}

UndoStep UndoHistory::CommitUndo(std::vector<uint8_t> current, StepSelection selection) {
    UndoStep step = Take(undo_);
    Add(redo_, UndoStep{std::move(current), std::move(selection), step.kind, budget_->NextSerial()});
    budget_->Enforce();
    return step;
}

UndoStep UndoHistory::CommitRedo(std::vector<uint8_t> current, StepSelection selection) {
    UndoStep step = Take(redo_);
    Add(undo_, UndoStep{std::move(current), std::move(selection), step.kind, budget_->NextSerial()});
    if (undo_.size() > kMaxSteps) DropOldest();
    budget_->Enforce();
    return step;
}

void UndoHistory::Clear() {
    while (!undo_.empty()) Take(undo_);
    while (!redo_.empty()) Take(redo_);
}

const UndoStep* UndoHistory::Droppable() const {
    return undo_.size() > 1 ? &undo_.front() : nullptr;
}

void UndoHistory::DropOldest() {
    if (undo_.empty()) return;
    bytes_ -= undo_.front().record.size();
    budget_->used_ -= undo_.front().record.size();
    undo_.erase(undo_.begin());
}

}  // namespace pw
