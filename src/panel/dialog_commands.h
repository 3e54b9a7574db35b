#pragma once
// The edit commands that run a dialog: element properties, the regular polygon and the grid
// dialog. The window shows its dialogs; these take what the user confirmed (or a function that
// shows the dialog and returns its values, nothing when cancelled) and change the panel. The
// window hides its floating tool windows around each call and refreshes its command states
// after it.

#include <functional>
#include <optional>
#include <string>

#include "panel/platine.h"
#include "panel/regular_polygon.h"

namespace pw {

// --- Element properties (pop-up "Eigenschaften", and the double-click on an element) ---

enum class PropertiesOutcome {
    Nothing,          // a selection without a selected current element
    PanelProperties,  // nothing selected: the window opens the panel properties
    Cancelled,        // the element's dialog was cancelled (the snapshot stays)
    Confirmed,        // the element changed
};

// Takes the snapshot, removes the handles and runs the element's own dialog (EditProperties).
// Confirmed: a text takes its edited text and its font becomes the panel's current font; a
// drill hole's diameter becomes the panel's last drill diameter. The element is repainted and
// the selection frame rebuilt. True when confirmed.
bool EditElementProperties(TPlatine& panel, TBauteil& element);

// Pop-up "Eigenschaften": the properties of the current element when it is selected, those of
// the panel when nothing is selected.
PropertiesOutcome ElementPropertiesCommand(TPlatine& panel);

// --- VieleckBtn ("gleichmäßiges Vieleck erzeugen...") ---

// After OK of the regular-polygon dialog: snapshot, everything deselected, the polygon in the
// panel's current attributes added on top and selected. Returns it.
TPolygon* RegularPolygonCommand(TPlatine& panel, const RegularPolygonInput& values);

// --- "&Raster einrichten..." (Ctrl+R, right click on UrsprungBtn) ---

// The grid dialog's fields: UrsprungXEdit, UrsprungYEdit, FangEdit (mm), RasterCheckbox.
struct GridDialogValues {
    std::string originX;
    std::string originY;
    std::string spacing;
    bool visible = false;
};

// The panel's grid as the dialog shows it.
GridDialogValues GridDialogValuesOf(const TPlatine& panel);

enum class GridField { UrsprungXEdit, UrsprungYEdit, FangEdit };
// A field's range in model units (1/50 mm).
struct GridFieldRange {
    Real minimum, maximum;
};
// The origin lies within 0 to 600 mm, the snap spacing within 0.02 to 20 mm.
GridFieldRange RangeOf(GridField field);
// The first field whose number lies outside its range; none when the values are accepted.
std::optional<GridField> RejectedGridField(const GridDialogValues& values);
// Stores accepted values (origin rounded to whole units, spacing as typed); false, and nothing
// stored, otherwise.
bool ApplyGridDialogValues(TPlatine& panel, const GridDialogValues& values);

// Shows the dialog with the given values; nothing when cancelled.
using GridDialogFunction = std::function<std::optional<GridDialogValues>(const GridDialogValues&)>;
// Says which field was out of range.
using GridRejection = std::function<void(GridField)>;
// Snapshot, then the dialog is shown again with the rejected entry, after the rejection names
// the field, until the entry is accepted or the dialog cancelled; repaints after an accepted
// entry. True when accepted.
bool GridCommand(TPlatine& panel, const GridDialogFunction& showDialog, const GridRejection& rejected = {});

}  // namespace pw
