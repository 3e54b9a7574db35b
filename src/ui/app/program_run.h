#pragma once
// The program's run from the Qt application to the end of its event loop: the program directory,
// the main window, maximised, and the start-up document. main() runs it; the start-up benchmark
// runs the same steps and watches them through the hooks.

#include <functional>

namespace pw {

class MainWindow;
struct MainWindowOptions;

struct ProgramRunHooks {
    // Called with the window's options before the window is made.
    std::function<void(MainWindowOptions&)> options;
    // Called once the window has run its start-up steps and opened the start-up document.
    std::function<void(MainWindow&)> started;
};

// Runs the program on the command line [--home DIR] [DOCUMENT.fpl]; the exit code.
int RunProgram(int argc, char** argv, const ProgramRunHooks& hooks = {});

}  // namespace pw
