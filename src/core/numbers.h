#pragma once
// Numbers of the model: extended lengths, rounding to nearest with ties to even, and the
// reading of numbers typed by users.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace pw {

// Lengths and coordinates in model units (1/50 mm).
using Real = long double;

// Model units per millimetre. An integer, so that it mixes with any number as the bare 50 did.
inline constexpr int32_t kUnitsPerMm = 50;
// Millimetres per inch (take static_cast<double> of it where the arithmetic is in double).
inline constexpr Real kMmPerInch = 25.4L;
// The largest panel side, 600 mm, in model units: panels, the grid origin, moved and turned
// elements stay within it.
inline constexpr Real kMaxPanelSide = 600 * kUnitsPerMm;

// Rounds to the nearest integer, halves to the even neighbour.
Real RoundEven(Real v);

// Integer coordinates stay within this bound, so that sums of a few of them never overflow.
constexpr int32_t kCoordLimit = 1000000000;

// RoundEven as a 32-bit integer, saturated at +-kCoordLimit (NaN gives 0).
int32_t RoundToInt(Real v);

// RoundEven as a 64-bit integer, saturated at the limits (NaN gives 0).
int64_t RoundToInt64(Real v);

// Truncates toward zero into a 32-bit integer, saturated at +-kCoordLimit (NaN gives 0).
int32_t TruncToInt(Real v);

// Rounds a mapped coordinate as the platform's mapping does: halves up, saturated at
// +-kCoordLimit, and a value that is not finite gives 0. The canvas and the view mapping share
// it, so that both give the same pixels.
inline int32_t RoundHalfUp(double v) {
    if (!std::isfinite(v)) return 0;
    double r = std::floor(v + 0.5);
    return static_cast<int32_t>(
        std::clamp(r, -static_cast<double>(kCoordLimit), static_cast<double>(kCoordLimit)));
}

// Text to number: every ',' counts as '.', surrounding blanks are ignored, an empty text and a
// text that does not begin like a number give 0; a number followed by other characters gives
// the number read so far.
Real TextToNumber(std::string_view text);

// Fixed-point text with the given decimals and decimal separator ("12,50").
std::string FormatFixed(Real v, int decimals, char separator);

// Shortest general form with up to the given significant digits ("4", "3,5", "0,125").
std::string FormatGeneral(Real v, int significantDigits, char separator);

}  // namespace pw
