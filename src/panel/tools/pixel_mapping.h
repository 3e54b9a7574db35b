#pragma once
// Switches a canvas to view pixels (one logical unit per device pixel, no offset) for as long
// as the guard lives, and restores the mapping it found. The on-screen aids draw through it.

#include "core/canvas.h"

namespace pw {

class PixelMapping {
  public:
    explicit PixelMapping(Canvas& canvas);
    ~PixelMapping();
    PixelMapping(const PixelMapping&) = delete;
    PixelMapping& operator=(const PixelMapping&) = delete;

  private:
    Canvas& canvas_;
    MapMode mode_;
    IPoint windowOrg_, windowExt_, viewportOrg_, viewportExt_;
};

}  // namespace pw
