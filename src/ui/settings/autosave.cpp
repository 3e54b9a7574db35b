#include "ui/settings/autosave.h"

#include <algorithm>
#include <cctype>

#include "core/ini_file.h"
#include "ui/settings/recent_files.h"

namespace pw {

void Autosave::SetInterval(int minutes) {
    interval_ = std::clamp(minutes, kMinInterval, kMaxInterval);
}

bool Autosave::Tick() {
    if (!active_) return false;
    if (counter_ < interval_) {
        ++counter_;
        return false;
    }
    counter_ = 0;
    return true;
}

void Autosave::Read(const IniFile& ini) {
    active_ = ini.ReadInteger("Backup", "Aktiv", 1) != 0;
    SetInterval(ini.ReadInteger("Backup", "Intervall", 10));
}

void Autosave::Write(IniFile& ini) const {
    ini.WriteInteger("Backup", "Aktiv", active_ ? 1 : 0);
    ini.WriteInteger("Backup", "Intervall", interval_);
}

std::string BackupPathOf(const std::string& currentFile) {
    const std::string name = FileNameOf(currentFile);
    const size_t last = name.rfind('.');
    std::string extension = last == std::string::npos ? "" : name.substr(last + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    // A backup that is open gets a backup of its own and never replaces itself.
    if (extension == "BAK") return currentFile + ".BAK";
    const size_t dot = name.find('.');
    const std::string stem = dot == std::string::npos ? name + "." : name.substr(0, dot + 1);
    return DirectoryOf(currentFile) + stem + "BAK";
}

}  // namespace pw
