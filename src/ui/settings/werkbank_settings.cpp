#include "ui/settings/werkbank_settings.h"

namespace pw {

namespace {

std::string InDirectory(const std::string& dir, const char* name) {
    if (dir.empty() || dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

}  // namespace

WerkbankSettings::WerkbankSettings(const std::string& programDir)
    : ini_(InDirectory(programDir, kFileName)) {}

bool WerkbankSettings::Load() {
    return ini_.Load();
}

bool WerkbankSettings::Flush() {
    return ini_.Save();
}

std::string WerkbankSettings::EditFile() const {
    return ini_.ReadString("Plattenwerk", "Editfile");
}

void WerkbankSettings::SetEditFile(const std::string& path) {
    ini_.WriteString("Plattenwerk", "Editfile", path);
}

int WerkbankSettings::LibraryIndex() const {
    return ini_.ReadInteger("Bibliothek", "Index", 0);
}

void WerkbankSettings::SetLibraryIndex(int index) {
    ini_.WriteInteger("Bibliothek", "Index", index);
}

ToolWindowPlacement WerkbankSettings::Placement(const std::string& caption) const {
    ToolWindowPlacement p;
    p.left = ini_.ReadInteger(caption, "left", p.left);
    p.top = ini_.ReadInteger(caption, "top", p.top);
    p.parent = ini_.ReadString(caption, "parent", p.parent);
    p.visible = ini_.ReadBool(caption, "Visible", p.visible);
    return p;
}

void WerkbankSettings::SetPlacement(const std::string& caption, const ToolWindowPlacement& p) {
    ini_.WriteInteger(caption, "left", p.left);
    ini_.WriteInteger(caption, "top", p.top);
    ini_.WriteString(caption, "parent", p.parent);
    ini_.WriteBool(caption, "Visible", p.visible);
}

bool WerkbankSettings::WriteRecentFiles(const RecentFiles& recent) {
    recent.Write(ini_);
    return Flush();
}

bool ReadEnglishFromLanguageFile(const std::string& programDir) {
    IniFile ini(InDirectory(programDir, "SPRACHE.INI"));
    ini.Load();
    return ini.ReadInteger("Sprache", "Sprache", 0) == 1;
}

}  // namespace pw
