#include "panel/bounds_index.h"

#include <algorithm>
#include <cmath>

namespace pw {

namespace {
// About one cell for every four elements, within these limits.
constexpr size_t kElementsPerCell = 4;
constexpr int32_t kMaxCellsPerSide = 1024;
constexpr size_t kMaxCells = size_t{1} << 18;
// An element spanning more cells than this is kept on the wide list instead.
constexpr int64_t kWideCells = 64;
// Positions beyond this many units from the origin share the border cells.
constexpr double kFarthest = 1e9;
// The grid's extent is estimated from at most this many elements.
constexpr size_t kPlacementSample = 4096;

// A coordinate as the grid places it.
double Near(long double v) {
    return std::clamp(static_cast<double>(v), -kFarthest, kFarthest);
}

bool Finite(const MRect& r) {
    return std::isfinite(r.x1) && std::isfinite(r.y1) && std::isfinite(r.x2) && std::isfinite(r.y2);
}
}  // namespace

bool BoundsIndex::SameBox(const MRect& a, const MRect& b) {
    return a == b && Finite(a);
}

void BoundsIndex::Touch(const TBauteil* e) {
    if (rebuild_ || !e) return;
    // The positions by element are gathered when first needed after a rebuild.
    if (slotOf_.empty() && !entries_.empty()) {
        slotOf_.reserve(entries_.size());
        for (size_t i = 0; i < entries_.size(); ++i)
            slotOf_.emplace(entries_[i].element, static_cast<uint32_t>(i));
    }
    auto it = slotOf_.find(e);
    if (it == slotOf_.end()) return;
    Entry& entry = entries_[it->second];
    if (entry.touched) return;
    entry.touched = true;
    touched_.push_back(it->second);
}

void BoundsIndex::Sync(const ElementList& list) {
    if (rebuild_ || list.size() < entries_.size()) {
        Rebuild(list);
        return;
    }
    // Elements only appended since (anything else is noted as a change of the list).
    if (recheck_ && !Recheck(list)) return;
    for (uint32_t slot : touched_) {
        if (entries_[slot].element != list[slot].get()) {
            Rebuild(list);
            return;
        }
        entries_[slot].touched = false;
        Refresh(slot);
    }
    touched_.clear();
    for (size_t i = entries_.size(); i < list.size(); ++i) {
        Entry e;
        e.element = list[i].get();
        e.box = e.element->GetBounds().Normalised();
        entries_.push_back(e);
        seen_.push_back(0);
        if (!slotOf_.empty()) slotOf_.emplace(e.element, static_cast<uint32_t>(i));
        File(static_cast<uint32_t>(i));
    }
}

void BoundsIndex::Rebuild(const ElementList& list) {
    const size_t n = list.size();
    entries_.assign(n, Entry{});
    slotOf_.clear();
    for (size_t i = 0; i < n; ++i) {
        entries_[i].element = list[i].get();
        entries_[i].box = list[i]->GetBounds().Normalised();
    }
    PlaceGrid(list);
    for (auto& cell : cells_) cell.clear();
    cells_.resize(static_cast<size_t>(cellsX_) * static_cast<size_t>(cellsY_));
    wide_.clear();
    // Each cell's list is sized once: the cells of every entry are counted first.
    std::vector<uint32_t> count(cells_.size(), 0);
    for (size_t i = 0; i < n; ++i) {
        Place(entries_[i]);
        const CellRange& r = entries_[i].cells;
        for (int32_t y = r.y1; y <= r.y2; ++y)
            for (int32_t x = r.x1; x <= r.x2; ++x) ++count[CellAt(x, y)];
    }
    for (size_t c = 0; c < cells_.size(); ++c) cells_[c].reserve(count[c]);
    for (size_t i = 0; i < n; ++i) Enter(static_cast<uint32_t>(i));
    seen_.assign(n, 0);
    queryMark_ = 0;
    touched_.clear();
    rebuild_ = recheck_ = false;
}

bool BoundsIndex::Recheck(const ElementList& list) {
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].element != list[i].get()) {
            Rebuild(list);
            return false;
        }
        entries_[i].touched = false;
        Refresh(static_cast<uint32_t>(i));
    }
    touched_.clear();
    recheck_ = false;
    return true;
}

void BoundsIndex::Refresh(uint32_t slot) {
    Entry& e = entries_[slot];
    const MRect box = e.element->GetBounds().Normalised();
    if (SameBox(box, e.box)) return;
    Unfile(slot);
    e.box = box;
    File(slot);
}

// The grid covers where most elements lie, with about one cell per element; the few far
// away share the border cells.
void BoundsIndex::PlaceGrid(const ElementList& list) {
    std::vector<double> xs, ys;
    const size_t stride = entries_.size() / kPlacementSample + 1;
    xs.reserve(2 * kPlacementSample + 2);
    ys.reserve(2 * kPlacementSample + 2);
    for (size_t i = 0; i < entries_.size(); i += stride) {
        const Entry& e = entries_[i];
        if (!Finite(e.box)) continue;
        xs.insert(xs.end(), {Near(e.box.x1), Near(e.box.x2)});
        ys.insert(ys.end(), {Near(e.box.y1), Near(e.box.y2)});
    }
    const auto span = [](std::vector<double>& v) -> std::pair<double, double> {
        if (v.empty()) return {0, 1};
        const size_t cut = v.size() / 50;
        std::nth_element(v.begin(), v.begin() + cut, v.end());
        const double lo = v[cut];
        std::nth_element(v.begin(), v.end() - 1 - cut, v.end());
        return {lo, v[v.size() - 1 - cut]};
    };
    const auto [x1, x2] = span(xs);
    const auto [y1, y2] = span(ys);
    const double w = std::max(x2 - x1, 1.0), h = std::max(y2 - y1, 1.0);
    const double target =
        static_cast<double>(std::clamp<size_t>(list.size() / kElementsPerCell, 1, kMaxCells));
    const double side = std::sqrt(w * h / target);
    const auto cellsAlong = [&](double extent) {
        return static_cast<int32_t>(std::clamp(std::ceil(extent / side), 1.0, double{kMaxCellsPerSide}));
    };
    cellsX_ = cellsAlong(w);
    cellsY_ = cellsAlong(h);
    originX_ = x1, originY_ = y1;
    cellW_ = w / cellsX_, cellH_ = h / cellsY_;
}

BoundsIndex::CellRange BoundsIndex::CellsOf(const MRect& box) const {
    const auto cell = [](long double v, double origin, double size, int32_t count) {
        const double c = std::floor((static_cast<double>(v) - origin) / size);
        return static_cast<int32_t>(std::clamp(c, 0.0, static_cast<double>(count - 1)));
    };
    return {cell(box.x1, originX_, cellW_, cellsX_), cell(box.y1, originY_, cellH_, cellsY_),
            cell(box.x2, originX_, cellW_, cellsX_), cell(box.y2, originY_, cellH_, cellsY_)};
}

void BoundsIndex::Place(Entry& e) const {
    e.cells = CellRange{};
    e.wide = !Finite(e.box);
    if (!e.wide) {
        const CellRange r = CellsOf(e.box);
        const int64_t count = int64_t{r.x2 - r.x1 + 1} * int64_t{r.y2 - r.y1 + 1};
        e.wide = count > kWideCells;
        if (!e.wide) e.cells = r;
    }
}

void BoundsIndex::Enter(uint32_t slot) {
    const Entry& e = entries_[slot];
    if (e.wide) {
        wide_.push_back(slot);
        return;
    }
    for (int32_t y = e.cells.y1; y <= e.cells.y2; ++y)
        for (int32_t x = e.cells.x1; x <= e.cells.x2; ++x) cells_[CellAt(x, y)].push_back(slot);
}

void BoundsIndex::File(uint32_t slot) {
    Place(entries_[slot]);
    Enter(slot);
}

void BoundsIndex::Unfile(uint32_t slot) {
    const auto drop = [slot](std::vector<uint32_t>& v) {
        auto it = std::find(v.begin(), v.end(), slot);
        if (it == v.end()) return;
        *it = v.back();
        v.pop_back();
    };
    Entry& e = entries_[slot];
    if (e.wide) {
        drop(wide_);
    } else {
        for (int32_t y = e.cells.y1; y <= e.cells.y2; ++y)
            for (int32_t x = e.cells.x1; x <= e.cells.x2; ++x)
                drop(cells_[static_cast<size_t>(y) * static_cast<size_t>(cellsX_) + static_cast<size_t>(x)]);
    }
    e.cells = CellRange{};
    e.wide = false;
}

void BoundsIndex::Query(const MRect& area, std::vector<size_t>& out) const {
    out.clear();
    const size_t n = entries_.size();
    if (n == 0) return;
    const MRect a = area.Normalised();
    const CellRange r = Finite(a) ? CellsOf(a) : CellRange{0, 0, cellsX_ - 1, cellsY_ - 1};
    const int64_t covered = int64_t{r.x2 - r.x1 + 1} * int64_t{r.y2 - r.y1 + 1};
    // An area over much of the grid: every element, and the caller's own test decides.
    if (covered * 2 >= int64_t{cellsX_} * int64_t{cellsY_}) {
        out.resize(n);
        for (size_t i = 0; i < n; ++i) out[i] = i;
        return;
    }
    if (++queryMark_ == 0) {
        std::fill(seen_.begin(), seen_.end(), 0);
        queryMark_ = 1;
    }
    const auto take = [&](uint32_t slot) {
        if (seen_[slot] == queryMark_) return;
        seen_[slot] = queryMark_;
        out.push_back(slot);
    };
    for (int32_t y = r.y1; y <= r.y2; ++y)
        for (int32_t x = r.x1; x <= r.x2; ++x)
            for (uint32_t slot :
                 cells_[static_cast<size_t>(y) * static_cast<size_t>(cellsX_) + static_cast<size_t>(x)])
                take(slot);
    for (uint32_t slot : wide_) take(slot);
    // Many answers are put in order by one pass over the marks rather than by sorting.
    if (out.size() > n / 16) {
        out.clear();
        for (size_t i = 0; i < n; ++i)
            if (seen_[i] == queryMark_) out.push_back(i);
    } else {
        std::sort(out.begin(), out.end());
    }
}

}  // namespace pw
