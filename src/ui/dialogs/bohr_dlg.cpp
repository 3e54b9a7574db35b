#include "ui/dialogs/bohr_dlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_frame.h"
#include "ui/dialogs/number_field.h"

namespace pw {

TBohrDlg::TBohrDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BohrDlg"));
    setWindowTitle(TrQ("Bohrung", "Drilling"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(TrQ("Durchmesser", "Diameter"), this));
    DM_Edit = new NumberField(0.5, 0.2, 100.0, 1, 0, this);
    DM_Edit->setObjectName(QStringLiteral("DM_Edit"));
    row->addWidget(DM_Edit);
    row->addWidget(new QLabel(QStringLiteral("mm"), this));
    layout->addLayout(row);
    AddDialogButtons(*this, *layout);
    MakeFixedSize(*this);
}

void TBohrDlg::SetText(const std::string& text) {
    DM_Edit->SetText(QString::fromStdString(text));
}

std::string TBohrDlg::Text() const {
    return DM_Edit->Text().toStdString();
}

std::optional<std::string> ShowBohrDlg(QWidget* parent, const std::string& diameterText) {
    TBohrDlg dialog(parent);
    dialog.SetText(diameterText);
    dialog.DM_Edit->setFocus();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Text();
}

}  // namespace pw
