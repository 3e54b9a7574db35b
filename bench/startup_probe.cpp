// The program's start-up as main.cpp runs it (program directory, main window, maximised, the
// start-up document), ending when the view has put the document on the screen: at the first paint
// of the current panel view after the start-up document was opened it prints the clock
// (CLOCK_REALTIME, nanoseconds) and ends. bench/startup.sh takes the time from launch to then.
//
//   startup_probe --home DIR [--no-title] [DOCUMENT.fpl]
//
// --no-title leaves out the start-up picture, which the program shows for 500 ms whatever else
// it does, to see what the rest of the start costs.
#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "ui/app/program_dirs.h"
#include "ui/main/main_window.h"
#include "ui/panel/panel_view.h"

namespace {

long long NowNs() {
    timespec t{};
    clock_gettime(CLOCK_REALTIME, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Waits for the first paint of the view's viewport once the start is done.
class ScreenWatch : public QObject {
  public:
    explicit ScreenWatch(pw::MainWindow& window) : window_(window) {}
    bool started = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (started && !seen_ && event->type() == QEvent::Paint &&
            watched == window_.CurrentView().viewport()) {
            seen_ = true;
            // After the paint itself.
            QTimer::singleShot(0, [] {
                std::printf("%lld\n", NowNs());
                std::fflush(stdout);
                QApplication::exit(0);
            });
        }
        return false;
    }

  private:
    pw::MainWindow& window_;
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const pw::CommandLine line = pw::ParseCommandLine(argc, argv);
    pw::MainWindowOptions options;
    options.dirs.home = pw::ResolveHomeDirectory(line.home);
    options.dirs.data = pw::FindDataDirectory(QCoreApplication::applicationFilePath().toStdString());
    if (!pw::SeedHomeDirectory(options.dirs.home, options.dirs.data)) return 2;
    options.document = line.document;
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--no-title") options.titlePicture = false;
    pw::MainWindow window(options);
    if (QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    ScreenWatch watch(window);
    app.installEventFilter(&watch);
    window.showMaximized();
    QTimer::singleShot(0, &window, [&] {
        window.Start();
        watch.started = true;
        window.CurrentView().viewport()->update();
    });
    return app.exec();
}
