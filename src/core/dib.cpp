#include "core/dib.h"

#include "core/le_bytes.h"

namespace pw {

namespace {
constexpr uint32_t kBiRgb = 0, kBiBitfields = 3;

// Bits of a channel mask, scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;
    explicit Channel(uint32_t m) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        max = m >> shift;
    }
    uint32_t Of(uint32_t v) const { return max ? ((v & mask) >> shift) * 255 / max : 0; }
};
}  // namespace

std::optional<Image> ReadDib(const uint8_t* info, size_t infoSize, const uint8_t* bits, size_t bitsSize) {
    LeReader r(info, infoSize);
    uint32_t headerSize = r.U32();
    int64_t width = 0, height = 0;
    uint32_t bitCount = 0, compression = kBiRgb, colorsUsed = 0;
    bool core = headerSize == 12;
    if (core) {
        width = r.U16();
        height = r.I16();
        r.U16();
        bitCount = r.U16();
    } else if (headerSize >= 40 && headerSize <= infoSize) {
        width = r.I32();
        height = r.I32();
        r.U16();
        bitCount = r.U16();
        compression = r.U32();
        r.Skip(12);
        colorsUsed = r.U32();
        r.U32();
    } else {
        return std::nullopt;
    }
    if (r.Overrun()) return std::nullopt;
    bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width * height > kMaxDibPixels) return std::nullopt;
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (bitCount == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
    if (compression == kBiBitfields && (bitCount == 16 || bitCount == 32)) {
        // The masks follow a 40-byte header, or are part of a longer one.
        r.Seek(40);
        for (uint32_t& m : masks) m = r.U32();
        if (r.Overrun()) return std::nullopt;
    } else if (compression != kBiRgb) {
        return std::nullopt;
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return std::nullopt;
    // Colour table.
    std::vector<uint32_t> palette;
    if (bitCount <= 8) {
        uint32_t n = colorsUsed ? colorsUsed : (1u << bitCount);
        if (n > 256) n = 256;
        size_t entry = core ? 3 : 4;
        size_t at = headerSize + (compression == kBiBitfields ? 12 : 0);
        if (at > infoSize || (infoSize - at) / entry < n) {
            // Fewer entries than announced: take what is there.
            n = static_cast<uint32_t>(at > infoSize ? 0 : (infoSize - at) / entry);
        }
        palette.resize(1u << bitCount, 0xFF000000);
        for (uint32_t i = 0; i < n; ++i) {
            const uint8_t* e = info + at + i * entry;
            palette[i] = 0xFF000000u | (uint32_t(e[2]) << 16) | (uint32_t(e[1]) << 8) | e[0];
        }
    }
    const uint64_t stride = ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4;
    if (stride * static_cast<uint64_t>(height) > bitsSize) return std::nullopt;
    Image image;
    image.width = static_cast<int32_t>(width);
    image.height = static_cast<int32_t>(height);
    image.pixels.resize(static_cast<size_t>(width * height));
    Channel red(masks[0]), green(masks[1]), blue(masks[2]);
    for (int64_t y = 0; y < height; ++y) {
        const uint8_t* row = bits + (topDown ? y : height - 1 - y) * stride;
        uint32_t* out = image.pixels.data() + y * width;
        for (int64_t x = 0; x < width; ++x) {
            uint32_t p = 0;
            switch (bitCount) {
                case 1:
                    p = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
                    break;
                case 4:
                    p = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
                    break;
                case 8:
                    p = palette[row[x]];
                    break;
                case 24:
                    p = 0xFF000000u | (uint32_t(row[3 * x + 2]) << 16) | (uint32_t(row[3 * x + 1]) << 8) |
                        row[3 * x];
                    break;
                default: {
                    uint32_t v = bitCount == 16 ? uint32_t(row[2 * x]) | (uint32_t(row[2 * x + 1]) << 8)
                                                : uint32_t(row[4 * x]) | (uint32_t(row[4 * x + 1]) << 8) |
                                                      (uint32_t(row[4 * x + 2]) << 16) |
                                                      (uint32_t(row[4 * x + 3]) << 24);
                    p = 0xFF000000u | (red.Of(v) << 16) | (green.Of(v) << 8) | blue.Of(v);
                }
            }
            out[x] = p;
        }
    }
    return image;
}

std::vector<uint8_t> DibInfo32(const Image& image) {
    std::vector<uint8_t> out;
    LeWriter w(out);
    w.U32(40);
    w.I32(image.width);
    w.I32(image.height);
    w.U16(1);
    w.U16(32);
    w.U32(kBiRgb);
    w.U32(static_cast<uint32_t>(image.width) * static_cast<uint32_t>(image.height) * 4);
    w.I32(0);
    w.I32(0);
    w.U32(0);
    w.U32(0);
    return out;
}

std::vector<uint8_t> DibBits32(const Image& image) {
    std::vector<uint8_t> out;
    out.reserve(static_cast<size_t>(image.width) * image.height * 4);
    LeWriter w(out);
    for (int32_t y = image.height - 1; y >= 0; --y)
        for (int32_t x = 0; x < image.width; ++x)
            w.U32(image.pixels[static_cast<size_t>(y) * image.width + x]);
    return out;
}

}  // namespace pw
