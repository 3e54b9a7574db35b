// plattenwerk: the front-panel designer. Usage: plattenwerk [--home DIR] [DOCUMENT.fpl]
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include "ui/app/program_dirs.h"
#include "ui/main/main_window.h"
#include "ui/settings/werkbank_settings.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const pw::CommandLine line = pw::ParseCommandLine(argc, argv);
    pw::MainWindowOptions options;
    options.dirs.home = pw::ResolveHomeDirectory(line.home);
    options.dirs.data = pw::FindDataDirectory(QCoreApplication::applicationFilePath().toStdString());
    if (!pw::SeedHomeDirectory(options.dirs.home, options.dirs.data))
        QMessageBox::warning(nullptr, QStringLiteral("Plattenwerk 2.0"),
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
