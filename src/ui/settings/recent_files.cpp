#include "ui/settings/recent_files.h"

#include <algorithm>
#include <cctype>

#include "core/ini_file.h"

namespace pw {

namespace {

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const char* const kKeys[RecentFiles::kCount] = {"D1", "D2", "D3", "D4"};

}  // namespace

std::string FileNameOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool RecentFiles::AddOpened(const std::string& path) {
    for (const std::string& e : entries_)
        if (SameTextIgnoringCase(e, path)) return false;
    std::move_backward(entries_.begin(), entries_.end() - 1, entries_.end());
    entries_[0] = path;
    return true;
}

std::string RecentFiles::Caption(size_t k) const {
    // Appended piece by piece: "&" + std::string trips a false -Wrestrict of GCC 12 at -O3.
    std::string caption = "&";
    caption += std::to_string(k);
    caption += ' ';
    caption += FileNameOf(Entry(k));
    return caption;
}

bool RecentFiles::Shown(size_t k) const {
    return Entry(k).size() > 1;
}

void RecentFiles::Read(const IniFile& ini) {
    for (size_t i = 0; i < kCount; ++i) entries_[i] = ini.ReadString("History", kKeys[i]);
}

void RecentFiles::Write(IniFile& ini) const {
    for (size_t i = 0; i < kCount; ++i) ini.WriteString("History", kKeys[i], entries_[i]);
}

}  // namespace pw
