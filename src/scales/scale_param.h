#pragma once
// TScaleParam: one typed parameter of a scale style (a yes/no switch, a whole number or a
// number) with the intervals its value must lie in, and the range check that corrects a value
// outside them to the nearest bound. Parameters are never stored; the scale rebuilds its list
// from the style tables whenever the style changes.

#include <cstdint>
#include <string>

#include "core/numbers.h"

namespace pw {

enum TScaleParamType : uint8_t { spYesNo = 0, spWhole = 1, spNumber = 2 };

// A closed interval low ... high; an interval whose bounds are equal is not used and contains
// nothing.
struct TScaleRange {
    Real low = 0;
    Real high = 0;
    bool Used() const { return low != high; }
    bool Contains(Real v) const { return Used() && low <= v && v <= high; }
    friend bool operator==(const TScaleRange&, const TScaleRange&) = default;
};

struct TScaleParam {
    TScaleParamType ParamType = spNumber;
    std::string ParamName;  // at most 30 characters, in the language of the list
    std::string ParamUnit;  // "mm", "°", "%" or empty
    bool BoolValue = false;
    int32_t IntValue = 0;
    Real RealValue = 0;
    TScaleRange Range1;
    TScaleRange Range2;

    bool IsNumeric() const { return ParamType != spYesNo; }
    // The value of a numeric parameter as a number (the whole number converted).
    Real NumericValue() const { return ParamType == spWhole ? IntValue : RealValue; }
    // Stores a number as the parameter's value: a whole number is rounded (to nearest, ties to
    // even, saturated to 32 bits); a yes/no parameter becomes yes for any value but 0.
    void SetNumericValue(Real v);
    // The name as the assistant lists it: the unit in brackets after it ("Durchmesser [mm]").
    std::string DisplayName() const;
};

// Range check of a numeric parameter. True when the value lies in Range1 or in Range2;
// otherwise the value is replaced by the nearest bound of the intervals in use (bounds taken in
// the order Range1.low, Range1.high, Range2.low, Range2.high, so on a tie the later bound wins;
// a whole number receives the bound rounded) and the result is false. A yes/no parameter is
// always in range.
bool CheckRange(TScaleParam& p);

// The value as the assistant shows it: a whole number in decimal, a number in the shortest
// general form with up to 15 significant digits and the given decimal separator, a switch as
// the given yes or no text.
std::string ParamValueText(const TScaleParam& p, char decimalSeparator, const std::string& yesText,
                           const std::string& noText);

}  // namespace pw
