// plattenwerk: the front-panel designer. Usage: plattenwerk [--home DIR] [DOCUMENT.fpl]
#include <QApplication>
#include <QTimer>

#include "ui/app/program_dirs.h"
#include "ui/main/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const pw::CommandLine line = pw::ParseCommandLine(argc, argv);
    pw::MainWindowOptions options;
    options.dirs.home = pw::ResolveHomeDirectory(line.home);
    options.dirs.data = pw::FindDataDirectory(QCoreApplication::applicationFilePath().toStdString());
    pw::SeedHomeDirectory(options.dirs.home, options.dirs.data);
    options.document = line.document;
    pw::MainWindow window(options);
    window.showMaximized();
    QTimer::singleShot(0, &window, [&window] { window.Start(); });
    return app.exec();
}
