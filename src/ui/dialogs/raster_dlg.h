#pragma once
// TRasterDlg: the grid dialog (origin, snap spacing, grid shown). It shows the texts it is given
// and gives back the texts entered; the grid command judges them and shows the dialog again
// until they are accepted or the user cancels.

#include <QDialog>
#include <optional>

#include "panel/dialog_commands.h"

class QCheckBox;

namespace pw {

class NumberField;

class TRasterDlg : public QDialog {
    Q_OBJECT
  public:
    // unit: the unit text the three fields are labelled with (the main window's, "mm").
    explicit TRasterDlg(QWidget* parent = nullptr, const QString& unit = QStringLiteral("mm"));

    void SetValues(const GridDialogValues& values);
    GridDialogValues Values() const;

    NumberField* UrsprungXEdit;
    NumberField* UrsprungYEdit;
    NumberField* FangEdit;
    QCheckBox* RasterCheckbox;
};

// The label of a field in the current language.
QString GridFieldLabel(GridField field);
// The warning that names a field whose number is out of range, with its limits.
QString GridRangeMessage(GridField field, const QString& unit = QStringLiteral("mm"));

// Shows the dialog modally with the values: what was entered, nothing when cancelled. This is
// the dialog function the grid command takes.
std::optional<GridDialogValues> ShowGridDialog(QWidget* parent, const GridDialogValues& shown);

}  // namespace pw
