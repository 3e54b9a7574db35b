#pragma once
// The program's own dialogs for the main window.

#include <memory>

#include "ui/main/window_dialogs.h"

namespace pw {

std::unique_ptr<WindowDialogs> MakeProgramDialogs();

}  // namespace pw
