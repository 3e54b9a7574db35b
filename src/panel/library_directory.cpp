#include "panel/library_directory.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>

#include "core/cp1252.h"
#include "core/language.h"
#include "core/short_string.h"

namespace fs = std::filesystem;

namespace pw {

namespace {

std::string Lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
    return out;
}

// The page name a page file's header holds; false when the file holds no header.
bool ReadPageName(const fs::path& path, std::string& name) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    ShortString40 header;
    in.read(reinterpret_cast<char*>(header.bytes.data()), header.bytes.size());
    if (in.gcount() != static_cast<std::streamsize>(header.bytes.size())) return false;
    // The characters from byte 37 on are the format version.
    header.bytes[0] = std::min<uint8_t>(header.bytes[0], 36);
    name = header.Text();
    return true;
}

std::string UnreadableMessage(const std::string& path) {
    return Tr("Die Bibliotheksseite ", "The library page ") + path +
           Tr(" kann nicht gelesen werden; sie wird übergangen.", " cannot be read; it is left out.");
}

}  // namespace

std::string LibraryDirectoryOf(const std::string& home) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(home, ec)) {
        if (Lower(entry.path().filename().string()) == "lib" && entry.is_directory(ec))
            return entry.path().string();
    }
    return home + "LIB";
}

bool IsLibraryPageName(std::string_view fileName) {
    return fileName.size() > 4 && Lower(fileName.substr(fileName.size() - 4)) == ".lib";
}

LibraryListing ListLibraryPages(const std::string& directory) {
    LibraryListing listing;
    std::error_code ec;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(directory, ec))
        if (IsLibraryPageName(entry.path().filename().string()) && !entry.is_directory(ec))
            files.push_back(entry.path());
    for (const fs::path& file : files) {
        std::string name;
        if (!fs::is_regular_file(file, ec) || !ReadPageName(file, name)) {
            listing.skipped.push_back(UnreadableMessage(file.string()));
            continue;
        }
        listing.pages.push_back({name, file.string()});
    }
    std::sort(listing.pages.begin(), listing.pages.end(), [](const auto& a, const auto& b) {
        const std::string la = Lower(a.name), lb = Lower(b.name);
        return la != lb ? la < lb : a.path < b.path;
    });
    return listing;
}

std::string NewLibraryPagePath(const std::string& directory) {
    std::set<std::string> taken;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(directory, ec))
        taken.insert(Lower(entry.path().filename().string()));
    for (int n = 1;; ++n) {
        const std::string name = "LIB" + std::to_string(n) + ".Lib";
        if (!taken.count(Lower(name))) return (fs::path(directory) / name).string();
    }
}

std::string LimitPageName(std::string_view utf8) {
    std::string raw = Utf8ToCp1252(utf8);
    if (raw.size() > kMaxPageNameLength) raw.resize(kMaxPageNameLength);
    return Cp1252ToUtf8(raw);
}

std::string DefaultPageName() {
    return Tr("neue Bibliothek", "new library");
}

}  // namespace pw
