#include "elements/glyph_polygons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "elements/textlabel.h"

using namespace pw;

namespace {

GlyphPoint G(double x, double y) {
    return {ToFixed16(x), ToFixed16(y)};
}

std::vector<IPoint> P(std::initializer_list<IPoint> l) {
    return l;
}

}  // namespace

TEST(GlyphPolygons, SinglePieceIsSampledFiveTimesThenItsEndThenTheStart) {
    GlyphPolygons g;
    g.Begin({0, 0}, 1, 0, 0.2, 10);
    g.StartContour(G(0, 0));
    GlyphPoint run[] = {G(10, 0), G(10, 10)};
    g.QuadraticRun(run, 2);
    g.CloseContour();
    // t = 0, 0.2, 0.4, 0.6, 0.8 of (0,0) -> (10,0) -> (10,10), rounded; then q2 and the start.
    EXPECT_EQ(g.Points(), P({{0, 0}, {0, 0}, {4, 0}, {6, 2}, {8, 4}, {10, 6}, {10, 10}, {0, 0}}));
    ASSERT_EQ(g.PolygonCount(), 1u);
    EXPECT_EQ(g.Counts()[0], 8);
}

TEST(GlyphPolygons, LongerRunsEndTheirPiecesAtTheMidpointsOfTheControlPoints) {
    GlyphPolygons g;
    g.Begin({0, 0}, 1, 0, 0.2, 10);
    g.StartContour(G(0, 0));
    GlyphPoint run[] = {G(40, 0), G(40, 40), G(0, 40)};
    g.QuadraticRun(run, 3);
    g.CloseContour();
    // Piece 1: (0,0) -> (40,0) -> (40,20); piece 2: (40,20) -> (40,40) -> (0,40).
    std::vector<IPoint> expected = {{0, 0}};
    auto piece = [&](double ax, double ay, double qx, double qy, double bx, double by) {
        for (double t : {0.0, 0.2, 0.4, 0.6, 0.8}) {
            double u = 1 - t;
            expected.push_back(
                {static_cast<int32_t>(std::nearbyint(ax * u * u + 2 * qx * t * u + bx * t * t)),
                 static_cast<int32_t>(std::nearbyint(ay * u * u + 2 * qy * t * u + by * t * t))});
        }
    };
    piece(0, 0, 40, 0, 40, 20);
    piece(40, 20, 40, 40, 0, 40);
    expected.push_back({0, 40});
    expected.push_back({0, 0});
    EXPECT_EQ(g.Points(), expected);
    EXPECT_EQ(g.Points()[6], (IPoint{40, 20}));  // the second piece starts on the midpoint
}

TEST(GlyphPolygons, PointsArePlacedAtTheOriginAndRotatedCounterClockwise) {
    GlyphPolygons g;
    const Real a = kPi / 2;
    g.Begin({100, 200}, std::cos(a), std::sin(a), 0.2, 10);
    g.StartContour(G(0, 0));
    GlyphPoint line[] = {G(30, 0), G(30, -10.25)};
    g.LineRun(line, 2);
    g.CloseContour();
    // Along x becomes up the screen; -y (up) becomes left.
    EXPECT_EQ(g.Points(), P({{100, 200}, {100, 170}, {90, 170}, {100, 200}}));
}

TEST(GlyphPolygons, EveryContourIsClosedAndCountedSeparately) {
    GlyphPolygons g;
    g.Begin({0, 0}, 1, 0, 0.2, 10);
    for (int k = 0; k < 3; ++k) {
        g.StartContour(G(k * 100, 0));
        GlyphPoint line[] = {G(k * 100 + 50, 0), G(k * 100 + 50, 50)};
        g.LineRun(line, 2);
        g.CloseContour();
    }
    ASSERT_EQ(g.PolygonCount(), 3u);
    size_t first = 0;
    for (int32_t n : g.Counts()) {
        EXPECT_EQ(n, 4);
        EXPECT_EQ(g.Points()[first], g.Points()[first + n - 1]);
        first += n;
    }
    // Begin forgets the previous character.
    g.Begin({0, 0}, 1, 0, 0.2, 10);
    EXPECT_EQ(g.PolygonCount(), 0u);
    EXPECT_TRUE(g.Points().empty());
}

TEST(GlyphPolygons, ContoursBeyondTheLimitAreSkipped) {
    GlyphPolygons g;
    g.Begin({0, 0}, 1, 0, 0.2, TTextLabel::kMaxContours);
    const size_t n = 7501;
    for (size_t k = 0; k < n; ++k) {
        g.StartContour(G(1, 1));
        GlyphPoint line[] = {G(2, 1)};
        g.LineRun(line, 1);
        g.CloseContour();
    }
    EXPECT_EQ(g.PolygonCount(), 7500u);
    EXPECT_EQ(g.Points().size(), 7500u * 3);
}

namespace {

// The polygon points without the repeats the sampler leaves where one piece starts on the end of
// the one before.
std::vector<IPoint> Distinct(const std::vector<IPoint>& points) {
    std::vector<IPoint> out;
    for (IPoint p : points)
        if (out.empty() || !(out.back() == p)) out.push_back(p);
    return out;
}

}  // namespace

TEST(GlyphCurves, RunsAreTheQuadraticPiecesThePolygonsSample) {
    // Turned a quarter: a glyph point (x, y) lands on (100 + y, 100 - x).
    GlyphCurves curves;
    GlyphPolygons polygons;
    curves.Begin({100, 100}, 0, 1, 10);
    polygons.Begin({100, 100}, 0, 1, 0.2, 10);
    for (GlyphSink* sink : {static_cast<GlyphSink*>(&curves), static_cast<GlyphSink*>(&polygons)}) {
        sink->StartContour(G(0, 0));
        GlyphPoint run[] = {G(40, 0), G(40, 40), G(0, 40)};
        sink->QuadraticRun(run, 3);
        GlyphPoint line[] = {G(0, 20)};
        sink->LineRun(line, 1);
        sink->CloseContour();
    }
    using Op = CurvePath::Op;
    EXPECT_EQ(curves.Path().Ops(), (std::vector<Op>{Op::Move, Op::Quad, Op::Quad, Op::Line, Op::Close}));
    const std::vector<CurvePoint> expected = {{100, 100}, {100, 60},  {120, 60},
                                              {140, 60},  {140, 100}, {120, 100}};
    EXPECT_EQ(curves.Path().Points(), expected);
    std::vector<IPoint> flat;
    std::vector<int32_t> counts;
    curves.Path().Flatten(0.2, flat, counts);
    EXPECT_EQ(flat, Distinct(polygons.Points()));
}

TEST(GlyphCurves, ARealTurnedGlyphFollowsItsPolygonsAndKeepsTheContourLimit) {
    const FontSpec font{"Arial", 500, 0};
    const double angle = 0.5;
    GlyphCurves curves;
    GlyphPolygons polygons;
    curves.Begin({1000, 1000}, std::cos(angle), std::sin(angle), 10);
    polygons.Begin({1000, 1000}, std::cos(angle), std::sin(angle), 0.05, 10);
    ASSERT_TRUE(FontEngine::Instance().Outline(font, U'&', GlyphMatrix{}, curves));
    ASSERT_TRUE(FontEngine::Instance().Outline(font, U'&', GlyphMatrix{}, polygons));
    std::vector<IPoint> flat;
    std::vector<int32_t> counts;
    curves.Path().Flatten(0.05, flat, counts);
    flat = Distinct(flat);
    const std::vector<IPoint> sampled = Distinct(polygons.Points());
    ASSERT_EQ(flat.size(), sampled.size());
    for (size_t i = 0; i < flat.size(); ++i) {
        EXPECT_LE(std::abs(flat[i].x - sampled[i].x), 1) << i;
        EXPECT_LE(std::abs(flat[i].y - sampled[i].y), 1) << i;
    }
    EXPECT_EQ(counts.size(), polygons.PolygonCount());
    // With room for one contour only, the others are left out as the polygons leave them.
    curves.Begin({0, 0}, 1, 0, 1);
    ASSERT_TRUE(FontEngine::Instance().Outline(font, U'8', GlyphMatrix{}, curves));
    EXPECT_EQ(std::count(curves.Path().Ops().begin(), curves.Path().Ops().end(), CurvePath::Op::Move), 1);
}
