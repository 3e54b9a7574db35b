#include "panel/library_page.h"

#include <algorithm>
#include <cmath>

#include "core/numbers.h"
#include "panel/document.h"
#include "panel/document_file.h"
#include "panel/library_directory.h"

namespace pw {

namespace {

// Page layout in pixels: the gap below each symbol (its name and the line), the slot's reach
// above the symbol, and the margin above the first one.
constexpr int32_t kGapBelow = 40;
constexpr int32_t kSlotAbove = 5;
constexpr int32_t kSlotBelow = 20;
constexpr int32_t kTopMargin = 10;
constexpr int32_t kSideMargin = 10;

}  // namespace

TBibo::TBibo() {
    Name.SetText(DefaultPageName());
}

void TBibo::Clear() {
    RemoveFrame();
    current_ = nullptr;
    chosen_ = nullptr;
    elements_.clear();
    NoteListChanged();
    slots_.clear();
}

std::optional<std::string> TBibo::Load(const std::string& path) {
    Clear();
    ScrollX = ScrollY = 0;
    modified_ = false;
    loadFailed_ = false;
    path_ = path;
    std::optional<std::string> failure;
    try {
        std::vector<uint8_t> bytes = ReadDocumentFileBytes(path);
        TReader r(bytes, StreamSource::File);
        ReadPanel(r);
    } catch (const std::exception& e) {
        failure = e.what();
        loadFailed_ = true;
    }
    SelectAll(false);
    current_ = nullptr;
    return failure;
}

void TBibo::Save() {
    if (loadFailed_ || path_.empty()) return;
    std::vector<uint8_t> bytes;
    WritePanel(bytes, false);
    WriteWholeFile(path_, bytes);
    modified_ = false;
}

bool TBibo::SaveIfModified() {
    if (!modified_ || loadFailed_ || path_.empty()) return false;
    Save();
    return true;
}

void TBibo::StartNew(const std::string& path, const std::string& name) {
    Clear();
    ScrollX = ScrollY = 0;
    path_ = path;
    loadFailed_ = false;
    Name = ShortString40{};
    Name.SetText(LimitPageName(name));
    modified_ = true;
}

void TBibo::Rename(const std::string& name) {
    Name = ShortString40{};
    Name.SetText(LimitPageName(name));
    modified_ = true;
}

void TBibo::Empty(const std::string& name) {
    Clear();
    Rename(name);
    // An emptied page is a sound page again, whatever its file held.
    loadFailed_ = false;
}

void TBibo::Choose(TBauteil* symbol) {
    SelectAll(false);
    chosen_ = symbol;
    current_ = symbol;
    if (symbol) SelectElement(symbol, true);
}

int TBibo::IndexOfChosen() const {
    return chosen_ ? IndexOf(chosen_) : -1;
}

void TBibo::MoveChosenUp() {
    const int i = IndexOfChosen();
    if (i <= 0) return;
    auto e = std::move(elements_[i]);
    elements_.erase(elements_.begin() + i);
    elements_.insert(elements_.begin(), std::move(e));
    NoteListChanged();
    modified_ = true;
}

void TBibo::MoveChosenDown() {
    const int i = IndexOfChosen();
    if (i < 0 || i + 1 == static_cast<int>(elements_.size())) return;
    auto e = std::move(elements_[i]);
    elements_.erase(elements_.begin() + i);
    elements_.push_back(std::move(e));
    NoteListChanged();
    modified_ = true;
}

bool TBibo::DeleteChosen() {
    if (!chosen_) return false;
    Choose(chosen_);
    DeleteSelected();
    chosen_ = nullptr;
    current_ = nullptr;
    ScrollX = ScrollY = 0;
    modified_ = true;
    return true;
}

bool TBibo::CopyChosen(MemoryStream& stream) {
    if (!chosen_) return false;
    Choose(chosen_);
    stream.bytes.clear();
    WritePanel(stream.bytes, true);
    return true;
}

TBauteil* TBibo::AddSymbol(const MemoryStream& stream, const std::string& name, MPoint insertPoint) {
    if (stream.bytes.size() < 2) return nullptr;
    const size_t before = elements_.size();
    SelectAll(false);
    TReader r(stream.bytes, StreamSource::Clipboard);
    ReadPanel(r);
    if (elements_.size() == before) return nullptr;
    if (elements_.size() - before > 1) Group();
    TBauteil* symbol = elements_.back().get();
    symbol->Description = ShortString40{};
    symbol->Description.SetText(name);
    symbol->InsertPoint = insertPoint;
    SelectAll(false);
    chosen_ = nullptr;
    current_ = nullptr;
    modified_ = true;
    return symbol;
}

void TBibo::SetChosenProperties(const std::string& name, MPoint insertPoint) {
    if (!chosen_) return;
    chosen_->Description = ShortString40{};
    chosen_->Description.SetText(name);
    chosen_->InsertPoint = insertPoint;
    modified_ = true;
}

int32_t TBibo::Layout(int32_t areaWidth) {
    slots_.clear();
    const double z = Zoom();
    int32_t top = kTopMargin;
    for (auto& e : elements_) {
        MRect b = e->GetBounds().Normalised();
        double w = static_cast<double>(b.x2 - b.x1) / 50.0 * z;
        if (!(w > 0)) w = 10;
        const double f = std::min(kMaxDisplayFactor, (areaWidth - kSideMargin) / w);
        Slot s;
        s.symbol = e.get();
        s.zoom = z * f;
        const int32_t width = RoundToInt(static_cast<Real>(b.x2 - b.x1) / 50 * s.zoom);
        const int32_t height = RoundToInt(static_cast<Real>(b.y2 - b.y1) / 50 * s.zoom);
        const int32_t left = (areaWidth - width) / 2;
        s.picture = {left, top, left + width, top + height};
        s.slot = {0, top - kSlotAbove, areaWidth, top + height + kSlotBelow};
        slots_.push_back(s);
        top += height + kGapBelow;
    }
    return top;
}

TBauteil* TBibo::SymbolAt(IPoint p) const {
    for (const Slot& s : slots_)
        if (p.y >= s.slot.y1 && p.y < s.slot.y2 && p.x >= s.slot.x1 && p.x < s.slot.x2) return s.symbol;
    return nullptr;
}

void TBibo::PrepareSymbolCanvas(Canvas& c, const Slot& slot, IPoint origin) const {
    MRect b = slot.symbol->GetBounds().Normalised();
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowOrg(RoundToInt(b.x1), RoundToInt(b.y1));
    c.SetWindowExt(5000, 5000);
    c.SetViewportOrg(origin.x + slot.picture.x1, origin.y + slot.picture.y1);
    const int32_t v = std::max(1, RoundToInt(slot.zoom * 100));
    c.SetViewportExt(v, v);
}

MPoint DefaultInsertPoint(TPlatine& panel) {
    MRect b = panel.SelectionBounds(true);
    return {b.x1, b.y2};
}

}  // namespace pw
