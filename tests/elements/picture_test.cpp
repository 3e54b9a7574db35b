// The picture elements: their records byte by byte, the embedded files kept as they came,
// pictures that cannot be shown, painting (stretched, parallelogram, placeholder) and the key
// colour.
#include <gtest/gtest.h>

#include <cmath>

#include "element_test_support.h"
#include "elements/btmap.h"
#include "elements/meta.h"
#include "elements/picture_frame.h"
#include "support/picture_bytes.h"

using namespace pw;
using namespace pw::test;

namespace {

constexpr uint32_t kRed = 0xFF0000, kBlueRgb = 0x0000FF, kMagenta = 0xFF00FF;

template <class T>
void Corners(T& e, MPoint a, MPoint b) {
    e.ClearPoints();
    for (MPoint p : {a, MPoint{b.x, a.y}, b, MPoint{a.x, b.y}}) e.AddPoint(p);
}

// The record a rectangle with the picture defaults writes: what precedes the picture.
Bytes RectanglePart(uint8_t kindCode, MPoint a, MPoint b) {
    TRechteck r;
    SetPictureDefaults(r);
    r.KindCode = kindCode;
    Corners(r, a, b);
    return Record(r);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(BtmapRecord, RectangleThenTheFileThenKeyColourAndSwitch) {
    const Bytes file = Bmp24(2, 1, {kRed, kBlueRgb});
    TBtmap b;
    EXPECT_EQ(b.KindCode, 10);
    EXPECT_EQ(b.BrushStyle(), bsBDiagonal);
    EXPECT_EQ(b.BrushFarbe(), 0x808080u);
    EXPECT_EQ(b.StiftPattern(), ptClear);
    EXPECT_TRUE(b.FuellenFlag());
    ASSERT_TRUE(b.LoadFile(file));
    Corners(b, {100, 100}, {500, 300});
    // The unchosen key is the button face, stored as the system colour it is.
    EXPECT_EQ(Record(b),
              Concat({RectanglePart(10, {100, 100}, {500, 300}), file, {0x0F, 0, 0, 0x80, vaFalse}}));
    b.SetTransparency(true, 0x00FF00FF);
    EXPECT_EQ(Record(b),
              Concat({RectanglePart(10, {100, 100}, {500, 300}), file, {0xFF, 0, 0xFF, 0, vaTrue}}));
}

TEST(BtmapRecord, ReadsBackByteIdenticalWithItsKeyApplied) {
    TBtmap b;
    ASSERT_TRUE(b.LoadFile(Bmp24(2, 1, {kRed, kMagenta})));
    Corners(b, {0, 0}, {200, 100});
    b.SetTransparency(true, 0x00FF00FF);
    auto copy = ReadBack(b);
    auto* back = dynamic_cast<TBtmap*>(copy.get());
    ASSERT_TRUE(back);
    EXPECT_EQ(Record(*back), Record(b));
    EXPECT_TRUE(back->Transparent());
    ASSERT_TRUE(back->ShownPicture());
    EXPECT_EQ(back->ShownPicture()->pixels, (std::vector<uint32_t>{0xFF000000 | kRed, 0}));
    EXPECT_EQ(back->Picture()->pixels[1], 0xFF000000 | kMagenta);
    // The unchosen key stands for the button face: pixels of that colour turn see-through.
    TBtmap face;
    ASSERT_TRUE(face.LoadFile(Bmp24(2, 1, {0xF0F0F0, 0x0F0000})));
    face.SetTransparency(true, kButtonFaceKey);
    EXPECT_EQ(face.ShownPicture()->pixels, (std::vector<uint32_t>{0, 0xFF0F0000}));
}

TEST(BtmapRecord, FileWithoutLengthIsStoredWithItsTrueLength) {
    Bytes file = Bmp24(2, 2, {kRed, kRed, kRed, kRed});
    Bytes zero = file;
    Set32(zero, 2, 0);
    TBtmap imported;
    ASSERT_TRUE(imported.LoadFile(zero));
    EXPECT_EQ(imported.FileBytes(), file);
    // The same from a document that holds such a file.
    Bytes record = Concat({RectanglePart(10, {0, 0}, {10, 10}), zero, {0, 0, 0, 0, vaFalse}});
    TBtmap read;
    TReader r = ReaderFor(record);
    read.Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(read.FileBytes(), file);
}

TEST(BtmapRecord, PictureItCannotShowKeepsItsBytesAndTheStreamGoesOn) {
    const Bytes jpeg = BmpFile(8, 8, 24, 4, {}, Bytes(40, 0xD8));
    Bytes record = Concat({RectanglePart(10, {0, 0}, {80, 80}), jpeg, {0, 0, 0, 0, vaTrue}, {0x55}});
    TBtmap b;
    TReader r = ReaderFor(record);
    b.Read(r);
    EXPECT_EQ(r.ReadRawByte(), 0x55);
    EXPECT_EQ(b.Picture(), nullptr);
    EXPECT_NE(b.PictureError().find("JPEG"), std::string::npos);
    EXPECT_EQ(Record(b), Bytes(record.begin(), record.end() - 1));
    // Drawn as the hatched placeholder.
    PanelCanvas c;
    b.Paint(c);
    EXPECT_EQ(c.Count(RecordedCall::Kind::Image), 0u);
    ASSERT_EQ(c.Count(RecordedCall::Kind::PolyPolygon), 1u);
    EXPECT_EQ(c.calls.back().brush.style, bsBDiagonal);
    EXPECT_EQ(c.calls.back().brush.color, kGrey);
    // A file whose length cannot be told ends the read: nothing after it could be found.
    for (Bytes broken : {Bmp24(1, 1, {0}), Bytes{'B', 'M', 0xFF, 0xFF, 0xFF, 0x7F}}) {
        if (broken.size() > 10) Set32(broken, 2, 100000);
        Bytes bad = Concat({RectanglePart(10, {0, 0}, {80, 80}), broken});
        TReader br = ReaderFor(bad);
        TBtmap e;
        EXPECT_THROW(e.Read(br), StreamError);
    }
}

TEST(BtmapPaint, UprightIsStretchedIntoTheInsetRectangle) {
    TBtmap b;
    ASSERT_TRUE(b.LoadFile(Bmp24(2, 1, {kRed, kBlueRgb})));
    Corners(b, {100, 100}, {500, 300});
    b.SetStiftBreite(10);
    PanelCanvas c;
    b.Paint(c);
    ASSERT_EQ(c.Count(RecordedCall::Kind::Image), 1u);
    EXPECT_EQ(c.calls[0].rect, c.LPtoDP(IRect{105, 105, 495, 295}));
    // Only the outline follows, with the clear pen: no fill over the picture.
    EXPECT_EQ(c.Count(RecordedCall::Kind::PolyPolygon), 0u);
    // Outline view and milling draw no picture; milled shows the hatched area.
    for (bool milled : {false, true}) {
        c.Clear();
        b.SetUmrissFlag(!milled);
        b.SetFraesen(milled);
        b.Paint(c);
        EXPECT_EQ(c.Count(RecordedCall::Kind::Image), 0u);
        EXPECT_EQ(c.Count(RecordedCall::Kind::PolyPolygon), milled ? 1u : 0u);
    }
}

TEST(BtmapPaint, TurnedGoesOntoAParallelogramOrShowsThePlaceholder) {
    TBtmap b;
    ASSERT_TRUE(b.LoadFile(Bmp24(2, 1, {kRed, kBlueRgb})));
    Corners(b, {100, 100}, {500, 300});
    b.Rotate({300, 200}, 0.3);
    EXPECT_FALSE(IsUprightPicture(b));
    // The recording canvas cannot draw onto a parallelogram: the placeholder shows.
    PanelCanvas c;
    b.Paint(c);
    EXPECT_EQ(c.Count(RecordedCall::Kind::Image), 0u);
    EXPECT_EQ(c.Count(RecordedCall::Kind::PolyPolygon), 1u);
    EXPECT_TRUE(b.FuellenFlag());
}

TEST(PictureShape, UprightAfterRoundingAndTurnedBack) {
    TMeta m;
    Corners(m, {1000, 1000}, {3000, 2000});
    EXPECT_TRUE(IsUprightPicture(m));
    m.Rotate({2000, 1500}, std::acos(-1.0) / 4);
    EXPECT_FALSE(IsUprightPicture(m));
    m.Rotate({2000, 1500}, -std::acos(-1.0) / 4);
    EXPECT_TRUE(IsUprightPicture(m));
    // A mirrored picture is still upright (it is drawn mirrored).
    m.Mirror(false, {1000, 1000, 3000, 2000});
    EXPECT_TRUE(IsUprightPicture(m));
    m.SetGlaetten(true);
    EXPECT_FALSE(m.Glaetten());
    EXPECT_EQ(m.KindName(), "Metafile");
    TBtmap b;
    Corners(b, {0, 0}, {100, 50});
    b.SetGlaetten(true);
    EXPECT_FALSE(b.Glaetten());
    EXPECT_EQ(b.KindName(), "Bitmap");
    EXPECT_EQ(b.InfoText(), "2,00 x 1,00");
}

TEST(MetaPaint, TurnedByAnEighthIsThePlaceholderAndTurnedBackThePictureAgain) {
    TMeta m;
    ASSERT_TRUE(m.LoadFile(EmfRectangle(100, 50, 2540, 1270, 0x00FFFF)));
    Corners(m, {1000, 1000}, {3000, 2000});
    auto yellowFills = [](const PanelCanvas& c) {
        size_t n = 0;
        for (const RecordedCall& call : c.calls)
            n += call.brush.color == 0x00FFFF && call.brush.style == bsSolid &&
                 (call.kind == RecordedCall::Kind::Rectangle || call.kind == RecordedCall::Kind::PolyPolygon);
        return n;
    };
    const double eighth = std::acos(-1.0) / 4;
    for (double turn : {0.0, eighth, -eighth}) {
        m.Rotate({2000, 1500}, turn);
        PanelCanvas c;
        m.Paint(c);
        const bool upright = turn <= 0;
        EXPECT_EQ(yellowFills(c) > 0, upright) << turn;
        EXPECT_EQ(c.calls.back().brush.style == bsBDiagonal &&
                      c.calls.back().kind == RecordedCall::Kind::PolyPolygon,
                  !upright)
            << turn;
    }
}

TEST(MetaRecord, RectangleThenTheMetafile) {
    const Bytes emf = EmfRectangle(100, 50, 2540, 1270, 0x00FFFF);
    TMeta m;
    EXPECT_EQ(m.KindCode, 11);
    ASSERT_TRUE(m.LoadFile(emf));
    Corners(m, {0, 0}, {1270, 635});
    const Bytes record = Concat({RectanglePart(11, {0, 0}, {1270, 635}), emf});
    EXPECT_EQ(Record(m), record);
    // Read back whatever kind code was stored.
    Bytes stored = record;
    stored[1] = 4;
    TMeta back;
    TReader r = ReaderFor(stored);
    back.Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(back.KindCode, 11);
    EXPECT_EQ(back.FileBytes(), emf);
    ASSERT_TRUE(back.Header().valid);
    EXPECT_EQ(back.Header().frame, (IRect{0, 0, 2540, 1270}));
    EXPECT_EQ(back.Header().records, 6u);
    // A metafile that claims more bytes than there are, or none at all, ends the read.
    Bytes longer = emf;
    Set32(longer, 48, 100000);
    Bytes notEmf = emf;
    notEmf[40] = 'X';
    for (const Bytes& bad : {longer, notEmf}) {
        Bytes doc = Concat({RectanglePart(11, {0, 0}, {10, 10}), bad});
        TReader br = ReaderFor(doc);
        TMeta e;
        EXPECT_THROW(e.Read(br), StreamError);
    }
    std::string error;
    EXPECT_FALSE(m.LoadFile(Bytes(100, 0), &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
