#include "core/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "core/fast_round.h"

namespace pw {

Real RoundEven(Real v) {
    // Rounding to an integer honours the current rounding mode; the model never changes it from
    // round-to-nearest, so this is ties-to-even. It is many times faster than nearbyint, which
    // saves and restores the floating-point environment. From 2^63 on every value is whole;
    // copysign keeps the sign of a zero result as nearbyint would (-0.3 gives -0).
    if (!(std::fabs(v) < 0x1p63L)) return v;
    return std::copysign(static_cast<Real>(RoundExtendedToInt64(v)), v);
}

int32_t RoundToInt(Real v) {
    // Rounding is monotone, so clamping before rounding gives the same saturation; within the
    // range the x87 store rounds ties to even straight to an integer, without the slow change of
    // the x87 control word that converting a rounded extended value would take.
    return RoundToIntInline(v);
}

int64_t RoundToInt64(Real v) {
    if (std::isnan(v)) return 0;
    Real r = RoundEven(v);
    if (r >= 9.2233720368547758e18L) return std::numeric_limits<int64_t>::max();
    if (r <= -9.2233720368547758e18L) return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(r);
}

int32_t TruncToInt(Real v) {
    if (std::isnan(v)) return 0;
    Real r = std::trunc(v);
    if (r >= kCoordLimit) return kCoordLimit;
    if (r <= -kCoordLimit) return -kCoordLimit;
    return static_cast<int32_t>(r);
}

Real TextToNumber(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text) s.push_back(c == ',' ? '.' : c);
    size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return 0;
    s = s.substr(b);
    // Only plain decimal notation: sign, digits, point, digits, optional exponent.
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t expDigits = 0;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j, ++expDigits;
        if (expDigits > 0) i = j;
    }
    std::string number = s.substr(0, i);
    Real v = std::strtold(number.c_str(), nullptr);
    if (!std::isfinite(v)) return 0;
    return v;
}

static std::string ReplacePoint(std::string s, char separator) {
    for (char& c : s)
        if (c == '.') c = separator;
    return s;
}

std::string FormatFixed(Real v, int decimals, char separator) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*Lf", decimals, v);
    std::string s(buf);
    // "-0.00" reads badly; a value that rounds to zero is shown without sign.
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return ReplacePoint(s, separator);
}

std::string FormatGeneral(Real v, int significantDigits, char separator) {
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*Lg", significantDigits, v);
    return ReplacePoint(buf, separator);
}

}  // namespace pw
