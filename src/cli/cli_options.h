#pragma once
// The command line of plattenwerk-cli: a command, its file arguments and options.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/language.h"

namespace pw::cli {

// A command line that cannot be carried out as given (exit status 2).
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Options {
    std::string command;
    std::vector<std::string> files;
    // render only:
    std::optional<int> panel;  // none with allPanels
    bool allPanels = false;
    double dpi = 150;
    bool dpiGiven = false;
    bool background = true;
    bool outline = false;
};

// Parses and checks the command line: the command, the number of files it takes and the options
// it knows. Options may stand anywhere after the command, as "--dpi 300" or "--dpi=300".
Options ParseOptions(const std::vector<std::string>& args);

std::string UsageText();

// The language of the tool's messages from the locale variables: the first of LC_ALL,
// LC_MESSAGES and LANG that is set and not empty decides, German when it begins with "de".
Language LanguageFromLocale(const char* lcAll, const char* lcMessages, const char* lang);

}  // namespace pw::cli
