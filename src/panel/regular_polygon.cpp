#include "panel/regular_polygon.h"

#include <algorithm>
#include <cmath>

#include "panel/platine.h"

namespace pw {

int ClampCorners(int corners) {
    return std::clamp(corners, 3, 999);
}

Real RegularPolygonRadiusMm(const RegularPolygonInput& in) {
    const int n = ClampCorners(in.corners);
    Real r = TextToNumber(in.radiusText);
    if (in.innerRadius) r = r / std::cos(kPi / n);
    return r;
}

MPoint RegularPolygonCentreBeforeSnap(Real radiusMm) {
    return {1.2L * radiusMm * kUnitsPerMm, 1.2L * radiusMm * kUnitsPerMm};
}

std::unique_ptr<TPolygon> BuildRegularPolygon(MPoint centre, const RegularPolygonInput& in) {
    const int n = ClampCorners(in.corners);
    const Real r = RegularPolygonRadiusMm(in);
    auto polygon = std::make_unique<TPolygon>();
    Real a = DegToRad(TextToNumber(in.startAngleText));
    for (int i = 0; i < n; ++i) {
        polygon->AddPoint(
            {centre.x + std::cos(a) * r * kUnitsPerMm, centre.y - std::sin(a) * r * kUnitsPerMm});
        a = a + 2 * kPi / n;
    }
    polygon->SetClosed(true);
    return polygon;
}

std::unique_ptr<TPolygon> BuildRegularPolygonFor(TPlatine& panel, const RegularPolygonInput& in) {
    const MPoint rough = RegularPolygonCentreBeforeSnap(RegularPolygonRadiusMm(in));
    const IPoint pixel = panel.ModelToPixel(rough);
    const MPoint centre = panel.SnapPoint(pixel.x, pixel.y);
    std::unique_ptr<TPolygon> polygon = BuildRegularPolygon(centre, in);
    polygon->SetStiftFarbe(panel.CurrentPenColor);
    polygon->SetBrushFarbe(panel.CurrentBrushColor);
    polygon->SetStiftBreite(panel.CurrentPenWidth);
    polygon->SetFuellenFlag(panel.CurrentFill);
    polygon->SetBrushStyle(panel.CurrentBrushStyle);
    return polygon;
}

}  // namespace pw
