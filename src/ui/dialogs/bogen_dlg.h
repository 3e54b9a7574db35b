#pragma once
// TBogenDlg: the arc's style dialog (open arc, pie slice, arc closed by its chord).

#include <QDialog>
#include <optional>

class QComboBox;

namespace pw {

class TBogenDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TBogenDlg(QWidget* parent = nullptr);
    void SetStyle(int styleIndex);
    int Style() const;

    QComboBox* cb_Style;
};

// Shows the dialog modally with the style preselected: the chosen style, nothing when cancelled.
std::optional<int> ShowBogenDlg(QWidget* parent, int styleIndex);

}  // namespace pw
