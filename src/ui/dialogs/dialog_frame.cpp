#include "ui/dialogs/dialog_frame.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "core/language.h"

namespace pw {

QString TrQ(const char* german, const char* english) {
    return QString::fromUtf8(Tr(german, english));
}

DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    DialogButtons b;
    b.ok = new QPushButton(QStringLiteral("&OK"), &dialog);
    b.ok->setObjectName(QStringLiteral("OKBtn"));
    b.ok->setDefault(true);
    b.cancel = new QPushButton(TrQ("&Abbruch", "&Cancel"), &dialog);
    b.cancel->setObjectName(QStringLiteral("AbbruchBtn"));
    row->addWidget(b.ok);
    row->addWidget(b.cancel);
    layout.addLayout(row);
    QObject::connect(b.ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(b.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return b;
}

void MakeFixedSize(QDialog& dialog) {
    if (dialog.layout()) dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void SetLimitedText(QLineEdit& edit, const QString& text, int maxLength) {
    edit.setMaxLength(std::max(maxLength, static_cast<int>(text.size())));
    edit.setText(text);
}

}  // namespace pw
