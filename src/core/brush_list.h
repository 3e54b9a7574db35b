#pragma once
// The brush list of the brush window: named brushes kept in Fuellung.ini from one run to the
// next, and the current brush with which new elements are filled. The colour field and the
// style box feed the current brush; selecting a line makes its brush current. Every change of
// the lines is written to the file at once.

#include <string>

#include "core/drawing_values.h"
#include "core/named_list.h"

namespace pw {

class IniFile;

class BrushList {
  public:
    using Lines = NamedList<BrushValues>;

    explicit BrushList(std::string path = {}) : path_(std::move(path)) {}

    // Reads the file (a missing one gives an empty list), selects the first line and makes it
    // current. False when the file exists but cannot be read.
    bool Load();
    bool Store() const;
    void Read(const IniFile& ini);
    void Write(IniFile& ini) const;
    const std::string& Path() const { return path_; }

    const Lines& Entries() const { return lines_; }
    const BrushValues& Current() const { return current_; }

    // A click on a line: its brush becomes current.
    void SelectLine(int i);
    void Deselect() { lines_.Deselect(); }
    // Choosing a colour or a style: no line is selected any more.
    void SetColour(Color colour);
    void SetStyle(TBrushStyle style);
    // The attributes of a marked element: no line selected, the element's brush current.
    void ShowElement(const BrushValues& brush);

    // The current brush as the selected first line.
    void Add(std::string name);
    // The buttons and the name editor; each writes the file when the list changed.
    bool DeleteSelected();
    bool MoveSelected(int step);
    bool Rename(int i, std::string name);
    bool WriteFailed() const { return writeFailed_; }

  private:
    bool Changed(bool changed);

    std::string path_;
    Lines lines_;
    BrushValues current_;
    bool writeFailed_ = false;
};

}  // namespace pw
