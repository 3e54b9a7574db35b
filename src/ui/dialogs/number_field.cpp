#include "ui/dialogs/number_field.h"

#include <QLineEdit>
#include <algorithm>
#include <limits>

#include "core/language.h"
#include "ui/dialogs/decimal_validator.h"
#include "ui/dialogs/dialog_frame.h"

namespace pw {

NumberField::NumberField(double increment, double minimum, double maximum, int decimals, int maxLength,
                         QWidget* parent)
    : QAbstractSpinBox(parent),
      increment_(increment),
      minimum_(minimum),
      maximum_(maximum),
      decimals_(decimals),
      maxLength_(maxLength > 0 ? maxLength : std::numeric_limits<int>::max() / 2) {
    setAccelerated(true);
    setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000,00")) + 30);
    lineEdit()->setMaxLength(maxLength_);
    connect(lineEdit(), &QLineEdit::textChanged, this, &NumberField::textChanged);
}

void NumberField::SetText(const QString& text) {
    SetLimitedText(*lineEdit(), text, maxLength_);
}

QString NumberField::Text() const {
    return lineEdit()->text();
}

Real NumberField::Value() const {
    return TextToNumber(Text().toStdString());
}

void NumberField::stepBy(int steps) {
    const double v = std::clamp(static_cast<double>(Value()) + steps * increment_, minimum_, maximum_);
    SetText(QString::fromStdString(FormatFixed(v, decimals_, DecimalSeparator())));
    lineEdit()->selectAll();
}

QAbstractSpinBox::StepEnabled NumberField::stepEnabled() const {
    // A number outside the range steps towards it.
    const double v = static_cast<double>(Value());
    StepEnabled e = StepNone;
    if (v < maximum_) e |= StepUpEnabled;
    if (v > minimum_) e |= StepDownEnabled;
    return e;
}

QValidator::State NumberField::validate(QString& input, int&) const {
    // Digits, one decimal separator (comma or point) and, where the field allows negative
    // numbers, a leading minus sign.
    return IsNumberTyping(input, minimum_ < 0) ? QValidator::Acceptable : QValidator::Invalid;
}

}  // namespace pw
