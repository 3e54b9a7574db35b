// plattenwerk: the front-panel designer. Usage: plattenwerk [--home DIR] [DOCUMENT.fpl]
#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "ui/app/program_dirs.h"
#include "ui/app/program_info.h"
#include "ui/main/main_window.h"
#include "ui/main/texts.h"
#include "ui/settings/werkbank_settings.h"

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
    QApplication app(argc, argv);
    // The desktop entry's name, so that the desktop shows the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.plattenwerk.Plattenwerk"));
    QIcon icon(QStringLiteral(":/icons/plattenwerk.svg"));
    icon.addFile(QStringLiteral(":/icons/plattenwerk-48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/icons/plattenwerk-256.png"), QSize(256, 256));
    QApplication::setWindowIcon(icon);
    const pw::CommandLine line = pw::ParseCommandLine(argc, argv);
    pw::MainWindowOptions options;
    options.dirs.home = pw::ResolveHomeDirectory(line.home);
    options.dirs.data = pw::FindDataDirectory(QCoreApplication::applicationFilePath().toStdString());
    if (!pw::SeedHomeDirectory(options.dirs.home, options.dirs.data))
        QMessageBox::warning(nullptr, pw::msg::AppTitle(),
                             QStringLiteral("Das Programmverzeichnis %1 kann nicht angelegt werden.\n"
                                            "The program directory %1 cannot be created.")
                                 .arg(QString::fromStdString(options.dirs.home)));
    options.document = line.document;
    // Qt's own dialogs (files, colours) speak German too, where Qt's translations are installed.
    QTranslator qtTexts;
    if (!pw::ReadEnglishFromLanguageFile(options.dirs.home) &&
        qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    pw::MainWindow window(options);
    // Without a window manager a maximised window keeps its size: take the screen's.
    if (QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    QTimer::singleShot(0, &window, [&window] { window.Start(); });
    return app.exec();
}
