// plattenwerk-cli: see cli.h. Runs as a Qt Gui application, on the offscreen platform when no
// display is at hand.
#include <QGuiApplication>
#include <cstdlib>
#include <iostream>

#include "cli/cli.h"
#include "cli/cli_options.h"
#include "core/language.h"

namespace {
// Qt's notes about its surroundings (a missing runtime directory and the like) would mix with
// the tool's own one-line messages; only its critical messages pass.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << '\n';
}
}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication app(argc, argv);
    pw::SetLanguage(
        pw::cli::LanguageFromLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG")));
    std::vector<std::string> args(argv + 1, argv + argc);
    return pw::cli::Run(args, std::cout, std::cerr);
}
