#include "core/font_list.h"

#include <algorithm>

#include "core/storable_text.h"

namespace pw {

namespace {

int32_t ClampHeight(int32_t height) {
    return std::clamp(height, FontList::kMinHeight, FontList::kMaxHeight);
}

}  // namespace

FontValues FontList::ReadEntry(const IniFile& ini, const std::string& s, std::string& name) {
    FontValues f;
    f.font.name = ini.ReadString(s, "Name", "Arial");
    if (f.font.name.empty()) f.font.name = "Arial";
    f.font.height = ReadClamped(ini, s, "Hoehe", 200, kMinHeight, kMaxHeight);
    f.font.style = static_cast<uint8_t>((ini.ReadBool(s, "Italic", false) ? fsItalic : 0) |
                                        (ini.ReadBool(s, "Bold", false) ? fsBold : 0));
    f.color = ReadColour(ini, s, "Farbe");
    name = ini.ReadString(s, "Beschreibung", "Font");
    return f;
}

void FontList::WriteEntry(IniFile& ini, const std::string& s, const Lines::Entry& line) {
    ini.WriteString(s, "Name", line.value.font.name);
    ini.WriteInteger(s, "Hoehe", line.value.font.height);
    ini.WriteString(s, "Italic", (line.value.font.style & fsItalic) ? "1" : "0");
    ini.WriteString(s, "Bold", (line.value.font.style & fsBold) ? "1" : "0");
    ini.WriteString(s, "Beschreibung", line.name);
    ini.WriteInteger(s, "Farbe", static_cast<int>(line.value.color));
}

void FontList::SetHeightText(std::string_view text) {
    current_.font.height = ClampHeight(RoundToInt(TextToNumber(text) * kUnitsPerMm));
}

void FontList::SetName(std::string name) {
    lines_.Deselect();
    if (!name.empty()) current_.font.name = std::move(name);
}

void FontList::SetStyleBit(uint8_t bit, bool on) {
    lines_.Deselect();
    current_.font.style =
        static_cast<uint8_t>(on ? (current_.font.style | bit) : (current_.font.style & ~bit));
}

void FontList::SetItalic(bool on) {
    SetStyleBit(fsItalic, on);
}

void FontList::SetBold(bool on) {
    SetStyleBit(fsBold, on);
}

void FontList::SetColour(Color colour) {
    lines_.Deselect();
    current_.color = colour;
}

void FontList::ShowText(const FontValues& font) {
    lines_.Deselect();
    current_ = font;
    current_.font.height = ClampHeight(current_.font.height);
}

FontList::AddResult FontList::Add(std::string_view heightText, const std::string& family) {
    const std::optional<Real> mm = ReadNumberField(heightText, kUnitsPerMm);
    if (!mm) return {};
    const int32_t typed = RoundToInt(*mm * kUnitsPerMm);
    AddResult result;
    result.outcome = typed < 0 || typed > kMaxAddedHeight ? AddOutcome::Corrected : AddOutcome::Added;
    result.height = std::clamp(typed, kMinHeight, kMaxAddedHeight);
    current_.font.height = result.height;
    if (!family.empty()) current_.font.name = family;
    AddCurrent(current_.font.name);
    return result;
}

std::string FontList::HeightLabel(int32_t height) {
    return std::to_string(height / kUnitsPerMm) + " mm";
}

std::vector<std::string> FontList::ChoosableFamilies(const std::vector<std::string>& installed) {
    std::vector<std::string> out;
    for (const std::string& family : installed)
        if (!family.empty() && StorableText(family) == family) out.push_back(family);
    return out;
}

}  // namespace pw
