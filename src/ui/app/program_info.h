#pragma once
// What the program says about itself: its version, its licence and its command line.

#include <string>

namespace pw {

// The version number set in the build ("2.0").
const char* ProgramVersion();

// One line naming the licence, German or English.
std::string LicenceNote(bool german);

// The answer to --help: the command line, the options, and the directories in use.
std::string ProgramUsageText(bool german, const std::string& home, const std::string& data);

}  // namespace pw
