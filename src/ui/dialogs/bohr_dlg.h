#pragma once
// TBohrDlg: the drill hole's diameter dialog. It shows the diameter text it is given (mm) and
// gives back the text confirmed; the drill hole reads it.

#include <QDialog>
#include <optional>
#include <string>

namespace pw {

class NumberField;

class TBohrDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TBohrDlg(QWidget* parent = nullptr);
    void SetText(const std::string& diameterText);
    std::string Text() const;

    NumberField* DM_Edit;
};

// Shows the dialog modally: the confirmed text, nothing when cancelled.
std::optional<std::string> ShowBohrDlg(QWidget* parent, const std::string& diameterText);

}  // namespace pw
