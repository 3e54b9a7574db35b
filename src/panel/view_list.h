#pragma once
// The document's stored views in list order, with the rules that keep them tied to their
// panels: a new view goes on top, entries swap with their neighbours, and when panels move or
// go away the views follow them or go with them. A view whose panel index names no panel (read
// from a file that way) stays in the list but is never applied.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "panel/document.h"

namespace pw {

class ViewList {
  public:
    const std::vector<TView>& Items() const { return views_; }
    std::vector<TView>& Items() { return views_; }
    size_t Count() const { return views_.size(); }
    const TView& At(size_t i) const { return views_[i]; }

    void Clear() { views_.clear(); }
    void Append(TView v) { views_.push_back(std::move(v)); }
    // Inserts the view at position 0.
    void AddOnTop(TView v);
    void Rename(size_t i, std::string name);
    // Removes the entry; false when there is none at i.
    bool Remove(size_t i);
    // Swaps the entry with the one above or below; the position it now has, or nothing when it
    // cannot move.
    std::optional<size_t> MoveUp(size_t i);
    std::optional<size_t> MoveDown(size_t i);

    // Whether the entry's panel exists among panelCount panels.
    bool Applicable(size_t i, int panelCount) const;
    // The view to apply for entry i: nothing when there is no such entry or its panel is missing.
    std::optional<TView> ViewToApply(size_t i, int panelCount) const;

    // The panel at position `from` moved to `to`; the ones between shift by one.
    void PanelMoved(int from, int to);
    // The panel at position `index` was deleted: its views go, later panels move up by one.
    void PanelDeleted(int index);
    // Panels renumbered at once: newIndexOfOld[i] is the new position of panel i, or -1 when it
    // was deleted. Views of panels outside the table keep their index.
    void Renumber(const std::vector<int>& newIndexOfOld);

  private:
    std::vector<TView> views_;
};

}  // namespace pw
