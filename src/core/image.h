#pragma once
// A device-independent picture in memory: rows top to bottom, pixels 0xAARRGGBB.

#include <cstdint>
#include <vector>

namespace pw {

struct Image {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;
    bool IsNull() const { return width <= 0 || height <= 0; }
};

}  // namespace pw
