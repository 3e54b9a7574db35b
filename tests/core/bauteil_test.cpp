#include "core/bauteil.h"

#include <gtest/gtest.h>

#include "elements/bohrung.h"
#include "support/recording_canvas.h"

using namespace pw;

namespace {

std::vector<uint8_t> Record(TBauteil& e) {
    std::vector<uint8_t> out;
    TWriter w(out);
    e.Write(w);
    return out;
}

void Append(std::vector<uint8_t>& v, std::initializer_list<int> bytes) {
    for (int b : bytes) v.push_back(static_cast<uint8_t>(b));
}

void AppendZeros(std::vector<uint8_t>& v, size_t n) { v.insert(v.end(), n, 0); }

TEST(Bauteil, FreshElementDefaultsAndRecord) {
    TBauteil e;
    RecordingCanvas c;
    EXPECT_EQ(e.GetBounds(), (MRect{0, 0, 0, 0}));
    EXPECT_FALSE(e.GetRegion(c).has_value());
    EXPECT_FALSE(e.HitTest({0, 0}, c));
    EXPECT_TRUE(e.Visible());
    EXPECT_EQ(e.BrushStyle(), bsClear);
    EXPECT_EQ(e.GlaettenStil(), glFase);
    EXPECT_TRUE(e.NoReservedQuery());

    std::vector<uint8_t> expected;
    Append(expected, {2, 0, 2, 0});  // kind code, pen width
    AppendZeros(expected, 5);        // pen colour, pattern
    AppendZeros(expected, 4);        // brush colour
    Append(expected, {1, 8, 8, 8, 8, 2, 1, 5});  // brush style, four booleans, smoothing style, amount
    AppendZeros(expected, 10);
    AppendZeros(expected, 41);  // description
    Append(expected, {5});
    AppendZeros(expected, 10);
    Append(expected, {5});
    AppendZeros(expected, 10);
    EXPECT_EQ(Record(e), expected);
}

TEST(Bauteil, PenWidthIsStoredRoundedToEven) {
    TBauteil a, b;
    a.SetStiftBreite(12.5L);
    b.SetStiftBreite(13.5L);
    EXPECT_EQ(Record(a)[3], 12);
    EXPECT_EQ(Record(b)[3], 14);
    TBauteil wide;
    wide.SetStiftBreite(200);
    std::vector<uint8_t> r = Record(wide);
    EXPECT_EQ(std::vector<uint8_t>(r.begin() + 2, r.begin() + 5), (std::vector<uint8_t>{3, 0xC8, 0}));
    TReader reader(r, StreamSource::File);
    TBauteil back;
    back.Read(reader);
    EXPECT_EQ(back.StiftBreite(), 200);
}

TEST(Bauteil, RecordRoundTripAndOldFiles) {
    TBauteil e;
    e.KindCode = 4;
    e.SetStiftBreite(25);
    e.SetStiftFarbe(0x112233);
    e.SetStiftPattern(ptStrich);
    e.SetBrushFarbe(0x445566);
    e.SetBrushStyle(bsCross);
    e.SetFuellenFlag(true);
    e.GroupMember = true;
    e.SetFraesen(true);
    e.SetGlaetten(true);
    e.SetGlaettenStil(glRundung);
    e.SetGlaettenBetrag(123.25L);
    e.Description.SetText("Knopf");
    e.InsertPoint = {10.5L, -3};
    std::vector<uint8_t> bytes = Record(e);

    TBauteil back;
    TReader r(bytes, StreamSource::Clipboard);
    back.Read(r);
    EXPECT_EQ(r.Remaining(), 0u);
    EXPECT_EQ(Record(back), bytes);
    EXPECT_EQ(back.Description.Text(), "Knopf");

    // Files older than 2.0 end the record after the group-member flag.
    std::vector<uint8_t> shortRecord(bytes.begin(), bytes.begin() + 16);
    TReader old(shortRecord, StreamSource::File);
    const uint8_t v100[4] = {0, 0, 0, 0};
    old.SetVersion(FormatVersion::FromHeader(v100));
    TBauteil o;
    o.Read(old);
    EXPECT_EQ(old.Remaining(), 0u);
    EXPECT_TRUE(o.GroupMember);
    EXPECT_EQ(o.InsertPoint, (MPoint{-1, -1}));
    EXPECT_FALSE(o.Fraesen());
}

TEST(Bauteil, DescriptionKeepsTheBytesAfterItsText) {
    TBauteil e;
    e.Description.bytes.fill('x');
    e.Description.SetText("ab");
    std::vector<uint8_t> r = Record(e);
    // Description starts after 4 + 5 + 4 + 1 + 4 + 2 + 11 = 31 bytes.
    EXPECT_EQ(r[31], 2);
    EXPECT_EQ(r[32], 'a');
    EXPECT_EQ(r[34], 'x');
    EXPECT_EQ(r[71], 'x');
}

// An element with bounds (0, 0, 100, 100) that records its transformations.
class Box : public TBauteil {
public:
    MRect rect{0, 0, 100, 100};
    int feedbackDrawn = 0;
    MRect GetBounds() const override { return rect; }
    void Move(MPoint d) override { rect = OffsetRect(rect, d); }
    void Scale(MPoint o, Real fx, Real fy) override {
        MPoint a = ScalePoint({rect.x1, rect.y1}, o, fx, fy), b = ScalePoint({rect.x2, rect.y2}, o, fx, fy);
        rect = {a.x, a.y, b.x, b.y};
    }
    void DrawFeedback(Canvas&, MPoint*) override { ++feedbackDrawn; }
};

TEST(Bauteil, ResizeScalesThePenOnlyWhenUniform) {
    Box a;
    a.SetStiftBreite(10);
    a.Resize({0, 0, 100, 100}, {0, 0, 200, 200});
    EXPECT_EQ(a.StiftBreite(), 20);
    EXPECT_EQ(a.rect, (MRect{0, 0, 200, 200}));
    Box b;
    b.SetStiftBreite(10);
    b.Resize({0, 0, 100, 100}, {0, 0, 200, 100});
    EXPECT_EQ(b.StiftBreite(), 10);
    EXPECT_EQ(b.rect, (MRect{0, 0, 200, 100}));
    Box c;  // an old width of 0 counts as 1
    c.rect = {0, 0, 0, 100};
    c.Resize({0, 0, 0, 100}, {10, 0, 15, 100});
    EXPECT_EQ(c.rect, (MRect{10, 0, 10, 100}));
}

TEST(Bauteil, ShowFeedbackDrawsOncePerPosition) {
    Box e;
    RecordingCanvas c;
    MPoint p{5, 5};
    e.ShowFeedback(c, &p);
    EXPECT_EQ(e.feedbackDrawn, 1);
    e.ShowFeedback(c, &p);
    EXPECT_EQ(e.feedbackDrawn, 1);
    MPoint q{6, 5};
    e.ShowFeedback(c, &q);
    EXPECT_EQ(e.feedbackDrawn, 3);  // erase and draw anew
    e.HideFeedback(c, &q);
    EXPECT_EQ(e.feedbackDrawn, 4);
    e.HideFeedback(c, &q);
    EXPECT_EQ(e.feedbackDrawn, 4);
}

TEST(Bauteil, MoveRangeAndShapeBounds) {
    Box e;
    e.rect = {100, 200, 300, 400};
    EXPECT_EQ(e.GetMoveRange(), (MRect{100 - 30000, 200 - 30000, 30000 - 300, 30000 - 400}));
    e.SetStiftBreite(20);
    EXPECT_EQ(e.GetShapeBounds(), (MRect{110, 210, 290, 390}));
}

TEST(Bauteil, HiddenSelectedElementStillIntersects) {
    TBohrung d;
    d.Centre = {50, 50};
    d.Diameter = 40;
    RecordingCanvas c;  // text mode: one unit is one pixel
    d.SetHidden(true);
    EXPECT_FALSE(d.IntersectsRect({40, 40, 60, 60}, c));
    d.SetSelected(true);
    EXPECT_TRUE(d.IntersectsRect({40, 40, 60, 60}, c));
    EXPECT_FALSE(d.IntersectsRect({0, 0, 5, 5}, c));
}

}  // namespace
