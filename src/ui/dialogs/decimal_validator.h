#pragma once
// DecimalValidator: a text field takes only a number within its range, typed with a comma or a
// point as decimal separator, as everywhere in the program. What is on the way to a number (an
// empty field, a lone minus sign, a number below a positive minimum) is allowed while typing and
// judged when the number is used; what no further typing can bring into the range is refused.

#include <QValidator>

namespace pw {

// Digits, at most one decimal separator (comma or point) and, when allowed, a leading minus
// sign: the characters of a number the program reads (TextToNumber).
bool IsNumberTyping(const QString& text, bool minusAllowed);

class DecimalValidator : public QValidator {
    Q_OBJECT
  public:
    DecimalValidator(double minimum, double maximum, QObject* parent = nullptr);

    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }

    State validate(QString& input, int& pos) const override;

  private:
    double minimum_, maximum_;
};

// The warning about a number outside its field's range: its title and its text, which names the
// field (its label) and the limits in the current language.
QString InvalidInputTitle();
QString RangeMessage(const QString& field, double minimum, double maximum, const QString& unit);

}  // namespace pw
