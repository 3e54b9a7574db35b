// The bitmap codec: every depth and compression it reads, both row orders, the OS/2 header,
// the file length without bfSize, and the files it refuses.
#include "core/bmp_codec.h"

#include <gtest/gtest.h>

#include "support/picture_bytes.h"

namespace pw {
namespace {

using test::BmpFile;
using test::PictureBytes;

std::vector<uint32_t> Decoded(const PictureBytes& file) {
    std::string error;
    std::optional<Image> img = DecodeBmp(file.data(), file.size(), &error);
    EXPECT_TRUE(img) << error;
    if (!img) return {};
    EXPECT_EQ(img->pixels.size(), static_cast<size_t>(img->width) * img->height);
    std::vector<uint32_t> rgb;
    for (uint32_t p : img->pixels) rgb.push_back(p & 0xFFFFFF);
    for (uint32_t p : img->pixels) EXPECT_EQ(p >> 24, 0xFFu);
    return rgb;
}

std::string Refusal(const PictureBytes& file) {
    std::string error;
    EXPECT_FALSE(DecodeBmp(file.data(), file.size(), &error));
    return error;
}

const std::vector<uint32_t> kTable = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};

TEST(BmpCodec, PalettedDepthsReadBottomUpAndTopDown) {
    // 3 x 2, first stored row is the bottom one; rows padded to four bytes.
    EXPECT_EQ(Decoded(BmpFile(3, 2, 1, 0, {0x000000, 0xFFFFFF}, {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0})),
              (std::vector<uint32_t>{0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF}));
    EXPECT_EQ(Decoded(BmpFile(3, 2, 4, 0, kTable, {0x12, 0x30, 0, 0, 0x03, 0x21, 0, 0})),
              (std::vector<uint32_t>{0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x00FF00, 0x0000FF}));
    EXPECT_EQ(Decoded(BmpFile(3, -2, 8, 0, kTable, {1, 2, 3, 0, 3, 2, 1, 0})),
              (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x0000FF, 0x00FF00, 0xFF0000}));
    // An index beyond the table is black.
    EXPECT_EQ(Decoded(BmpFile(1, 1, 8, 0, kTable, {200, 0, 0, 0})), (std::vector<uint32_t>{0x000000}));
}

TEST(BmpCodec, DirectColourDepths) {
    EXPECT_EQ(Decoded(BmpFile(2, 1, 24, 0, {}, {0x01, 0x02, 0x03, 0xFF, 0x80, 0x00, 0, 0})),
              (std::vector<uint32_t>{0x030201, 0x0080FF}));
    // 32 bits: the fourth byte is not alpha and does not make the pixel see-through.
    EXPECT_EQ(Decoded(BmpFile(1, 1, 32, 0, {}, {0x10, 0x20, 0x30, 0x00})), (std::vector<uint32_t>{0x302010}));
    // 16 bits 5-5-5: pure red and a mid grey.
    EXPECT_EQ(Decoded(BmpFile(2, 1, 16, 0, {}, {0x00, 0x7C, 0x10, 0x42})),
              (std::vector<uint32_t>{0xFF0000, 0x848484}));
    // Bit fields 5-6-5 after the 40-byte header: the table holds the three masks.
    PictureBytes fields = BmpFile(1, 1, 16, 3, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0, 0});
    test::Set32(fields, 46, 0);  // the masks are no colour table
    EXPECT_EQ(Decoded(fields), (std::vector<uint32_t>{0x00FF00}));
}

TEST(BmpCodec, RunLengthEncodings) {
    // RLE8, 4 x 3: a run, end of line; absolute mode of three (padded), end of line; a delta
    // that skips two pixels, a run of one; end of bitmap. Skipped pixels keep the table's first
    // colour.
    const PictureBytes rle8 = {4, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2, 2, 0, 1, 3, 0, 1};
    EXPECT_EQ(Decoded(BmpFile(4, 3, 8, 1, kTable, rle8)),
              (std::vector<uint32_t>{0x000000, 0x000000, 0x0000FF, 0x000000,  // top row
                                     0x00FF00, 0x0000FF, 0xFF0000, 0x000000,  //
                                     0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000}));
    // RLE4, 6 x 1: a run of three alternating nibbles, absolute mode of three nibbles (two
    // bytes), end of bitmap.
    const PictureBytes rle4 = {3, 0x12, 0, 3, 0x30, 0x10, 0, 1};
    EXPECT_EQ(Decoded(BmpFile(6, 1, 4, 2, kTable, rle4)),
              (std::vector<uint32_t>{0xFF0000, 0x00FF00, 0xFF0000, 0x0000FF, 0x000000, 0xFF0000}));
    // Runs beyond the right edge or past the top row are clipped, not written elsewhere.
    EXPECT_EQ(Decoded(BmpFile(2, 1, 8, 1, kTable, {9, 2, 0, 0, 5, 3, 0, 1})),
              (std::vector<uint32_t>{0x00FF00, 0x00FF00}));
}

TEST(BmpCodec, Os2HeaderHasThreeByteColourEntries) {
    PictureBytes b{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    test::Put32(b, 12);
    test::Put16(b, 2);
    test::Put16(b, 1);
    test::Put16(b, 1);
    test::Put16(b, 1);
    for (uint8_t c : {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00}) b.push_back(c);  // red, blue
    test::Set32(b, 10, static_cast<uint32_t>(b.size()));
    for (uint8_t c : {0x40, 0, 0, 0}) b.push_back(c);
    test::Set32(b, 2, static_cast<uint32_t>(b.size()));
    EXPECT_EQ(Decoded(b), (std::vector<uint32_t>{0xFF0000, 0x0000FF}));
    std::optional<BmpInfo> info = ReadBmpInfo(b.data(), b.size());
    ASSERT_TRUE(info);
    EXPECT_EQ(info->pixelsPerMetreX, 0);
    EXPECT_EQ(BmpDotsPerInch(info->pixelsPerMetreX), 150);
    EXPECT_EQ(BmpDotsPerInch(11811), 300);
    EXPECT_EQ(BmpDotsPerInch(-5), 150);
}

TEST(BmpCodec, FileLengthFromHeaderOrFromThePixels) {
    PictureBytes plain = BmpFile(3, 2, 24, 0, {}, PictureBytes(24, 7));
    PictureBytes withTail = plain;
    withTail.insert(withTail.end(), {9, 9, 9});
    EXPECT_EQ(BmpFileLength(withTail.data(), withTail.size()), plain.size());
    // Without bfSize: the end of the rows, or the end-of-bitmap mark of RLE data.
    PictureBytes zero = BmpFile(3, 2, 24, 0, {}, PictureBytes(24, 7), 0, true);
    zero.insert(zero.end(), {1, 2, 3});
    EXPECT_EQ(BmpFileLength(zero.data(), zero.size()), zero.size() - 3);
    PictureBytes rle = BmpFile(4, 1, 8, 1, kTable, {4, 1, 0, 1}, 0, true);
    test::Set32(rle, 34, 0);  // no biSizeImage either
    rle.push_back(0xAA);
    EXPECT_EQ(BmpFileLength(rle.data(), rle.size()), rle.size() - 1);
    // A length beyond the data, or RLE without its end mark, cannot be told.
    std::string error;
    EXPECT_FALSE(BmpFileLength(plain.data(), plain.size() - 1, &error));
    EXPECT_FALSE(error.empty());
    PictureBytes open = BmpFile(4, 1, 8, 1, kTable, {4, 1, 0, 0}, 0, true);
    test::Set32(open, 34, 0);
    EXPECT_FALSE(BmpFileLength(open.data(), open.size()));
    EXPECT_FALSE(BmpFileLength(reinterpret_cast<const uint8_t*>("PK\3\4 no bitmap"), 15));
}

TEST(BmpCodec, RefusesWhatItCannotShowWithAMessage) {
    EXPECT_NE(Refusal(BmpFile(1, 1, 24, 4, {}, PictureBytes(16, 0xFF))).find("JPEG"), std::string::npos);
    EXPECT_NE(Refusal(BmpFile(1, 1, 24, 5, {}, PictureBytes(16, 0x89))).find("PNG"), std::string::npos);
    EXPECT_FALSE(Refusal(BmpFile(1, 1, 24, 9, {}, PictureBytes(4))).empty());
    EXPECT_FALSE(Refusal(BmpFile(1, 1, 8, 2, kTable, PictureBytes(4))).empty());  // RLE4 at 8 bits
    EXPECT_FALSE(Refusal(BmpFile(1, 1, 7, 0, {}, PictureBytes(4))).empty());
    // Over 100 megapixels is refused before anything is allocated, even as tiny RLE data.
    EXPECT_NE(Refusal(BmpFile(20000, 5001, 8, 1, kTable, {0, 1})).find("100"), std::string::npos);
    // Sizes that do not fit the bytes there.
    EXPECT_FALSE(Refusal(BmpFile(4, 4, 24, 0, {}, PictureBytes(47))).empty());
    EXPECT_FALSE(Refusal(BmpFile(0, 4, 24, 0, {}, PictureBytes(4))).empty());
    EXPECT_FALSE(Refusal(BmpFile(1, INT32_MIN, 24, 0, {}, PictureBytes(4))).empty());
    PictureBytes table = BmpFile(1, 1, 8, 0, kTable, PictureBytes(4));
    test::Set32(table, 46, 0x40000000);  // a colour count far beyond the file
    EXPECT_FALSE(Refusal(table).empty());
    PictureBytes header = BmpFile(1, 1, 24, 0, {}, PictureBytes(4));
    test::Set32(header, 14, 5000);
    EXPECT_FALSE(Refusal(header).empty());
    PictureBytes offset = BmpFile(1, 1, 24, 0, {}, PictureBytes(4));
    test::Set32(offset, 10, 4000);
    EXPECT_FALSE(Refusal(offset).empty());
}

}  // namespace
}  // namespace pw
