// The program's start-up, run by the same function as the program's main() (program directory,
// main window, maximised, the start-up document), ending when the view has put the document on
// the screen: at the first paint of the current panel view after the start-up document was
// opened it prints the clock (CLOCK_REALTIME, nanoseconds) and ends. bench/startup.sh takes the
// time from launch to then.
//
//   startup_probe --home DIR [--no-title] [DOCUMENT.fpl]
//
// --no-title leaves out the start-up picture, to see what showing it costs.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <string_view>

#include "ui/app/program_run.h"
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
    QWidget* viewport = nullptr;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (viewport && !seen_ && event->type() == QEvent::Paint && watched == viewport) {
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
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    bool title = true;
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--no-title") title = false;
    ScreenWatch watch;
    pw::ProgramRunHooks hooks;
    hooks.options = [title, &watch](pw::MainWindowOptions& options) {
        options.titlePicture = title;
        qApp->installEventFilter(&watch);
    };
    hooks.started = [&watch](pw::MainWindow& window) {
        watch.viewport = window.CurrentView().viewport();
        watch.viewport->update();
    };
    return pw::RunProgram(argc, argv, hooks);
}
