#pragma once
// BoundsIndex: a uniform grid over the bounds of a panel's elements, so that the elements near
// the pointer or meeting a repaint area are found without visiting every element. Entries are
// kept by list position, so an answer comes in painting order.
//
// The index answers from the bounds it last read. Its owner says what changed: the list itself
// (ListChanged: rebuilt before the next answer), one element's geometry (Touch), or possibly
// any element's geometry (RecheckAll: every element's bounds are read and compared before the
// next answer, and a list that no longer matches is rebuilt). Sync brings it up to date.

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "core/bauteil.h"

namespace pw {

class BoundsIndex {
  public:
    using ElementList = std::vector<std::unique_ptr<TBauteil>>;

    void ListChanged() { rebuild_ = true; }
    void RecheckAll() { recheck_ = true; }
    void Touch(const TBauteil* e);
    void Sync(const ElementList& list);

    // The list positions, ascending, of every element whose normalised bounds (as last synced)
    // meet area; a few others may come along (every answer is a superset, tested again by the
    // caller). Elements with bounds that are not finite always come along.
    void Query(const MRect& area, std::vector<size_t>& out) const;

    size_t Size() const { return entries_.size(); }

  private:
    struct CellRange {
        int32_t x1 = 0, y1 = 0, x2 = -1, y2 = -1;
        bool Empty() const { return x2 < x1 || y2 < y1; }
    };
    struct Entry {
        const TBauteil* element = nullptr;
        MRect box;
        // The cells the entry is filed in; none when it is on the wide list.
        CellRange cells;
        bool wide = false;
        bool touched = false;
    };

    void Rebuild(const ElementList& list);
    // False when the list no longer matched and the index was rebuilt.
    bool Recheck(const ElementList& list);
    void Refresh(uint32_t slot);
    void PlaceGrid(const ElementList& list);
    CellRange CellsOf(const MRect& box) const;
    // The cells of an entry (or the wide list) for its box; entering it there; both.
    void Place(Entry& e) const;
    void Enter(uint32_t slot);
    void File(uint32_t slot);
    size_t CellAt(int32_t x, int32_t y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(cellsX_) + static_cast<size_t>(x);
    }
    void Unfile(uint32_t slot);
    static bool SameBox(const MRect& a, const MRect& b);

    std::vector<Entry> entries_;
    std::unordered_map<const TBauteil*, uint32_t> slotOf_;
    std::vector<uint32_t> touched_;
    bool rebuild_ = true;
    bool recheck_ = false;

    // The grid: cellsX_ x cellsY_ cells of cellW_ x cellH_ units from the origin; positions beyond it
    // fall into the border cells.
    double originX_ = 0, originY_ = 0, cellW_ = 1, cellH_ = 1;
    int32_t cellsX_ = 1, cellsY_ = 1;
    std::vector<std::vector<uint32_t>> cells_;
    // Elements that span too many cells, or whose bounds are not finite.
    std::vector<uint32_t> wide_;
    // Marks of the last answer, so that an element filed in several cells comes once.
    mutable std::vector<uint32_t> seen_;
    mutable uint32_t queryMark_ = 0;
};

}  // namespace pw
