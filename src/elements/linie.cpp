#include "elements/linie.h"

#include <algorithm>
#include <cmath>

#include "core/language.h"
#include "elements/pattern_line.h"
#include "elements/segment_hexagon.h"

namespace pw {

namespace {

MPoint ToModel(IPoint p) {
    return {static_cast<Real>(p.x), static_cast<Real>(p.y)};
}

std::vector<IPoint> ToDevice(const std::vector<IPoint>& pts, const Canvas& c) {
    std::vector<IPoint> d(pts.size());
    for (size_t i = 0; i < pts.size(); ++i) d[i] = c.LPtoDP(pts[i]);
    return d;
}

// Half the side of the square around each vertex in a line's region.
constexpr int32_t kVertexSquare = 52;

}  // namespace

TLinie::TLinie() {
    FStiftBreite = 50;
    FStiftFarbe = kSilver;
    FStiftPattern = ptDurchgezogen;
}

// --- Vertices ---

bool TLinie::AddPoint(MPoint p) {
    if (points_.size() >= kMaxPoints) {
        Beep();
        return false;
    }
    points_.push_back(p);
    PointsChanged();
    return true;
}

bool TLinie::InsertFirstPoint(MPoint p) {
    if (points_.size() >= kMaxPoints) {
        Beep();
        return false;
    }
    points_.push_front(p);
    PointsChanged();
    return true;
}

void TLinie::ClearPoints() {
    points_.clear();
    PointsChanged();
}

void TLinie::SetPoint(size_t i, MPoint p) {
    points_[i] = p;
    PointsChanged();
}

void TLinie::PointsChanged() {
    paintValid_ = hitValid_ = curvesValid_ = false;
    pointBox_.reset();
    bounds_.reset();
}

void TLinie::SetClosed(bool closed) {
    closed_ = closed;
    PointsChanged();
}

void TLinie::SetGlaetten(bool v) {
    TBauteil::SetGlaetten(v);
    PointsChanged();
}

void TLinie::SetGlaettenStil(TGlaettenStil v) {
    TBauteil::SetGlaettenStil(v);
    PointsChanged();
}

void TLinie::SetGlaettenBetrag(Real v) {
    TBauteil::SetGlaettenBetrag(v);
    PointsChanged();
}

// --- Flattening ---

void TLinie::BuildOpen(std::vector<IPoint>& out, double step, CurvePath* curves) const {
    BuildOpenPolyline(points_, CurrentSmoothing(), step, out, curves);
}

void TLinie::BuildClosed(std::vector<IPoint>& out, double step, CurvePath* curves) const {
    BuildClosedPolyline(points_, CurrentSmoothing(), step, out, curves);
}

void TLinie::BuildPolyline(std::vector<IPoint>& out, double step, CurvePath* curves) const {
    BuildOpen(out, step, curves);
}

const std::vector<IPoint>& TLinie::PaintPolyline() const {
    if (!paintValid_) {
        BuildPolyline(paintPolyline_, kCurveStep);
        paintShape_.Clear();
        millShape_.Clear();
        paintValid_ = true;
    }
    return paintPolyline_;
}

const CurvePath& TLinie::PaintCurves() const {
    if (!curvesValid_) {
        std::vector<IPoint> flattened;
        BuildPolyline(flattened, kCurveStep, &paintCurves_);
        curvesValid_ = true;
    }
    return paintCurves_;
}

const std::vector<IPoint>& TLinie::HitPolyline() const {
    if (!hitValid_) {
        BuildPolyline(hitPolyline_, kHitCurveStep);
        hitValid_ = true;
    }
    return hitPolyline_;
}

const std::optional<MRect>& TLinie::PointBox() const {
    if (pointBox_ || points_.empty()) return pointBox_;
    if (UsesSmoothedOutline()) {
        const std::vector<IPoint>& poly = PaintPolyline();
        if (poly.empty()) return pointBox_;
        IRect b{poly[0].x, poly[0].y, poly[0].x, poly[0].y};
        for (const IPoint& p : poly) {
            b.x1 = std::min(b.x1, p.x), b.y1 = std::min(b.y1, p.y);
            b.x2 = std::max(b.x2, p.x), b.y2 = std::max(b.y2, p.y);
        }
        pointBox_ = MRect{static_cast<Real>(b.x1), static_cast<Real>(b.y1), static_cast<Real>(b.x2),
                          static_cast<Real>(b.y2)};
    } else {
        MRect b{points_[0].x, points_[0].y, points_[0].x, points_[0].y};
        for (const MPoint& p : points_) {
            b.x1 = std::min(b.x1, p.x), b.y1 = std::min(b.y1, p.y);
            b.x2 = std::max(b.x2, p.x), b.y2 = std::max(b.y2, p.y);
        }
        pointBox_ = b;
    }
    return pointBox_;
}

MRect TLinie::GetBounds() const {
    if (bounds_ && boundsPenWidth_ == StiftBreite()) return *bounds_;
    // The box starts inverted at +-32000 and takes in every point widened by half the pen.
    MRect r{32000, 32000, -32000, -32000};
    if (const std::optional<MRect>& box = PointBox()) {
        const Real h = std::fabs(StiftBreite() / 2);
        r.x1 = std::min(r.x1, box->x1 - h);
        r.y1 = std::min(r.y1, box->y1 - h);
        r.x2 = std::max(r.x2, box->x2 + h);
        r.y2 = std::max(r.y2, box->y2 + h);
    }
    bounds_ = r.Normalised();
    boundsPenWidth_ = StiftBreite();
    return *bounds_;
}

// --- Painting ---

void TLinie::PaintPatterned(Canvas& c, const TBauteil& look) const {
    const int32_t period = RoundToInt(look.StiftBreite() * 10 + 100);
    const TPattern pattern = look.StiftPattern();
    const IPoint first = RoundPoint(points_[0]);
    c.MoveTo(first);
    for (size_t k = 1; k < points_.size(); ++k) DrawPatternLine(c, RoundPoint(points_[k]), period, pattern);
    if (Closed()) DrawPatternLine(c, first, period, pattern);
}

void TLinie::Paint(Canvas& c) const {
    PaintWith(c, *this);
}

bool TLinie::PaintsWith(const TBauteil& look) const {
    return !(Hidden() && !GetSelected()) && (look.Visible() || look.XORFlag()) && points_.size() >= 2;
}

bool TLinie::PaintsPatterned(const TBauteil& look) const {
    const TPattern pattern = look.StiftPattern();
    const bool patterned = pattern == ptPunkt || pattern == ptStrich || pattern == ptPunktStrich;
    return !Fraesen() && !look.XORFlag() && !Glaetten() && patterned;
}

bool TLinie::BoundsPending() const {
    return !bounds_ || boundsPenWidth_ != StiftBreite();
}

void TLinie::PrepareBounds() const {
    GetBounds();
}

bool TLinie::BeginPreparePaint() const {
    return !paintValid_ && PaintsWith(*this) && !PaintsPatterned(*this);
}

void TLinie::PreparePaint() const {
    if (PaintsWith(*this) && !PaintsPatterned(*this)) PaintPolyline();
}

void TLinie::PaintWith(Canvas& c, const TBauteil& look) const {
    const bool ghost = look.XORFlag(), outline = look.UmrissFlag();
    if (!PaintsWith(look)) return;
    c.SetPenWidth(RoundToInt(look.StiftBreite()));
    c.SetPenColor(look.StiftFarbe());
    c.SetPenStyle(PenStyle::Solid);
    c.SetBrushStyle(look.BrushStyle());
    c.SetBrushColor(look.BrushFarbe());
    const TPattern pattern = look.StiftPattern();
    if (PaintsPatterned(look)) {
        PaintPatterned(c, look);
        return;
    }
    if (Fraesen()) {
        c.SetBrushColor(kGrey);
        c.SetPenColor(kGrey);
    }
    if (outline) c.SetPenColor(kBlack);
    if (pattern == ptClear && !outline && !Fraesen()) c.SetPenStyle(PenStyle::Clear);
    if (ghost) {
        c.SetBrushStyle(bsClear);
        c.SetPenColor(kGhostColor);
        c.SetPenStyle(PenStyle::Solid);
    }
    const std::vector<IPoint>& poly = PaintPolyline();
    c.SetPolyFillMode(FillMode::Alternate);
    const bool filled = Closed() && (look.FuellenFlag() || Fraesen()) && !outline;
    // A smoothed outline goes to a canvas that draws curves as the curves it flattens.
    const bool curves = UsesSmoothedOutline() && c.DrawsCurves();
    auto draw = [&](ShapeCache& shape) {
        if (curves && filled)
            c.CurvePolygon(PaintCurves());
        else if (curves)
            c.CurvePolyline(PaintCurves());
        else if (filled)
            c.Polygon(poly, shape);
        else
            c.Polyline(poly, shape);
    };
    draw(paintShape_);
    if (Fraesen() && !ghost && pattern != ptClear) {
        c.SetPenColor(kSilver);
        c.SetPenWidth(0);
        c.SetPenStyle(PenStyle::Solid);
        draw(millShape_);
    }
}

void TLinie::DrawFeedback(Canvas& c, MPoint* dragged) {
    if (points_.empty()) return;
    c.SetPenWidth(RoundToInt(StiftBreite()));
    c.SetPenColor(kBlack);
    c.SetPenMode(PenMode::NotXor);
    auto pos = [&](MPoint& p) { return RoundPoint(&p == dragged && FeedbackShown ? FeedbackPos : p); };
    c.MoveTo(pos(points_[0]));
    for (size_t k = 1; k < points_.size(); ++k) c.LineTo(pos(points_[k]));
    c.SetPenMode(PenMode::Copy);
}

// --- Hit tests and regions ---

template <class RegionTest>
bool TLinie::TestLineShape(const Canvas& c, RegionTest test) const {
    const Real w = StiftBreite();
    if (!UsesSmoothedOutline()) {
        for (size_t i = 0; i + 1 < points_.size(); ++i)
            if (test(DeviceHexagon(SegmentHexagon(points_[i], points_[i + 1], w, true), c))) return true;
        return false;
    }
    const std::vector<IPoint>& poly = HitPolyline();
    if (IsArea() && Closed()) return test(Region::FromPolygon(ToDevice(poly, c), FillMode::Alternate));
    for (size_t i = 0; i + 1 < poly.size(); ++i)
        if (test(DeviceHexagon(SegmentHexagon(ToModel(poly[i]), ToModel(poly[i + 1]), w, true), c)))
            return true;
    return false;
}

bool TLinie::HitTest(IPoint p, const Canvas& c) const {
    if (Hidden() && !GetSelected()) return false;
    const IRect box = c.LPtoDP(EnlargeAndRound(GetBounds(), 20)).Ordered();
    if (!box.Contains(p)) return false;
    return TestLineShape(c, [&](const Region& r) { return r.ContainsPoint(p); });
}

bool TLinie::IntersectsRect(const IRect& rect, const Canvas& c) const {
    if (Hidden() && !GetSelected()) return false;
    return TestLineShape(c, [&](const Region& r) { return r.IntersectsRect(rect); });
}

std::optional<Region> TLinie::GetRegion(const Canvas& c) const {
    if (points_.size() < 2) return std::nullopt;
    Region region;
    for (size_t i = 0; i + 1 < points_.size(); ++i)
        region.Unite(DeviceHexagon(SegmentHexagon(points_[i], points_[i + 1], StiftBreite(), false), c));
    for (const MPoint& v : points_) {
        const IPoint q = RoundPoint(v);
        region.Unite(Region::FromRect(c.LPtoDP(
            IRect{q.x - kVertexSquare, q.y - kVertexSquare, q.x + kVertexSquare, q.y + kVertexSquare})));
    }
    return region;
}

// --- Transformations ---

void TLinie::Move(MPoint offset) {
    TransformPoints([&](MPoint p) { return p + offset; });
}

void TLinie::Scale(MPoint origin, Real fx, Real fy) {
    TransformPoints([&](MPoint p) { return ScalePoint(p, origin, fx, fy); });
}

void TLinie::Rotate(MPoint centre, double angle) {
    TransformPoints([&](MPoint p) { return RotatePoint(p, centre, angle); });
}

void TLinie::Mirror(bool vertical, const MRect& r) {
    TransformPoints([&](MPoint p) { return MirrorPoint(p, r, vertical); });
}

// --- Texts ---

std::string TLinie::KindName() const {
    return Tr("Linie", "Line");
}

Real TLinie::Length() const {
    Real sum = 0;
    for (size_t i = 0; i + 1 < points_.size(); ++i) sum += Distance(points_[i], points_[i + 1]);
    return sum;
}

std::string TLinie::InfoText() const {
    if (points_.size() < 2) return {};
    return "L = " + FormatFixed(Length() / kUnitsPerMm, 2, DecimalSeparator()) + " mm";
}

// --- Storage ---

void TLinie::WritePoints(TWriter& w) const {
    w.WriteInteger(static_cast<int64_t>(points_.size()) - 1);
    for (const MPoint& p : points_) {
        w.WriteFloat(p.x);
        w.WriteFloat(p.y);
    }
}

void TLinie::ReadPoints(TReader& r) {
    const int32_t k = r.ReadInteger();
    PointsChanged();
    // Each vertex is appended once its two values are read, so a false count cannot make the
    // list larger than the data behind it.
    for (int64_t i = 0; i <= static_cast<int64_t>(k); ++i) {
        MPoint p;
        p.x = r.ReadFloat();
        p.y = r.ReadFloat();
        points_.push_back(p);
    }
}

void TLinie::Write(TWriter& w) const {
    TBauteil::Write(w);
    WritePoints(w);
}

void TLinie::Read(TReader& r) {
    TBauteil::Read(r);
    ReadPoints(r);
}

}  // namespace pw
