#pragma once
// TExport_Dlg ("Export"): what an export writes — only the selected elements or all, with or
// without the panel's background — and in which format; PNG pictures with their resolution.

#include <QDialog>
#include <optional>

#include "render/picture_export.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace pw {

class TExport_Dlg : public QDialog {
    Q_OBJECT
  public:
    // "nur gewählte Objekte" is offered only when elements are selected.
    TExport_Dlg(bool selectionPossible, QWidget* parent = nullptr);

    void SetChoice(const ExportChoice& choice);
    ExportChoice Choice() const;

    QRadioButton* rb_Auswahl;
    QRadioButton* rb_alles;
    QCheckBox* cb_Hintergrund;
    QComboBox* FormatCombo;
    QSpinBox* DpiEdit;

  private:
    void UpdateDpiField();
};

// Runs the dialog with the last choice; the confirmed choice, nothing when cancelled.
std::optional<ExportChoice> ShowExportDlg(QWidget* parent, bool selectionPossible, const ExportChoice& last);

// The file dialog's filter and default suffix of a format.
QString ExportFilter(ExportFormat format);

}  // namespace pw
