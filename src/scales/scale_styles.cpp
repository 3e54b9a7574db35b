#include "scales/scale_styles.h"

#include "core/language.h"

namespace pw {

namespace {

// The allowed intervals of the parameter tables.
struct Interval {
    TScaleRange r1, r2;
};
const Interval kAngle{{0, 360}, {}};
const Interval kLength{{0.01L, 200}, {}};
const Interval kSignedLength{{0.01L, 200}, {-100, -0.01L}};
const Interval kCount1To50{{1, 50}, {}};
const Interval kCount2To50{{2, 50}, {}};
const Interval kCount1To10{{1, 10}, {}};
const Interval kCorners{{3, 20}, {}};
const Interval kPercent{{0, 100}, {}};

const char* const kMm = "mm";
const char* const kDegree = "°";
const char* const kPercentSign = "%";
const char* const kNoUnit = "";

// The words parameter names are composed of, in the current language.
struct Words {
    std::string length, runningLine, division, segments, inscription, rotation, diameter, centrePoint, height,
        width, textHeight, inside, outside, distance, angle, textAngle, invert, corners, oscillations, phase,
        neutralLine, segmentLimit, segmentLines;
};

Words CurrentWords() {
    return {
        Tr("Länge", "Length"),
        Tr("Lauflinie", "Running line"),
        Tr("Teilung", "Division"),
        Tr("Segmente", "Segments"),
        Tr("Beschriftung", "Inscription"),
        Tr("Drehung", "Rotation"),
        Tr("Durchmesser", "Diameter"),
        Tr("Mittelpunkt", "Center point"),
        Tr("Höhe", "Height"),
        Tr("Breite", "Width"),
        Tr("Texthöhe", "Text height"),
        Tr("innen", "inside"),
        Tr("außen", "outside"),
        Tr("Abstand", "Distance"),
        Tr("Winkelbereich", "Angle"),
        Tr("Textwinkel", "Text angle"),
        Tr("Richtung umkehren", "Invert orientation"),
        Tr("Anzahl der Ecken", "Number of corners"),
        Tr("Anz. d. Schwingungen", "Num. oscillations"),
        Tr("Phasenlage", "Phase offset"),
        Tr("Mittellinie", "Neutral line"),
        Tr("Segmentgrenze", "Segment limit"),
        Tr("Grenzlinien", "Segment lines"),
    };
}

// "1.Teilung: Segmente", "2.Division: Length".
std::string OfDivision(const Words& w, int n, const std::string& what) {
    return std::to_string(n) + "." + w.division + ": " + what;
}

TScaleParam YesNo(std::string name, bool value) {
    TScaleParam p;
    p.ParamType = spYesNo;
    p.ParamName = std::move(name);
    p.BoolValue = value;
    return p;
}

TScaleParam Whole(std::string name, int32_t value, const Interval& iv) {
    TScaleParam p;
    p.ParamType = spWhole;
    p.ParamName = std::move(name);
    p.IntValue = value;
    p.Range1 = iv.r1;
    p.Range2 = iv.r2;
    return p;
}

TScaleParam Number(std::string name, const char* unit, Real value, const Interval& iv) {
    TScaleParam p;
    p.ParamType = spNumber;
    p.ParamName = std::move(name);
    p.ParamUnit = unit;
    p.RealValue = value;
    p.Range1 = iv.r1;
    p.Range2 = iv.r2;
    return p;
}

// Defaults of the divided styles that differ between straight, round, ticks and dots.
struct DividedDefaults {
    Real extent;  // L or A
    bool runningLine;
    int32_t segments1;
    Real length1;
    int32_t segments2;
    Real length2;
    Real textHeight;
    Real distance;
};

std::vector<TScaleParam> StraightParams(const Words& w, bool dots, const DividedDefaults& d) {
    const std::string& sizeWord = dots ? w.diameter : w.length;
    const Interval& sizeInterval = dots ? kLength : kSignedLength;
    return {
        Number(w.length, kMm, d.extent, kLength),
        YesNo(w.runningLine, d.runningLine),
        Whole(OfDivision(w, 1, w.segments), d.segments1, kCount1To50),
        Number(OfDivision(w, 1, sizeWord), kMm, d.length1, sizeInterval),
        YesNo("2." + w.division, true),
        Whole(OfDivision(w, 2, w.segments), d.segments2, kCount2To50),
        Number(OfDivision(w, 2, sizeWord), kMm, d.length2, sizeInterval),
        YesNo(w.inscription, true),
        Number(w.textHeight, kMm, d.textHeight, kLength),
        Number(w.distance, kMm, d.distance, kSignedLength),
        Number(w.textAngle, kDegree, 0, kAngle),
        YesNo(w.invert, false),
    };
}

std::vector<TScaleParam> RoundParams(const Words& w, bool dots, const DividedDefaults& d) {
    const std::string& sizeWord = dots ? w.diameter : w.length;
    const Interval& sizeInterval = dots ? kLength : kSignedLength;
    return {
        Number(w.angle, kDegree, d.extent, kAngle),
        Number(w.diameter, kMm, 50, kLength),
        YesNo(w.runningLine, d.runningLine),
        YesNo(w.centrePoint, true),
        Whole(OfDivision(w, 1, w.segments), d.segments1, kCount1To50),
        Number(OfDivision(w, 1, sizeWord), kMm, d.length1, sizeInterval),
        YesNo("2." + w.division, true),
        Whole(OfDivision(w, 2, w.segments), d.segments2, kCount2To50),
        Number(OfDivision(w, 2, sizeWord), kMm, d.length2, sizeInterval),
        Number(w.rotation, kDegree, 0, kAngle),
        YesNo(w.inscription, true),
        Number(w.textHeight, kMm, d.textHeight, kLength),
        Number(w.distance, kMm, d.distance, kSignedLength),
        Number(w.textAngle, kDegree, 0, kAngle),
        YesNo(w.invert, false),
    };
}

std::vector<TScaleParam> EmpiricalParams(const Words& w) {
    std::vector<TScaleParam> list{
        Number(w.angle, kDegree, 270, kAngle),
        Number(w.diameter + " " + w.inside, kMm, 30, kLength),
        Number(w.width, kMm, 2, kLength),
        Whole(w.segments + " (1..10)", 5, kCount1To10),
        YesNo(w.centrePoint, true),
    };
    const Real limits[9] = {20, 40, 60, 80, 85, 90, 93, 96, 99};
    for (int i = 0; i < 9; ++i)
        list.push_back(
            Number(std::to_string(i + 1) + "." + w.segmentLimit, kPercentSign, limits[i], kPercent));
    list.push_back(YesNo(w.segmentLines, true));
    // The segment line length is in millimetres like every length, though it shows no unit.
    list.push_back(Number(w.length, kNoUnit, 4, kSignedLength));
    list.push_back(Number(w.rotation, kDegree, 0, kAngle));
    list.push_back(YesNo(w.inscription, true));
    list.push_back(Number(w.textHeight, kMm, 3, kLength));
    list.push_back(Number(w.distance, kMm, 5, kSignedLength));
    list.push_back(Number(w.textAngle, kDegree, 0, kAngle));
    return list;
}

std::vector<TScaleParam> ArcParams(const Words& w, bool segment) {
    return {
        Number(w.angle, kDegree, 90, kAngle),
        Number(segment ? w.diameter + " " + w.inside : w.diameter, kMm, 30, kLength),
        Number(w.width, kMm, segment ? 2 : 5, segment ? kLength : kSignedLength),
        YesNo(w.centrePoint, true),
        Number(w.rotation, kDegree, 0, kAngle),
    };
}

std::vector<TScaleParam> PolygonParams(const Words& w) {
    return {
        Number(w.diameter + " " + w.outside, kMm, 30, kLength),
        Whole(w.corners, 5, kCorners),
        YesNo(w.centrePoint, true),
        Number(w.rotation, kDegree, 0, kAngle),
    };
}

std::vector<TScaleParam> SineParams(const Words& w) {
    return {
        Number(w.height, kMm, 30, kLength),
        Number(w.width, kMm, 50, kLength),
        // A number, not a whole number: fractions of an oscillation are allowed.
        Number(w.oscillations, kNoUnit, 1, kCount1To50),
        Number(w.phase, kDegree, 0, kAngle),
        YesNo(w.neutralLine, true),
    };
}

}  // namespace

std::string ScaleStyleCaption(int style) {
    static const char* const kGerman[kScaleStyleCount] = {
        "gerade Skale mit linearer Teilung",
        "runde Skale mit linearer Teilung",
        "gerade Skale mit logarithmischer Teilung",
        "runde Skale mit logarithmischer Teilung",
        "gerade Skale aus Punkten",
        "runde Skale aus Punkten",
        "empirische Skale aus Kreisabschnitten",
        "zunehmender Bogen",
        "abnehmender Bogen",
        "beidseitig zunehmender Bogen",
        "Kreisabschnitt",
        "regelmäßiges Vieleck",
        "Sinuskurve",
    };
    static const char* const kEnglish[kScaleStyleCount] = {
        "Straight scale with linear divisions",
        "Round scale with linear divisions",
        "Straight scale with logarithmic divisions",
        "Round scale with logarithmic divisions",
        "Straight scale of points",
        "Round scale of points",
        "Empirical scale with circle segments",
        "Increasing arc",
        "Decreasing arc",
        "Symetric increasing arc",
        "Circle segment",
        "Regular polygon",
        "Sine curve",
    };
    if (style < 0 || style >= kScaleStyleCount) return {};
    return Tr(kGerman[style], kEnglish[style]);
}

std::vector<std::string> ScaleStyleCaptions() {
    std::vector<std::string> out;
    for (int s = 0; s < kScaleStyleCount; ++s) out.push_back(ScaleStyleCaption(s));
    return out;
}

std::vector<TScaleParam> StyleParams(int style) {
    const Words w = CurrentWords();
    switch (style) {
        case ssStraightLinear:
        case ssStraightLog:
            return StraightParams(w, false, {50, true, 10, 4, 5, 2, 3, 2});
        case ssRoundLinear:
        case ssRoundLog:
            return RoundParams(w, false, {270, true, 10, 7, 5, 3, 4, 3});
        case ssStraightDots:
            return StraightParams(w, true, {30, false, 6, 0.3L, 5, 0.1L, 2, 2});
        case ssRoundDots:
            return RoundParams(w, true, {270, false, 6, 0.5L, 10, 0.2L, 4, 4});
        case ssEmpirical:
            return EmpiricalParams(w);
        case ssIncreasingArc:
        case ssDecreasingArc:
        case ssSymmetricArc:
            return ArcParams(w, false);
        case ssCircleSegment:
            return ArcParams(w, true);
        case ssRegularPolygon:
            return PolygonParams(w);
        case ssSineCurve:
            return SineParams(w);
        default:
            return {};
    }
}

DivisionIndices DivisionLayout(int style) {
    if (IsRoundStyle(style)) return {0, 1, 2, 4, 5, 6, 7, 8, 14};
    return {0, -1, 1, 2, 3, 4, 5, 6, 11};
}

std::optional<LabelIndices> LabelLayout(int style) {
    if (IsStraightStyle(style)) return LabelIndices{7, 8, 9, 10};
    if (IsRoundStyle(style)) return LabelIndices{10, 11, 12, 13};
    if (style == ssEmpirical) return LabelIndices{17, 18, 19, 20};
    return std::nullopt;
}

std::optional<CrossIndices> CrossLayout(int style) {
    if (IsRoundStyle(style)) return CrossIndices{3, 1};
    if (style == ssEmpirical) return CrossIndices{4, 1};
    if (style >= ssIncreasingArc && style <= ssCircleSegment) return CrossIndices{3, 1};
    if (style == ssRegularPolygon) return CrossIndices{2, 0};
    return std::nullopt;
}

int RotationParamIndex(int style) {
    if (IsRoundStyle(style)) return 9;
    if (style >= ssIncreasingArc && style <= ssCircleSegment) return 4;
    // The polygon's rotation is its last parameter; the polygon takes it directly, so only the
    // angle queries read it here.
    if (style == ssRegularPolygon) return 3;
    if (style == ssEmpirical) return 16;
    return -1;
}

}  // namespace pw
