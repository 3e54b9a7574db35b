#include "ui/settings/backup_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/language.h"
#include "ui/settings/autosave.h"

namespace pw {

namespace {
QString T(const char* german, const char* english) {
    return QString::fromUtf8(Tr(german, english));
}
}  // namespace

BackupDialog::BackupDialog(QWidget* parent)
    : QDialog(parent), check_(new QCheckBox(this)), spin_(new QSpinBox(this)) {
    setObjectName(QStringLiteral("BackupDlg"));
    setWindowTitle(T("Automatisches Backup", "Backup"));
    check_->setObjectName(QStringLiteral("CB_Backup"));
    check_->setText(T("Arbeit automatisch sichern", "Save changes regularly"));
    spin_->setObjectName(QStringLiteral("Backup_Spin"));
    spin_->setRange(Autosave::kMinInterval, Autosave::kMaxInterval);

    auto* group = new QGroupBox(T("Intervall", "Interval"), this);
    auto* row = new QHBoxLayout(group);
    row->addWidget(new QLabel(T("Intervall:", "Interval"), group));
    row->addWidget(spin_);
    row->addWidget(new QLabel(T("Minute(n)", "minutes"), group));
    row->addStretch(1);

    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(check_, &QCheckBox::clicked, this, &BackupDialog::UpdateSpin);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(check_);
    layout->addWidget(group);
    layout->addLayout(buttons);
    setSizeGripEnabled(false);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void BackupDialog::Load(const Autosave& autosave) {
    check_->setChecked(autosave.Active());
    spin_->setValue(autosave.Interval());
    UpdateSpin();
}

void BackupDialog::Store(Autosave& autosave) const {
    autosave.SetActive(check_->isChecked());
    autosave.SetInterval(spin_->value());
}

void BackupDialog::UpdateSpin() {
    spin_->setEnabled(check_->isChecked());
}

}  // namespace pw
