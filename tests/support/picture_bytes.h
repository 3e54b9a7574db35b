#pragma once
// Pictures assembled byte by byte for the tests: bitmap files with a chosen header, depth and
// pixel data, and a small enhanced metafile (header, a filled rectangle, end).

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pw::test {

using PictureBytes = std::vector<uint8_t>;

inline void Put16(PictureBytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
inline void Put32(PictureBytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
inline void Set32(PictureBytes& b, size_t at, uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + k] = static_cast<uint8_t>(v >> (8 * k));
}

// A bitmap file with the 40-byte header: the colour table (0x00RRGGBB entries) and the pixel
// data as given; bfSize and bfOffBits filled in unless zeroSize.
inline PictureBytes BmpFile(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                            const std::vector<uint32_t>& table, const PictureBytes& pixels,
                            int32_t pixelsPerMetre = 0, bool zeroSize = false) {
    PictureBytes b{'B', 'M'};
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 40);
    Put32(b, static_cast<uint32_t>(width));
    Put32(b, static_cast<uint32_t>(height));
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, compression);
    Put32(b, static_cast<uint32_t>(pixels.size()));
    Put32(b, static_cast<uint32_t>(pixelsPerMetre));
    Put32(b, static_cast<uint32_t>(pixelsPerMetre));
    Put32(b, static_cast<uint32_t>(table.size()));
    Put32(b, 0);
    for (uint32_t c : table) Put32(b, c);
    Set32(b, 10, static_cast<uint32_t>(b.size()));
    b.insert(b.end(), pixels.begin(), pixels.end());
    if (!zeroSize) Set32(b, 2, static_cast<uint32_t>(b.size()));
    return b;
}

// A 24-bit bitmap of the given pixels (0x00RRGGBB, rows top to bottom), stored bottom-up.
inline PictureBytes Bmp24(int32_t width, int32_t height, const std::vector<uint32_t>& topDown,
                          int32_t pixelsPerMetre = 0) {
    PictureBytes px;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) / 4 * 4;
    for (int32_t y = height - 1; y >= 0; --y) {
        const size_t start = px.size();
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t c = topDown[static_cast<size_t>(y) * width + x];
            px.push_back(static_cast<uint8_t>(c));
            px.push_back(static_cast<uint8_t>(c >> 8));
            px.push_back(static_cast<uint8_t>(c >> 16));
        }
        px.resize(start + stride, 0);
    }
    return BmpFile(width, height, 24, 0, {}, px, pixelsPerMetre);
}

// An enhanced metafile whose frame is (0, 0, frameW, frameH) in 0.01 mm and whose bounds are
// (0, 0, w - 1, h - 1): a solid brush of the colour (0x00BBGGRR), no pen, one rectangle over
// the whole picture, the end record.
inline PictureBytes EmfRectangle(int32_t w, int32_t h, int32_t frameW, int32_t frameH, uint32_t colour) {
    PictureBytes b;
    auto rect = [&](int32_t l, int32_t t, int32_t r, int32_t bt) {
        for (int32_t v : {l, t, r, bt}) Put32(b, static_cast<uint32_t>(v));
    };
    Put32(b, 1);  // EMR_HEADER
    Put32(b, 88);
    rect(0, 0, w - 1, h - 1);
    rect(0, 0, frameW, frameH);
    Put32(b, 0x464D4520);
    Put32(b, 0x10000);
    Put32(b, 0);  // nBytes, below
    Put32(b, 6);  // records
    Put16(b, 2);  // handles
    Put16(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, static_cast<uint32_t>(w));  // reference device, pixels
    Put32(b, static_cast<uint32_t>(h));
    Put32(b, static_cast<uint32_t>(frameW / 100));  // and millimetres
    Put32(b, static_cast<uint32_t>(frameH / 100));
    Put32(b, 39);  // EMR_CREATEBRUSHINDIRECT
    Put32(b, 24);
    Put32(b, 1);
    Put32(b, 0);  // BS_SOLID
    Put32(b, colour);
    Put32(b, 0);
    Put32(b, 37);  // EMR_SELECTOBJECT
    Put32(b, 12);
    Put32(b, 1);
    Put32(b, 37);  // EMR_SELECTOBJECT: the stock NULL_PEN, so only the fill shows
    Put32(b, 12);
    Put32(b, 0x80000008);
    Put32(b, 43);  // EMR_RECTANGLE
    Put32(b, 24);
    rect(0, 0, w, h);
    Put32(b, 14);  // EMR_EOF
    Put32(b, 20);
    Put32(b, 0);
    Put32(b, 16);
    Put32(b, 20);
    Set32(b, 48, static_cast<uint32_t>(b.size()));
    return b;
}

}  // namespace pw::test
