#pragma once
// StoredList: what the pen, brush and font lists share. Named lines kept in an INI file from
// one run to the next (sections prefix0, prefix1, ... counted under "Anzahl"), the current
// value with which new elements are made, and the list buttons, each of which writes the file
// at once when it changed the lines. A list supplies its sections and how one entry is read
// and written (ReadEntry, WriteEntry).

#include <string>
#include <utility>

#include "core/ini_file.h"
#include "core/list_file.h"
#include "core/named_list.h"

namespace pw {

template <class Derived, class Value>
class StoredList {
  public:
    using Lines = NamedList<Value>;

    explicit StoredList(std::string path) : path_(std::move(path)) {}

    // Reads the file (a missing one gives an empty list), selects the first line and makes it
    // current. False when the file exists but cannot be read.
    bool Load() {
        IniFile ini(path_);
        const bool read = ini.Load();
        Read(ini);
        return read;
    }
    // Writes the list; false when the file could not be written.
    bool Store() const {
        return RewriteListFile(path_, [this](IniFile& ini) { Write(ini); });
    }
    void Read(const IniFile& ini) {
        lines_.Clear();
        const int n = StoredCount(ini, Derived::kCountSection, Derived::kEntryPrefix);
        for (int i = 0; i < n; ++i) {
            std::string name;
            Value value = Derived::ReadEntry(ini, EntrySection(Derived::kEntryPrefix, i), name);
            lines_.Append(std::move(name), std::move(value));
        }
        if (!lines_.Empty()) SelectLine(0);
    }
    void Write(IniFile& ini) const {
        ini.WriteInteger(Derived::kCountSection, "Anzahl", lines_.Count());
        for (int i = 0; i < lines_.Count(); ++i)
            Derived::WriteEntry(ini, EntrySection(Derived::kEntryPrefix, i), lines_.At(i));
    }
    const std::string& Path() const { return path_; }

    const Lines& Entries() const { return lines_; }
    const Value& Current() const { return current_; }

    // A click on a line: its value becomes current.
    void SelectLine(int i) {
        lines_.Select(i);
        if (lines_.HasSelection()) current_ = lines_.At(i).value;
    }
    void Deselect() { lines_.Deselect(); }

    // The buttons and the name editor; each writes the file when the list changed. Deleting
    // makes the value of the line then selected current.
    bool DeleteSelected() {
        if (!Changed(lines_.DeleteSelected())) return false;
        if (lines_.HasSelection()) current_ = lines_.At(lines_.Selected()).value;
        return true;
    }
    bool MoveSelected(int step) { return Changed(lines_.MoveSelected(step)); }
    bool Rename(int i, std::string name) { return Changed(lines_.Rename(i, std::move(name))); }

    // False when the last change could not be written to the file.
    bool WriteFailed() const { return writeFailed_; }

  protected:
    // The current value as the selected first line, written to the file.
    void AddCurrent(std::string name) {
        lines_.InsertFirst(std::move(name), current_);
        Changed(true);
    }
    // Writes the list after a change; returns the change.
    bool Changed(bool changed) {
        if (changed && !path_.empty()) writeFailed_ = !Store();
        return changed;
    }

    Lines lines_;
    Value current_;

  private:
    std::string path_;
    bool writeFailed_ = false;
};

}  // namespace pw
