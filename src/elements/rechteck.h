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

    void BuildPolyline(std::vector<IPoint>& out, double curveStep) override;
    std::optional<Region> GetRegion(Canvas& canvas) override;
    bool HitTest(IPoint p, Canvas& canvas) override;
    std::string KindName() override;
    // The two side lengths in mm ("12,50 x 8,00"); empty with fewer than four vertices.
    std::string InfoText() override;
    void Write(TWriter& w) override;
    void Read(TReader& r) override;
};

}  // namespace pw
