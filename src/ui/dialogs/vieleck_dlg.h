#pragma once
// TVieleck_Dlg: the regular polygon's dialog: corner count, radius (outer or inner) and start
// angle. The regular-polygon command builds the polygon from what it gives back.

#include <QDialog>
#include <optional>

#include "panel/regular_polygon.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;

namespace pw {

class TVieleck_Dlg : public QDialog {
    Q_OBJECT
  public:
    explicit TVieleck_Dlg(QWidget* parent = nullptr);
    RegularPolygonInput Values() const;

    QSpinBox* SE_Ecken;
    QLineEdit* Radius_Edit;
    QRadioButton* cb_innen;
    QRadioButton* cb_aussen;
    QLineEdit* Winkel_Edit;
};

// Shows the dialog modally: the values, nothing when cancelled.
std::optional<RegularPolygonInput> ShowRegularPolygonDialog(QWidget* parent);

}  // namespace pw
