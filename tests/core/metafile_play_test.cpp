// Records played onto a recording canvas: mapping modes, the world transform, saved states,
// paths, arc directions, text alignment, stock objects, comments, and the DIB reader.
#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>

#include "core/dib.h"
#include "core/metafile.h"
#include "support/recording_canvas.h"

using namespace pw;

namespace {

// Builds an EMF of a 1000 x 1000 frame on a reference device of 10 pixels per millimetre, so
// that one pixel of it is one device unit of a 100 x 100 canvas: 0.1 mm.
class EmfBuilder {
  public:
    EmfBuilder& Rec(uint32_t type, std::initializer_list<int32_t> values) {
        body_.push_back({type, {}});
        for (int32_t v : values) Put(body_.back().second, static_cast<uint32_t>(v));
        return *this;
    }
    EmfBuilder& Floats(uint32_t type, std::initializer_list<float> values,
                       std::initializer_list<int32_t> tail = {}) {
        body_.push_back({type, {}});
        for (float f : values) {
            uint32_t bits;
            std::memcpy(&bits, &f, 4);
            Put(body_.back().second, bits);
        }
        for (int32_t v : tail) Put(body_.back().second, static_cast<uint32_t>(v));
        return *this;
    }
    std::vector<uint8_t> Bytes() const {
        std::vector<uint8_t> out;
        std::vector<uint8_t> header;
        for (int32_t v : {0, 0, 99, 99, 0, 0, 1000, 1000}) Put(header, static_cast<uint32_t>(v));
        for (uint32_t v : {0x464D4520u, 0x10000u, 0u, 0u, 8u, 0u, 0u, 0u, 1000u, 1000u, 100u, 100u})
            Put(header, v);
        Record(out, 1, header);
        for (const auto& [type, data] : body_) Record(out, type, data);
        Record(out, 14, {0, 0, 0, 0, 16, 0, 0, 0, 20, 0, 0, 0});
        const uint32_t size = static_cast<uint32_t>(out.size()),
                       count = static_cast<uint32_t>(body_.size() + 2);
        std::memcpy(&out[48], &size, 4);
        std::memcpy(&out[52], &count, 4);
        return out;
    }

  private:
    static void Put(std::vector<uint8_t>& b, uint32_t v) {
        for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
    static void Record(std::vector<uint8_t>& out, uint32_t type, const std::vector<uint8_t>& data) {
        Put(out, type);
        Put(out, static_cast<uint32_t>(8 + data.size()));
        out.insert(out.end(), data.begin(), data.end());
    }
    std::vector<std::pair<uint32_t, std::vector<uint8_t>>> body_;
};

std::vector<RecordedCall> Play(const EmfBuilder& b, IRect dest = {0, 0, 100, 100}) {
    RecordingCanvas canvas({0, 0, 100, 100});
    const std::vector<uint8_t> bytes = b.Bytes();
    std::string error;
    EXPECT_TRUE(PlayMetafile(canvas, bytes.data(), bytes.size(), dest, &error)) << error;
    return canvas.calls;
}

using K = RecordedCall::Kind;

}  // namespace

TEST(EmfPlayback, MappingModesAndTheWorldTransform) {
    // MM_TEXT: reference pixels. A rectangle from (10, 20) to (50, 60).
    auto calls = Play(EmfBuilder().Rec(43, {10, 20, 50, 60}));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].rect, (IRect{10, 20, 50, 60}));
    // MM_HIMETRIC: 0.01 mm, y upward from the viewport origin; 10 pixels per mm.
    calls = Play(EmfBuilder().Rec(17, {3}).Rec(12, {0, 100}).Rec(43, {100, -200, 500, -600}));
    EXPECT_EQ(calls[0].rect, (IRect{10, 120, 50, 160}));
    // MM_ISOTROPIC: the larger scale shrinks to the smaller one.
    calls =
        Play(EmfBuilder().Rec(17, {7}).Rec(9, {1000, 500}).Rec(11, {100, 100}).Rec(43, {0, 0, 1000, 500}));
    EXPECT_EQ(calls[0].rect, (IRect{0, 0, 100, 50}));
    // A turned rectangle becomes a polygon through the turned corners (90 degrees about 0).
    calls = Play(EmfBuilder().Floats(35, {0, 1, -1, 0, 50, 0}).Rec(43, {0, 0, 20, 10}));
    ASSERT_EQ(calls[0].kind, K::PolyPolygon);
    EXPECT_EQ(calls[0].pts, (std::vector<IPoint>{{50, 0}, {50, 20}, {40, 20}, {40, 0}}));
    // ModifyWorldTransform: a scale by 2 before the move, then back to identity.
    calls = Play(EmfBuilder()
                     .Floats(36, {1, 0, 0, 1, 5, 5}, {4})
                     .Floats(36, {2, 0, 0, 2, 0, 0}, {2})
                     .Rec(42, {0, 0, 10, 10})
                     .Floats(36, {1, 0, 0, 1, 0, 0}, {1})
                     .Rec(42, {0, 0, 10, 10}));
    EXPECT_EQ(calls[0].rect, (IRect{5, 5, 25, 25}));
    EXPECT_EQ(calls[1].rect, (IRect{0, 0, 10, 10}));
    // The frame stretched into the destination: half the size, moved.
    calls = Play(EmfBuilder().Rec(43, {10, 20, 50, 60}), IRect{50, 0, 100, 50});
    EXPECT_EQ(calls[0].rect, (IRect{55, 10, 75, 30}));
}

TEST(EmfPlayback, ObjectsSavedStatesAndClip) {
    RecordingCanvas canvas({0, 0, 100, 100});
    const std::vector<uint8_t> bytes = EmfBuilder()
                                           .Rec(38, {1, 0, 3, 0, 0x0000FF})  // red pen, 3 pixels
                                           .Rec(37, {1})
                                           .Rec(39, {2, 2, 0x00FF00, 4})  // green cross hatch
                                           .Rec(37, {2})
                                           .Rec(33, {})
                                           .Rec(37, {static_cast<int32_t>(0x80000008)})  // NULL_PEN
                                           .Rec(37, {static_cast<int32_t>(0x80000004)})  // BLACK_BRUSH
                                           .Rec(30, {10, 10, 40, 40})
                                           .Rec(42, {0, 0, 50, 50})
                                           .Rec(34, {-1})
                                           .Rec(40, {1})  // deleting keeps what is selected
                                           .Rec(42, {0, 0, 50, 50})
                                           .Bytes();
    std::string error;
    ASSERT_TRUE(PlayMetafile(canvas, bytes.data(), bytes.size(), IRect{0, 0, 100, 100}, &error)) << error;
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].pen.style, PenStyle::Clear);
    EXPECT_EQ(canvas.calls[0].brush.color, kBlack);
    EXPECT_EQ(canvas.calls[1].pen.color, kRed);
    EXPECT_EQ(canvas.calls[1].devicePenWidth, 3);
    EXPECT_EQ(canvas.calls[1].brush.style, bsCross);
    EXPECT_EQ(canvas.calls[1].brush.color, 0x00FF00u);
    EXPECT_FALSE(canvas.HasClip());  // the caller's canvas as it was
}

TEST(EmfPlayback, PathsArcsTextAndComments) {
    // A path of a triangle filled; a stroked open path.
    auto calls = Play(EmfBuilder()
                          .Rec(59, {})
                          .Rec(27, {10, 10})
                          .Rec(54, {50, 10})
                          .Rec(54, {30, 40})
                          .Rec(61, {})
                          .Rec(60, {})
                          .Rec(62, {0, 0, 0, 0})
                          .Rec(59, {})
                          .Rec(27, {0, 90})
                          .Rec(54, {90, 90})
                          .Rec(60, {})
                          .Rec(64, {0, 0, 0, 0}));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, K::PolyPolygon);
    EXPECT_EQ(calls[0].pts, (std::vector<IPoint>{{10, 10}, {50, 10}, {30, 40}}));
    EXPECT_EQ(calls[0].pen.style, PenStyle::Clear);
    EXPECT_EQ(calls[1].kind, K::Polyline);
    EXPECT_EQ(calls[1].pts, (std::vector<IPoint>{{0, 90}, {90, 90}}));
    // An arc drawn clockwise reaches the canvas (counter-clockwise) from its end to its start;
    // so does a counter-clockwise arc under a mapping that turns y upward.
    calls = Play(EmfBuilder()
                     .Rec(57, {2})
                     .Rec(45, {0, 0, 40, 40, 40, 20, 20, 0})
                     .Rec(57, {1})
                     .Rec(17, {8})
                     .Rec(11, {1, -1})
                     .Rec(12, {0, 100})
                     .Rec(45, {0, 0, 40, 40, 40, 20, 20, 0}));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].pts, (std::vector<IPoint>{{20, 0}, {40, 20}}));
    EXPECT_EQ(calls[1].pts, (std::vector<IPoint>{{20, 100}, {40, 80}}));
    // Text at its top-left corner in its font (a cell 20 high); an EMF+ comment between.
    calls = Play(
        EmfBuilder()
            .Rec(70, {8, 0x2B464D45, 0x4001})
            .Rec(82, {3, 20, 0, 0, 0, 700, 0, 0, 0x00620041, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})
            .Rec(37, {3})
            .Rec(24, {0x0000FF})
            .Rec(84, {0, 0, -1, -1, 1, 0, 0, 30, 40, 2, 76, 0, 0, 0, 0, 0, 0, 0x0069004F}));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, K::Text);
    EXPECT_EQ(calls[0].text, "Oi");
    EXPECT_EQ(calls[0].pts, (std::vector<IPoint>{{30, 40}}));
    EXPECT_EQ(calls[0].textHeight, 20);
    EXPECT_EQ(calls[0].font.name, "Ab");
    EXPECT_EQ(calls[0].font.style, fsBold);
}

TEST(DibReader, BitDepthsRowOrderAndShortData) {
    // 3 x 2 pixels, 8 bits with a two-colour table, bottom-up: the first stored row is the bottom one.
    std::vector<uint8_t> info(40 + 8, 0);
    auto put = [&](size_t at, uint32_t v) { std::memcpy(&info[at], &v, 4); };
    put(0, 40), put(4, 3), put(8, 2), put(12, 8u << 16 | 1u), put(32, 2);
    put(40, 0x0000FF), put(44, 0x00FF00);
    const std::vector<uint8_t> bits = {1, 0, 1, 0, 0, 0, 1, 0};
    std::optional<Image> image = ReadDib(info.data(), info.size(), bits.data(), bits.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels, (std::vector<uint32_t>{0xFF0000FF, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00,
                                                    0xFF0000FF, 0xFF00FF00}));
    // Top-down, 24 bits.
    put(8, static_cast<uint32_t>(-2)), put(12, 24u << 16 | 1u);
    const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0, 9, 9, 9, 8, 8, 8, 7, 7, 7, 0, 0, 0};
    image = ReadDib(info.data(), 40, rgb.data(), rgb.size());
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels[0], 0xFF030201u);
    EXPECT_EQ(image->pixels[5], 0xFF070707u);
    // Rows that do not fit, a huge size and a compression are refused.
    EXPECT_FALSE(ReadDib(info.data(), 40, rgb.data(), rgb.size() - 1));
    put(4, 100000), put(8, 100000);
    EXPECT_FALSE(ReadDib(info.data(), 40, rgb.data(), rgb.size()));
    put(4, 3), put(8, 2), put(16, 1);
    EXPECT_FALSE(ReadDib(info.data(), 40, rgb.data(), rgb.size()));
    // The DIB the writer makes reads back as the picture.
    Image picture{2, 2, {0xFF112233, 0xFF445566, 0xFF778899, 0xFFAABBCC}};
    const std::vector<uint8_t> written = DibInfo32(picture), pixels = DibBits32(picture);
    EXPECT_EQ(ReadDib(written.data(), written.size(), pixels.data(), pixels.size())->pixels, picture.pixels);
}
