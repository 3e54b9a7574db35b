#include "ui/dialogs/bogen_dlg.h"

#include <QComboBox>
#include <QGroupBox>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_frame.h"

namespace pw {

TBogenDlg::TBogenDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BogenDlg"));
    setWindowTitle(TrQ("Bogen", "Arc"));
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(TrQ("Stil", "Style"), this);
    auto* groupLayout = new QVBoxLayout(group);
    cb_Style = new QComboBox(group);
    cb_Style->setObjectName(QStringLiteral("cb_Style"));
    cb_Style->addItem(TrQ("offener Bogen", "Arc"));
    cb_Style->addItem(TrQ("Tortenstück", "Pie"));
    cb_Style->addItem(TrQ("Bogen mit Sehne", "Closed arc"));
    groupLayout->addWidget(cb_Style);
    layout->addWidget(group);
    AddDialogButtons(*this, *layout);
    MakeFixedSize(*this);
}

void TBogenDlg::SetStyle(int styleIndex) {
    // A style outside the list (from a damaged file) preselects nothing.
    cb_Style->setCurrentIndex(styleIndex >= 0 && styleIndex < cb_Style->count() ? styleIndex : -1);
}

int TBogenDlg::Style() const {
    return cb_Style->currentIndex();
}

std::optional<int> ShowBogenDlg(QWidget* parent, int styleIndex) {
    TBogenDlg dialog(parent);
    dialog.SetStyle(styleIndex);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    // Confirmed without a choice: the style stays as it was.
    return dialog.Style() >= 0 ? dialog.Style() : styleIndex;
}

}  // namespace pw
