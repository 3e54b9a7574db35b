#include "scales/scale_param.h"

#include <gtest/gtest.h>

#include <limits>

#include "scale_test_support.h"
#include "scales/scale_styles.h"

using namespace pw;
using namespace pw::test;

namespace {

std::vector<std::string> Names(int style) {
    std::vector<std::string> out;
    for (const TScaleParam& p : StyleParams(style)) out.push_back(p.DisplayName());
    return out;
}

TScaleParam SignedLength(Real v) {
    TScaleParam p = StyleParams(ssStraightLinear)[3];
    p.RealValue = v;
    return p;
}

TEST(ScaleParams, RoundScaleNamesInBothLanguages) {
    EXPECT_EQ(Names(ssRoundLinear),
              (std::vector<std::string>{"Winkelbereich [°]", "Durchmesser [mm]", "Lauflinie", "Mittelpunkt",
                                        "1.Teilung: Segmente", "1.Teilung: Länge [mm]", "2.Teilung",
                                        "2.Teilung: Segmente", "2.Teilung: Länge [mm]", "Drehung [°]",
                                        "Beschriftung", "Texthöhe [mm]", "Abstand [mm]", "Textwinkel [°]",
                                        "Richtung umkehren"}));
    ScaleLanguage english(Language::English);
    EXPECT_EQ(Names(ssRoundDots),
              (std::vector<std::string>{"Angle [°]", "Diameter [mm]", "Running line", "Center point",
                                        "1.Division: Segments", "1.Division: Diameter [mm]", "2.Division",
                                        "2.Division: Segments", "2.Division: Diameter [mm]", "Rotation [°]",
                                        "Inscription", "Text height [mm]", "Distance [mm]", "Text angle [°]",
                                        "Invert orientation"}));
}

TEST(ScaleParams, ShapeNamesAreComposed) {
    std::vector<std::string> s6 = Names(ssEmpirical);
    ASSERT_EQ(s6.size(), 21u);
    EXPECT_EQ(s6[1], "Durchmesser innen [mm]");
    EXPECT_EQ(s6[3], "Segmente (1..10)");
    EXPECT_EQ(s6[5], "1.Segmentgrenze [%]");
    EXPECT_EQ(s6[13], "9.Segmentgrenze [%]");
    EXPECT_EQ(s6[14], "Grenzlinien");
    EXPECT_EQ(s6[15], "Länge");  // a length in mm, shown without unit
    EXPECT_EQ(Names(ssRegularPolygon), (std::vector<std::string>{"Durchmesser außen [mm]", "Anzahl der Ecken",
                                                                 "Mittelpunkt", "Drehung [°]"}));
    ScaleLanguage english(Language::English);
    EXPECT_EQ(Names(ssSineCurve), (std::vector<std::string>{"Height [mm]", "Width [mm]", "Num. oscillations",
                                                            "Phase offset [°]", "Neutral line"}));
    EXPECT_EQ(Names(ssCircleSegment)[1], "Diameter inside [mm]");
    EXPECT_EQ(Names(ssEmpirical)[12], "8.Segment limit [%]");
    EXPECT_EQ(ScaleStyleCaption(9), "Symetric increasing arc");
}

TEST(ScaleParams, ListSizesTypesAndDefaults) {
    const size_t sizes[kScaleStyleCount] = {12, 15, 12, 15, 12, 15, 21, 5, 5, 5, 5, 4, 5};
    for (int s = 0; s < kScaleStyleCount; ++s) EXPECT_EQ(StyleParams(s).size(), sizes[s]) << s;
    EXPECT_TRUE(StyleParams(13).empty());
    EXPECT_TRUE(ScaleStyleCaption(13).empty());

    std::vector<TScaleParam> dots = StyleParams(ssStraightDots);
    EXPECT_EQ(dots[0].RealValue, 30);
    EXPECT_FALSE(dots[1].BoolValue);
    EXPECT_EQ(dots[2].IntValue, 6);
    EXPECT_EQ(dots[3].RealValue, 0.3L);
    EXPECT_EQ(dots[3].Range2, TScaleRange{});  // a dot size is never negative
    EXPECT_EQ(dots[9].Range2, (TScaleRange{-100, -0.01L}));

    std::vector<TScaleParam> s6 = StyleParams(ssEmpirical);
    const Real limits[9] = {20, 40, 60, 80, 85, 90, 93, 96, 99};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(s6[5 + i].RealValue, limits[i]);
    EXPECT_EQ(s6[3].ParamType, spWhole);
    EXPECT_EQ(s6[3].Range1, (TScaleRange{1, 10}));

    std::vector<TScaleParam> sine = StyleParams(ssSineCurve);
    EXPECT_EQ(sine[2].ParamType, spNumber);  // fractions of an oscillation
    EXPECT_EQ(sine[2].Range1, (TScaleRange{1, 50}));

    std::vector<TScaleParam> arcs = StyleParams(ssIncreasingArc);
    EXPECT_EQ(arcs[2].RealValue, 5);
    EXPECT_TRUE(arcs[2].Range2.Used());                           // the width may be negative
    EXPECT_FALSE(StyleParams(ssCircleSegment)[2].Range2.Used());  // not for the circle segment
    EXPECT_EQ(StyleParams(ssRegularPolygon)[1].Range1, (TScaleRange{3, 20}));
}

TEST(ScaleParams, CheckRangeKeepsValuesInsideAnInterval) {
    for (Real v : {0.01L, 4.0L, 200.0L, -0.01L, -100.0L, -50.0L}) {
        TScaleParam p = SignedLength(v);
        EXPECT_TRUE(CheckRange(p)) << static_cast<double>(v);
        EXPECT_EQ(p.RealValue, v);
    }
}

TEST(ScaleParams, CheckRangeCorrectsToTheNearestBoundAndTheLaterBoundWinsATie) {
    struct Case {
        Real in, out;
    } cases[] = {{0, -0.01L}, {0.004L, 0.01L}, {-0.004L, -0.01L},
                 {250, 200},  {-150, -100},    {-0.005L, -0.01L}};
    for (const Case& c : cases) {
        TScaleParam p = SignedLength(c.in);
        EXPECT_FALSE(CheckRange(p)) << static_cast<double>(c.in);
        EXPECT_EQ(p.RealValue, c.out) << static_cast<double>(c.in);
    }
    // An angle of 360 is allowed; beyond it the upper bound.
    TScaleParam angle = StyleParams(ssRoundLinear)[0];
    angle.RealValue = 360;
    EXPECT_TRUE(CheckRange(angle));
    angle.RealValue = 361;
    EXPECT_FALSE(CheckRange(angle));
    EXPECT_EQ(angle.RealValue, 360);
    // Halfway between 0 and 360 does not occur outside; below 0 gives 0.
    angle.RealValue = -1;
    EXPECT_FALSE(CheckRange(angle));
    EXPECT_EQ(angle.RealValue, 0);
}

TEST(ScaleParams, CheckRangeTakesTheBoundOnTheSideOfAFarValue) {
    // So far out that the distances to 200 and to -0.01 are the same number.
    struct Case {
        Real in, out;
    } cases[] = {{1e300L, 200}, {-1e300L, -100}, {1e4000L, 200}, {-1e30L, -100}};
    for (const Case& c : cases) {
        TScaleParam p = SignedLength(c.in);
        EXPECT_FALSE(CheckRange(p)) << static_cast<double>(c.in);
        EXPECT_EQ(p.RealValue, c.out) << static_cast<double>(c.in);
    }
    TScaleParam angle = StyleParams(ssRoundLinear)[0];
    angle.RealValue = -1e300L;
    EXPECT_FALSE(CheckRange(angle));
    EXPECT_EQ(angle.RealValue, 0);
    angle.RealValue = 1e300L;
    EXPECT_FALSE(CheckRange(angle));
    EXPECT_EQ(angle.RealValue, 360);
}

TEST(ScaleParams, CheckRangeOfWholeNumbers) {
    TScaleParam n = StyleParams(ssRoundLinear)[4];  // 1 ... 50
    n.IntValue = 0;
    EXPECT_FALSE(CheckRange(n));
    EXPECT_EQ(n.IntValue, 1);
    n.IntValue = 51;
    EXPECT_FALSE(CheckRange(n));
    EXPECT_EQ(n.IntValue, 50);
    TScaleParam m = StyleParams(ssRoundLinear)[7];  // 2 ... 50
    m.IntValue = 1;
    EXPECT_FALSE(CheckRange(m));
    EXPECT_EQ(m.IntValue, 2);
    // Storing a number rounds it to nearest, halves to even.
    m.SetNumericValue(2.5L);
    EXPECT_EQ(m.IntValue, 2);
    m.SetNumericValue(3.5L);
    EXPECT_EQ(m.IntValue, 4);
    m.SetNumericValue(1e12L);
    EXPECT_EQ(m.IntValue, std::numeric_limits<int32_t>::max());
    EXPECT_FALSE(CheckRange(m));
    EXPECT_EQ(m.IntValue, 50);
}

TEST(ScaleParams, CheckRangeOfValuesThatAreNoNumbers) {
    TScaleParam p = SignedLength(std::numeric_limits<Real>::quiet_NaN());
    EXPECT_FALSE(CheckRange(p));
    EXPECT_EQ(p.RealValue, 0.01L);
    p.RealValue = std::numeric_limits<Real>::infinity();
    EXPECT_FALSE(CheckRange(p));
    EXPECT_EQ(p.RealValue, 200);
    p.RealValue = -std::numeric_limits<Real>::infinity();
    EXPECT_FALSE(CheckRange(p));
    EXPECT_EQ(p.RealValue, -100);
    TScaleParam yes = StyleParams(ssRoundLinear)[2];
    EXPECT_TRUE(CheckRange(yes));
}

TEST(ScaleParams, ValueTexts) {
    std::vector<TScaleParam> list = StyleParams(ssRoundDots);
    EXPECT_EQ(ParamValueText(list[5], ',', "Ja", "Nein"), "0,5");
    EXPECT_EQ(ParamValueText(list[4], ',', "Ja", "Nein"), "6");
    EXPECT_EQ(ParamValueText(list[2], '.', "Yes", "No"), "No");
    list[5].RealValue = -0.01L;
    EXPECT_EQ(ParamValueText(list[5], ',', "Ja", "Nein"), "-0,01");
}

}  // namespace
