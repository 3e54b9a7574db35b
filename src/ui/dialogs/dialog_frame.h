#pragma once
// What the small dialogs of the program share: their texts in the current language, the button
// row ("&OK" as the default button and "&Abbruch" / "&Cancel"), the fixed size, and text fields
// that limit typing without cutting a longer text the program puts into them.

#include <QString>

class QDialog;
class QBoxLayout;
class QLineEdit;
class QPushButton;

namespace pw {

// The German or the English text by the current language, as a QString.
QString TrQ(const char* german, const char* english);

struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// Adds the OK and Cancel buttons at the right end of the layout; OK accepts, Cancel rejects.
DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout);

// The dialog keeps the size its layout gives it.
void MakeFixedSize(QDialog& dialog);

// Puts the text into the field; the user may type up to maxLength characters, or as many as the
// text holds when it is longer, so that nothing of it is cut.
void SetLimitedText(QLineEdit& edit, const QString& text, int maxLength);

}  // namespace pw
