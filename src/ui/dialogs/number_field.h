#pragma once
// NumberField: the numeric spin field of the dialogs, a text field with up and down buttons.
// What the user types stays as typed, with a comma or a point as decimal separator; the dialog
// reads the text and judges the number (text to number). The buttons and the arrow keys step
// by the increment from the number shown, kept within minimum and maximum, and show the result
// with the given decimals and the language's decimal separator.

#include <QAbstractSpinBox>
#include <QString>

#include "core/numbers.h"

namespace pw {

class NumberField : public QAbstractSpinBox {
    Q_OBJECT
  public:
    // maxLength limits typing (0: no limit); a longer text put in by SetText stays whole.
    NumberField(double increment, double minimum, double maximum, int decimals, int maxLength = 0,
                QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const;
    // The text read as a number (a text that is no number reads as 0).
    Real Value() const;

    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

  signals:
    // The text changed, typed, stepped or put in.
    void textChanged(const QString& text);

  protected:
    StepEnabled stepEnabled() const override;

  private:
    double increment_, minimum_, maximum_;
    int decimals_;
    int maxLength_;
};

}  // namespace pw
