#pragma once
// Turns the outline of one character into the integer polygons a text element fills: every
// outline point is put at the character's origin and rotated with the text, quadratic runs are
// sampled piece by piece at a fixed parameter step, and every contour is closed on its start
// point. The buffers are kept from one character to the next.
//
// This is the innermost loop of text painting, so the points are placed, sampled and rounded
// in double precision; the sample parameters themselves are found by adding up the step in
// extended precision, once per step.

#include <cstdint>
#include <vector>

#include "core/curve_path.h"
#include "core/geometry.h"
#include "text/font_engine.h"

namespace pw {

class GlyphPolygons : public GlyphSink {
  public:
    // Starts a character at the origin (model units), rotated by the angle whose cosine and
    // sine are given; at most maxContours contours are kept, the rest are skipped.
    void Begin(MPoint origin, Real cosAngle, Real sinAngle, double curveStep, size_t maxContours);

    void StartContour(GlyphPoint start) override;
    void LineRun(const GlyphPoint* pts, size_t n) override;
    void QuadraticRun(const GlyphPoint* pts, size_t n) override;
    void CloseContour() override;

    const std::vector<IPoint>& Points() const { return points_; }
    const std::vector<int32_t>& Counts() const { return counts_; }
    size_t PolygonCount() const { return counts_.size(); }

  private:
    struct Point {
        double x = 0, y = 0;
    };
    // Weights of a, q and b at one sample parameter t: (1 - t)^2, 2t(1 - t), t^2.
    struct Weights {
        double a, q, b;
    };

    // The outline point placed at the origin and rotated, not yet rounded.
    Point Place(GlyphPoint p) const;
    void Append(Point p);
    // Samples one quadratic piece a -> q -> b at t = 0, step, 2 step, ... below 1.
    void SamplePiece(Point a, Point q, Point b);

    Point origin_;
    double cos_ = 1, sin_ = 0;
    double step_ = 0;
    std::vector<Weights> weights_;
    size_t maxContours_ = 0;
    bool skipping_ = false;
    bool open_ = false;
    Point start_, current_;
    int32_t contourStart_ = 0;
    std::vector<IPoint> points_;
    std::vector<int32_t> counts_;
};

// The same outline as exact curves, for canvases that draw curves: the points placed and rotated
// as GlyphPolygons places them but not rounded, each quadratic piece kept whole, every contour
// closed. At most maxContours contours are kept, as there.
class GlyphCurves : public GlyphSink {
  public:
    void Begin(MPoint origin, Real cosAngle, Real sinAngle, size_t maxContours);

    void StartContour(GlyphPoint start) override;
    void LineRun(const GlyphPoint* pts, size_t n) override;
    void QuadraticRun(const GlyphPoint* pts, size_t n) override;
    void CloseContour() override;

    const CurvePath& Path() const { return path_; }

  private:
    CurvePoint Place(GlyphPoint p) const;

    double ox_ = 0, oy_ = 0, cos_ = 1, sin_ = 0;
    size_t maxContours_ = 0, contours_ = 0;
    bool skipping_ = false, open_ = false;
    CurvePath path_;
};

}  // namespace pw
