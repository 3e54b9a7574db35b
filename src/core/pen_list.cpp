#include "core/pen_list.h"

#include <algorithm>

#include "core/ini_file.h"
#include "core/list_file.h"

namespace pw {

namespace {

constexpr const char* kCountSection = "Stifte";
constexpr const char* kEntryPrefix = "Stift";

}  // namespace

bool PenList::Load() {
    IniFile ini(path_);
    const bool read = ini.Load();
    Read(ini);
    return read;
}

bool PenList::Store() const {
    return RewriteListFile(path_, [this](IniFile& ini) { Write(ini); });
}

void PenList::Read(const IniFile& ini) {
    lines_.Clear();
    const int n = StoredCount(ini, kCountSection, kEntryPrefix);
    for (int i = 0; i < n; ++i) {
        const std::string s = EntrySection(kEntryPrefix, i);
        PenValues pen;
        pen.color = ReadColour(ini, s, "Farbe");
        pen.width = ReadClamped(ini, s, "Breite", 0, 0, kMaxWidth);
        pen.pattern = static_cast<TPattern>(ReadClamped(ini, s, "Pattern", 0, ptDurchgezogen, ptClear));
        lines_.Append(ini.ReadString(s, "Name"), pen);
    }
    if (!lines_.Empty()) SelectLine(0);
}

void PenList::Write(IniFile& ini) const {
    ini.WriteInteger(kCountSection, "Anzahl", lines_.Count());
    for (int i = 0; i < lines_.Count(); ++i) {
        const std::string s = EntrySection(kEntryPrefix, i);
        const auto& line = lines_.At(i);
        ini.WriteString(s, "Name", line.name);
        ini.WriteInteger(s, "Farbe", static_cast<int>(line.value.color));
        ini.WriteInteger(s, "Breite", line.value.width);
        ini.WriteInteger(s, "Pattern", line.value.pattern);
    }
}

void PenList::SelectLine(int i) {
    lines_.Select(i);
    if (lines_.HasSelection()) current_ = lines_.At(i).value;
}

void PenList::SetWidthText(std::string_view text) {
    current_.width = std::max(0, RoundToInt(TextToNumber(text) * kUnitsPerMm));
}

void PenList::SetColour(Color colour) {
    lines_.Deselect();
    current_.color = colour;
}

void PenList::SetPattern(TPattern pattern) {
    lines_.Deselect();
    current_.pattern = pattern;
}

void PenList::ShowElement(const PenValues& pen) {
    lines_.Deselect();
    current_ = pen;
    current_.width = std::max(0, current_.width);
}

PenList::AddResult PenList::Add(std::string_view widthText, std::string name) {
    const std::optional<Real> mm = ReadNumberField(widthText, kUnitsPerMm);
    if (!mm) return {};
    const int32_t typed = RoundToInt(*mm * kUnitsPerMm);
    AddResult result;
    result.width = std::clamp(typed, 0, kMaxAddedWidth);
    result.outcome = result.width == typed ? AddOutcome::Added : AddOutcome::Corrected;
    current_.width = result.width;
    lines_.InsertFirst(std::move(name), current_);
    Changed(true);
    return result;
}

bool PenList::DeleteSelected() {
    if (!Changed(lines_.DeleteSelected())) return false;
    if (lines_.HasSelection()) current_ = lines_.At(lines_.Selected()).value;
    return true;
}

bool PenList::MoveSelected(int step) {
    return Changed(lines_.MoveSelected(step));
}

bool PenList::Rename(int i, std::string name) {
    return Changed(lines_.Rename(i, std::move(name)));
}

bool PenList::Changed(bool changed) {
    if (changed && !path_.empty()) writeFailed_ = !Store();
    return changed;
}

}  // namespace pw
