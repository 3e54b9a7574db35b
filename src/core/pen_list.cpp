#include "core/pen_list.h"

#include <algorithm>

namespace pw {

PenValues PenList::ReadEntry(const IniFile& ini, const std::string& s, std::string& name) {
    PenValues pen;
    pen.color = ReadColour(ini, s, "Farbe");
    pen.width = ReadClamped(ini, s, "Breite", 0, 0, kMaxWidth);
    pen.pattern = static_cast<TPattern>(ReadClamped(ini, s, "Pattern", 0, ptDurchgezogen, ptClear));
    name = ini.ReadString(s, "Name");
    return pen;
}

void PenList::WriteEntry(IniFile& ini, const std::string& s, const Lines::Entry& line) {
    ini.WriteString(s, "Name", line.name);
    ini.WriteInteger(s, "Farbe", static_cast<int>(line.value.color));
    ini.WriteInteger(s, "Breite", line.value.width);
    ini.WriteInteger(s, "Pattern", line.value.pattern);
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
    AddCurrent(std::move(name));
    return result;
}

}  // namespace pw
