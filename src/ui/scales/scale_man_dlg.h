#pragma once
// TScaleManDlg: the scale assistant window. The style list, the parameter grid (names with
// units, values; only numbers can be typed), the inscription button for the styles that carry
// inscriptions and the preview of the scale in the zoom tool. It passes what the user does on
// to the assistant's state (ScaleAssistant) and shows the result; a value corrected to a bound
// is reported in a warning box and shown corrected.

#include <QDialog>

#include "panel/scale_assistant.h"

class QComboBox;
class QPushButton;

namespace pw {

class PanelView;
class StringGrid;
class UserPrompts;

class TScaleManDlg : public QDialog {
    Q_OBJECT
  public:
    // The warning goes through prompts.
    TScaleManDlg(ScaleAssistant& assistant, UserPrompts& prompts, QWidget* parent = nullptr);
    ~TScaleManDlg() override;

    QComboBox* StyleCombo;
    StringGrid* ParamGrid;
    QPushButton* BeschriftenBtn;
    QPushButton* CancelBtn;
    QPushButton* OKBtn;
    PanelView* Vorschau;

  public slots:
    // OK: what is typed into the current row is committed first; after a correction the
    // dialog stays open with the corrected value.
    void accept() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildLayout();
    void StyleChanged(int index);
    void RowSelected(int row, int previousRow);
    void ValueChanged(int row);
    void InscriptionsClicked();
    bool GridKey(int key, const QString& text);
    void FillGrid();
    void SelectFirstRow();
    void AfterCommit(ParamCommit result);
    std::string CellText(size_t row) const;

    ScaleAssistant& assistant_;
    UserPrompts& prompts_;
    bool filling_ = false;
};

}  // namespace pw
