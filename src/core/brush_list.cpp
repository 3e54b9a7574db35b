#include "core/brush_list.h"

namespace pw {

BrushValues BrushList::ReadEntry(const IniFile& ini, const std::string& s, std::string& name) {
    BrushValues brush;
    brush.color = ReadColour(ini, s, "Farbe");
    brush.style = static_cast<TBrushStyle>(ReadClamped(ini, s, "Style", 0, bsSolid, bsDiagCross));
    name = ini.ReadString(s, "Name");
    return brush;
}

void BrushList::WriteEntry(IniFile& ini, const std::string& s, const Lines::Entry& line) {
    ini.WriteString(s, "Name", line.name);
    ini.WriteInteger(s, "Farbe", static_cast<int>(line.value.color));
    ini.WriteInteger(s, "Style", line.value.style);
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

}  // namespace pw
