#pragma once
// The brush list of the brush window: named brushes kept in Fuellung.ini from one run to the
// next, and the current brush with which new elements are filled. The colour field and the
// style box feed the current brush; selecting a line makes its brush current. Every change of
// the lines is written to the file at once.

#include <string>

#include "core/drawing_values.h"
#include "core/stored_list.h"

namespace pw {

class BrushList : public StoredList<BrushList, BrushValues> {
  public:
    static constexpr const char* kCountSection = "Fuellung";
    static constexpr const char* kEntryPrefix = "Fuellung";

    explicit BrushList(std::string path = {}) : StoredList(std::move(path)) {}

    static BrushValues ReadEntry(const IniFile& ini, const std::string& section, std::string& name);
    static void WriteEntry(IniFile& ini, const std::string& section, const Lines::Entry& line);

    // Choosing a colour or a style: no line is selected any more.
    void SetColour(Color colour);
    void SetStyle(TBrushStyle style);
    // The attributes of a marked element: no line selected, the element's brush current.
    void ShowElement(const BrushValues& brush);

    // The current brush as the selected first line.
    void Add(std::string name) { AddCurrent(std::move(name)); }
};

}  // namespace pw
