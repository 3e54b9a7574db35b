#include "panel/dxf_export.h"

#include <cmath>
#include <deque>
#include <string_view>
#include <vector>

#include "core/canvas.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/textlabel.h"
#include "panel/dxf_writer.h"
#include "panel/fine_contour.h"
#include "panel/platine.h"

namespace pw {

namespace {

// Half of 0.01 mm: curves are flattened within it, circles recognised within it.
constexpr Real kTolerance = 0.5L;

// Collects what an element paints, in model units (the mapping stays the identity): filled
// polygons as closed outlines, lines as open ones.
class OutlineCollector : public Canvas {
  public:
    struct Outline {
        std::vector<IPoint> points;
        bool closed = false;
    };
    std::vector<Outline> outlines;

  protected:
    IRect DeviceBounds() const override { return {-(1 << 30), -(1 << 30), 1 << 30, 1 << 30}; }
    void DevPolyline(const IPoint* pts, size_t n) override {
        outlines.push_back({std::vector<IPoint>(pts, pts + n), false});
    }
    void DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) override {
        for (size_t i = 0; i < polygons; ++i) {
            const size_t n = counts[i] > 0 ? static_cast<size_t>(counts[i]) : 0;
            outlines.push_back({std::vector<IPoint>(pts, pts + n), true});
            pts += n;
        }
    }
    void DevRectangle(const IRect&) override {}
    void DevEllipse(const IRect&) override {}
    void DevArc(const IRect&, IPoint, IPoint) override {}
    void DevText(IPoint, std::string_view, int32_t) override {}
    void DevImage(const IRect&, const Image&) override {}
    void DevClipChanged() override {}
};

class Exporter {
  public:
    explicit Exporter(Real panelHeight) : height_(panelHeight) {}

    void Outline(Real width) {
        writer_.Polyline(DxfLayer::Panel,
                         {Vertex({0, 0}), Vertex({width, 0}), Vertex({width, height_}), Vertex({0, height_})},
                         true);
    }

    void Element(TBauteil& e, bool inDimension) {
        if (e.Hidden() || !e.Visible()) return;
        if (auto* g = dynamic_cast<TGruppe*>(&e)) {
            const bool dimension = inDimension || IsDimension(e);
            for (const auto& m : g->Members()) Element(*m, dimension);
            return;
        }
        if (auto* d = dynamic_cast<TBohrung*>(&e)) {
            writer_.Circle(DxfLayer::Drill, X(d->Centre.x), Y(d->Centre.y), Mm(d->Diameter / 2));
            return;
        }
        const DxfLayer layer = inDimension   ? DxfLayer::Dimension
                               : e.Fraesen() ? DxfLayer::Mill
                                             : DxfLayer::Engrave;
        // A line drawn with a clear pen and neither filled nor milled leaves no trace.
        if (e.StiftPattern() == ptClear && !e.FuellenFlag() && !e.Fraesen()) return;
        if (auto* k = dynamic_cast<TKreis*>(&e)) {
            Circle(*k, layer);
        } else if (auto* b = dynamic_cast<TBogen*>(&e)) {
            Arc(*b, layer);
        } else if (auto* t = dynamic_cast<TTextLabel*>(&e)) {
            Painted(*t, layer);
        } else if (auto* l = dynamic_cast<TLinie*>(&e)) {
            Line(*l, layer);
        } else {
            ++skipped_;
        }
    }

    DxfExportResult Finish() const { return {writer_.Finish(), skipped_}; }

  private:
    static double Mm(Real units) { return static_cast<double>(units / kUnitsPerMm); }
    double X(Real x) const { return Mm(x); }
    double Y(Real y) const { return Mm(height_ - y); }
    DxfVertex Vertex(MPoint p, double bulge = 0) const { return {X(p.x), Y(p.y), bulge}; }

    void Points(const std::vector<MPoint>& pts, bool closed, DxfLayer layer) {
        std::vector<DxfVertex> v;
        v.reserve(pts.size());
        for (const MPoint& p : pts) v.push_back(Vertex(p));
        writer_.Polyline(layer, v, closed);
    }

    void Points(const std::vector<IPoint>& pts, bool closed, DxfLayer layer) {
        std::vector<MPoint> m;
        for (const IPoint& p : pts) m.push_back({static_cast<Real>(p.x), static_cast<Real>(p.y)});
        if (closed)
            while (m.size() > 1 && m.back().x == m.front().x && m.back().y == m.front().y) m.pop_back();
        Points(m, closed, layer);
    }

    static Smoothing SmoothingOf(const TLinie& l) {
        return {l.Glaetten(), l.GlaettenStil(), l.GlaettenBetrag()};
    }

    void Line(TLinie& l, DxfLayer layer) {
        const std::string_view kind = l.ClassName();
        if (kind == "TLinie" || kind == "TRechteck" || kind == "TPolygon") {
            Points(FlattenFine(l.Points(), l.Closed(), SmoothingOf(l), kTolerance), l.Closed(), layer);
            return;
        }
        // Contours of their own construction (scale bands) as they draw themselves.
        std::vector<IPoint> pts;
        l.BuildPolyline(pts, kCurveStep);
        Points(pts, l.Closed(), layer);
    }

    void Circle(TKreis& k, DxfLayer layer) {
        TRechteck& inner = k.InnerContour();
        const bool spline = inner.Glaetten() && inner.GlaettenStil() == glSpline;
        if (spline) {
            if (std::optional<FineCircle> c = SplineCircle(inner.Points(), kTolerance)) {
                writer_.Circle(layer, X(c->centre.x), Y(c->centre.y), Mm(c->radius));
                return;
            }
        }
        Points(FlattenFine(inner.Points(), true, SmoothingOf(inner), kTolerance), true, layer);
    }

    // An arc whose vertices keep to its circle is written as the circle's arc from the first to
    // the last vertex's direction: an ARC when open, a closed polyline with bulges for a pie
    // slice or a chord. A squashed one is flattened as it draws.
    void Arc(TBogen& b, DxfLayer layer) {
        const std::deque<MPoint>& p = b.Points();
        const std::optional<Real> r = MidpointRadius(p, b.Centre, kTolerance);
        if (!r || p.size() < 2) {
            std::vector<IPoint> pts;
            b.BuildPolyline(pts, kCurveStep);
            Points(pts, b.Closed(), layer);
            return;
        }
        // Sweep in the drawing's orientation (y upward), summed along the vertices.
        auto angle = [&](MPoint q) {
            return std::atan2(static_cast<double>(b.Centre.y - q.y), static_cast<double>(q.x - b.Centre.x));
        };
        double sweep = 0;
        for (size_t i = 0; i + 1 < p.size(); ++i)
            sweep += std::remainder(angle(p[i + 1]) - angle(p[i]), 2 * M_PI);
        // The vertices lie on the arc's circle enlarged by 1 / cos(sweep / 38) (TBogen::BuildArc).
        Real far = 0;
        for (const MPoint& q : p) far += Distance(b.Centre, q);
        far /= static_cast<Real>(p.size());
        const double cx = X(b.Centre.x), cy = Y(b.Centre.y);
        const double radius = Mm(far) * std::cos(std::fabs(sweep) / 38);
        if (std::fabs(sweep) >= 2 * M_PI - 1e-9) {
            writer_.Circle(layer, cx, cy, radius);
            return;
        }
        const double a0 = angle(p.front()), a1 = a0 + sweep;
        if (b.Stil() != TBogen::kPie && b.Stil() != TBogen::kChord) {
            const double from = sweep > 0 ? a0 : a1, to = sweep > 0 ? a1 : a0;
            writer_.Arc(layer, cx, cy, radius, Degrees(from), Degrees(to));
            return;
        }
        auto on = [&](double a, double bulge) {
            return DxfVertex{cx + radius * std::cos(a), cy + radius * std::sin(a), bulge};
        };
        const double half = std::tan(sweep / 8);
        std::vector<DxfVertex> v;
        if (b.Stil() == TBogen::kPie) v.push_back({cx, cy, 0});
        v.push_back(on(a0, half));
        v.push_back(on(a0 + sweep / 2, half));
        v.push_back(on(a1, 0));
        writer_.Polyline(layer, v, true);
    }

    static double Degrees(double a) {
        double d = std::fmod(a * 180 / M_PI, 360.0);
        if (d < 0) d += 360;
        return d;
    }

    // Elements whose outlines come from their painting (texts: the glyph polygons).
    void Painted(TBauteil& e, DxfLayer layer) {
        OutlineCollector c;
        e.Paint(c);
        for (const OutlineCollector::Outline& o : c.outlines) Points(o.points, o.closed, layer);
    }

    Real height_;
    DxfWriter writer_;
    size_t skipped_ = 0;
};

}  // namespace

DxfExportResult PanelDxf(TPlatine& panel, bool selectedOnly, bool withOutline) {
    Exporter exporter(panel.Height);
    if (withOutline) exporter.Outline(panel.Width);
    for (const auto& e : panel.Elements())
        if (!selectedOnly || e->GetSelected()) exporter.Element(*e, false);
    return exporter.Finish();
}

}  // namespace pw
