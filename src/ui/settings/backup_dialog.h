#pragma once
// TBackupDlg, "Automatisches Backup": whether the work is saved regularly and the interval in
// minutes. The interval field can be changed only while the check box is checked.

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace pw {

class Autosave;

class BackupDialog : public QDialog {
    Q_OBJECT
  public:
    explicit BackupDialog(QWidget* parent = nullptr);

    void Load(const Autosave& autosave);
    // Takes both values back (whichever way the dialog was closed).
    void Store(Autosave& autosave) const;

    QCheckBox* CheckBox() const { return check_; }
    QSpinBox* Spin() const { return spin_; }

  private:
    void UpdateSpin();

    QCheckBox* check_;
    QSpinBox* spin_;
};

}  // namespace pw
