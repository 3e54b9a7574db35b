#pragma once
// Werkbank.INI, the settings file in the program directory: the start-up document, the recent
// files, the automatic backup, the library page and the placement of the tool windows. Open
// for the whole run; every write goes to the file at once.

#include <string>

#include "core/ini_file.h"
#include "ui/settings/autosave.h"
#include "ui/settings/recent_files.h"

namespace pw {

// Where a tool window sits: its position, the control bar it is docked in
// ("Top_ControlBar", "Bottom_ControlBar") or "none" when it floats, and whether it shows.
struct ToolWindowPlacement {
    int left = 100;
    int top = 100;
    std::string parent = "none";
    bool visible = true;
    friend bool operator==(const ToolWindowPlacement&, const ToolWindowPlacement&) = default;
};

class WerkbankSettings {
  public:
    static constexpr const char* kFileName = "Werkbank.INI";

    // The settings file in the given program directory (with or without a trailing '/').
    explicit WerkbankSettings(const std::string& programDir);

    // Reads the file; a missing file counts as empty. False when it exists but cannot be read.
    bool Load();
    // Writes the file; false (and the message path) when it cannot be written.
    bool Flush();
    const std::string& Path() const { return ini_.Path(); }
    IniFile& Ini() { return ini_; }

    // "Plattenwerk" / "Editfile".
    std::string EditFile() const;
    void SetEditFile(const std::string& path);

    // "Bibliothek" / "Index".
    int LibraryIndex() const;
    void SetLibraryIndex(int index);

    // The section named by the tool window's caption.
    ToolWindowPlacement Placement(const std::string& caption) const;
    void SetPlacement(const std::string& caption, const ToolWindowPlacement& placement);

    void ReadRecentFiles(RecentFiles& recent) const { recent.Read(ini_); }
    bool WriteRecentFiles(const RecentFiles& recent);
    void ReadAutosave(Autosave& autosave) const { autosave.Read(ini_); }
    void WriteAutosave(const Autosave& autosave) { autosave.Write(ini_); }

  private:
    IniFile ini_;
};

// SPRACHE.INI in the program directory, section and key "Sprache": 1 English, anything else
// German. The program only reads it.
bool ReadEnglishFromLanguageFile(const std::string& programDir);

}  // namespace pw
