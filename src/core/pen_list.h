#pragma once
// The pen list of the pen window: named pens kept in Stifte.ini from one run to the next, and
// the current pen with which new elements are drawn. The window's controls (width field,
// colour field, style box) feed the current pen; selecting a line makes its pen current.
// Every change of the lines is written to the file at once.

#include <string>
#include <string_view>

#include "core/drawing_values.h"
#include "core/stored_list.h"

namespace pw {

class PenList : public StoredList<PenList, PenValues> {
  public:
    // A pen added through the window lies within 0 .. 5 mm, as its warning tells the user; pens
    // read from the file within 0 .. 10 mm, the range of the width field.
    static constexpr int32_t kMaxAddedWidth = 250;
    static constexpr int32_t kMaxWidth = 500;

    static constexpr const char* kCountSection = "Stifte";
    static constexpr const char* kEntryPrefix = "Stift";

    // The width field starts at 0.5 mm, the pen width of a new panel.
    explicit PenList(std::string path = {}) : StoredList(std::move(path)) {}

    static PenValues ReadEntry(const IniFile& ini, const std::string& section, std::string& name);
    static void WriteEntry(IniFile& ini, const std::string& section, const Lines::Entry& line);

    // Entering the width field, choosing a colour or a style: no line is selected any more.
    // The width field's text, read as millimetres (text that is no number reads as 0); the
    // current width is never negative.
    void SetWidthText(std::string_view text);
    void SetColour(Color colour);
    void SetPattern(TPattern pattern);
    // The attributes of a marked element: no line selected, the element's pen current.
    void ShowElement(const PenValues& pen);

    enum class AddOutcome { Invalid, Corrected, Added };
    struct AddResult {
        AddOutcome outcome = AddOutcome::Invalid;
        int32_t width = 0;  // the width added, to be shown in the width field
    };
    // Adds the current colour and pattern with the width typed (clamped to 0 .. 5 mm) as the
    // selected first line; nothing when the text is no number.
    AddResult Add(std::string_view widthText, std::string name);

    // The pen width of a line's sample, in pixels.
    static int32_t SampleWidth(int32_t width) { return width / 12; }
};

}  // namespace pw
