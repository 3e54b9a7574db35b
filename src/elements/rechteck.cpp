#include "elements/rechteck.h"

#include "core/language.h"
#include "elements/segment_hexagon.h"

namespace pw {

TRechteck::TRechteck() {
    closed_ = true;
}

void TRechteck::BuildPolyline(std::vector<IPoint>& out, double step, CurvePath* curves) const {
    if (Closed())
        BuildClosed(out, step, curves);
    else
        BuildOpen(out, step, curves);
}

std::optional<Region> TRechteck::GetRegion(const Canvas& c) const {
    if (!Closed()) return TLinie::GetRegion(c);
    if (PointCount() < 2) return std::nullopt;
    // The polygon of the vertices themselves, without smoothing, with every vertex.
    std::vector<IPoint> d(PointCount());
    for (size_t i = 0; i < PointCount(); ++i) d[i] = c.LPtoDP(RoundPoint(Point(i)));
    return Region::FromPolygon(std::move(d), FillMode::Winding);
}

bool TRechteck::HitTest(IPoint p, const Canvas& c) const {
    bool r = TLinie::HitTest(p, c);
    if ((Hidden() && !GetSelected()) || r) return r;
    const IRect box = NormaliseRect(c.LPtoDP(RoundRect(GetBounds())));
    if (!box.Contains(p)) return r;
    if (!Glaetten() && PointCount() >= 2)
        r = DeviceHexagon(SegmentHexagon(Point(PointCount() - 1), Point(0), StiftBreite(), true), c)
                .ContainsPoint(p);
    if (!r && IsArea()) {
        std::optional<Region> region = GetRegion(c);
        r = region && region->ContainsPoint(p);
    }
    return r;
}

std::string TRechteck::KindName() const {
    return Tr("Rechteck", "Rectangle");
}

std::string TRechteck::InfoText() const {
    if (PointCount() < 4) return {};
    const char sep = DecimalSeparator();
    return FormatFixed(Distance(Point(0), Point(1)) / kUnitsPerMm, 2, sep) + " x " +
           FormatFixed(Distance(Point(1), Point(2)) / kUnitsPerMm, 2, sep);
}

void TRechteck::Write(TWriter& w) const {
    TLinie::Write(w);
    w.WriteBoolean(Closed());
}

void TRechteck::Read(TReader& r) {
    TLinie::Read(r);
    SetClosed(r.ReadBoolean());
}

}  // namespace pw
