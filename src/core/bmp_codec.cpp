#include "core/bmp_codec.h"

#include <algorithm>
#include <bit>
#include <climits>

#include "core/language.h"
#include "core/numbers.h"

namespace pw {

namespace {

constexpr size_t kFileHeader = 14;
enum : uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5 };

uint16_t Le16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t Le32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool Fail(std::string* error, const char* german, const char* english) {
    if (error) *error = Tr(german, english);
    return false;
}

// Where the parts of a bitmap file lie, from its headers; every offset lies within the file.
struct Layout {
    BmpInfo info;
    uint32_t sizeImage = 0;
    uint32_t masks[3] = {0, 0, 0};
    size_t table = 0;  // offset of the colour table
    uint32_t tableEntries = 0;
    size_t entrySize = 4;
    size_t pixels = 0;  // offset of the pixel data
    uint64_t stride = 0;
};

bool ParseHeaders(const uint8_t* d, size_t size, Layout& l, std::string* error) {
    if (size < kFileHeader + 12 || d[0] != 'B' || d[1] != 'M')
        return Fail(error, "Keine Bitmap-Datei", "Not a bitmap file");
    const uint32_t headerSize = Le32(d + kFileHeader);
    const uint8_t* h = d + kFileHeader;
    if (headerSize != 12 && (headerSize < 40 || headerSize > 124))
        return Fail(error, "Unbekannter Bitmap-Kopf", "Unknown bitmap header");
    if (kFileHeader + headerSize > size) return Fail(error, "Bitmap unvollständig", "Bitmap is truncated");
    BmpInfo& i = l.info;
    int64_t height;
    if (headerSize == 12) {
        i.width = Le16(h + 4);
        height = Le16(h + 6);
        i.bitCount = Le16(h + 10);
        l.entrySize = 3;
    } else {
        i.width = static_cast<int32_t>(Le32(h + 4));
        height = static_cast<int32_t>(Le32(h + 8));
        i.bitCount = Le16(h + 14);
        i.compression = Le32(h + 16);
        l.sizeImage = Le32(h + 20);
        i.pixelsPerMetreX = static_cast<int32_t>(Le32(h + 24));
        i.pixelsPerMetreY = static_cast<int32_t>(Le32(h + 28));
        l.tableEntries = Le32(h + 32);
    }
    if (i.width <= 0 || height == 0 || height == INT32_MIN)
        return Fail(error, "Bitmap ohne Bildpunkte", "Bitmap has no pixels");
    i.topDown = height < 0;
    i.height = static_cast<int32_t>(height < 0 ? -height : height);
    size_t pos = kFileHeader + headerSize;
    if (i.compression == kBitFields) {
        // The 40-byte header is followed by the three masks; longer headers hold them.
        const uint8_t* m = h + 40;
        if (headerSize == 40) {
            if (pos + 12 > size) return Fail(error, "Bitmap unvollständig", "Bitmap is truncated");
            pos += 12;
        } else if (headerSize < 52) {
            return Fail(error, "Unbekannter Bitmap-Kopf", "Unknown bitmap header");
        }
        for (int k = 0; k < 3; ++k) l.masks[k] = Le32(m + 4 * k);
    }
    if (i.bitCount <= 8 && l.tableEntries == 0) l.tableEntries = 1u << i.bitCount;
    l.table = pos;
    if (l.tableEntries > (size - pos) / l.entrySize)
        return Fail(error, "Bitmap unvollständig", "Bitmap is truncated");
    const uint32_t offBits = Le32(d + 10);
    l.pixels = offBits ? offBits : pos + l.tableEntries * l.entrySize;
    if (l.pixels < pos || l.pixels > size) return Fail(error, "Bitmap unvollständig", "Bitmap is truncated");
    l.stride = (static_cast<uint64_t>(i.width) * i.bitCount + 31) / 32 * 4;
    return true;
}

bool IsRle(const BmpInfo& i) {
    return i.compression == kRle8 || i.compression == kRle4;
}

// Whether this codec decodes the picture the headers describe.
bool CheckDecodable(const Layout& l, std::string* error) {
    const BmpInfo& i = l.info;
    if (i.compression == kJpeg || i.compression == kPng)
        return Fail(error, "JPEG- und PNG-Bitmaps werden nicht unterstützt",
                    "Bitmaps holding JPEG or PNG data are not supported");
    const bool known =
        (i.compression == kRgb && (i.bitCount == 1 || i.bitCount == 4 || i.bitCount == 8 ||
                                   i.bitCount == 16 || i.bitCount == 24 || i.bitCount == 32)) ||
        (i.compression == kRle8 && i.bitCount == 8) || (i.compression == kRle4 && i.bitCount == 4) ||
        (i.compression == kBitFields && (i.bitCount == 16 || i.bitCount == 32));
    if (!known)
        return Fail(error, "Unbekannte Bitmap-Kompression oder Farbtiefe",
                    "Unknown bitmap compression or colour depth");
    if (static_cast<uint64_t>(i.width) * static_cast<uint64_t>(i.height) > kMaxBitmapPixels)
        return Fail(error, "Bitmap zu groß (mehr als 100 Megapixel)",
                    "Bitmap too large (over 100 megapixels)");
    return true;
}

// Walks RLE data from its start to the end-of-bitmap mark, handing each pixel run to put
// (x, y from the bottom row up, colour index); returns the bytes up to and including the mark,
// or nothing when the data ends before it.
template <class Put>
std::optional<size_t> WalkRle(const uint8_t* p, size_t n, bool rle4, Put put) {
    size_t k = 0;
    int64_t x = 0, y = 0;
    while (k + 2 <= n) {
        const uint8_t count = p[k], value = p[k + 1];
        k += 2;
        if (count > 0) {
            for (int j = 0; j < count; ++j)
                put(x + j, y, rle4 ? ((j & 1) ? value & 0x0F : value >> 4) : value);
            x += count;
        } else if (value == 0) {
            x = 0, ++y;
        } else if (value == 1) {
            return k;
        } else if (value == 2) {
            if (k + 2 > n) return std::nullopt;
            x += p[k], y += p[k + 1];
            k += 2;
        } else {
            const size_t bytes = rle4 ? (value + 1u) / 2 : value;
            const size_t padded = (bytes + 1) & ~size_t{1};
            if (k + padded > n) return std::nullopt;
            for (int j = 0; j < value; ++j)
                put(x + j, y, rle4 ? ((j & 1) ? p[k + j / 2] & 0x0F : p[k + j / 2] >> 4) : p[k + j]);
            x += value;
            k += padded;
        }
    }
    return std::nullopt;
}

uint32_t TableColor(const uint8_t* d, const Layout& l, uint32_t index) {
    if (index >= l.tableEntries) return 0xFF000000;
    const uint8_t* e = d + l.table + index * l.entrySize;
    return 0xFF000000u | static_cast<uint32_t>(e[2]) << 16 | static_cast<uint32_t>(e[1]) << 8 | e[0];
}

// One colour channel picked out of a pixel by its mask, scaled to 8 bits.
uint32_t Channel(uint32_t pixel, uint32_t mask) {
    if (!mask) return 0;
    const int shift = std::countr_zero(mask);
    const uint32_t field = mask >> shift;
    const int bits = std::min(std::countr_one(field), 32);
    const uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return (v >> (bits - 8)) & 0xFF;
    const uint32_t max = (1u << bits) - 1;
    return ((v & max) * 255 + max / 2) / max;
}

void DecodeRows(const uint8_t* d, const Layout& l, Image& img) {
    const BmpInfo& i = l.info;
    uint32_t masks[3] = {l.masks[0], l.masks[1], l.masks[2]};
    if (i.compression == kRgb && i.bitCount == 16) masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    if (i.compression == kRgb && i.bitCount == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    for (int32_t r = 0; r < i.height; ++r) {
        const uint8_t* row = d + l.pixels + r * l.stride;
        uint32_t* out = img.pixels.data() + static_cast<size_t>(i.topDown ? r : i.height - 1 - r) * i.width;
        for (int32_t x = 0; x < i.width; ++x) {
            uint32_t px;
            switch (i.bitCount) {
                case 1:
                    px = TableColor(d, l, (row[x / 8] >> (7 - x % 8)) & 1);
                    break;
                case 4:
                    px = TableColor(d, l, (x & 1) ? row[x / 2] & 0x0F : row[x / 2] >> 4);
                    break;
                case 8:
                    px = TableColor(d, l, row[x]);
                    break;
                case 24:
                    px = 0xFF000000u | static_cast<uint32_t>(row[3 * x + 2]) << 16 |
                         static_cast<uint32_t>(row[3 * x + 1]) << 8 | row[3 * x];
                    break;
                default: {
                    const uint32_t v = i.bitCount == 16 ? Le16(row + 2 * x) : Le32(row + 4 * x);
                    px = 0xFF000000u | Channel(v, masks[0]) << 16 | Channel(v, masks[1]) << 8 |
                         Channel(v, masks[2]);
                }
            }
            out[x] = px;
        }
    }
}

}  // namespace

std::optional<size_t> BmpFileLength(const uint8_t* d, size_t size, std::string* error) {
    if (size < kFileHeader || d[0] != 'B' || d[1] != 'M') {
        Fail(error, "Keine Bitmap-Datei", "Not a bitmap file");
        return std::nullopt;
    }
    const uint32_t fileSize = Le32(d + 2);
    if (fileSize != 0) {
        if (fileSize < kFileHeader + 12 || fileSize > size) {
            Fail(error, "Bitmap unvollständig", "Bitmap is truncated");
            return std::nullopt;
        }
        return fileSize;
    }
    // No length in the file header: the pixel data ends the file.
    Layout l;
    if (!ParseHeaders(d, size, l, error)) return std::nullopt;
    const uint64_t rest = size - l.pixels;
    if (IsRle(l.info) && l.sizeImage == 0) {
        std::optional<size_t> n =
            WalkRle(d + l.pixels, rest, l.info.compression == kRle4, [](int64_t, int64_t, uint32_t) {});
        if (!n) Fail(error, "Bitmap unvollständig", "Bitmap is truncated");
        return n ? std::optional<size_t>(l.pixels + *n) : std::nullopt;
    }
    const bool packed = l.info.compression == kRgb || l.info.compression == kBitFields;
    const uint64_t bytes = packed ? l.stride * l.info.height : l.sizeImage;
    if (bytes > rest) {
        Fail(error, "Bitmap unvollständig", "Bitmap is truncated");
        return std::nullopt;
    }
    return l.pixels + bytes;
}

std::optional<BmpInfo> ReadBmpInfo(const uint8_t* d, size_t size, std::string* error) {
    Layout l;
    if (!ParseHeaders(d, size, l, error)) return std::nullopt;
    return l.info;
}

std::optional<Image> DecodeBmp(const uint8_t* d, size_t size, std::string* error) {
    Layout l;
    if (!ParseHeaders(d, size, l, error) || !CheckDecodable(l, error)) return std::nullopt;
    const BmpInfo& i = l.info;
    const bool rle = IsRle(i);
    if (!rle && l.stride * i.height > size - l.pixels) {
        Fail(error, "Bitmap unvollständig", "Bitmap is truncated");
        return std::nullopt;
    }
    Image img;
    img.width = i.width;
    img.height = i.height;
    if (!rle) {
        img.pixels.resize(static_cast<size_t>(i.width) * i.height);
        DecodeRows(d, l, img);
        return img;
    }
    // Pixels the runs skip keep the first colour of the table.
    img.pixels.assign(static_cast<size_t>(i.width) * i.height, TableColor(d, l, 0));
    auto put = [&](int64_t x, int64_t y, uint32_t index) {
        if (x >= i.width || y >= i.height) return;
        const int64_t row = i.topDown ? y : i.height - 1 - y;
        img.pixels[static_cast<size_t>(row * i.width + x)] = TableColor(d, l, index);
    };
    // Data that stops before its end mark shows what it holds, as far as it goes.
    WalkRle(d + l.pixels, size - l.pixels, i.compression == kRle4, put);
    return img;
}

int32_t BmpDotsPerInch(int32_t pixelsPerMetre) {
    const int32_t dpi = RoundToInt(static_cast<Real>(pixelsPerMetre) * 2.54L / 100);
    return dpi > 0 ? dpi : 150;
}

}  // namespace pw
