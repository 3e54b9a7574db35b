#include "scales/skale_bogen.h"

#include <cmath>

#include "elements/contour_build.h"

namespace pw {

namespace {
// Directions this close count as equal: what the arithmetic of a full turn leaves over.
constexpr Real kSameDirection = 1e-12L;
}  // namespace

TSkaleBogen::TSkaleBogen() {
    closed_ = true;
    FGlaetten = true;
    FGlaettenStil = glSpline;
    SetFuellenFlag(true);
    FStiftBreite = 0;
    FBrushFarbe = kBlack;
}

void TSkaleBogen::SetBandKind(uint8_t kind) {
    bandKind_ = kind;
    PointsChanged();
}

void TSkaleBogen::BuildBand() {
    const Real r = Distance(RimPoint, Centre);
    const Real as = Direction(Centre, StartPoint);
    Real ae = Direction(Centre, EndPoint);
    const Real d = std::fabs(ae - as);
    if (d < kSameDirection || std::fabs(d - 2 * kPi) < kSameDirection)
        ae = EqualMeansEmpty ? as : as - 2 * kPi;
    else if (ae >= as)
        ae -= 2 * kPi;
    const Real q = r / std::cos(std::fabs(ae - as) / 15 / 2);
    const Real w = BandWidth;
    const Real step = (ae - as) / kEdgeSteps;
    auto angleAt = [&](int k) { return bandKind_ == kIncreasing ? as + step * k : ae - step * k; };
    auto vertex = [&](Real angle, Real radius) {
        return MPoint{Centre.x + std::cos(angle) * radius, Centre.y - std::sin(angle) * radius};
    };

    ClearPoints();
    for (int k = kEdgeSteps; k >= 0; --k) {
        const Real radius = bandKind_ == kConstant ? q + w : k * w / kEdgeSteps + q;
        AddPoint(vertex(angleAt(k), radius));
    }
    for (int k = 0; k <= kEdgeSteps; ++k) AddPoint(vertex(angleAt(k), q));
}

void TSkaleBogen::BuildPolyline(std::vector<IPoint>& out, double step, CurvePath* curves) const {
    if (PointCount() != kBandVertices) {
        BuildClosed(out, step, curves);
        return;
    }
    out.clear();
    if (curves) curves->Clear();
    auto p = [&](size_t i) { return Point(i); };
    auto piece = [&](size_t i) {
        Curve(out, RoundPoint(Midpoint(p(i), p(i + 1))), RoundPoint(p(i + 1)),
              RoundPoint(Midpoint(p(i + 1), p(i + 2))), step, curves);
    };
    AppendPoint(out, RoundPoint(p(0)), curves);
    if (bandKind_ == kConstant) {
        for (size_t i = 0; i <= 14; ++i) piece(i);
        AppendPoint(out, RoundPoint(p(16)), curves);
        AppendPoint(out, RoundPoint(p(17)), curves);
        for (size_t i = 17; i <= 31; ++i) piece(i);
    } else {
        for (size_t i = 0; i <= 31; ++i) piece(i);
    }
    AppendPoint(out, RoundPoint(p(33)), curves);
    AppendPoint(out, RoundPoint(p(0)), curves);
}

void TSkaleBogen::Write(TWriter& w) const {
    TRechteck::Write(w);
    w.WriteRawByte(bandKind_);
}

void TSkaleBogen::Read(TReader& r) {
    TRechteck::Read(r);
    SetBandKind(r.ReadRawByte());
}

}  // namespace pw
