#include "ui/app/program_run.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include "ui/app/program_dirs.h"
#include "ui/main/main_window.h"
#include "ui/main/texts.h"
#include "ui/settings/werkbank_settings.h"

namespace pw {

int RunProgram(int argc, char** argv, const ProgramRunHooks& hooks) {
    QApplication app(argc, argv);
    // The desktop entry's name, so that the desktop shows the window with its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.plattenwerk.Plattenwerk"));
    QIcon icon(QStringLiteral(":/icons/plattenwerk.svg"));
    icon.addFile(QStringLiteral(":/icons/plattenwerk-48.png"), QSize(48, 48));
    icon.addFile(QStringLiteral(":/icons/plattenwerk-256.png"), QSize(256, 256));
    QApplication::setWindowIcon(icon);
    const CommandLine line = ParseCommandLine(argc, argv);
    MainWindowOptions options;
    options.dirs.home = ResolveHomeDirectory(line.home);
    options.dirs.data = FindDataDirectory(QCoreApplication::applicationFilePath().toStdString());
    if (!SeedHomeDirectory(options.dirs.home, options.dirs.data))
        QMessageBox::warning(nullptr, msg::AppTitle(),
                             QStringLiteral("Das Programmverzeichnis %1 kann nicht angelegt werden.\n"
                                            "The program directory %1 cannot be created.")
                                 .arg(QString::fromStdString(options.dirs.home)));
    options.document = line.document;
    if (hooks.options) hooks.options(options);
    // Qt's own dialogs (files, colours) speak German too, where Qt's translations are installed.
    QTranslator qtTexts;
    if (!ReadEnglishFromLanguageFile(options.dirs.home) &&
        qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    MainWindow window(options);
    // Without a window manager a maximised window keeps its size: take the screen's.
    if (QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    QTimer::singleShot(0, &window, [&window, &hooks] {
        window.Start();
        if (hooks.started) hooks.started(window);
    });
    return app.exec();
}

}  // namespace pw
