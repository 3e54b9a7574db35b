#pragma once
// The program's own dialogs for the main window.

#include <memory>
#include <string>

#include "ui/main/window_dialogs.h"

namespace pw {

// programDir: the writable program directory (the colour dialog keeps Colors.dat there).
std::unique_ptr<WindowDialogs> MakeProgramDialogs(const std::string& programDir);

}  // namespace pw
