#include "elements/bogen.h"

#include <cmath>

#include "core/language.h"

namespace pw {

namespace {
TBogen::DialogFunction& Dialog() {
    static TBogen::DialogFunction dialog;
    return dialog;
}
}  // namespace

void TBogen::SetDialog(DialogFunction dialog) {
    Dialog() = std::move(dialog);
}

std::vector<std::string> TBogen::StyleNames() {
    return {Tr("offener Bogen", "Arc"), Tr("Tortenstück", "Pie"), Tr("Bogen mit Sehne", "Closed arc")};
}

TBogen::TBogen() {
    KindCode = kcArc;
    FStiftBreite = 25;
    FStiftFarbe = kBlack;
    FBrushFarbe = kGrey;
    SetFuellenFlag(true);
    FGlaetten = true;
    FGlaettenStil = glSpline;
}

void TBogen::SetGlaetten(bool) {
    TLinie::SetGlaetten(true);
}

void TBogen::SetGlaettenStil(TGlaettenStil) {
    TLinie::SetGlaettenStil(glSpline);
}

void TBogen::SetStil(int style) {
    stil_ = static_cast<uint8_t>(style);
    if (style == kOpenArc)
        SetClosed(false);
    else if (style == kPie || style == kChord)
        SetClosed(true);
    else
        PointsChanged();
}

void TBogen::BuildArc() {
    const Real r = std::fabs(Distance(Centre, RimPoint));
    const Real a1 = Direction(Centre, StartPoint);
    Real a2 = Direction(Centre, EndPoint);
    if (a2 > a1) a2 -= 2 * kPi;
    if (a2 == a1) a2 -= 2 * kPi;
    const Real big = r / std::cos(std::fabs(a2 - a1) / 19 / 2);
    ClearPoints();
    for (int i = 0; i < kArcVertices; ++i) {
        const Real phi = a1 + (a2 - a1) / 20 * i;
        AddPoint({Centre.x + big * std::cos(phi), Centre.y - big * std::sin(phi)});
    }
}

void TBogen::BuildPolyline(std::vector<IPoint>& out, double step, CurvePath* curves) const {
    BuildOpen(out, step, curves);
    closed_ = false;
    if (PointCount() == 0) return;
    const IPoint first = RoundPoint(Point(0));
    if (stil_ == kPie) {
        AppendPoint(out, RoundPoint(Centre), curves);
        AppendPoint(out, first, curves);
        closed_ = true;
    } else if (stil_ == kChord) {
        AppendPoint(out, first, curves);
        closed_ = true;
    }
}

void TBogen::Move(MPoint offset) {
    TLinie::Move(offset);
    Centre = Centre + offset;
}

void TBogen::Scale(MPoint origin, Real fx, Real fy) {
    TLinie::Scale(origin, fx, fy);
    Centre = ScalePoint(Centre, origin, fx, fy);
}

void TBogen::Rotate(MPoint centre, double angle) {
    TLinie::Rotate(centre, angle);
    Centre = RotatePoint(Centre, centre, angle);
}

void TBogen::Mirror(bool vertical, const MRect& r) {
    TLinie::Mirror(vertical, r);
    Centre = MirrorPoint(Centre, r, vertical);
}

void TBogen::DrawFeedback(Canvas& c, MPoint* dragged) {
    // Nearly horizontal radii snap to horizontal.
    if (std::fabs(RimPoint.y - Centre.y) < 10) RimPoint.y = Centre.y;
    if (std::fabs(EndPoint.y - Centre.y) < 10) EndPoint.y = Centre.y;
    if (Distance(StartPoint, Centre) < 1e-6L || Distance(EndPoint, Centre) < 1e-6L) return;
    Real radius;
    MPoint drawnStart, drawnEnd;
    if (dragged == &RimPoint && FeedbackShown) {
        StartPoint = EndPoint = RimPoint;
        radius = Distance(FeedbackPos, Centre);
        drawnStart = drawnEnd = FeedbackStart;
    } else {
        radius = Distance(RimPoint, Centre);
        drawnStart = drawnEnd = StartPoint;
        if (dragged == &EndPoint) {
            if (FeedbackShown) {
                const Real d = Distance(Centre, EndPoint);
                if (d > 0) EndPoint = ScalePoint(EndPoint, Centre, radius / d, radius / d);
                drawnEnd = FeedbackEnd;
            } else {
                drawnEnd = EndPoint;
            }
        }
    }
    BuildArc();
    c.SetPenColor(kBlack);
    c.SetPenWidth(RoundToInt(StiftBreite()));
    c.SetBrushStyle(bsClear);
    c.SetPenMode(PenMode::NotXor);
    // The platform arc runs counter-clockwise: from the end ray back to the start ray.
    c.Arc(RoundRect({Centre.x - radius, Centre.y - radius, Centre.x + radius, Centre.y + radius}),
          RoundPoint(drawnEnd), RoundPoint(drawnStart));
    c.SetPenMode(PenMode::Copy);
    FeedbackStart = drawnStart;
    FeedbackEnd = drawnEnd;
}

bool TBogen::EditProperties() {
    if (!Dialog()) return false;
    std::optional<int> chosen = Dialog()(stil_);
    if (!chosen) return false;
    SetStil(*chosen);
    return true;
}

std::string TBogen::KindName() const {
    return Tr("Bogen", "Arc");
}

void TBogen::Write(TWriter& w) const {
    TLinie::Write(w);
    w.WriteRawPoint(Centre);
    w.WriteRawPoint(RimPoint);
    w.WriteRawPoint(StartPoint);
    w.WriteRawPoint(EndPoint);
    w.WriteInteger(stil_);
}

void TBogen::Read(TReader& r) {
    if (!r.IsOldFile()) {
        TLinie::Read(r);
        Centre = r.ReadRawPoint();
        RimPoint = r.ReadRawPoint();
        StartPoint = r.ReadRawPoint();
        EndPoint = r.ReadRawPoint();
        SetStil(r.ReadInteger());
        PointsChanged();
        return;
    }
    // Old files: the short base record, no vertices, a pie flag instead of the style.
    TBauteil::Read(r);
    Centre = r.ReadRawPoint();
    RimPoint = r.ReadRawPoint();
    StartPoint = r.ReadRawPoint();
    EndPoint = r.ReadRawPoint();
    SetStil(r.ReadBoolean() ? kPie : kOpenArc);
    // The stored rim lies on the outer edge of the pen; pull it in by half the pen width.
    const Real d = Distance(Centre, RimPoint);
    const Real denominator = StiftBreite() / 2 + d;
    if (denominator != 0) RimPoint = Centre + (RimPoint - Centre) * (d / denominator);
    BuildArc();
}

}  // namespace pw
