// plattenwerk: the front-panel designer. Usage: plattenwerk [--home DIR] [DOCUMENT.fpl]
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "ui/app/program_dirs.h"
#include "ui/app/program_info.h"
#include "ui/app/program_run.h"

namespace {

// --version and --help are answered before Qt starts, so they work without a display.
bool AnsweredWithoutWindow(int argc, char** argv) {
    const pw::CommandLine line = pw::ParseCommandLine(argc, argv);
    if (line.version) {
        std::cout << "plattenwerk " << pw::ProgramVersion() << '\n';
        return true;
    }
    if (!line.help) return false;
    const char* locale = std::getenv("LC_ALL");
    if (!locale || !*locale) locale = std::getenv("LC_MESSAGES");
    if (!locale || !*locale) locale = std::getenv("LANG");
    const bool german = locale && std::string_view(locale).starts_with("de");
    std::cout << pw::ProgramUsageText(german, pw::ResolveHomeDirectory(line.home),
                                      pw::FindDataDirectory("/proc/self/exe"));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnsweredWithoutWindow(argc, argv)) return 0;
    return pw::RunProgram(argc, argv);
}
