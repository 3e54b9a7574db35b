// The exact outlines the contour constructions record for canvases that draw curves, against
// the flattened outlines every other canvas draws: circles, rounded and chamfered corners, arcs
// and smoothed lines.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "elements/bogen.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/rechteck.h"

using namespace pw;

namespace {

// Dense points along the path: quadratic pieces at 400 steps, straight pieces at their ends.
std::vector<CurvePoint> Dense(const CurvePath& path) {
    std::vector<CurvePoint> out;
    size_t at = 0;
    CurvePoint current, start;
    for (CurvePath::Op op : path.Ops()) {
        if (op == CurvePath::Op::Move || op == CurvePath::Op::Line) {
            current = path.Points()[at++];
            if (op == CurvePath::Op::Move) start = current;
            out.push_back(current);
        } else if (op == CurvePath::Op::Quad) {
            const CurvePoint c = path.Points()[at], b = path.Points()[at + 1];
            at += 2;
            for (int i = 1; i <= 400; ++i) {
                const double t = i / 400.0, u = 1 - t;
                out.push_back({u * u * current.x + 2 * t * u * c.x + t * t * b.x,
                               u * u * current.y + 2 * t * u * c.y + t * t * b.y});
            }
            current = b;
        } else {
            out.push_back(start);
            current = start;
        }
    }
    return out;
}

double SegmentDistance(CurvePoint p, CurvePoint a, CurvePoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double DistanceToLine(CurvePoint p, const std::vector<CurvePoint>& line) {
    double best = line.empty() ? 1e300 : std::hypot(p.x - line[0].x, p.y - line[0].y);
    for (size_t i = 1; i < line.size(); ++i) best = std::min(best, SegmentDistance(p, line[i - 1], line[i]));
    return best;
}

// How far the flattened outline may lie from the curve it samples: each point is a curve point
// rounded to whole model units (half a unit, 0.01 mm, along each axis), and between two samples
// it cuts a chord, which strays from a quadratic piece a -> c -> b sampled at parameter steps h
// by at most |a - 2c + b| h^2 / 4.
double Allowed(const CurvePath& path) {
    double chord = 0;
    size_t at = 0;
    CurvePoint current;
    for (CurvePath::Op op : path.Ops()) {
        if (op == CurvePath::Op::Quad) {
            const CurvePoint c = path.Points()[at], b = path.Points()[at + 1];
            chord = std::max(chord, std::hypot(current.x - 2 * c.x + b.x, current.y - 2 * c.y + b.y) *
                                        kCurveStep * kCurveStep / 4);
            current = b;
            at += 2;
        } else if (op != CurvePath::Op::Close) {
            current = path.Points()[at++];
        }
    }
    return std::sqrt(0.5) + chord + 1e-6;
}

// Every flattened point lies on the curve within its rounding, and the curve nowhere strays from
// the flattened outline by more than rounding and chord allow.
void ExpectFollows(const std::vector<IPoint>& flat, const CurvePath& path, const std::string& what) {
    std::vector<CurvePoint> flatLine;
    for (IPoint p : flat) flatLine.push_back(ToCurvePoint(p));
    const std::vector<CurvePoint> curve = Dense(path);
    double pointsOff = 0, curveOff = 0;
    for (CurvePoint p : flatLine) pointsOff = std::max(pointsOff, DistanceToLine(p, curve));
    for (CurvePoint p : curve) curveOff = std::max(curveOff, DistanceToLine(p, flatLine));
    EXPECT_LE(pointsOff, std::sqrt(0.5) + 1e-6) << what;
    EXPECT_LE(curveOff, Allowed(path)) << what;
}

size_t CountOps(const CurvePath& path, CurvePath::Op op) {
    return static_cast<size_t>(std::count(path.Ops().begin(), path.Ops().end(), op));
}

TEST(ContourCurves, CirclesOfEverySizeAreSixteenQuadraticPiecesOnTheirFlattenedOutline) {
    for (Real radius : {Real(40), Real(250), Real(1234.5), Real(5000)}) {
        TKreis k;
        k.Centre = {7000.3L, 6000.7L};
        k.RimPoint = {7000.3L + radius, 6000.7L};
        k.BuildContour();
        const TRechteck& inner = k.InnerContour();
        const CurvePath& path = inner.PaintCurves();
        EXPECT_EQ(CountOps(path, CurvePath::Op::Quad), 16u);
        EXPECT_EQ(CountOps(path, CurvePath::Op::Move), 1u);
        ExpectFollows(inner.PaintPolyline(), path, "radius " + std::to_string(static_cast<double>(radius)));
        // It closes on itself.
        EXPECT_EQ(path.Points().front(), path.Current());
    }
}

TEST(ContourCurves, RoundedCornersAreCurvesAndChamfersStayStraight) {
    TRechteck r;
    for (MPoint p : {MPoint{1000, 1000}, MPoint{4000, 1000}, MPoint{4000, 3000}, MPoint{1000, 3000}})
        r.AddPoint(p);
    r.SetGlaetten(true);
    r.SetGlaettenStil(glRundung);
    r.SetGlaettenBetrag(333);
    EXPECT_EQ(CountOps(r.PaintCurves(), CurvePath::Op::Quad), 4u);
    ExpectFollows(r.PaintPolyline(), r.PaintCurves(), "rounded");

    r.SetGlaettenStil(glFase);
    EXPECT_EQ(CountOps(r.PaintCurves(), CurvePath::Op::Quad), 0u);
    // A chamfered outline is its own polyline, point for point.
    const std::vector<IPoint>& flat = r.PaintPolyline();
    ASSERT_EQ(r.PaintCurves().Points().size(), flat.size());
    for (size_t i = 0; i < flat.size(); ++i) EXPECT_EQ(r.PaintCurves().Points()[i], ToCurvePoint(flat[i]));
}

TEST(ContourCurves, ArcsOfEveryStyleAndSmoothedLinesFollowTheirFlattenedOutline) {
    for (int style : {TBogen::kOpenArc, TBogen::kPie, TBogen::kChord}) {
        TBogen b;
        b.Centre = {5000, 5000};
        b.RimPoint = {6700, 5000};
        b.StartPoint = {6700, 5000};
        b.EndPoint = {5000, 3300};
        b.SetStil(style);
        b.BuildArc();
        EXPECT_EQ(CountOps(b.PaintCurves(), CurvePath::Op::Quad), 19u) << style;
        ExpectFollows(b.PaintPolyline(), b.PaintCurves(), "arc style " + std::to_string(style));
    }
    TLinie line;
    for (MPoint p : {MPoint{100, 100}, MPoint{900, 2200}, MPoint{1700, 150.5L}, MPoint{3000, 3100}})
        line.AddPoint(p);
    line.SetGlaetten(true);
    line.SetGlaettenStil(glSpline);
    EXPECT_EQ(CountOps(line.PaintCurves(), CurvePath::Op::Quad), 2u);
    ExpectFollows(line.PaintPolyline(), line.PaintCurves(), "line");
    // A changed vertex gives a new outline.
    line.SetPoint(1, {900, 2600});
    ExpectFollows(line.PaintPolyline(), line.PaintCurves(), "changed line");
    EXPECT_EQ(line.PaintCurves().Points()[1],
              ToCurvePoint(RoundPoint(Midpoint(line.Point(0), line.Point(1)))));
}

TEST(CurvePathFlatten, SamplesQuadraticPiecesAndClosesSubpaths) {
    CurvePath p;
    p.MoveTo({0, 0});
    p.QuadTo({100, 0}, {100, 100});
    p.LineTo({100, 100});  // to the current point: left out
    p.Close();
    p.MoveTo({500, 500});
    p.LineTo({600, 500});
    std::vector<IPoint> points;
    std::vector<int32_t> counts;
    p.Flatten(0.25, points, counts);
    ASSERT_EQ(counts, (std::vector<int32_t>{6, 2}));
    // t = 0.25: (2 t u 100 + t^2 100, t^2 100) = (43.75, 6.25), rounded half to even.
    EXPECT_EQ(points[1], (IPoint{44, 6}));
    EXPECT_EQ(points[4], (IPoint{100, 100}));
    EXPECT_EQ(points[5], (IPoint{0, 0}));
    EXPECT_EQ(points[7], (IPoint{600, 500}));
}

}  // namespace
