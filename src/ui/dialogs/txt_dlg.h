#pragma once
// TTXT_Dlg: the text element's properties dialog, one line of wording.

#include <QDialog>
#include <optional>
#include <string>

class QLineEdit;

namespace pw {

class TTXT_Dlg : public QDialog {
    Q_OBJECT
  public:
    explicit TTXT_Dlg(QWidget* parent = nullptr);
    void SetText(const std::string& text);
    std::string Text() const;

    QLineEdit* TextEdit;

  protected:
    void showEvent(QShowEvent* event) override;
};

// Shows the dialog modally with the text: the confirmed text, nothing when cancelled.
std::optional<std::string> ShowTextDlg(QWidget* parent, const std::string& text);

}  // namespace pw
