#pragma once
// TTXT_Dlg: the text element's properties dialog, one line of wording. A line under the field
// names, while the user types, the characters a document cannot store and what they become.

#include <QDialog>
#include <optional>
#include <string>

class QLabel;
class QLineEdit;

namespace pw {

class TTXT_Dlg : public QDialog {
    Q_OBJECT
  public:
    explicit TTXT_Dlg(QWidget* parent = nullptr);
    void SetText(const std::string& text);
    std::string Text() const;

    QLineEdit* TextEdit;
    QLabel* StorageWarning;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Shows or hides the warning line for the current wording; the dialog grows by its height.
    void UpdateStorageWarning();
};

// Shows the dialog modally with the text: the confirmed text, nothing when cancelled.
std::optional<std::string> ShowTextDlg(QWidget* parent, const std::string& text);

}  // namespace pw
