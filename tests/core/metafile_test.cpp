// The EMF writer read back record by record, the player repeating on a canvas what was painted
// into the writer, a hand-written placeable WMF played and converted, and damaged pictures.
#include "core/metafile.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/emf_canvas.h"
#include "support/hook_guards.h"
#include "support/recording_canvas.h"

using namespace pw;

namespace {

struct Record {
    uint32_t type, size;
    size_t at;
};

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (uint32_t(b[at + 3]) << 24);
}
int32_t I32(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<int32_t>(U32(b, at));
}

// The records as the chain of sizes gives them, stopping at the end or a size that cannot be.
std::vector<Record> Records(const std::vector<uint8_t>& b) {
    std::vector<Record> out;
    for (size_t at = 0; at + 8 <= b.size();) {
        Record r{U32(b, at), U32(b, at + 4), at};
        if (r.size < 8 || r.size % 4 || r.size > b.size() - at) break;
        out.push_back(r);
        at += r.size;
    }
    return out;
}

const Record* Find(const std::vector<Record>& rs, uint32_t type, int nth = 0) {
    for (const Record& r : rs)
        if (r.type == type && nth-- == 0) return &r;
    return nullptr;
}

// Model units (1/50 mm) onto 0.01 mm, as the export maps them.
void MapModel(Canvas& c, int32_t viewport, int32_t window) {
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowExt(window, window);
    c.SetViewportExt(viewport, viewport);
}

// A bit of everything an element paints.
void Paint(Canvas& c) {
    c.SetPenWidth(10);
    c.SetPenColor(kRed);
    c.Polyline({{10, 10}, {400, 30}, {250, 300}});
    c.SetBrushColor(0x00AA33);
    c.Polygon({{10, 10}, {100, 10}, {50, 60}});
    c.SetPenWidth(0);
    c.SetBrushStyle(bsBDiagonal);
    c.Ellipse(IRect{500, 100, 900, 420});
    c.SetPolyFillMode(FillMode::Winding);
    const IPoint pts[] = {{0, 0}, {300, 0}, {300, 300}, {0, 300}, {100, 100}, {200, 100}, {200, 200}};
    const int32_t counts[] = {4, 3};
    c.PolyPolygon(pts, counts, 2);
    c.SetPenStyle(PenStyle::Clear);
    c.SetBrushStyle(bsSolid);
    c.Rectangle(IRect{1000, 20, 1300, 480});
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenWidth(25);
    c.Arc(IRect{1400, 50, 1800, 450}, {1800, 250}, {1600, 50});
    c.IntersectClipRect(IRect{0, 0, 1500, 400});
    c.SetFont(FontSpec{"Arial", 120, fsBold});
    c.SetTextColor(kBlue);
    c.TextOut({60, 400}, "Größe");
    c.StretchImage(IRect{1500, 300, 1700, 400}, Image{2, 1, {0xFF102030, 0xFF405060}});
}

std::vector<uint8_t> PaintedEmf() {
    EmfCanvas emf(4000, 1000, "Test");
    MapModel(emf, 2, 1);
    Paint(emf);
    return emf.Finish();
}

void ExpectSameCalls(const std::vector<RecordedCall>& a, const std::vector<RecordedCall>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a[i].kind, b[i].kind);
        EXPECT_EQ(a[i].pts, b[i].pts);
        EXPECT_EQ(a[i].counts, b[i].counts);
        EXPECT_EQ(a[i].rect, b[i].rect);
        EXPECT_EQ(a[i].text, b[i].text);
        EXPECT_EQ(a[i].textHeight, b[i].textHeight);
        EXPECT_EQ(a[i].devicePenWidth, b[i].devicePenWidth);
        EXPECT_EQ(a[i].pen.color, b[i].pen.color);
        EXPECT_EQ(a[i].pen.style, b[i].pen.style);
        using K = RecordedCall::Kind;
        if (a[i].kind == K::PolyPolygon || a[i].kind == K::Rectangle || a[i].kind == K::Ellipse) {
            EXPECT_EQ(a[i].brush.style, b[i].brush.style);
            EXPECT_EQ(a[i].brush.color, b[i].brush.color);
            EXPECT_EQ(a[i].fillMode, b[i].fillMode);
        }
    }
}

// A placeable WMF of 1000 x 500 units at 1000 units per inch: a red rectangle without outline,
// a blue triangle and a green ellipse with black outlines.
std::vector<uint8_t> HandWrittenWmf() {
    std::vector<uint8_t> b;
    auto w16 = [&](int v) {
        b.push_back(static_cast<uint8_t>(v));
        b.push_back(static_cast<uint8_t>(v >> 8));
    };
    auto w32 = [&](uint32_t v) {
        w16(static_cast<int>(v & 0xFFFF));
        w16(static_cast<int>(v >> 16));
    };
    w32(0x9AC6CDD7);
    w16(0);
    for (int v : {0, 0, 1000, 500}) w16(v);
    w16(1000);
    w32(0);
    uint16_t sum = 0;
    for (size_t i = 0; i < 20; i += 2) sum ^= static_cast<uint16_t>(b[i] | (b[i + 1] << 8));
    w16(sum);
    const size_t header = b.size();
    w16(1), w16(9), w16(0x300), w32(0), w16(3), w32(0), w16(0);
    auto record = [&](int fn, std::initializer_list<int> words) {
        w32(static_cast<uint32_t>(3 + words.size()));
        w16(fn);
        for (int v : words) w16(v);
    };
    record(0x020B, {0, 0});                  // window origin
    record(0x020C, {500, 1000});             // window extent (y, x)
    record(0x02FC, {0, 0x00FF, 0x0000, 0});  // solid red brush -> slot 0
    record(0x012D, {0});
    record(0x02FA, {5, 0, 0, 0, 0});  // null pen -> slot 1
    record(0x012D, {1});
    record(0x041B, {200, 300, 100, 100});  // rectangle: bottom, right, top, left
    record(0x02FA, {0, 0, 0, 0, 0});       // black hairline -> slot 2
    record(0x012D, {2});
    record(0x01F0, {1});                     // delete the null pen: slot 1 is free again
    record(0x02FC, {0, 0x0000, 0x00FF, 0});  // solid blue brush -> slot 1
    record(0x012D, {1});
    record(0x0324, {3, 500, 100, 700, 100, 600, 300});
    record(0x02FC, {0, 0xFF00, 0x0000, 0});  // green, never selected
    record(0x0418, {450, 950, 250, 750});    // ellipse with the blue brush still
    record(0x0000, {});
    const uint32_t words = static_cast<uint32_t>((b.size() - header) / 2);
    for (int i = 0; i < 4; ++i) b[header + 6 + i] = static_cast<uint8_t>(words >> (8 * i));
    return b;
}

}  // namespace

TEST(EmfWriter, RecordsChainToTheEndAndTheHeaderCountsThem) {
    const std::vector<uint8_t> emf = PaintedEmf();
    const std::vector<Record> rs = Records(emf);
    ASSERT_FALSE(rs.empty());
    EXPECT_EQ(rs.front().type, 1u);
    EXPECT_EQ(rs.back().type, 14u);
    EXPECT_EQ(rs.back().at + rs.back().size, emf.size());
    EXPECT_EQ(U32(emf, 40), 0x464D4520u);
    EXPECT_EQ(U32(emf, 48), emf.size());
    EXPECT_EQ(U32(emf, 52), rs.size());
    // The frame is the picture in 0.01 mm; the bounds hold what was drawn.
    EXPECT_EQ((IRect{I32(emf, 24), I32(emf, 28), I32(emf, 32), I32(emf, 36)}), (IRect{0, 0, 4000, 1000}));
    EXPECT_LE(I32(emf, 8), 0);
    EXPECT_GE(I32(emf, 16), 3600);
    // The header's description and the tiny picture's records are all there.
    for (uint32_t type :
         {17u, 9u, 11u, 38u, 39u, 37u, 40u, 87u, 86u, 42u, 91u, 43u, 45u, 75u, 30u, 82u, 84u, 81u})
        EXPECT_NE(Find(rs, type), nullptr) << type;
    MetafileInfo info = ReadMetafileInfo(emf.data(), emf.size());
    EXPECT_TRUE(info.valid && info.enhanced);
    EXPECT_EQ(info.frame, (IRect{0, 0, 4000, 1000}));
    EXPECT_EQ(info.records, rs.size());
    EXPECT_EQ(info.bytes, emf.size());
}

TEST(EmfWriter, RecordsByteForByte) {
    const std::vector<uint8_t> emf = PaintedEmf();
    const std::vector<Record> rs = Records(emf);
    // The filled triangle in 16-bit points, twice its model coordinates.
    const Record* polygon = Find(rs, 86);
    ASSERT_NE(polygon, nullptr);
    const std::vector<uint8_t> expected = {86, 0, 0,   0, 40,  0, 0,   0, 20,  0, 0,   0, 20, 0,
                                           0,  0, 200, 0, 0,   0, 120, 0, 0,   0, 3,   0, 0,  0,
                                           20, 0, 20,  0, 200, 0, 20,  0, 100, 0, 120, 0};
    EXPECT_EQ(std::vector<uint8_t>(emf.begin() + polygon->at, emf.begin() + polygon->at + polygon->size),
              expected);
    // The first pen: solid, 20 units (0.2 mm) wide, red; the hairline after it has width 0.
    const Record* pen = Find(rs, 38);
    EXPECT_EQ(U32(emf, pen->at + 12), 0u);
    EXPECT_EQ(I32(emf, pen->at + 16), 20);
    EXPECT_EQ(U32(emf, pen->at + 24), kRed);
    EXPECT_EQ(I32(emf, Find(rs, 38, 1)->at + 16), 0);
    // The hatched brush: BS_HATCHED, HS_BDIAGONAL, its colour.
    const Record* hatch = Find(rs, 39, 1);
    EXPECT_EQ(U32(emf, hatch->at + 12), 2u);
    EXPECT_EQ(U32(emf, hatch->at + 16), 0x00AA33u);
    EXPECT_EQ(U32(emf, hatch->at + 20), 3u);
    // The clip after the arc: reset, then the rectangle in 0.01 mm.
    const Record* clip = Find(rs, 30);
    EXPECT_EQ((IRect{I32(emf, clip->at + 8), I32(emf, clip->at + 12), I32(emf, clip->at + 16),
                     I32(emf, clip->at + 20)}),
              (IRect{0, 0, 3000, 800}));
    // The picture: a 40-byte 32-bit BI_RGB header, the one row of pixels.
    const Record* dib = Find(rs, 81);
    const size_t bmi = dib->at + U32(emf, dib->at + 48), bits = dib->at + U32(emf, dib->at + 56);
    EXPECT_EQ(U32(emf, bmi), 40u);
    EXPECT_EQ(I32(emf, bmi + 4), 2);
    EXPECT_EQ(I32(emf, bmi + 8), 1);
    EXPECT_EQ(U32(emf, bmi + 12), 32u << 16 | 1u);
    EXPECT_EQ(U32(emf, bits) & 0xFFFFFF, 0x102030u);
    EXPECT_EQ(U32(emf, bits + 4) & 0xFFFFFF, 0x405060u);
    EXPECT_EQ((IRect{I32(emf, dib->at + 24), I32(emf, dib->at + 28), I32(emf, dib->at + 72),
                     I32(emf, dib->at + 76)}),
              (IRect{3000, 600, 400, 200}));
    // The text in UTF-16 after the 76 bytes of the record's fixed part.
    const Record* text = Find(rs, 84);
    EXPECT_EQ(U32(emf, text->at + 44), 5u);
    EXPECT_EQ(emf[text->at + 76 + 6], 0xDF);  // ß
}

TEST(EmfPlayer, RepeatsWhatWasPaintedIntoTheWriterAndKeepsTheCanvasState) {
    // 100 dots per inch, as MapTrueSize maps: 12700 model units are 1000 pixels.
    RecordingCanvas direct({0, 0, 1000, 1000});
    MapModel(direct, 1000, 12700);
    Paint(direct);
    RecordingCanvas replay({0, 0, 1000, 1000});
    MapModel(replay, 1000, 12700);
    replay.SetPenColor(0x123456);
    replay.IntersectClipRect(IRect{0, 0, 5000, 5000});
    const Canvas::State before = replay.SaveState();
    const std::vector<uint8_t> emf = PaintedEmf();
    std::string error;
    ASSERT_TRUE(PlayMetafile(replay, emf.data(), emf.size(), IRect{0, 0, 2000, 500}, &error)) << error;
    ExpectSameCalls(direct.calls, replay.calls);
    const Canvas::State after = replay.SaveState();
    EXPECT_EQ(after.mapMode, before.mapMode);
    EXPECT_EQ(after.windowExt, before.windowExt);
    EXPECT_EQ(after.viewportExt, before.viewportExt);
    EXPECT_EQ(after.pen.color, 0x123456u);
    EXPECT_EQ(after.clip, before.clip);
    EXPECT_EQ(after.font, before.font);
}

TEST(WmfPlayer, PlaceableWmfPlaysAndConvertsToTheSamePicture) {
    const std::vector<uint8_t> wmf = HandWrittenWmf();
    MetafileInfo info = ReadMetafileInfo(wmf.data(), wmf.size());
    ASSERT_TRUE(info.valid) << info.error;
    EXPECT_FALSE(info.enhanced);
    EXPECT_EQ(info.frame, (IRect{0, 0, 1000, 500}));
    EXPECT_EQ(info.records, 16u);

    auto check = [](const std::vector<RecordedCall>& calls) {
        ASSERT_EQ(calls.size(), 3u);
        EXPECT_EQ(calls[0].kind, RecordedCall::Kind::Rectangle);
        EXPECT_EQ(calls[0].rect, (IRect{200, 200, 600, 400}));
        EXPECT_EQ(calls[0].pen.style, PenStyle::Clear);
        EXPECT_EQ(calls[0].brush.color, kRed);
        EXPECT_EQ(calls[1].kind, RecordedCall::Kind::PolyPolygon);
        EXPECT_EQ(calls[1].pts, (std::vector<IPoint>{{1000, 200}, {1400, 200}, {1200, 600}}));
        EXPECT_EQ(calls[1].brush.color, kBlue);
        EXPECT_EQ(calls[1].pen.style, PenStyle::Solid);
        EXPECT_EQ(calls[2].kind, RecordedCall::Kind::Ellipse);
        EXPECT_EQ(calls[2].rect, (IRect{1500, 500, 1900, 900}));
        EXPECT_EQ(calls[2].brush.color, kBlue);  // the green brush was never selected
    };
    RecordingCanvas played({0, 0, 2000, 1000});
    std::string error;
    ASSERT_TRUE(PlayMetafile(played, wmf.data(), wmf.size(), IRect{0, 0, 2000, 1000}, &error)) << error;
    check(played.calls);

    std::optional<std::vector<uint8_t>> emf = ConvertWmfToEmf(wmf.data(), wmf.size(), &error);
    ASSERT_TRUE(emf) << error;
    MetafileInfo converted = ReadMetafileInfo(emf->data(), emf->size());
    EXPECT_EQ(converted.frame, (IRect{0, 0, 2540, 1270}));  // one inch by half an inch
    RecordingCanvas replayed({0, 0, 2000, 1000});
    ASSERT_TRUE(PlayMetafile(replayed, emf->data(), emf->size(), IRect{0, 0, 2000, 1000}, &error)) << error;
    check(replayed.calls);
}

TEST(MetafileDamage, TruncatedOversizedAndEmptyRecordsFailCleanly) {
    LanguageGuard english(Language::English);
    const std::vector<uint8_t> emf = PaintedEmf();
    RecordingCanvas canvas;
    std::string error;
    // Every shorter piece of the picture is refused or drawn in part, never read beyond.
    for (size_t n = 0; n < emf.size(); n += 1 + n / 64) {
        std::vector<uint8_t> piece(emf.begin(), emf.begin() + n);
        EXPECT_FALSE(PlayMetafile(canvas, piece.data(), piece.size(), IRect{0, 0, 100, 100}, &error)) << n;
        EXPECT_FALSE(error.empty());
    }
    EXPECT_FALSE(ReadMetafileInfo(emf.data(), 87).valid);

    const std::vector<Record> rs = Records(emf);
    // A record of size 0: what came before it is drawn, and the reason names its place.
    std::vector<uint8_t> zero = emf;
    const Record* polygon = Find(rs, 86);
    std::memset(&zero[polygon->at + 4], 0, 4);
    canvas.Clear();
    EXPECT_FALSE(PlayMetafile(canvas, zero.data(), zero.size(), IRect{0, 0, 100, 100}, &error));
    EXPECT_EQ(error, "Damaged metafile record at byte " + std::to_string(polygon->at));
    EXPECT_EQ(canvas.calls.size(), 1u);  // the polyline
    // A point count far beyond the record: the record is skipped, the rest still drawn.
    std::vector<uint8_t> huge = emf;
    huge[polygon->at + 27] = 0x40;
    canvas.Clear();
    EXPECT_FALSE(PlayMetafile(canvas, huge.data(), huge.size(), IRect{0, 0, 100, 100}, &error));
    EXPECT_EQ(canvas.Count(RecordedCall::Kind::PolyPolygon), 1u);  // the poly-polygon only
    EXPECT_EQ(canvas.Count(RecordedCall::Kind::Ellipse), 1u);
    // A header that claims more bytes than there are.
    std::vector<uint8_t> longer = emf;
    longer[50] = 0x10;
    EXPECT_FALSE(PlayMetafile(canvas, longer.data(), longer.size(), IRect{0, 0, 100, 100}, &error));

    const std::vector<uint8_t> wmf = HandWrittenWmf();
    for (size_t n = 0; n < wmf.size(); ++n)
        EXPECT_FALSE(PlayMetafile(canvas, wmf.data(), n, IRect{0, 0, 100, 100}, &error)) << n;
    std::vector<uint8_t> wzero = wmf;
    std::memset(&wzero[22 + 18], 0, 4);  // the first record's size
    EXPECT_FALSE(PlayMetafile(canvas, wzero.data(), wzero.size(), IRect{0, 0, 100, 100}, &error));
    std::vector<uint8_t> wcount = wmf;
    // The triangle's point count: 30000 points in a record of 10 words.
    const size_t triangle = wmf.size() - 6 - 14 - 14 - 20;
    ASSERT_EQ(wcount[triangle + 4], 0x24);
    wcount[triangle + 6] = 0x30, wcount[triangle + 7] = 0x75;
    canvas.Clear();
    EXPECT_FALSE(PlayMetafile(canvas, wcount.data(), wcount.size(), IRect{0, 0, 100, 100}, &error));
    EXPECT_EQ(canvas.Count(RecordedCall::Kind::PolyPolygon), 0u);
    EXPECT_EQ(canvas.Count(RecordedCall::Kind::Ellipse), 1u);

    LanguageGuard german(Language::German);
    const uint8_t junk[100] = {7, 7, 7};
    EXPECT_FALSE(ReadMetafileInfo(junk, sizeof junk).valid);
    EXPECT_FALSE(PlayMetafile(canvas, junk, sizeof junk, IRect{0, 0, 100, 100}, &error));
    EXPECT_EQ(error, "Keine Metadatei (weder EMF noch WMF)");
    EXPECT_FALSE(ConvertWmfToEmf(junk, sizeof junk));
}
