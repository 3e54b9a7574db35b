#include "ui/print/print_command.h"

#include "ui/dialogs/dialog_frame.h"
#include "ui/main/user_prompts.h"
#include "ui/main/window_dialogs.h"
#include "ui/print/print_destination.h"
#include "ui/print/print_session.h"

namespace pw {

PrintCommand::PrintCommand(WerkbankSettings* settingsFile)
    : settingsFile_(settingsFile), destination_(std::make_unique<PrintDestination>()) {}

PrintCommand::~PrintCommand() = default;

void PrintCommand::Run(QWidget* parent, TPlatine& panel, WindowDialogs& dialogs, UserPrompts& prompts,
                       const DisplayButtons& buttons) {
    panel.SelectAll(false);
    destination_->Refresh();
    const bool go =
        !destination_->IsPdf() ||
        prompts.AskYesNo(parent, TrQ("Drucken", "Print"),
                         TrQ("Es ist kein Drucker eingerichtet.\nStattdessen in eine PDF-Datei drucken?",
                             "No printer is set up.\nPrint to a PDF file instead?"));
    if (go) {
        PrintSession session(panel, settings_, *destination_, settingsFile_, prompts);
        if (dialogs.Print(parent, session)) session.PrintPanel(parent);
    }
    // Printed or not, the panel shows again what the display buttons say.
    panel.SetMitSymbolen(buttons.symbole);
    panel.SetMitBemassung(buttons.masse);
    panel.SetMitBohren(buttons.bohren);
    panel.Repaint();
}

}  // namespace pw
