#pragma once
// The two directories the program works with: the read-only data shipped with it (examples,
// title picture, manual, default settings) and the writable program directory that holds the
// settings and lists. The writable one is chosen by --home DIR, else PLATTENWERK_HOME, else
// $XDG_CONFIG_HOME/plattenwerk (~/.config/plattenwerk); on first use it is created and seeded
// from the data directory.

#include <optional>
#include <string>

namespace pw {

struct ProgramDirs {
    std::string home;  // writable program directory, ending in '/'
    std::string data;  // read-only data directory, ending in '/'; empty when none was found
};

// The writable program directory from the option, the environment and the defaults.
std::string ResolveHomeDirectory(const std::optional<std::string>& homeOption);

// The data directory: PLATTENWERK_DATA, then the installed data relative to the executable's bin
// directory (share/plattenwerk beside it), then the source tree's data directory the program
// was built from.
std::string FindDataDirectory(const std::string& executablePath);

// Creates the program directory and copies into it the shipped files it was never given: the
// files of data/home (default settings), the library pages of data/LIB and the example folders
// Beispiele and Examples. A record in the directory (.seeded) lists what was seeded, so that a
// file the user deleted does not come back; a file already there is kept. False when the
// directory cannot be created.
bool SeedHomeDirectory(const std::string& home, const std::string& data);

// The command line: [--home DIR] [--version] [--help] [DOCUMENT]. The first argument that is
// not an option is the document to open.
struct CommandLine {
    std::optional<std::string> home;
    std::optional<std::string> document;
    bool version = false;
    bool help = false;
};
CommandLine ParseCommandLine(int argc, const char* const* argv);

}  // namespace pw
