#pragma once
// TKorrekturDlg: the printer's horizontal and vertical calibration factors (0.8 ... 1.2). The
// factors may be typed, or computed from the lengths the test page's 100 mm square measured on
// paper: each measured length gives its factor at once.

#include <QDialog>
#include <functional>

#include "core/print_settings.h"

class QLineEdit;

namespace pw {

class TKorrekturDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TKorrekturDlg(QWidget* parent = nullptr);

    // Shows the factors (the test page was printed with them).
    void SetValues(const Calibration& calibration);
    // The confirmed factors.
    Calibration Values() const { return confirmed_; }

    // OK with a factor outside 0.8 ... 1.2 shows the range message and keeps the dialog open.
    void done(int result) override;

    QLineEdit* HKorrektur;
    QLineEdit* VKorrektur;
    QLineEdit* HGemessen;
    QLineEdit* VGemessen;
    // How the range message is shown (a message box; tests put in their own).
    std::function<void(QWidget* parent, const QString& title, const QString& text)> ShowWarning;

  private:
    void Measured();

    Calibration shown_;
    Calibration confirmed_;
};

}  // namespace pw
