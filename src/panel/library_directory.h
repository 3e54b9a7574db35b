#pragma once
// The library directory: LIB in the program directory, one page file (.Lib) per page, each
// a panel record whose first 41 bytes name the page. The listing reads those bytes alone; a
// file that cannot be read is left out of the listing and reported, and the listing goes on.

#include <string>
#include <string_view>
#include <vector>

namespace pw {

// Page names end before the version characters of the record's header (bytes 37 to 40), with
// one byte to spare: a name written by this program never runs into the version.
inline constexpr size_t kMaxPageNameLength = 35;

struct LibraryPageEntry {
    std::string name;  // the page name, UTF-8
    std::string path;  // the page file's full path
};

struct LibraryListing {
    // Sorted by name without regard to letter case; pages of equal names by file path.
    std::vector<LibraryPageEntry> pages;
    // One message per page file that could not be read.
    std::vector<std::string> skipped;
};

// The library directory of a program directory (ending in '/'): its LIB directory found
// without regard to letter case, or home + "LIB" when there is none yet.
std::string LibraryDirectoryOf(const std::string& home);

// Whether a file name ends in ".lib", in any letter case.
bool IsLibraryPageName(std::string_view fileName);

// Lists the page files of the directory; a missing directory lists nothing.
LibraryListing ListLibraryPages(const std::string& directory);

// The path a new page gets: directory/LIBn.Lib with the smallest n >= 1 for which no page file
// of that name exists in any letter case.
std::string NewLibraryPagePath(const std::string& directory);

// A page name cut to kMaxPageNameLength characters.
std::string LimitPageName(std::string_view utf8);

// The default name of a new or emptied page in the current language.
std::string DefaultPageName();

}  // namespace pw
