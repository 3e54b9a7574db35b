#include <gtest/gtest.h>

#include "core/registry.h"
#include "panel/document.h"
#include "panel/platine.h"
#include "scale_test_support.h"
#include "scales/skale_bogen.h"
#include "support/recording_canvas.h"

using namespace pw;
using namespace pw::test;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Record(TBauteil& e) {
    Bytes out;
    TWriter w(out);
    e.Write(w);
    return out;
}

// An 80-bit value whose mantissa has only its top 16 bits set, with its tag.
void Float(Bytes& b, uint16_t top, uint16_t signExponent) {
    b.push_back(5);
    b.insert(b.end(), 6, 0);
    for (uint16_t v : {top, signExponent}) {
        b.push_back(static_cast<uint8_t>(v & 0xFF));
        b.push_back(static_cast<uint8_t>(v >> 8));
    }
}

TEST(ScaleStorage, FieldsFollowTheGroupRecord) {
    TScale s;
    s.Build();
    const Bytes bytes = Record(s);
    // The group's record, read as a plain group, leaves exactly the scale's fields.
    TGruppe asGroup;
    TReader r(bytes, StreamSource::Clipboard);
    asGroup.Read(r);
    EXPECT_EQ(asGroup.MemberCount(), s.MemberCount());
    Bytes tail(bytes.begin() + static_cast<long>(r.Position()), bytes.end());

    Bytes expected{1};
    Float(expected, 0x9C40, 0x400B);  // 5000
    Float(expected, 0x9C40, 0x400B);
    Float(expected, 0xF500, 0x4006);  // 245
    expected.insert(expected.end(), {9, 9, 8, 8, 8, 2, 10});
    Float(expected, 0xFA00, 0x4008);  // 1000
    expected.insert(expected.end(), {2, 5});
    Float(expected, 0xFA00, 0x4007);  // 500
    for (int i = 0; i < 2; ++i) {     // Centre (15000, 15000), raw
        expected.insert(expected.end(), 6, 0);
        expected.insert(expected.end(), {0x60, 0xEA, 0x0C, 0x40});
    }
    expected.push_back(5);  // Rotation 0
    expected.insert(expected.end(), 10, 0);
    EXPECT_EQ(tail, expected);
}

TEST(ScaleStorage, ReadRestoresTheFieldsButNotTheParameters) {
    auto s = ScaleOfStyle(ssDecreasingArc);
    s->Build();
    s->Move({-300, 200});
    s->Mirror(false, s->GetBounds());
    s->Rotate(s->Centre, 0.5);
    s->LegacyReal2 = -7.25L;
    s->LegacyBool3 = true;
    s->LegacyInt2 = 40000;
    const Bytes bytes = Record(*s);

    std::unique_ptr<TBauteil> e = CreateElement("TScale");
    TReader r(bytes, StreamSource::File);
    e->Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    auto& read = dynamic_cast<TScale&>(*e);
    EXPECT_EQ(read.Style(), ssDecreasingArc);
    EXPECT_EQ(read.Params().size(), 15u);  // still the constructor's list
    EXPECT_EQ(read.Centre, s->Centre);
    EXPECT_EQ(read.Rotation, s->Rotation);
    EXPECT_TRUE(read.FlippedH);
    EXPECT_FALSE(read.FlippedV);
    EXPECT_EQ(read.LegacyReal2, -7.25L);
    EXPECT_TRUE(read.LegacyBool3);
    EXPECT_EQ(read.LegacyInt2, 40000);
    EXPECT_EQ(read.TickGroup, nullptr);
    EXPECT_EQ(ClassNames(read), ClassNames(*s));
    EXPECT_EQ(Record(read), bytes);

    // Rebuilding such a scale takes the defaults of its own style.
    read.Build();
    EXPECT_EQ(read.Params().size(), 5u);
    EXPECT_EQ(ClassNames(read), (std::vector<std::string>{"TSkaleBogen", "TGruppe"}));
}

TEST(ScaleStorage, UnknownStyleBuildsNothingAndTruncatedRecordsFail) {
    TScale s;
    s.Build();
    Bytes bytes = Record(s);
    TGruppe asGroup;
    TReader g(bytes, StreamSource::Clipboard);
    asGroup.Read(g);
    bytes[g.Position()] = 200;  // the style byte
    TScale read;
    TReader r(bytes, StreamSource::Clipboard);
    read.Read(r);
    EXPECT_EQ(read.Style(), 200);
    read.Build();
    EXPECT_EQ(read.MemberCount(), 0u);
    EXPECT_TRUE(read.Params().empty());

    for (size_t cut : {bytes.size() - 1, g.Position() + 5, g.Position() / 2}) {
        Bytes shortRecord(bytes.begin(), bytes.begin() + static_cast<long>(cut));
        TScale t;
        TReader tr(shortRecord, StreamSource::File);
        EXPECT_THROW(t.Read(tr), StreamError) << cut;
    }
}

void ExpectSamePaint(const RecordingCanvas& a, const RecordingCanvas& b) {
    ASSERT_EQ(a.calls.size(), b.calls.size());
    for (size_t i = 0; i < a.calls.size(); ++i) {
        EXPECT_EQ(a.calls[i].kind, b.calls[i].kind) << i;
        EXPECT_EQ(a.calls[i].pts, b.calls[i].pts) << i;
        EXPECT_EQ(a.calls[i].counts, b.calls[i].counts) << i;
        EXPECT_EQ(a.calls[i].pen.color, b.calls[i].pen.color) << i;
        EXPECT_EQ(a.calls[i].pen.style, b.calls[i].pen.style) << i;
        EXPECT_EQ(a.calls[i].pen.width, b.calls[i].pen.width) << i;
        EXPECT_EQ(a.calls[i].brush.style, b.calls[i].brush.style) << i;
        EXPECT_EQ(a.calls[i].brush.color, b.calls[i].brush.color) << i;
    }
}

TEST(ScaleStorage, PlacedScaleSurvivesWriteReadWriteAndPaintsTheSame) {
    for (int style = 0; style < kScaleStyleCount; ++style) {
        TPlatine panel;
        auto s = ScaleOfStyle(style);
        s->Build();
        if (style % 3 == 1) s->Rotate({14000, 16000}, 0.7);
        if (style % 4 == 2) s->Mirror(true, s->GetBounds());
        panel.AddElement(std::move(s));
        Bytes first;
        WriteDocument(first, {&panel}, {});

        TPlatine loaded;
        std::vector<TView> views;
        ReadDocument(
            first, loaded, [&]() -> TPlatine& { return loaded; }, views);
        ASSERT_EQ(loaded.ElementCount(), 1u) << style;
        ASSERT_STREQ(loaded.Element(0)->ClassName(), "TScale");
        Bytes second;
        WriteDocument(second, {&loaded}, {});
        EXPECT_EQ(second, first) << style;

        RecordingCanvas before, after;
        panel.Element(0)->Paint(before);
        loaded.Element(0)->Paint(after);
        EXPECT_GT(before.calls.size(), 0u);
        ExpectSamePaint(before, after);
    }
}

}  // namespace
