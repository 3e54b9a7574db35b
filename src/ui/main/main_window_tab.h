#pragma once
// One tab of the main window: the panel's view (which owns the panel) and the panel's undo
// store.

#include "panel/platine.h"
#include "ui/main/main_window.h"

namespace pw {

struct MainWindow::Tab {
    PanelView* view = nullptr;  // owned by the drawing area's scroll box
    TBackupStream undo;
};

}  // namespace pw
