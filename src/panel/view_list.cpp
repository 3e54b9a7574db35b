#include "panel/view_list.h"

#include <algorithm>
#include <utility>

namespace pw {

void ViewList::AddOnTop(TView v) {
    views_.insert(views_.begin(), std::move(v));
}

void ViewList::Rename(size_t i, std::string name) {
    if (i < views_.size()) views_[i].name = std::move(name);
}

bool ViewList::Remove(size_t i) {
    if (i >= views_.size()) return false;
    views_.erase(views_.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

std::optional<size_t> ViewList::MoveUp(size_t i) {
    if (i == 0 || i >= views_.size()) return std::nullopt;
    std::swap(views_[i], views_[i - 1]);
    return i - 1;
}

std::optional<size_t> ViewList::MoveDown(size_t i) {
    if (i + 1 >= views_.size()) return std::nullopt;
    std::swap(views_[i], views_[i + 1]);
    return i + 1;
}

bool ViewList::Applicable(size_t i, int panelCount) const {
    return i < views_.size() && views_[i].panel >= 0 && views_[i].panel < panelCount;
}

std::optional<TView> ViewList::ViewToApply(size_t i, int panelCount) const {
    if (!Applicable(i, panelCount)) return std::nullopt;
    return views_[i];
}

void ViewList::PanelMoved(int from, int to) {
    if (from == to || from < 0 || to < 0) return;
    const int n = std::max(from, to) + 1;
    std::vector<int> table(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        int j = i;
        if (i == from)
            j = to;
        else if (from < to && i > from && i <= to)
            j = i - 1;
        else if (to < from && i >= to && i < from)
            j = i + 1;
        table[static_cast<size_t>(i)] = j;
    }
    Renumber(table);
}

void ViewList::PanelDeleted(int index) {
    if (index < 0) return;
    std::vector<TView> kept;
    for (TView& v : views_) {
        if (v.panel == index) continue;
        if (v.panel > index) --v.panel;
        kept.push_back(std::move(v));
    }
    views_ = std::move(kept);
}

void ViewList::Renumber(const std::vector<int>& newIndexOfOld) {
    std::vector<TView> kept;
    for (TView& v : views_) {
        if (v.panel >= 0 && v.panel < static_cast<int32_t>(newIndexOfOld.size())) {
            const int n = newIndexOfOld[static_cast<size_t>(v.panel)];
            if (n < 0) continue;
            v.panel = n;
        }
        kept.push_back(std::move(v));
    }
    views_ = std::move(kept);
}

}  // namespace pw
