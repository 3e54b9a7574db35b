#pragma once
// plattenwerk-cli: the headless tool. Reads documents, prints what they hold as JSON, paints
// panels into pictures, writes documents again and checks them.

#include <ostream>
#include <string>
#include <vector>

namespace pw::cli {

enum ExitCode : int {
    kExitOk = 0,
    // The document could not be read (the reader's message is printed).
    kExitFailed = 1,
    // A missing input file, an unknown option or bad option value, an output that cannot be
    // written.
    kExitUsage = 2,
};

// Runs one command; args are the command line without the program name.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pw::cli
