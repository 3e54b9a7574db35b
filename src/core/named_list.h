#pragma once
// NamedList: the lines of the pen, brush and font windows. Each line is a name the user chose
// and the value it stands for; at most one line is selected. The operations are those of the
// windows' buttons: add at the top, delete, move up and down, rename.

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/storable_text.h"

namespace pw {

// Which of a list window's buttons are enabled.
struct ListButtons {
    bool add = false;
    bool del = false;
    bool up = false;
    bool down = false;
    friend bool operator==(const ListButtons&, const ListButtons&) = default;
};

// A name as one line of a list and of its INI file holds it: control characters become
// blanks, characters Windows-1252 cannot hold become '?'.
inline std::string LineName(std::string name) {
    std::replace_if(
        name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return StorableText(name);
}

template <class Value>
class NamedList {
  public:
    struct Entry {
        std::string name;
        Value value;
    };
    static constexpr int kNone = -1;

    int Count() const { return static_cast<int>(entries_.size()); }
    bool Empty() const { return entries_.empty(); }
    const Entry& At(int i) const { return entries_[static_cast<size_t>(i)]; }
    const std::vector<Entry>& Entries() const { return entries_; }

    int Selected() const { return selected_; }
    bool HasSelection() const { return selected_ != kNone; }
    // Selects line i; an index outside the list selects nothing.
    void Select(int i) { selected_ = i >= 0 && i < Count() ? i : kNone; }
    void Deselect() { selected_ = kNone; }

    void Clear() {
        entries_.clear();
        selected_ = kNone;
    }
    void Append(std::string name, Value value) {
        entries_.push_back({LineName(std::move(name)), std::move(value)});
    }
    // A new first line, selected.
    void InsertFirst(std::string name, Value value) {
        entries_.insert(entries_.begin(), Entry{LineName(std::move(name)), std::move(value)});
        selected_ = 0;
    }
    // Removes the selected line; the line that moves into its place is selected, or the new last
    // line when the last one went, or nothing when the list became empty. False without a
    // selection.
    bool DeleteSelected() {
        if (!HasSelection()) return false;
        entries_.erase(entries_.begin() + selected_);
        Select(std::min(selected_, Count() - 1));
        return true;
    }
    // Swaps the selected line with its neighbour above (step -1) or below (+1); the moved line
    // stays selected. False when there is no such neighbour.
    bool MoveSelected(int step) {
        if (!HasSelection() || (step != -1 && step != 1)) return false;
        const int other = selected_ + step;
        if (other < 0 || other >= Count()) return false;
        std::swap(entries_[static_cast<size_t>(selected_)], entries_[static_cast<size_t>(other)]);
        selected_ = other;
        return true;
    }
    // False when there is no line i or it had that name already.
    bool Rename(int i, std::string name) {
        if (i < 0 || i >= Count()) return false;
        name = LineName(std::move(name));
        std::string& old = entries_[static_cast<size_t>(i)].name;
        if (old == name) return false;
        old = std::move(name);
        return true;
    }

    // While the name editor is open only the editor works; otherwise delete needs a selected
    // line, up one below the first, down one above the last.
    ListButtons Buttons(bool editorOpen) const {
        ListButtons b;
        if (editorOpen) return b;
        b.add = true;
        b.del = HasSelection();
        b.up = HasSelection() && selected_ > 0;
        b.down = HasSelection() && selected_ < Count() - 1;
        return b;
    }

  private:
    std::vector<Entry> entries_;
    int selected_ = kNone;
};

}  // namespace pw
