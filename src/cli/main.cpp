// plattenwerk-cli: see cli.h. Runs as a Qt Gui application, on the offscreen platform when no
// display is at hand.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "cli/cli.h"
#include "core/language.h"

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const char* lang = std::getenv("LANG");
    pw::SetLanguage(lang && lang[0] == 'd' && lang[1] == 'e' ? pw::Language::German : pw::Language::English);
    std::vector<std::string> args(argv + 1, argv + argc);
    return pw::cli::Run(args, std::cout, std::cerr);
}
