// The stored record of a text: layout, round trips, old files and damaged input.
#include <gtest/gtest.h>

#include <limits>

#include "core/extended.h"
#include "core/registry.h"
#include "elements/textlabel.h"
#include "support/recording_canvas.h"

using namespace pw;

namespace {

std::vector<uint8_t> Record(TBauteil& e) {
    std::vector<uint8_t> out;
    TWriter w(out);
    e.Write(w);
    return out;
}

size_t BaseRecordSize(TBauteil& e) {
    std::vector<uint8_t> out;
    TWriter w(out);
    e.TBauteil::Write(w);
    return out.size();
}

std::vector<uint8_t> Bytes(std::initializer_list<int> l) {
    std::vector<uint8_t> v;
    for (int b : l) v.push_back(static_cast<uint8_t>(b));
    return v;
}

TReader Reader(const std::vector<uint8_t>& bytes, StreamSource source, const char* version = "2,02") {
    TReader r(bytes, source);
    r.SetVersion(FormatVersion::FromHeader(reinterpret_cast<const uint8_t*>(version)));
    return r;
}

}  // namespace

TEST(TextLabelStorage, RecordLayoutAfterTheBaseRecord) {
    TTextLabel t(FontSpec{"Arial", 200, fsBold | fsItalic}, "Ab\u00e4", {1, 2});
    t.FlippedV = true;
    std::vector<uint8_t> rec = Record(t);
    size_t pos = BaseRecordSize(t);
    // Four corners, raw.
    for (const MPoint& p : t.Corners) {
        ExtendedBytes x = EncodeExtended(p.x), y = EncodeExtended(p.y);
        EXPECT_TRUE(std::equal(x.begin(), x.end(), rec.begin() + pos));
        EXPECT_TRUE(std::equal(y.begin(), y.end(), rec.begin() + pos + 10));
        pos += 20;
    }
    std::vector<uint8_t> rest(rec.begin() + pos, rec.end());
    std::vector<uint8_t> expected = Bytes({6, 5,    'A',  'r', 'i',  'a', 'l',              // font name
                                           3, 0xC8, 0x00,                                   // height 200
                                           5, 0,    0,    0,   0,    0,   0,   0, 0, 0, 0,  // unused float
                                           6, 3,    'A',  'b', 0xE4,  // text in Windows-1252
                                           8, 9,                      // FlippedH, FlippedV
                                           3});                       // style: bold, italic
    EXPECT_EQ(rest, expected);
}

TEST(TextLabelStorage, RoundTripIsByteForByte) {
    TTextLabel t(FontSpec{"Liberation Serif", 137, fsUnderline}, "Grad \u00b0 \u00b5A", {1234.5L, -77.125L});
    t.Rotate({0, 0}, 0.7);
    t.Mirror(false, {0, 0, 100, 100});
    t.SetStiftFarbe(0x123456);
    t.SetBrushStyle(bsSolid);
    std::vector<uint8_t> first = Record(t);
    auto copy = CreateElement("TTextLabel");
    TReader r = Reader(first, StreamSource::File);
    copy->Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(Record(*copy), first);
    auto* text = dynamic_cast<TTextLabel*>(copy.get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->LabelText(), "Grad \u00b0 \u00b5A");
    EXPECT_EQ(text->LabelFont(), t.LabelFont());
    EXPECT_TRUE(text->FlippedH);
    EXPECT_EQ(text->Corners, t.Corners);
}

TEST(TextLabelStorage, FilesBeforeVersionOneOhOneCarryNoStyleByte) {
    TTextLabel t(FontSpec{"Arial", 200, fsBold}, "Alt", {0, 0});
    std::vector<uint8_t> rec = Record(t);
    // An old file: the short base record, the text fields, no style byte.
    std::vector<uint8_t> old;
    {
        TWriter w(old);
        w.WriteInteger(7);
        w.WriteInteger(0);
        w.WriteRawColor(0);
        w.WriteRawByte(0);
        w.WriteRawColor(0);
        w.WriteRawByte(0);
        w.WriteBoolean(true);
        w.WriteBoolean(false);
        for (const MPoint& p : t.Corners) w.WriteRawPoint(p);
        w.WriteString("Arial");
        w.WriteInteger(200);
        w.WriteFloat(0);
        w.WriteString("Alt");
        w.WriteBoolean(false);
        w.WriteBoolean(false);
    }
    const uint8_t noVersion[4] = {0, 0, 0, 0};
    TReader r(old, StreamSource::File);
    r.SetVersion(FormatVersion::FromHeader(noVersion));
    TTextLabel read;
    read.Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(read.LabelFont().style, 0);
    EXPECT_EQ(read.LabelText(), "Alt");
    EXPECT_EQ(read.InsertPoint, (MPoint{-1, -1}));

    // Version 1,01 and later files, and every clipboard or undo stream, carry it.
    for (auto [source, version] :
         {std::pair{StreamSource::File, "2,01"}, std::pair{StreamSource::Clipboard, "1,00"},
          std::pair{StreamSource::Undo, "2,02"}}) {
        TReader r2 = Reader(rec, source, version);
        TTextLabel again;
        again.Read(r2);
        EXPECT_EQ(r2.Remaining(), 0u) << version;
        EXPECT_EQ(again.LabelFont().style, fsBold) << version;
    }
}

TEST(TextLabelStorage, OverlongStoredTextIsCutAndTruncatedRecordsFail) {
    TTextLabel t(FontSpec{}, "x", {0, 0});
    std::vector<uint8_t> rec = Record(t);
    // Replace the stored text (tag 6, length 1, 'x') by a 300-byte long string.
    const size_t at = rec.size() - 1 - 2 - 3;
    ASSERT_EQ(rec[at], 6);
    std::vector<uint8_t> tail(rec.begin() + at + 3, rec.end());
    rec.resize(at);
    TWriter w(rec);
    w.WriteString(std::string(300, 'y'));
    rec.insert(rec.end(), tail.begin(), tail.end());
    TReader r = Reader(rec, StreamSource::Clipboard);
    TTextLabel read;
    read.Read(r);
    EXPECT_EQ(read.LabelText(), std::string(255, 'y'));

    for (size_t cut : {size_t{1}, size_t{20}, rec.size() / 2, rec.size() - 1}) {
        std::vector<uint8_t> part(rec.begin(), rec.begin() + cut);
        TReader rp = Reader(part, StreamSource::Clipboard);
        TTextLabel broken;
        EXPECT_THROW(broken.Read(rp), StreamError) << cut;
    }
}

TEST(TextLabelStorage, DamagedFiguresPaintWithoutHarm) {
    // A record with a negative font height and non-finite corners: nothing is drawn, nothing fails.
    TTextLabel t(FontSpec{"Arial", -500, 0}, "Kaputt", {0, 0});
    t.Corners[2] = {std::numeric_limits<Real>::quiet_NaN(), 1e300L};
    t.SetBrushStyle(bsSolid);
    RecordingCanvas c;
    t.Paint(c);
    EXPECT_TRUE(c.calls.empty());
    FontSpec huge{"Arial", 2000000000, 0};
    TTextLabel big(huge, "Riesig", {0, 0});
    big.Paint(c);
    EXPECT_TRUE(c.calls.empty());  // outlines beyond the fixed-point range are not drawn
}
