#pragma once
// The dialogs the main window runs for the panel and its own settings: panel properties, grid,
// regular polygon, automatic backup and the load progress window. The program shows its own
// windows; tests answer in their place.

#include <QString>
#include <memory>
#include <optional>

#include "core/color.h"
#include "core/numbers.h"
#include "panel/dialog_commands.h"
#include "panel/platine.h"
#include "panel/regular_polygon.h"
#include "panel/scale_assistant.h"
#include "render/picture_export.h"

class QWidget;

namespace pw {

class Autosave;
class UserPrompts;
class PrintSession;

// What the panel properties dialog shows and gives back: the name, the size in millimetres and
// the colour.
struct PanelPropertiesValues {
    std::string name;
    Real widthMm = 100;
    Real heightMm = 100;
    Color colour = 0xE6E6E6;
};

// The values of a panel, and the panel given the confirmed values: colour, name (at most 40
// characters), width and height clamped to 10 to 600 mm and stored as whole units, rounded.
PanelPropertiesValues PanelPropertiesOf(const TPlatine& panel);
void ApplyPanelProperties(TPlatine& panel, const PanelPropertiesValues& values);

class WindowDialogs {
  public:
    virtual ~WindowDialogs() = default;
    // TPlatinenDlg: the confirmed values, nothing when cancelled. The dialog keeps itself open
    // while a size lies outside 10 to 600 mm.
    virtual std::optional<PanelPropertiesValues> PanelProperties(QWidget* parent,
                                                                 const PanelPropertiesValues& shown) = 0;
    // TRasterDlg: the entered values, nothing when cancelled.
    virtual std::optional<GridDialogValues> Grid(QWidget* parent, const GridDialogValues& shown) = 0;
    // TVieleck_Dlg: the regular polygon's values, nothing when cancelled.
    virtual std::optional<RegularPolygonInput> RegularPolygon(QWidget* parent) = 0;
    // TScaleManDlg on the assistant's state: true when closed with OK. A corrected value is
    // reported through prompts.
    virtual bool RunScaleAssistant(QWidget* parent, ScaleAssistant& assistant, UserPrompts& prompts) = 0;
    // TBackupDlg: shows autosave on/off and its interval and takes both back however the dialog
    // was closed.
    virtual void Backup(QWidget* parent, Autosave& autosave) = 0;
    // TPrint_Dlg: the print settings with the live preview, on the session; true when "&Drucken"
    // was chosen.
    virtual bool Print(QWidget* parent, PrintSession& session) = 0;
    // TLaden_Dlg: a progress window shown while the returned object lives.
    virtual std::unique_ptr<LoadProgress> LoadProgressWindow(QWidget* parent) = 0;
    // TExport_Dlg, showing the last choice: the confirmed choice, nothing when cancelled.
    // "nur gewählte Objekte" is offered only when selectionPossible.
    virtual std::optional<ExportChoice> Export(QWidget* parent, bool selectionPossible,
                                               const ExportChoice& last) = 0;
};

}  // namespace pw
