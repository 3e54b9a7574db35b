#pragma once
// TLinie: lines, polylines and contours. It holds an ordered list of vertices and draws,
// hit-tests and measures the flattened integer polyline built from them: the vertices
// themselves or a smoothed outline (quadratic B-spline, chamfered or rounded corners). With
// its closed flag set it is the base of every closed contour (rectangle, polygon, the inner
// contour of a circle, the arc).
//
// The flattened polyline is cached twice, once at the fine step used for painting and bounds
// and once at the coarse step used by hit tests; both are rebuilt only after the element
// changes, and what a canvas derives from the painted one is kept until it is rebuilt. Every
// mutation of the vertices goes through this class (AddPoint, SetPoint, the transformations,
// Read, ...), except writes through PointAt, after which the writer calls PointsChanged.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/bauteil.h"
#include "elements/contour_build.h"

namespace pw {

class TLinie : public TBauteil {
  public:
    TLinie();
    const char* ClassName() const override { return "TLinie"; }

    // --- Vertices ---
    static constexpr size_t kMaxPoints = 1000;
    // Appends a vertex; beyond kMaxPoints nothing is added, the beep sounds and false results.
    bool AddPoint(MPoint p);
    // Inserts a vertex before the first; same limit.
    bool InsertFirstPoint(MPoint p);
    void ClearPoints();
    size_t PointCount() const { return points_.size(); }
    const MPoint& Point(size_t i) const { return points_[i]; }
    const std::deque<MPoint>& Points() const { return points_; }
    void SetPoint(size_t i, MPoint p);
    // The address of a vertex, for the mouse tools (pending point, dragged vertex). It stays
    // valid while vertices are added at either end; ClearPoints, Read and rebuilding the
    // vertices end it. After writing through it, call PointsChanged.
    MPoint* PointAt(size_t i) { return &points_[i]; }
    // Drops the cached polylines and bounds; the next use rebuilds them.
    void PointsChanged();

    bool Closed() const { return closed_; }
    void SetClosed(bool closed);

    // --- Flattening ---
    // Builds the flattened polyline at the given sampler step (kCurveStep or kHitCurveStep);
    // with a curve path, also the exact outline that the polyline flattens.
    virtual void BuildPolyline(std::vector<IPoint>& out, double curveStep, CurvePath* curves = nullptr) const;
    // The cached polyline at the painting step and at the hit-test step.
    const std::vector<IPoint>& PaintPolyline() const;
    const std::vector<IPoint>& HitPolyline() const;
    // The exact outline of the painted polyline, built when first asked for after a change.
    const CurvePath& PaintCurves() const;
    // Whether painting, bounds and hit tests use the smoothed outline rather than the vertices.
    bool UsesSmoothedOutline() const { return Glaetten() && points_.size() > 2; }

    // --- Element operations ---
    void Paint(Canvas& canvas) const override;
    // Paints the line with the drawing attributes of `look`: pen, pattern, brush, filling,
    // visibility, ghost and outline view. Hiding, selection, milling and smoothing stay the
    // line's own. A circle paints its inner contour with its own attributes so.
    void PaintWith(Canvas& canvas, const TBauteil& look) const;
    std::optional<Region> GetRegion(const Canvas& canvas) const override;
    bool HitTest(IPoint p, const Canvas& canvas) const override;
    bool IntersectsRect(const IRect& r, const Canvas& canvas) const override;
    MRect GetBounds() const override;
    void Move(MPoint offset) override;
    void Scale(MPoint origin, Real fx, Real fy) override;
    void Rotate(MPoint centre, double angle) override;
    void Mirror(bool vertical, const MRect& r) override;
    void DrawFeedback(Canvas& canvas, MPoint* dragged) override;
    std::string KindName() const override;
    std::string InfoText() const override;
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;

    // Building ahead: the bounds, and the polyline the paint draws.
    bool BoundsPending() const override;
    void PrepareBounds() const override;
    bool BeginPreparePaint() const override;
    void PreparePaint() const override;

    void SetGlaetten(bool v) override;
    void SetGlaettenStil(TGlaettenStil v) override;
    void SetGlaettenBetrag(Real v) override;

    // Sum of the edge lengths, no closing edge, no smoothing.
    Real Length() const;

  protected:
    Smoothing CurrentSmoothing() const { return {Glaetten(), GlaettenStil(), GlaettenBetrag()}; }
    // The open and the closed construction of the vertex list.
    void BuildOpen(std::vector<IPoint>& out, double step, CurvePath* curves) const;
    void BuildClosed(std::vector<IPoint>& out, double step, CurvePath* curves) const;
    // The vertex list part of the record.
    void WritePoints(TWriter& w) const;
    void ReadPoints(TReader& r);
    // The line part of the hit test: segments of the vertices, or of the smoothed outline, or
    // the area of a closed smoothed outline; `test` says whether a region counts.
    template <class RegionTest>
    bool TestLineShape(const Canvas& canvas, RegionTest test) const;
    // Whether PaintWith draws anything with the attributes of `look`, and whether it draws the
    // pattern polyline through the vertices rather than the flattened polyline.
    bool PaintsWith(const TBauteil& look) const;
    bool PaintsPatterned(const TBauteil& look) const;
    // Draws the pattern polyline (dots, dashes, dash-dots) through the vertices.
    void PaintPatterned(Canvas& canvas, const TBauteil& look) const;

    // Mutable because an arc derives it from its style at every build of its polyline.
    mutable bool closed_ = false;

    template <class F>
    void TransformPoints(F f) {
        for (MPoint& p : points_) p = f(p);
        PointsChanged();
    }

  private:
    // Smallest box around the points the bounds are taken from (empty without points).
    const std::optional<MRect>& PointBox() const;

    std::deque<MPoint> points_;
    // Caches, derived from the vertices and attributes; the queries fill them.
    mutable std::vector<IPoint> paintPolyline_, hitPolyline_;
    mutable bool paintValid_ = false, hitValid_ = false, curvesValid_ = false;
    // Only vector canvases ask for it.
    mutable CurvePath paintCurves_;
    // What the canvas derived from the paint polyline, for the drawing and for the thin milling
    // line over it; emptied whenever the polyline is built anew.
    mutable ShapeCache paintShape_, millShape_;
    mutable std::optional<MRect> pointBox_;
    // The last bounds and the pen width they were taken with.
    mutable std::optional<MRect> bounds_;
    mutable Real boundsPenWidth_ = 0;
};

}  // namespace pw
