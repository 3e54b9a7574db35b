#pragma once
// TRechteck: the closed contour. A line whose closing edge from the last vertex back to the
// first belongs to it and whose closed flag is stored; the rectangle tool makes it with four
// corners, and polygons, pictures and arc bands derive from it.

#include "elements/linie.h"

namespace pw {

class TRechteck : public TLinie {
  public:
    TRechteck();
    const char* ClassName() const override { return "TRechteck"; }

    void BuildPolyline(std::vector<IPoint>& out, double curveStep,
                       CurvePath* curves = nullptr) const override;
    std::optional<Region> GetRegion(const Canvas& canvas) const override;
    bool HitTest(IPoint p, const Canvas& canvas) const override;
    std::string KindName() const override;
    // The two side lengths in mm ("12,50 x 8,00"); empty with fewer than four vertices.
    std::string InfoText() const override;
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;
};

}  // namespace pw
