#pragma once
// TKreis: the circle. It keeps a centre and a rim point and draws itself through an inner
// closed contour of 16 vertices smoothed as a quadratic B-spline, so that a circle is drawn,
// filled, milled and hit-tested exactly like any contour. Centre and rim point are only the
// input of BuildContour; later transformations change the inner contour alone. The contour takes
// the circle's drawing attributes before each paint.

#include "elements/rechteck.h"

namespace pw {

class TKreis : public TBauteil {
  public:
    TKreis();
    const char* ClassName() const override { return "TKreis"; }

    // Rebuilds the inner contour from centre and rim point: a regular 16-gon whose edge
    // midpoints lie on the circle.
    void BuildContour();
    static constexpr int kContourVertices = 16;

    TRechteck& InnerContour() { return inner_; }
    const TRechteck& InnerContour() const { return inner_; }

    void Paint(Canvas& canvas) const override;
    void SetSelected(bool value) override;
    std::optional<Region> GetRegion(const Canvas& canvas) const override;
    bool HitTest(IPoint p, const Canvas& canvas) const override;
    void Move(MPoint offset) override;
    void Scale(MPoint origin, Real fx, Real fy) override;
    MRect GetBounds() const override;
    void Rotate(MPoint centre, double angle) override;
    void Mirror(bool vertical, const MRect& r) override;
    // Rubber band while the rim point is dragged: the circle through the dragged point.
    void DrawFeedback(Canvas& canvas, MPoint* dragged) override;
    std::string KindName() const override;
    void Write(TWriter& w) const override;
    void Read(TReader& r) override;

    bool BoundsPending() const override { return inner_.BoundsPending(); }
    void PrepareBounds() const override { inner_.PrepareBounds(); }
    bool BeginPreparePaint() const override;
    void PreparePaint() const override;

    void SetStiftBreite(Real v) override;
    void SetStiftPattern(TPattern v) override;
    void SetFraesen(bool v) override;
    void SetHidden(bool v) override;
    // Filling and outline view decide whether the inner contour is hit as an area, so they
    // reach it at once rather than at the next paint.
    void SetFuellenFlag(bool v) override;
    void SetUmrissFlag(bool v) override;

    // The mouse tools hold the address of RimPoint as the pending point.
    MPoint Centre;
    MPoint RimPoint;

  private:
    // Gives the inner contour the circle's drawing attributes.
    void CopyAttributesToContour() const;
    // Whether the circle is painted at all (not hidden unless selected, visible or a ghost).
    bool Shown() const;

    // Takes the circle's drawing attributes before each paint.
    mutable TRechteck inner_;
};

}  // namespace pw
