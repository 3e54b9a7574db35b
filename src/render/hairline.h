#pragma once
// One-pixel lines (pen width 0) on a raster image, pixel for pixel as the Qt painter draws them
// without smoothing, for points that lie inside the image (where the painter clips nothing).
//
// Each segment is stepped along its longer axis in 16.16 fixed point from its start, taking the
// pixel centres it passes and leaving out its last pixel; where two segments meet, a pixel both
// would take is taken once, and a pixel the turn would skip is added (the painter's dropout
// control). A closed outline starts as if its closing segment had just been drawn.

#include <cstdint>
#include <vector>

#include "core/geometry.h"

namespace pw {

class Hairline {
  public:
    // Pixels inside area (right and bottom edge excluded) are added to pixels.
    Hairline(std::vector<IPoint>& pixels, const IRect& area) : pixels_(pixels), area_(area) {}

    // A polyline or polygon handed to the painter as a point array: closed when implicitClose
    // (a polygon) or when it ends on its first point.
    void PointArray(const IPoint* pts, size_t n, bool implicitClose);
    // One subpath of a painter path given as a closed polygon (the path closes each subpath
    // back to its first point).
    void ClosedSubpath(const IPoint* pts, size_t n);

    // A closed subpath made of curves, which the caller flattens as the painter does: starts it
    // as if the segment p -> q (its last element) had just been drawn; then each flat piece.
    // Coordinates are device units, taken in 1/64 pixel as the painter takes them.
    void BeginClosedCurve(double px, double py, double qx, double qy);
    void CurveLine(double x1, double y1, double x2, double y2);

  private:
    enum Direction { kNone = 0, kLeftToRight = 1, kRightToLeft = 2, kTopToBottom = 4, kBottomToTop = 8 };
    static constexpr int kHorizontal = kLeftToRight | kRightToLeft;
    static constexpr int kVertical = kTopToBottom | kBottomToTop;

    // Notes the direction and last pixel of the segment a -> b as if it had just been drawn.
    void PrimeWith(IPoint a, IPoint b);
    void Prime(int64_t x1, int64_t y1, int64_t x2, int64_t y2);
    // Draws a -> b; false when the segment is shorter than a pixel and drew nothing. The second
    // form takes 1/64 pixel.
    bool Segment(IPoint a, IPoint b);
    bool Segment(int64_t x1, int64_t y1, int64_t x2, int64_t y2);

    std::vector<IPoint>& pixels_;
    IRect area_;
    IPoint lastPixel_{-1, -1};
    int lastDirection_ = kNone;
    bool lastAxisAligned_ = false;
};

}  // namespace pw
