#include "ui/main/user_prompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "core/language.h"

namespace pw {

namespace {

// A message box whose buttons speak the program's language rather than the system's.
QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                const QString& text, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, title, text, buttons, parent);
    auto name = [&](QMessageBox::StandardButton b, const char* german, const char* english) {
        if (QAbstractButton* button = box.button(b)) button->setText(QString::fromUtf8(Tr(german, english)));
    };
    name(QMessageBox::Yes, "&Ja", "&Yes");
    name(QMessageBox::No, "&Nein", "&No");
    name(QMessageBox::Cancel, "Abbrechen", "Cancel");
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

UserPrompts::Answer QtUserPrompts::AskYesNoCancel(QWidget* parent, const QString& title,
                                                  const QString& text) {
    switch (Ask(parent, QMessageBox::Question, title, text,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

bool QtUserPrompts::AskYesNo(QWidget* parent, const QString& title, const QString& text) {
    return Ask(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtUserPrompts::Warning(QWidget* parent, const QString& title, const QString& text) {
    Ask(parent, QMessageBox::Warning, title, text, QMessageBox::Ok);
}

void QtUserPrompts::Error(QWidget* parent, const QString& title, const QString& text) {
    Ask(parent, QMessageBox::Critical, title, text, QMessageBox::Ok);
}

std::optional<QString> QtUserPrompts::OpenFile(QWidget* parent, const QString& title,
                                               const QString& directory, const QString& filter) {
    QString path = QFileDialog::getOpenFileName(parent, title, directory, filter);
    if (path.isEmpty()) return std::nullopt;
    return path;
}

std::optional<UserPrompts::PickedFile> UserPrompts::OpenPicture(QWidget* parent, const QString& title,
                                                                const QString& directory,
                                                                const QStringList& filters, int preselected) {
    QFileDialog dialog(parent, title, directory);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    if (preselected >= 0 && preselected < filters.size()) dialog.selectNameFilter(filters[preselected]);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PickedFile{dialog.selectedFiles().front(),
                      static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
}

std::optional<QString> QtUserPrompts::SaveFile(QWidget* parent, const QString& title,
                                               const QString& proposedPath, const QString& filter,
                                               const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, proposedPath, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(proposedPath);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
}

}  // namespace pw
