#pragma once
// "plattenwerk-cli print": a panel printed as the print dialog prints it, into a PDF file with
// the paper's size or to a CUPS printer.

#include <ostream>
#include <string>
#include <vector>

namespace pw::cli {

// Runs the command; args are those after "print". Exit status as cli.h says; a print job that
// fails ends with kExitFailed.
int RunPrintCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace pw::cli
