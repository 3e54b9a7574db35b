#include "ui/dialogs/decimal_validator.h"

#include <algorithm>

#include "core/language.h"
#include "core/numbers.h"
#include "ui/dialogs/dialog_frame.h"

namespace pw {

bool IsNumberTyping(const QString& text, bool minusAllowed) {
    bool separator = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') continue;
        if ((c == u',' || c == u'.') && !separator) {
            separator = true;
            continue;
        }
        if (c == u'-' && i == 0 && minusAllowed) continue;
        return false;
    }
    return true;
}

DecimalValidator::DecimalValidator(double minimum, double maximum, QObject* parent)
    : QValidator(parent), minimum_(minimum), maximum_(maximum) {}

QValidator::State DecimalValidator::validate(QString& input, int&) const {
    if (!IsNumberTyping(input, minimum_ < 0)) return Invalid;
    if (std::none_of(input.begin(), input.end(), [](QChar c) { return c.isDigit(); })) return Intermediate;
    const double v = static_cast<double>(TextToNumber(input.toStdString()));
    // More digits only take a number further from zero.
    if (v > maximum_) return v > 0 ? Invalid : Intermediate;
    if (v < minimum_) return v < 0 ? Invalid : Intermediate;
    return Acceptable;
}

QString InvalidInputTitle() {
    return TrQ("Fehlerhafte Eingabe", "Invalid input");
}

QString RangeMessage(const QString& field, double minimum, double maximum, const QString& unit) {
    auto number = [](double v) { return QString::fromStdString(FormatGeneral(v, 15, DecimalSeparator())); };
    QString label = field;
    label.remove(QLatin1Char('&'));
    return TrQ("%1: nur Zahlen von %2 bis %3 %4 sind möglich.",
               "%1: only numbers from %2 to %3 %4 are possible.")
        .arg(label, number(minimum), number(maximum), unit);
}

}  // namespace pw
