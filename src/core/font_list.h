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
#include "core/named_list.h"

namespace pw {

class IniFile;

class FontList {
  public:
    using Lines = NamedList<FontValues>;
    // Heights lie within one model unit and 10 cm; a font added through the window within
    // 0 .. 5 cm, as its warning tells the user (and at least one unit).
    static constexpr int32_t kMinHeight = 1;
    static constexpr int32_t kMaxHeight = 5000;
    static constexpr int32_t kMaxAddedHeight = 2500;

    explicit FontList(std::string path = {}) : path_(std::move(path)) {}

    // Reads the file, selects the first line and makes it current. A missing or empty list
    // keeps the current font ("Arial", 4 mm, black) and selects nothing. False when the file
    // exists but cannot be read.
    bool Load();
    bool Store() const;
    void Read(const IniFile& ini);
    void Write(IniFile& ini) const;
    const std::string& Path() const { return path_; }

    const Lines& Entries() const { return lines_; }
    const FontValues& Current() const { return current_; }

    // A click on a line: its font becomes current.
    void SelectLine(int i);
    // Entering the height field: no line is selected any more.
    void Deselect() { lines_.Deselect(); }
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
    // The buttons and the name editor; each writes the file when the list changed. Deleting
    // makes the font of the line then selected current.
    bool DeleteSelected();
    bool MoveSelected(int step);
    bool Rename(int i, std::string name);
    bool WriteFailed() const { return writeFailed_; }

    // The height at the right of a line: whole millimetres, truncated ("3 mm").
    static std::string HeightLabel(int32_t height);
    // The families that can be chosen: those whose names Fonts.ini and documents can store
    // (Windows-1252), so that a font chosen is found again after a save.
    static std::vector<std::string> ChoosableFamilies(const std::vector<std::string>& installed);

  private:
    bool Changed(bool changed);
    void SetStyleBit(uint8_t bit, bool on);

    std::string path_;
    Lines lines_;
    FontValues current_;
    bool writeFailed_ = false;
};

}  // namespace pw
