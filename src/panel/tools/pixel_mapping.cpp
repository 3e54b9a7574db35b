#include "panel/tools/pixel_mapping.h"

namespace pw {

PixelMapping::PixelMapping(Canvas& c)
    : canvas_(c),
      mode_(c.GetMapMode()),
      windowOrg_(c.WindowOrg()),
      windowExt_(c.WindowExt()),
      viewportOrg_(c.ViewportOrg()),
      viewportExt_(c.ViewportExt()) {
    c.SetMapMode(MapMode::Text);
    c.SetWindowOrg(0, 0);
    c.SetViewportOrg(0, 0);
}

PixelMapping::~PixelMapping() {
    // The anisotropic mode takes the extents as they are; switching back to an isotropic mode
    // afterwards leaves extents that were already adjusted unchanged.
    canvas_.SetMapMode(MapMode::Anisotropic);
    canvas_.SetWindowOrg(windowOrg_.x, windowOrg_.y);
    canvas_.SetWindowExt(windowExt_.x, windowExt_.y);
    canvas_.SetViewportOrg(viewportOrg_.x, viewportOrg_.y);
    canvas_.SetViewportExt(viewportExt_.x, viewportExt_.y);
    canvas_.SetMapMode(mode_);
}

}  // namespace pw
