#include "ui/dialogs/txt_dlg.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_frame.h"

namespace pw {

namespace {
constexpr int kTextLength = 200;
}

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
    AddDialogButtons(*this, *layout);
    setFixedSize(310, 98);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
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
