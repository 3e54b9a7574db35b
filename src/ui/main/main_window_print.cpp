// The main window's print command: the print dialog on the current panel; afterwards the
// panel's display filters follow the display buttons again.
#include <QAction>

#include "ui/main/main_window.h"
#include "ui/print/print_command.h"

namespace pw {

void MainWindow::PrintSlot() {
    if (tabs_.empty()) return;
    if (!print_) print_ = std::make_unique<PrintCommand>(&settings_);
    TPlatine& panel = CurrentPanel();
    const DisplayButtons buttons{Action("SymboleBtn")->isChecked(), Action("MasseBtn")->isChecked(),
                                 Action("BohrenBtn")->isChecked()};
    RunModal([&] { print_->Run(this, panel, *dialogs_, *prompts_, buttons); });
    RefreshCommandStates();
}

}  // namespace pw
