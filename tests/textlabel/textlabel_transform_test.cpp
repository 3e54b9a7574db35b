// Moving, resizing, rotating and mirroring a text: the frame, the font height and the painted
// glyphs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "elements/textlabel.h"
#include "text_helpers.h"

using namespace pw;
using pw::test::PolygonSets;

namespace {

std::unique_ptr<TTextLabel> Text(std::string_view s, int32_t height = 200) {
    auto t = std::make_unique<TTextLabel>(FontSpec{"Arial", height, 0}, s, MPoint{1000, 1000});
    t->SetBrushStyle(bsSolid);
    return t;
}

// Horizontal extent of everything painted.
std::pair<int32_t, int32_t> PaintedXRange(TTextLabel& t) {
    RecordingCanvas c;
    t.Paint(c);
    int32_t lo = INT32_MAX, hi = INT32_MIN;
    for (const RecordedCall* set : PolygonSets(c))
        for (const IPoint& p : set->pts) lo = std::min(lo, p.x), hi = std::max(hi, p.x);
    return {lo, hi};
}

std::vector<RecordedCall> Paint(TTextLabel& t) {
    RecordingCanvas c;
    t.Paint(c);
    return c.calls;
}

}  // namespace

TEST(TextLabelResize, DoubleWidthStretchesTheLettersAndKeepsTheHeight) {
    auto t = Text("Stretch");
    const Real w = t->Corners[1].x - t->Corners[0].x;
    auto [lo, hi] = PaintedXRange(*t);
    MRect before = t->GetBounds();
    t->Resize(before, {before.x1, before.y1, before.x1 + 2 * w, before.y2});
    EXPECT_EQ(t->LabelFont().height, 200);
    EXPECT_EQ(t->Corners[2], (MPoint{1000 + 2 * w, 1200}));
    auto [lo2, hi2] = PaintedXRange(*t);
    EXPECT_NEAR(hi2 - lo2, 2 * (hi - lo), 4);
    EXPECT_EQ(t->Matrix.m11, ToFixed16(2));
    EXPECT_EQ(t->Matrix.m22, -0x10000);
}

TEST(TextLabelResize, DoubleHeightDoublesTheFontAndWithTheSameWidthCompresses) {
    auto t = Text("Stretch");
    const Real w = t->Corners[1].x - t->Corners[0].x;
    MRect before = t->GetBounds();
    t->Resize(before, {before.x1, before.y1, before.x2, before.y1 + 400});
    EXPECT_EQ(t->LabelFont().height, 400);
    EXPECT_EQ(t->InfoText(), "[8 mm]");
    EXPECT_EQ(t->Corners[1].x - t->Corners[0].x, w);
    auto [lo, hi] = PaintedXRange(*t);
    EXPECT_LE(hi - lo, w + 2);
    // The glyphs are drawn at half their natural width for the doubled height.
    EXPECT_NEAR(FromFixed16(t->Matrix.m11), w / t->NaturalWidth(), 1e-4);
    EXPECT_NEAR(FromFixed16(t->Matrix.m11), 0.5, 0.01);
}

TEST(TextLabelResize, HeightOfARotatedFrameIsMeasuredAtRightAnglesToItsBaseline) {
    auto t = Text("Rot");
    t->Rotate({1000, 1000}, DegToRad(30));
    t->Scale({0, 0}, 1.5, 1.5);
    EXPECT_EQ(t->LabelFont().height, 300);
}

TEST(TextLabelResize, MirroredTextsKeepAPositiveHeight) {
    for (bool vertical : {false, true}) {
        auto t = Text("Spiegel");
        t->Mirror(vertical, t->GetBounds());
        MRect b = t->GetBounds();
        t->Resize(b, {b.x1, b.y1, b.x1 + 2 * (b.x2 - b.x1), b.y1 + 2 * (b.y2 - b.y1)});
        EXPECT_EQ(t->LabelFont().height, 400) << vertical;
        EXPECT_FALSE(Paint(*t).empty()) << vertical;
    }
}

TEST(TextLabelTransform, MoveAndRotateCarryTheFrame) {
    auto t = Text("Move");
    const std::array<MPoint, 4> c = t->Corners;
    t->Move({10, -20});
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(t->Corners[i], (c[i] + MPoint{10, -20}));
    t->Rotate(t->Corners[0], kPi / 2);
    // A quarter turn counter-clockwise: the baseline runs up the screen.
    EXPECT_NEAR(t->TextAngle(), kPi / 2, 1e-12);
    EXPECT_NEAR(t->Corners[1].x, t->Corners[0].x, 1e-9);
    EXPECT_LT(t->Corners[1].y, t->Corners[0].y);
    MRect b = t->GetBounds();
    EXPECT_NEAR(b.x2 - b.x1, 200, 1e-9);
}

TEST(TextLabelTransform, MirroredTextRunsBackwardsWithMirroredGlyphs) {
    auto t = Text("Fp");
    std::vector<RecordedCall> plain = Paint(*t);
    const std::vector<IPoint> origins = t->CharOrigins();
    const MRect frame = t->GetBounds();
    t->Mirror(false, frame);
    EXPECT_TRUE(t->FlippedH);
    std::vector<RecordedCall> mirrored = Paint(*t);
    // The first character now starts at the right edge and the second stands left of it.
    EXPECT_EQ(t->CharOrigins()[0].x, RoundPoint(t->Corners[3]).x);
    EXPECT_LT(t->CharOrigins()[1].x, t->CharOrigins()[0].x);
    EXPECT_EQ(t->CharOrigins()[0].x, 2 * 1000 + (frame.x2 - frame.x1) - origins[0].x);
    // Each glyph is the mirror image of the original one.
    const Real axis = frame.x1 + frame.x2;
    ASSERT_EQ(plain.size(), mirrored.size());
    for (size_t k = 0; k < plain.size(); ++k) {
        ASSERT_EQ(plain[k].counts, mirrored[k].counts);
        for (size_t i = 0; i < plain[k].pts.size(); ++i) {
            EXPECT_NEAR(mirrored[k].pts[i].x, axis - plain[k].pts[i].x, 1);
            EXPECT_NEAR(mirrored[k].pts[i].y, plain[k].pts[i].y, 1);
        }
    }
}

TEST(TextLabelTransform, RotatedQuarterTurnThenMirroredReadsBackwardsAlongTheRotatedBaseline) {
    auto t = Text("Fp");
    t->Rotate(t->Corners[0], kPi / 2);
    std::vector<RecordedCall> rotated = Paint(*t);
    const std::vector<IPoint> origins = t->CharOrigins();
    const MRect frame = t->GetBounds();
    t->Mirror(false, frame);
    std::vector<RecordedCall> mirrored = Paint(*t);
    // The characters still follow each other up the screen, now on the other side of the
    // frame, and every glyph is the left-right mirror image of the rotated one.
    EXPECT_LT(t->CharOrigins()[1].y, t->CharOrigins()[0].y);
    EXPECT_EQ(t->CharOrigins()[0].y, origins[0].y);
    EXPECT_NEAR(t->TextAngle(), 3 * kPi / 2, 1e-12);
    EXPECT_LT(t->Matrix.m11, 0);
    const Real axis = frame.x1 + frame.x2;
    ASSERT_EQ(rotated.size(), mirrored.size());
    for (size_t k = 0; k < rotated.size(); ++k) {
        ASSERT_EQ(rotated[k].counts, mirrored[k].counts);
        for (size_t i = 0; i < rotated[k].pts.size(); ++i) {
            EXPECT_NEAR(mirrored[k].pts[i].x, axis - rotated[k].pts[i].x, 1);
            EXPECT_NEAR(mirrored[k].pts[i].y, rotated[k].pts[i].y, 1);
        }
    }
}

TEST(TextLabelTransform, MirroringTwiceRestoresFrameFlagsAndPicture) {
    for (bool vertical : {false, true}) {
        auto t = Text("Zweimal");
        t->Rotate({900, 900}, 0.4);
        const std::array<MPoint, 4> corners = t->Corners;
        std::vector<RecordedCall> before = Paint(*t);
        const MRect r = t->GetBounds();
        t->Mirror(vertical, r);
        EXPECT_EQ(vertical ? t->FlippedV : t->FlippedH, true);
        std::vector<RecordedCall> once = Paint(*t);
        EXPECT_NE(once[0].pts, before[0].pts);
        t->Mirror(vertical, r);
        EXPECT_FALSE(t->FlippedH || t->FlippedV);
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(t->Corners[i].x, corners[i].x, 1e-12);
            EXPECT_NEAR(t->Corners[i].y, corners[i].y, 1e-12);
        }
        std::vector<RecordedCall> twice = Paint(*t);
        ASSERT_EQ(twice.size(), before.size());
        for (size_t k = 0; k < before.size(); ++k) EXPECT_EQ(twice[k].pts, before[k].pts);
    }
}

TEST(TextLabelTransform, UpsideDownTextHasItsBaselineTheDescentBelowTheTopEdge) {
    pw::test::ReferenceFont ref("Liberation Sans", "Regular");
    ASSERT_TRUE(ref.IsOpen());
    auto t = Text("H");
    t->Mirror(true, t->GetBounds());  // about its own middle: the frame stays where it was
    std::vector<RecordedCall> calls = Paint(*t);
    // Flipped top to bottom, [3] is the top-left corner and the glyph hangs from the baseline.
    EXPECT_EQ(RoundPoint(t->Corners[3]), (IPoint{1000, 1000}));
    const long descent = pw::test::ReferenceDescent(ref, 200);
    EXPECT_EQ(t->CharOrigins()[0], (IPoint{1000, static_cast<int32_t>(1000 + descent)}));
    EXPECT_EQ(t->Matrix.m22, 0x10000);
    ASSERT_EQ(calls.size(), 1u);
    int32_t top = INT32_MAX, bottom = INT32_MIN;
    for (const IPoint& p : calls[0].pts) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    EXPECT_EQ(top, 1000 + descent);
    EXPECT_LT(bottom, 1200);
}

TEST(TextLabelHit, RegionIsTheFrameInDevicePixels) {
    auto t = Text("Treffer");
    t->Rotate(t->Corners[0], kPi / 4);
    RecordingCanvas c;
    MRect b = t->GetBounds();
    const IPoint centre = RoundPoint(Midpoint(t->Corners[0], t->Corners[2]));
    EXPECT_TRUE(t->HitTest(centre, c));
    // The corner of the bounding box lies outside the turned frame.
    EXPECT_FALSE(t->HitTest(RoundPoint({b.x2 - 2, b.y2 - 2}), c));
    EXPECT_FALSE(t->HitTest(RoundPoint({b.x2 + 20, b.y2}), c));
    t->SetHidden(true);
    EXPECT_FALSE(t->HitTest(centre, c));
    t->SetSelected(true);
    EXPECT_TRUE(t->HitTest(centre, c));
    std::optional<Region> r = t->GetRegion(c);
    ASSERT_TRUE(r.has_value());
    EXPECT_TRUE(r->ContainsPoint(centre));
}

TEST(TextLabelTransform, ASlantedFrameShearsTheGlyphs) {
    auto t = Text("I", 1000);
    // The top edge moved right by half the height: the side leans at cot = 0.5.
    t->Corners[0].x += 500;
    t->Corners[1].x += 500;
    std::vector<RecordedCall> calls = Paint(*t);
    EXPECT_EQ(t->Matrix.m21, ToFixed16(0.5L));
    ASSERT_EQ(calls.size(), 1u);
    int32_t top = INT32_MAX, bottom = INT32_MIN;
    for (const IPoint& p : calls[0].pts) top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    int32_t topLeft = INT32_MAX, bottomLeft = INT32_MAX;
    for (const IPoint& p : calls[0].pts) {
        if (p.y == top) topLeft = std::min(topLeft, p.x);
        if (p.y == bottom) bottomLeft = std::min(bottomLeft, p.x);
    }
    EXPECT_NEAR(topLeft - bottomLeft, (bottom - top) / 2.0, 1);
}
