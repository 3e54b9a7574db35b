#pragma once
// TSkaleBogen: the arc band of the scale shapes. A closed, filled contour between an inner
// circle and an outer edge whose distance from the circle grows from 0 to the band width along
// the arc, shrinks from the width to 0, or stays constant. Its 34 vertices are the control
// points of two smoothed edges (17 each); its own flattening keeps the radial corners sharp.
// Only the vertices and the band kind are stored; the defining points serve BuildBand.

#include <cstdint>
#include <vector>

#include "elements/rechteck.h"

namespace pw {

class TSkaleBogen : public TRechteck {
  public:
    enum : uint8_t { kIncreasing = 0, kDecreasing = 1, kConstant = 2 };
    static constexpr size_t kBandVertices = 34;
    static constexpr int kEdgeSteps = 16;

    TSkaleBogen();
    const char* ClassName() const override { return "TSkaleBogen"; }

    // Replaces the vertices by the 34 of the band: the outer edge, then the inner edge, running
    // clockwise (decreasing angle) from the start to the end direction. Equal directions give a
    // full ring, or with EqualMeansEmpty a band of no extent.
    void BuildBand();

    uint8_t BandKind() const { return bandKind_; }
    void SetBandKind(uint8_t kind);

    // Both edges smoothed separately and joined by straight radial pieces (constant width), or
    // one smoothed run from the wide end round the tip back to it (increasing, decreasing). A
    // band whose vertex count is not 34 (a damaged file) is flattened as a closed contour.
    void BuildPolyline(std::vector<IPoint>& out, double curveStep,
                       CurvePath* curves = nullptr) const override;
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;

    MPoint Centre;
    // At the inner radius: the radius is its distance from Centre.
    MPoint RimPoint;
    // Their directions seen from Centre are the start and end angles of the band.
    MPoint StartPoint;
    MPoint EndPoint;
    // Full width (model units); negative puts the band inside the circle.
    Real BandWidth = 0;
    // Not stored: whether equal start and end directions mean a band of no extent (a segment
    // between two equal limits) rather than a full ring.
    bool EqualMeansEmpty = false;

  private:
    uint8_t bandKind_ = kIncreasing;
};

}  // namespace pw
