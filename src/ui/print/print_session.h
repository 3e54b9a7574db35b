#pragma once
// One run of the print command: the panel, the print settings that live as long as the
// program, the destination, the calibration factors kept per printer in Werkbank.INI, and the
// printing itself with its questions and messages. The print dialog works on it.

#include <QString>
#include <string>

#include "core/print_plan.h"
#include "panel/platine.h"

class QWidget;

namespace pw {

class PrintDestination;
class UserPrompts;
class WerkbankSettings;

class PrintSession {
  public:
    // settingsFile may be null (nothing is kept then).
    PrintSession(TPlatine& panel, PrintSettings& settings, PrintDestination& destination,
                 WerkbankSettings* settingsFile, UserPrompts& prompts);

    TPlatine& Panel() { return panel_; }
    PrintSettings& Settings() { return settings_; }
    PrintDestination& Destination() { return destination_; }
    const Calibration& GetCalibration() const { return calibration_; }
    // Takes the factors and keeps them for the printer.
    void SetCalibration(const Calibration& calibration);
    // After the printer or paper changed: the new printer's factors.
    void DestinationChanged();

    // The plan of the printout on the destination's sheet. Centred offsets are kept in the
    // settings, so that the copies stay where they are when centring is switched off.
    PrintPlan Plan();
    // "Druckvorschau - " and the printer's name.
    QString Caption() const;

    // Prints the panel, or the test page, to the destination; a PDF destination asks for the
    // file first. False when nothing was printed (cancelled, or failed with a message).
    bool PrintPanel(QWidget* parent);
    bool PrintTestPage(QWidget* parent);

  private:
    bool Print(QWidget* parent, TPlatine* panel);

    TPlatine& panel_;
    PrintSettings& settings_;
    PrintDestination& destination_;
    WerkbankSettings* settingsFile_;
    UserPrompts& prompts_;
    Calibration calibration_;
};

}  // namespace pw
