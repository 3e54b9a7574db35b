// The shaped scales (styles 6 to 12): coloured circle segments with their boundary lines, arc
// bands, the regular polygon and the sine curve.

#include <cmath>

#include "elements/linie.h"
#include "elements/polygon.h"
#include "scales/scale.h"
#include "scales/scale_build_support.h"
#include "scales/skale_bogen.h"

namespace pw {

namespace {
constexpr Color kSegmentRed = 0x0000FF;
constexpr Color kSegmentGreen = 0x008000;

// Style 6 parameters.
constexpr int kEmpiricalSegments = 3;
constexpr int kFirstLimit = 5;
constexpr int kSegmentLinesOn = 14;
constexpr int kSegmentLineLength = 15;
}  // namespace

void TScale::BuildShape() {
    switch (style_) {
        case ssEmpirical:
            BuildEmpirical();
            break;
        case ssIncreasingArc:
            AddBand(TSkaleBogen::kIncreasing, end_, start_);
            break;
        case ssDecreasingArc:
            AddBand(TSkaleBogen::kDecreasing, end_, start_);
            break;
        case ssCircleSegment:
            AddBand(TSkaleBogen::kConstant, end_, start_);
            break;
        case ssSymmetricArc: {
            // Wide at both ends, a point in the middle of the range.
            const Real half = IsFullTurn(span_) ? kPi : NormaliseAngle(DegToRad(ParamReal(0)) / 2);
            const Real middle = start_ - half;
            AddBand(TSkaleBogen::kDecreasing, middle, start_);
            AddBand(TSkaleBogen::kIncreasing, end_, middle);
            break;
        }
        case ssRegularPolygon:
            BuildRegularPolygon();
            break;
        case ssSineCurve:
            BuildSineCurve();
            break;
        default:
            break;
    }
}

TSkaleBogen* TScale::AddBand(uint8_t kind, Real endAngle, Real startAngle, bool emptyWhenEqual) {
    Real d = kUnitsPerMm * ParamReal(1);
    if (std::fabs(d) < 0.001L) d = 0.001L;
    auto band = std::make_unique<TSkaleBogen>();
    band->BandWidth = kUnitsPerMm * ParamReal(2);
    band->Centre = Centre;
    band->StartPoint = PointAtAngle(Centre, d / 2, startAngle);
    band->EndPoint = PointAtAngle(Centre, d / 2, endAngle);
    band->RimPoint = {Centre.x, Centre.y + d / 2};
    band->EqualMeansEmpty = emptyWhenEqual;
    band->SetBandKind(kind);
    band->BuildBand();
    TSkaleBogen* raw = band.get();
    AddMember(std::move(band));
    return raw;
}

void TScale::BuildEmpirical() {
    // A = 0 counts as a full turn, as the angles do.
    const Real range = IsFullTurn(span_) ? 2 * kPi : DegToRad(ParamReal(0));
    const int n = ClampedCount(*this, kEmpiricalSegments);
    // Limits in percent of the range, with the ends of the range as limits 0 and n.
    auto limit = [&](int i) -> Real {
        if (i == 0) return 0;
        if (i == n) return 100;
        return ParamReal(static_cast<size_t>(kFirstLimit + i - 1));
    };
    boundaries_.assign(1, start_);
    for (int i = 1; i <= n; ++i) {
        boundaries_.push_back(i == n ? end_ : start_ - range * limit(i) / 100);
        // Two equal limits enclose a segment of no extent: it is drawn as nothing, not as a ring.
        TSkaleBogen* band =
            AddBand(TSkaleBogen::kConstant, boundaries_[i], boundaries_[i - 1], limit(i) == limit(i - 1));
        band->SetStiftPattern(ptClear);
        band->SetBrushFarbe(i % 2 == 1 ? kSegmentRed : kSegmentGreen);
        bands_.push_back(band);
    }
}

void TScale::BuildSegmentLines() {
    if (!ParamBool(kSegmentLinesOn)) return;
    const Real radius = kUnitsPerMm * ParamReal(1) / 2;
    const Real length = kUnitsPerMm * ParamReal(kSegmentLineLength);
    SubTickGroup = AppendGroup();
    for (Real angle : boundaries_) {
        auto line = std::make_unique<TLinie>();
        line->AddPoint(PointAtAngle(Centre, radius, angle));
        line->AddPoint(PointAtAngle(Centre, radius + length, angle));
        SubTickGroup->AddMember(std::move(line));
    }
}

void TScale::BuildRegularPolygon() {
    const Real radius = kUnitsPerMm * ParamReal(0) / 2;
    const int corners = ClampedCount(*this, 1);
    const Real step = 2 * kPi / corners;
    auto polygon = std::make_unique<TPolygon>();
    polygon->SetClosed(true);
    Real angle = DegToRad(ParamReal(3));
    for (int i = 0; i < corners; ++i) {
        polygon->AddPoint({Centre.x + std::cos(angle) * radius, Centre.y - std::sin(angle) * radius});
        angle += step;
    }
    AddMember(std::move(polygon));
}

void TScale::BuildSineCurve() {
    const Real height = kUnitsPerMm * ParamReal(0);
    const Real width = kUnitsPerMm * ParamReal(1);
    // Kept within its interval so that the vertex count stays bounded.
    Real oscillations = ParamReal(2);
    if (!(oscillations >= 1)) oscillations = 1;
    if (oscillations > 50) oscillations = 50;
    const Real phase = DegToRad(ParamReal(3));
    const int n = RoundToInt(oscillations * 8);
    auto curve = std::make_unique<TLinie>();
    for (int i = 0; i <= n; ++i) {
        const Real x = Centre.x - width / 2 + (width / n) * i;
        const Real t = (2 * kPi / n) * i * oscillations + phase;
        curve->AddPoint({x, Centre.y - std::sin(t) * height / 2});
    }
    curve->SetGlaetten(true);
    curve->SetGlaettenStil(glSpline);
    AddMember(std::move(curve));
    if (ParamBool(4)) {
        auto line = std::make_unique<TLinie>();
        line->AddPoint({Centre.x - width / 2, Centre.y});
        line->AddPoint({Centre.x + width / 2, Centre.y});
        AddMember(std::move(line));
    }
}

}  // namespace pw
