#pragma once
// The thirteen scale styles: their captions, their parameter lists with names in the current
// language, units, types, defaults and intervals, and where in each list the generator finds
// the values it needs.

#include <optional>
#include <string>
#include <vector>

#include "scales/scale_param.h"

namespace pw {

inline constexpr int kScaleStyleCount = 13;

enum TScaleStyle : uint8_t {
    ssStraightLinear = 0,
    ssRoundLinear = 1,
    ssStraightLog = 2,
    ssRoundLog = 3,
    ssStraightDots = 4,
    ssRoundDots = 5,
    ssEmpirical = 6,
    ssIncreasingArc = 7,
    ssDecreasingArc = 8,
    ssSymmetricArc = 9,
    ssCircleSegment = 10,
    ssRegularPolygon = 11,
    ssSineCurve = 12,
};

inline bool IsStraightStyle(int s) {
    return s == 0 || s == 2 || s == 4;
}
inline bool IsRoundStyle(int s) {
    return s == 1 || s == 3 || s == 5;
}
inline bool IsLogStyle(int s) {
    return s == 2 || s == 3;
}
inline bool IsDotStyle(int s) {
    return s == 4 || s == 5;
}
inline bool IsTickStyle(int s) {
    return s >= 0 && s <= 3;
}
// Styles 0 to 5: ticks or dots, running line, second division.
inline bool IsDividedStyle(int s) {
    return s >= 0 && s <= 5;
}
// Styles 0 to 6 carry inscriptions (the assistant offers its inscription dialog for them).
inline bool HasInscriptions(int s) {
    return s >= 0 && s <= 6;
}

// The caption of a style in the current language ("runde Skale mit linearer Teilung"); empty
// outside 0 ... 12.
std::string ScaleStyleCaption(int style);
std::vector<std::string> ScaleStyleCaptions();

// The parameter list of a style with its defaults and names in the current language; empty
// outside 0 ... 12.
std::vector<TScaleParam> StyleParams(int style);

// Where the divided styles (0 to 5) keep their values; -1 where a style has no such parameter.
struct DivisionIndices {
    int extent;       // straight: "Länge" L; round: "Winkelbereich" A
    int diameter;     // round: "Durchmesser" D
    int runningLine;  // "Lauflinie"
    int segments1;    // N
    int length1;      // first division tick length or dot radius
    int second;       // "2.Teilung"
    int segments2;    // M
    int length2;
    int invert;  // "Richtung umkehren"
};
DivisionIndices DivisionLayout(int style);

// Inscription switch, text height h, distance a and text angle tau (styles 0 to 6).
struct LabelIndices {
    int on, height, distance, angle;
};
std::optional<LabelIndices> LabelLayout(int style);

// Centre cross switch and the diameter its arms follow (styles 1, 3, 5, 6, 7 to 11).
struct CrossIndices {
    int on, diameter;
};
std::optional<CrossIndices> CrossLayout(int style);

// The "Drehung" parameter of round scales and shapes; -1 for the others.
int RotationParamIndex(int style);

}  // namespace pw
