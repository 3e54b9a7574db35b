#include "core/view_mapping.h"

#include <algorithm>
#include <cmath>

namespace pw {

ViewMapping::ViewMapping(double zoom, IPoint scroll, int32_t windowExtent, int32_t viewportExtent)
    : zoom_(zoom),
      scroll_(scroll),
      windowExtent_(windowExtent),
      viewportExtent_(viewportExtent ? viewportExtent : 1) {}

ViewMapping::ViewMapping(double zoom, IPoint scroll)
    : ViewMapping(zoom, scroll, kViewWindowExtent, RoundToInt(zoom * 100)) {}

ViewMapping ViewMapping::TrueSize(double dotsPerInch) {
    const int32_t v = std::max(1, static_cast<int32_t>(std::lround(dotsPerInch * 10)));
    return ViewMapping(dotsPerInch / static_cast<double>(kMmPerInch), {0, 0}, kTrueSizeWindowExtent, v);
}

void ViewMapping::ApplyTo(Canvas& c) const {
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowOrg(0, 0);
    c.SetWindowExt(windowExtent_, windowExtent_);
    c.SetViewportOrg(-scroll_.x, -scroll_.y);
    c.SetViewportExt(viewportExtent_, viewportExtent_);
}

// The expressions are the canvas's, term for term (window origin 0, viewport origin minus the
// scroll position), so that double rounding gives the same results.
IPoint ViewMapping::ToDevice(IPoint p) const {
    const int32_t windowOrg = 0, viewportOrgX = -scroll_.x, viewportOrgY = -scroll_.y;
    double x = (static_cast<double>(p.x) - windowOrg) * viewportExtent_ / windowExtent_ + viewportOrgX;
    double y = (static_cast<double>(p.y) - windowOrg) * viewportExtent_ / windowExtent_ + viewportOrgY;
    return {RoundHalfUp(x), RoundHalfUp(y)};
}

IRect ViewMapping::ToDevice(const IRect& r) const {
    IPoint a = ToDevice(IPoint{r.x1, r.y1}), b = ToDevice(IPoint{r.x2, r.y2});
    return {a.x, a.y, b.x, b.y};
}

IPoint ViewMapping::ToModel(IPoint p) const {
    const int32_t windowOrg = 0, viewportOrgX = -scroll_.x, viewportOrgY = -scroll_.y;
    double x = (static_cast<double>(p.x) - viewportOrgX) * windowExtent_ / viewportExtent_ + windowOrg;
    double y = (static_cast<double>(p.y) - viewportOrgY) * windowExtent_ / viewportExtent_ + windowOrg;
    return {RoundHalfUp(x), RoundHalfUp(y)};
}

Real ViewMapping::ModelX(Real dx) const {
    const int32_t windowOrg = 0, viewportOrgX = -scroll_.x;
    return (dx - viewportOrgX) * windowExtent_ / viewportExtent_ + windowOrg;
}

Real ViewMapping::ModelY(Real dy) const {
    const int32_t windowOrg = 0, viewportOrgY = -scroll_.y;
    return (dy - viewportOrgY) * windowExtent_ / viewportExtent_ + windowOrg;
}

}  // namespace pw
