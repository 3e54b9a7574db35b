#pragma once
// Device-independent bitmaps as metafiles carry them: a bitmap information header (the 40-byte
// one and its longer versions, or the 12-byte core header), a colour table, and the pixel rows.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/image.h"

namespace pw {

// Largest picture decoded, in pixels.
constexpr int64_t kMaxDibPixels = 100'000'000;

// Decodes an uncompressed DIB of 1, 4, 8, 16, 24 or 32 bits per pixel (16 and 32 also with bit
// fields), bottom-up or top-down, into an opaque image. Nothing when the header is not of these
// kinds, the picture is larger than kMaxDibPixels, or the colour table or the rows do not fit
// into the bytes given; sizes are checked before anything is allocated.
std::optional<Image> ReadDib(const uint8_t* info, size_t infoSize, const uint8_t* bits, size_t bitsSize);

// The image as a 32-bit BI_RGB DIB: its 40-byte information header, and its rows bottom-up.
std::vector<uint8_t> DibInfo32(const Image& image);
std::vector<uint8_t> DibBits32(const Image& image);

}  // namespace pw
