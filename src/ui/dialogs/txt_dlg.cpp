#include "ui/dialogs/txt_dlg.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/storable_text.h"
#include "ui/dialogs/dialog_frame.h"

namespace pw {

namespace {
constexpr int kTextLength = 200;
constexpr int kWidth = 310;
constexpr int kHeight = 98;
}  // namespace

TTXT_Dlg::TTXT_Dlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TXT_Dlg"));
    setWindowTitle(TrQ("Eigenschaften Text", "Properties text"));
    auto* layout = new QVBoxLayout(this);
    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(new QLabel(QStringLiteral("Text:"), frame));
    TextEdit = new QLineEdit(frame);
    TextEdit->setObjectName(QStringLiteral("TextEdit"));
    TextEdit->setMaxLength(kTextLength);
    row->addWidget(TextEdit, 1);
    layout->addWidget(frame);
    StorageWarning = new QLabel(this);
    StorageWarning->setObjectName(QStringLiteral("StorageWarning"));
    StorageWarning->setWordWrap(true);
    StorageWarning->hide();
    layout->addWidget(StorageWarning);
    AddDialogButtons(*this, *layout);
    setFixedSize(kWidth, kHeight);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(TextEdit, &QLineEdit::textChanged, this, &TTXT_Dlg::UpdateStorageWarning);
}

void TTXT_Dlg::UpdateStorageWarning() {
    const QString warning = QString::fromStdString(UnstorableCharactersWarning(Text()));
    StorageWarning->setText(warning);
    StorageWarning->setVisible(!warning.isEmpty());
    int extra = 0;
    if (!warning.isEmpty()) {
        const QMargins m = layout()->contentsMargins();
        extra = layout()->spacing() + StorageWarning->heightForWidth(kWidth - m.left() - m.right());
    }
    setFixedSize(kWidth, kHeight + extra);
}

void TTXT_Dlg::SetText(const std::string& text) {
    // A longer wording (read from a file) is shown whole; typing is limited.
    SetLimitedText(*TextEdit, QString::fromStdString(text), kTextLength);
}

std::string TTXT_Dlg::Text() const {
    return TextEdit->text().toStdString();
}

void TTXT_Dlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (TextEdit->isEnabled()) {
        TextEdit->setFocus();
        TextEdit->selectAll();
    }
}

std::optional<std::string> ShowTextDlg(QWidget* parent, const std::string& text) {
    TTXT_Dlg dialog(parent);
    dialog.SetText(text);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Text();
}

}  // namespace pw
