#pragma once
// TKachel_Dlg: the number of copies across and down (1 ... 20) and the distances between them
// in millimetres.

#include <QDialog>

#include "core/print_settings.h"

class QSpinBox;
class QLineEdit;

namespace pw {

class TKachel_Dlg : public QDialog {
    Q_OBJECT
  public:
    explicit TKachel_Dlg(QWidget* parent = nullptr);

    // Shows the copies and the gaps (model units shown in mm).
    void SetValues(const PrintSettings& settings);
    // Stores the spin values and the gap texts (a comma counts as a decimal point), in model
    // units; a gap that is negative or not a number counts as 0.
    void Store(PrintSettings& settings) const;

    QSpinBox* KachelX;
    QSpinBox* KachelY;
    QLineEdit* AbstandXEdit;
    QLineEdit* AbstandYEdit;
};

}  // namespace pw
