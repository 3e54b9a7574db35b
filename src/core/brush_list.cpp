#include "core/brush_list.h"

#include "core/ini_file.h"
#include "core/list_file.h"

namespace pw {

namespace {

constexpr const char* kCountSection = "Fuellung";
constexpr const char* kEntryPrefix = "Fuellung";

}  // namespace

bool BrushList::Load() {
    IniFile ini(path_);
    const bool read = ini.Load();
    Read(ini);
    return read;
}

bool BrushList::Store() const {
    return RewriteListFile(path_, [this](IniFile& ini) { Write(ini); });
}

void BrushList::Read(const IniFile& ini) {
    lines_.Clear();
    const int n = StoredCount(ini, kCountSection, kEntryPrefix);
    for (int i = 0; i < n; ++i) {
        const std::string s = EntrySection(kEntryPrefix, i);
        BrushValues brush;
        brush.color = ReadColour(ini, s, "Farbe");
        brush.style = static_cast<TBrushStyle>(ReadClamped(ini, s, "Style", 0, bsSolid, bsDiagCross));
        lines_.Append(ini.ReadString(s, "Name"), brush);
    }
    if (!lines_.Empty()) SelectLine(0);
}

void BrushList::Write(IniFile& ini) const {
    ini.WriteInteger(kCountSection, "Anzahl", lines_.Count());
    for (int i = 0; i < lines_.Count(); ++i) {
        const std::string s = EntrySection(kEntryPrefix, i);
        const auto& line = lines_.At(i);
        ini.WriteString(s, "Name", line.name);
        ini.WriteInteger(s, "Farbe", static_cast<int>(line.value.color));
        ini.WriteInteger(s, "Style", line.value.style);
    }
}

void BrushList::SelectLine(int i) {
    lines_.Select(i);
    if (lines_.HasSelection()) current_ = lines_.At(i).value;
}

void BrushList::SetColour(Color colour) {
    lines_.Deselect();
    current_.color = colour;
}

void BrushList::SetStyle(TBrushStyle style) {
    lines_.Deselect();
    current_.style = style;
}

void BrushList::ShowElement(const BrushValues& brush) {
    lines_.Deselect();
    current_ = brush;
}

void BrushList::Add(std::string name) {
    lines_.InsertFirst(std::move(name), current_);
    Changed(true);
}

bool BrushList::DeleteSelected() {
    if (!Changed(lines_.DeleteSelected())) return false;
    if (lines_.HasSelection()) current_ = lines_.At(lines_.Selected()).value;
    return true;
}

bool BrushList::MoveSelected(int step) {
    return Changed(lines_.MoveSelected(step));
}

bool BrushList::Rename(int i, std::string name) {
    return Changed(lines_.Rename(i, std::move(name)));
}

bool BrushList::Changed(bool changed) {
    if (changed && !path_.empty()) writeFailed_ = !Store();
    return changed;
}

}  // namespace pw
