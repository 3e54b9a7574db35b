#pragma once
// The four most recently opened documents of the "&Datei" menu ("&1" to "&4"), kept in the
// settings file's section "History" as "D1" to "D4".

#include <array>
#include <string>

namespace pw {

class IniFile;

class RecentFiles {
  public:
    static constexpr size_t kCount = 4;

    // Entry k (1 to 4); empty when unused.
    const std::string& Entry(size_t k) const { return entries_[k - 1]; }
    void SetEntry(size_t k, std::string path) { entries_[k - 1] = std::move(path); }

    // A document opened through the open dialog: when its path differs, without regard to
    // letter case, from every entry, the entries move down one place (the fourth is dropped)
    // and the path becomes entry 1; otherwise nothing changes. True when the list changed.
    bool AddOpened(const std::string& path);

    // "&1 Platte.fpl": the menu caption of entry k, the file name without its directory.
    std::string Caption(size_t k) const;
    // An entry's menu item is shown only when the entry holds more than one character.
    bool Shown(size_t k) const;

    void Read(const IniFile& ini);
    void Write(IniFile& ini) const;

  private:
    std::array<std::string, kCount> entries_;
};

// The file name of a path without its directory.
std::string FileNameOf(const std::string& path);
// The directory of a path with its trailing separator ("/home/a/" for "/home/a/b.fpl").
std::string DirectoryOf(const std::string& path);

}  // namespace pw
