#pragma once
// Turns the outline of one character into the integer polygons a text element fills: every
// outline point is put at the character's origin and rotated with the text, quadratic runs are
// sampled piece by piece at a fixed parameter step, and every contour is closed on its start
// point. The buffers are kept from one character to the next.

#include <cstdint>
#include <vector>

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
    // The outline point placed at the origin and rotated, not yet rounded.
    MPoint Place(GlyphPoint p) const;
    void Append(MPoint p);
    // Samples one quadratic piece a -> q -> b at t = 0, step, 2 step, ... below 1.
    void SamplePiece(MPoint a, MPoint q, MPoint b);

    MPoint origin_;
    Real cos_ = 1, sin_ = 0;
    double step_ = 0.2;
    size_t maxContours_ = 0;
    bool skipping_ = false;
    bool open_ = false;
    MPoint start_, current_;
    int32_t contourStart_ = 0;
    std::vector<IPoint> points_;
    std::vector<int32_t> counts_;
};

}  // namespace pw
