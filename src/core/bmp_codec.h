#pragma once
// Windows bitmap files (.bmp) as documents embed them: the file header, an information header
// (the 12-byte OS/2 one or the 40-byte one and its longer successors), the colour table and
// the pixels. Bit depths 1, 4, 8, 16, 24 and 32, uncompressed, RLE4, RLE8 and bit fields, rows
// bottom-up or top-down. Every size in the file is checked against the bytes that are there
// before anything is allocated; pictures that are too large or compressed in a way this does
// not decode (JPEG, PNG, anything unknown) are refused with a message.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/image.h"

namespace pw {

// The largest picture decoded, in pixels.
inline constexpr uint64_t kMaxBitmapPixels = 100'000'000;

// What the headers of a bitmap file say.
struct BmpInfo {
    int32_t width = 0;
    int32_t height = 0;  // always positive; topDown tells the row order
    bool topDown = false;
    uint16_t bitCount = 0;
    uint32_t compression = 0;
    int32_t pixelsPerMetreX = 0;  // 0 when the header has none (the OS/2 header)
    int32_t pixelsPerMetreY = 0;
};

// The length of the bitmap file at the start of data: its bfSize, or, where bfSize is 0, the
// end of its pixel data as the headers give it. Nothing, with the reason in error, when the
// file header is no bitmap's or the file runs past size.
std::optional<size_t> BmpFileLength(const uint8_t* data, size_t size, std::string* error = nullptr);

// Reads the headers of the bitmap file of the given length (as BmpFileLength gives it).
std::optional<BmpInfo> ReadBmpInfo(const uint8_t* data, size_t size, std::string* error = nullptr);

// Decodes the pixels into an opaque picture (0xFFRRGGBB, rows top to bottom).
std::optional<Image> DecodeBmp(const uint8_t* data, size_t size, std::string* error = nullptr);

// Resolution in dots per inch from pixels per metre, rounded; 150 for none.
int32_t BmpDotsPerInch(int32_t pixelsPerMetre);

}  // namespace pw
