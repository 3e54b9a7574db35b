#pragma once
// ViewMapping: the isotropic mapping from model units to device units as a value. The panel's
// view maps with it at its zoom and scroll position (5000 units to round(zoom * 100) pixels, the
// origin at minus the scroll position), whole-panel pictures at true size for a resolution
// (12700 units, 254 mm, to ten inches of dots). It converts points without a canvas and gives
// exactly the integers a canvas mapped with it gives, rounding included; ApplyTo maps a canvas.

#include <cstdint>

#include "core/canvas.h"
#include "core/geometry.h"
#include "core/numbers.h"

namespace pw {

class ViewMapping {
  public:
    static constexpr int32_t kViewWindowExtent = 5000;
    static constexpr int32_t kTrueSizeWindowExtent = 12700;

    ViewMapping() : ViewMapping(1.0, {0, 0}) {}
    // The panel's view: zoom in pixels per millimetre, scroll position in pixels.
    ViewMapping(double zoom, IPoint scroll);
    // True size on a device of the given resolution, the model origin at the device origin.
    static ViewMapping TrueSize(double dotsPerInch);

    // Device units per millimetre as given (the panel's zoom); the mapping itself works with the
    // whole extents below.
    double Zoom() const { return zoom_; }
    IPoint Scroll() const { return scroll_; }
    int32_t WindowExtent() const { return windowExtent_; }
    int32_t ViewportExtent() const { return viewportExtent_; }

    // Sets the mapping on a canvas (isotropic, window origin 0).
    void ApplyTo(Canvas& canvas) const;

    // Model to device and back, each coordinate rounded halves up as the canvas rounds.
    IPoint ToDevice(IPoint model) const;
    IRect ToDevice(const IRect& model) const;
    IPoint ToModel(IPoint device) const;
    // Device to model without rounding (as Canvas::LogicalX and LogicalY).
    Real ModelX(Real deviceX) const;
    Real ModelY(Real deviceY) const;

    bool operator==(const ViewMapping&) const = default;

  private:
    ViewMapping(double zoom, IPoint scroll, int32_t windowExtent, int32_t viewportExtent);

    double zoom_;
    IPoint scroll_;
    int32_t windowExtent_;
    // Never 0: a canvas ignores a zero extent.
    int32_t viewportExtent_;
};

}  // namespace pw
