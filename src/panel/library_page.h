#pragma once
// TBibo: one page of the symbol library, a panel whose elements are the page's symbols from
// top to bottom. Each symbol is one element, normally a group; its name is its Description, the
// point it is placed by its InsertPoint. The page knows its file, whether it changed since it
// was loaded or saved, and which symbol is chosen; it lays the symbols out as a stacked strip
// for an area of a given width. A page whose file could not be read is never saved over.

#include <optional>
#include <string>
#include <vector>

#include "panel/platine.h"

namespace pw {

class TBibo : public TPlatine {
  public:
    TBibo();

    // --- The page file ---
    // Replaces the page's symbols by those of the file. On a read failure the page is empty
    // (or holds what was read before the failure), is marked as failed and returns the message.
    std::optional<std::string> Load(const std::string& path);
    // Writes the page to its file unless it failed to load; clears the modified flag. Fails
    // with FileError (the old file stays as it was).
    void Save();
    // Saves when modified; true when it wrote.
    bool SaveIfModified();
    // A page without a file: empty, named, to be saved to path (a new page).
    void StartNew(const std::string& path, const std::string& name);
    const std::string& Path() const { return path_; }
    bool Modified() const { return modified_; }
    bool LoadFailed() const { return loadFailed_; }
    std::string PageName() const { return Name.Text(); }
    // Page names are kept short of the header's version characters.
    void Rename(const std::string& name);
    // Deletes every symbol and gives the page the name (the last page is emptied, not deleted).
    void Empty(const std::string& name);

    // --- Symbols ---
    TBauteil* ChosenSymbol() const { return chosen_; }
    void Choose(TBauteil* symbol);
    // The chosen symbol to the top or to the bottom of the page; marks the page modified.
    void MoveChosenUp();
    void MoveChosenDown();
    // Deletes the chosen symbol; false without one.
    bool DeleteChosen();
    // Writes the chosen symbol into the stream (as the element clipboard holds a selection);
    // false without one.
    bool CopyChosen(MemoryStream& stream);
    // Appends the elements of a clipboard stream as one new symbol at the bottom of the page:
    // several elements become one group. Its name (at most 40 characters) and insertion point
    // are given. Returns the new symbol, or none when the stream held nothing.
    TBauteil* AddSymbol(const MemoryStream& stream, const std::string& name, MPoint insertPoint);
    // Sets the chosen symbol's name and insertion point.
    void SetChosenProperties(const std::string& name, MPoint insertPoint);

    // --- Layout ---
    // Where a symbol is shown: its display zoom, the pixel rectangle of the symbol and its
    // slot (from 5 pixels above it to 20 below, across the whole width).
    struct Slot {
        TBauteil* symbol = nullptr;
        double zoom = 1;
        IRect picture;
        IRect slot;
    };
    // Lays the symbols out for an area areaWidth pixels wide; returns the page height.
    int32_t Layout(int32_t areaWidth);
    const std::vector<Slot>& Slots() const { return slots_; }
    // The symbol whose slot holds the point (page pixels), or none.
    TBauteil* SymbolAt(IPoint p) const;
    // Prepares the canvas to paint one symbol of the layout at its place.
    void PrepareSymbolCanvas(Canvas& canvas, const Slot& slot, IPoint origin) const;
    static constexpr double kMaxDisplayFactor = 5;

  private:
    void Clear();
    int IndexOfChosen() const;

    std::string path_;
    bool modified_ = false;
    bool loadFailed_ = false;
    TBauteil* chosen_ = nullptr;
    std::vector<Slot> slots_;
};

// The default insertion point of a new symbol: the bottom-left corner of the selection's
// bounds, pen width included.
MPoint DefaultInsertPoint(TPlatine& panel);

}  // namespace pw
