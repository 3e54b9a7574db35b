#pragma once
// The font list of the font window: named fonts kept in Fonts.ini from one run to the next, and
// the current font with which new texts are made. A font here is a family name, a cell height
// in model units, the styles bold and italic, and a colour. The window's controls (family box,
// height field, style buttons, colour field) feed the current font; selecting a line makes its
// font current. Every change of the lines is written to the file at once.

#include <string>
#include <string_view>
#include <vector>

#include "core/drawing_values.h"
#include "core/stored_list.h"

namespace pw {

class FontList : public StoredList<FontList, FontValues> {
  public:
    static constexpr const char* kCountSection = "Fonts";
    static constexpr const char* kEntryPrefix = "Font";
    // Heights lie within one model unit and 10 cm; a font added through the window within
    // 0 .. 5 cm, as its warning tells the user (and at least one unit).
    static constexpr int32_t kMinHeight = 1;
    static constexpr int32_t kMaxHeight = 5000;
    static constexpr int32_t kMaxAddedHeight = 2500;

    // A missing or empty list keeps the current font ("Arial", 4 mm, black) and selects
    // nothing.
    explicit FontList(std::string path = {}) : StoredList(std::move(path)) {}

    static FontValues ReadEntry(const IniFile& ini, const std::string& section, std::string& name);
    static void WriteEntry(IniFile& ini, const std::string& section, const Lines::Entry& line);

    // Entering the height field (Deselect): no line is selected any more.
    // The controls; each leaves no line selected, as the current font is then none of them.
    // The height field's text is read as millimetres and kept within the height range.
    void SetHeightText(std::string_view text);
    void SetName(std::string name);
    void SetItalic(bool on);
    void SetBold(bool on);
    void SetColour(Color colour);
    // The font of a marked text: no line selected, the text's font and colour current.
    void ShowText(const FontValues& font);

    enum class AddOutcome { Invalid, Corrected, Added };
    struct AddResult {
        AddOutcome outcome = AddOutcome::Invalid;
        int32_t height = 0;  // the height added, to be shown in the height field
    };
    // Adds the current font with the height typed (0 .. 5 cm, at least one unit) and the family
    // name chosen as the selected first line, described by its family name; nothing when the
    // text is no number.
    AddResult Add(std::string_view heightText, const std::string& family);

    // The height at the right of a line: whole millimetres, truncated ("3 mm").
    static std::string HeightLabel(int32_t height);
    // The families that can be chosen: those whose names Fonts.ini and documents can store
    // (Windows-1252), so that a font chosen is found again after a save.
    static std::vector<std::string> ChoosableFamilies(const std::vector<std::string>& installed);

  private:
    void SetStyleBit(uint8_t bit, bool on);
};

}  // namespace pw
