#pragma once
// The main window's print command ("&Drucken...", sb_Print, Ctrl+P): deselects the panel,
// looks for a printer (offering a PDF file when there is none), shows the print dialog with
// its preview, prints, and in any case puts the panel's display filters back to the window's
// display buttons. The print settings and the destination live as long as the window.

#include <memory>

#include "core/print_settings.h"
#include "panel/platine.h"

class QWidget;

namespace pw {

class PrintDestination;
class UserPrompts;
class WerkbankSettings;
class WindowDialogs;

// The pressed states of SymboleBtn, MasseBtn and BohrenBtn.
struct DisplayButtons {
    bool symbole = true;
    bool masse = true;
    bool bohren = true;
};

class PrintCommand {
  public:
    // settingsFile keeps the calibration factors per printer; may be null.
    explicit PrintCommand(WerkbankSettings* settingsFile);
    ~PrintCommand();

    void Run(QWidget* parent, TPlatine& panel, WindowDialogs& dialogs, UserPrompts& prompts,
             const DisplayButtons& buttons);

    PrintSettings& Settings() { return settings_; }
    PrintDestination& Destination() { return *destination_; }

  private:
    WerkbankSettings* settingsFile_;
    PrintSettings settings_;
    std::unique_ptr<PrintDestination> destination_;
};

}  // namespace pw
