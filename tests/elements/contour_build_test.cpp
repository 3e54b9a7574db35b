#include "elements/contour_build.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace pw;

namespace {

std::deque<MPoint> Pts(std::initializer_list<MPoint> p) {
    return std::deque<MPoint>(p);
}

IPoint Bezier(IPoint a, IPoint c, IPoint b, long double t) {
    auto f = [&](int32_t pa, int32_t pc, int32_t pb) {
        return RoundToInt(t * t * (static_cast<long double>(pa) + pb - 2.0L * pc) +
                          t * (2.0L * pc - 2.0L * pa) + pa);
    };
    return {f(a.x, c.x, b.x), f(a.y, c.y, b.y)};
}

// The sampler's parameter after i steps, accumulated as the sampler does it.
long double AccumulatedT(int i) {
    long double t = 0;
    for (int k = 0; k < i; ++k) t += kCurveStep;
    return t;
}

TEST(Curve, FineStepGivesTwentySamplesAndTheEnd) {
    std::vector<IPoint> out;
    IPoint a{0, 0}, c{1000, 0}, b{1000, 1000};
    Curve(out, a, c, b, kCurveStep);
    ASSERT_EQ(out.size(), 21u);
    EXPECT_EQ(out.front(), a);
    EXPECT_EQ(out[10], Bezier(a, c, b, 0.5L));
    EXPECT_EQ(out[10], (IPoint{750, 250}));
    // The last sample is t = 0.95, not t = 1; then the end point itself. The parameter is
    // accumulated, which here decides a tie: y = 1000 t^2 is 902.5 at exactly 0.95.
    EXPECT_EQ(out[19], Bezier(a, c, b, AccumulatedT(19)));
    EXPECT_EQ(out[19], (IPoint{998, 903}));
    EXPECT_NE(out[19], Bezier(a, c, b, 0.95L));
    EXPECT_EQ(out[20], b);
}

TEST(Curve, CoarseStepRepeatsTheEnd) {
    std::vector<IPoint> out;
    Curve(out, {0, 0}, {100, 0}, {100, 100}, kHitCurveStep);
    EXPECT_EQ(out, (std::vector<IPoint>{{0, 0}, {75, 25}, {100, 100}, {100, 100}}));
}

TEST(OpenBuild, UnsmoothedAndShortLinesAreTheRoundedVertices) {
    std::vector<IPoint> out;
    BuildOpenPolyline(Pts({{0.5L, 1.5L}, {2.5L, -0.5L}, {10, 10}}), {}, kCurveStep, out);
    EXPECT_EQ(out, (std::vector<IPoint>{{0, 2}, {2, 0}, {10, 10}}));
    // A smoothed line of two vertices stays straight.
    BuildOpenPolyline(Pts({{0, 0}, {1000, 0}}), {true, glSpline, 0}, kCurveStep, out);
    EXPECT_EQ(out, (std::vector<IPoint>{{0, 0}, {1000, 0}}));
}

TEST(OpenBuild, SplineThroughThreeVerticesHas23Points) {
    std::vector<IPoint> out;
    BuildOpenPolyline(Pts({{0, 0}, {1000, 0}, {1000, 600}}), {true, glSpline, 0}, kCurveStep, out);
    ASSERT_EQ(out.size(), 23u);
    EXPECT_EQ(out[0], (IPoint{0, 0}));
    EXPECT_EQ(out[1], (IPoint{500, 0}));      // midpoint of the first edge
    EXPECT_EQ(out[21], (IPoint{1000, 300}));  // midpoint of the second edge
    EXPECT_EQ(out[22], (IPoint{1000, 600}));
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(out[1 + i], Bezier({500, 0}, {1000, 0}, {1000, 300}, AccumulatedT(i))) << i;
}

TEST(OpenBuild, ChamferBeyondBothEdgesCutsTheCornerVertexOff) {
    std::vector<IPoint> out;
    BuildOpenPolyline(Pts({{0, 0}, {100, 0}, {100, 100}}), {true, glFase, 500}, kCurveStep, out);
    EXPECT_EQ(out, (std::vector<IPoint>{{0, 0}, {0, 0}, {100, 100}, {100, 100}}));
    // Within the edges the chamfer points lie at the distance from the corner.
    BuildOpenPolyline(Pts({{0, 0}, {1000, 0}, {1000, 1000}}), {true, glFase, 100}, kCurveStep, out);
    EXPECT_EQ(out, (std::vector<IPoint>{{0, 0}, {900, 0}, {1000, 100}, {1000, 1000}}));
}

TEST(OpenBuild, RoundingIsACurveBetweenTheChamferPoints) {
    std::vector<IPoint> out;
    BuildOpenPolyline(Pts({{0, 0}, {1000, 0}, {1000, 1000}}), {true, glRundung, 100}, kCurveStep, out);
    ASSERT_EQ(out.size(), 23u);
    EXPECT_EQ(out[1], (IPoint{900, 0}));
    EXPECT_EQ(out[11], Bezier({900, 0}, {1000, 0}, {1000, 100}, 0.5L));
    EXPECT_EQ(out[21], (IPoint{1000, 100}));
}

TEST(ClosedBuild, UnsmoothedRepeatsTheFirstVertex) {
    std::vector<IPoint> out;
    BuildClosedPolyline(Pts({{0, 0}, {10, 0}, {10, 10}}), {}, kCurveStep, out);
    EXPECT_EQ(out, (std::vector<IPoint>{{0, 0}, {10, 0}, {10, 10}, {0, 0}}));
}

TEST(ClosedBuild, SplineSquareTouchesEachSideAtItsMidpointOnly) {
    std::vector<IPoint> out;
    BuildClosedPolyline(Pts({{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}), {true, glSpline, 0}, kCurveStep,
                        out);
    ASSERT_EQ(out.size(), 84u);
    EXPECT_EQ(out.front(), (IPoint{500, 0}));
    EXPECT_EQ(out.back(), (IPoint{500, 0}));  // the last piece ends where the first began
    for (IPoint m : {IPoint{1000, 500}, IPoint{500, 1000}, IPoint{0, 500}})
        EXPECT_NE(std::find(out.begin(), out.end(), m), out.end());
    for (const IPoint& p : out) {
        EXPECT_TRUE(p.x >= 0 && p.x <= 1000 && p.y >= 0 && p.y <= 1000);
        bool onSide = p.x == 0 || p.x == 1000 || p.y == 0 || p.y == 1000;
        bool midpoint =
            p == IPoint{500, 0} || p == IPoint{1000, 500} || p == IPoint{500, 1000} || p == IPoint{0, 500};
        EXPECT_EQ(onSide, midpoint) << p.x << "," << p.y;
    }
    // Rounded: the curve passes the corner at a quarter of the diagonal to the midpoints.
    double nearest = 1e9;
    for (const IPoint& p : out) nearest = std::min(nearest, std::hypot(p.x - 1000.0, p.y - 1000.0));
    EXPECT_NEAR(nearest, std::hypot(125.0, 125.0), 0.5);
}

TEST(ClosedBuild, ChamferCornersStartAtTheSecondVertexAndClose) {
    std::vector<IPoint> out;
    BuildClosedPolyline(Pts({{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}), {true, glFase, 100}, kCurveStep,
                        out);
    EXPECT_EQ(out, (std::vector<IPoint>{{900, 0},
                                        {1000, 100},
                                        {1000, 900},
                                        {900, 1000},
                                        {100, 1000},
                                        {0, 900},
                                        {0, 100},
                                        {100, 0},
                                        {900, 0}}));
    BuildClosedPolyline(Pts({{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}), {true, glRundung, 100}, kCurveStep,
                        out);
    EXPECT_EQ(out.size(), 4u * 21 + 1);
    EXPECT_EQ(out.front(), (IPoint{900, 0}));
    EXPECT_EQ(out.back(), (IPoint{900, 0}));
}

TEST(ClosedBuild, UnknownSmoothingStyleBuildsNothing) {
    std::vector<IPoint> out{{1, 1}};
    BuildClosedPolyline(Pts({{0, 0}, {10, 0}, {10, 10}}), {true, static_cast<TGlaettenStil>(7), 5},
                        kCurveStep, out);
    EXPECT_TRUE(out.empty());
}

}  // namespace
