// Painting a text: pen and brush, character origins, and glyphs as even-odd polygon sets.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "elements/textlabel.h"
#include "text_helpers.h"

using namespace pw;
using pw::test::PolygonSets;
using pw::test::ReferenceFont;

namespace {

IRect Box(const RecordedCall& set, size_t first, size_t n) {
    IRect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (size_t i = first; i < first + n; ++i) {
        r.x1 = std::min(r.x1, set.pts[i].x);
        r.y1 = std::min(r.y1, set.pts[i].y);
        r.x2 = std::max(r.x2, set.pts[i].x);
        r.y2 = std::max(r.y2, set.pts[i].y);
    }
    return r;
}

IRect Box(const RecordingCanvas& c) {
    IRect r{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const RecordedCall* set : PolygonSets(c)) {
        IRect b = Box(*set, 0, set->pts.size());
        r = {std::min(r.x1, b.x1), std::min(r.y1, b.y1), std::max(r.x2, b.x2), std::max(r.y2, b.y2)};
    }
    return r;
}

std::unique_ptr<TTextLabel> SolidText(std::string_view text, int32_t height = 200) {
    auto t = std::make_unique<TTextLabel>(FontSpec{"Arial", height, 0}, text, MPoint{1000, 1000});
    t->SetBrushStyle(bsSolid);
    return t;
}

}  // namespace

TEST(TextLabelPaint, LetterOIsARingOfTwoClosedContoursInOneEvenOddSet) {
    auto t = SolidText("o", 1000);
    RecordingCanvas c;
    t->Paint(c);
    ASSERT_EQ(c.calls.size(), 1u);
    const RecordedCall& set = c.calls[0];
    ASSERT_EQ(set.kind, RecordedCall::Kind::PolyPolygon);
    EXPECT_EQ(set.fillMode, FillMode::Alternate);
    ASSERT_EQ(set.counts.size(), 2u);
    // Each contour ends on its start point.
    EXPECT_EQ(set.pts[0], set.pts[set.counts[0] - 1]);
    EXPECT_EQ(set.pts[set.counts[0]], set.pts.back());
    // One contour lies inside the other; the centre is in the hole, the rim is filled.
    IRect a = Box(set, 0, set.counts[0]), b = Box(set, set.counts[0], set.counts[1]);
    const IRect& outer = (a.x2 - a.x1 > b.x2 - b.x1) ? a : b;
    const IRect& inner = (&outer == &a) ? b : a;
    EXPECT_TRUE(inner.x1 > outer.x1 && inner.x2 < outer.x2 && inner.y1 > outer.y1 && inner.y2 < outer.y2);
    const double cx = (outer.x1 + outer.x2) / 2.0, cy = (outer.y1 + outer.y2) / 2.0;
    EXPECT_FALSE(pw::test::EvenOddContains(set, cx, cy));
    EXPECT_TRUE(pw::test::EvenOddContains(set, (outer.x1 + inner.x1) / 2.0, cy));
    EXPECT_TRUE(pw::test::EvenOddContains(set, cx, (outer.y2 + inner.y2) / 2.0));
}

TEST(TextLabelPaint, GlyphsStandOnABaselineTheDescentAboveTheBottomEdge) {
    ReferenceFont ref("Liberation Sans", "Regular");
    ASSERT_TRUE(ref.IsOpen());
    auto t = SolidText("Hxo");
    RecordingCanvas c;
    t->Paint(c);
    ASSERT_EQ(PolygonSets(c).size(), 3u);
    const long descent = pw::test::ReferenceDescent(ref, 200);
    const long hWidth = pw::test::ReferenceWidth(ref, U"H", 200);
    const long hxWidth = pw::test::ReferenceWidth(ref, U"Hx", 200);
    ASSERT_EQ(t->CharOrigins().size(), 3u);
    EXPECT_EQ(t->CharOrigins()[0], (IPoint{1000, static_cast<int32_t>(1200 - descent)}));
    EXPECT_EQ(t->CharOrigins()[1],
              (IPoint{static_cast<int32_t>(1000 + hWidth), static_cast<int32_t>(1200 - descent)}));
    EXPECT_EQ(t->CharOrigins()[2],
              (IPoint{static_cast<int32_t>(1000 + hxWidth), static_cast<int32_t>(1200 - descent)}));
    // The flat-bottomed H sits on the baseline, its top near the cap height.
    IRect h = Box(*PolygonSets(c)[0], 0, PolygonSets(c)[0]->pts.size());
    EXPECT_EQ(h.y2, 1200 - descent);
    EXPECT_GT(h.y1, 1000);
    EXPECT_GE(h.x1, 1000);
}

TEST(TextLabelPaint, BlanksDrawNothingAndEmptyTextsNothingAtAll) {
    auto t = SolidText("a b");
    RecordingCanvas c;
    t->Paint(c);
    EXPECT_EQ(c.Count(RecordedCall::Kind::PolyPolygon), 2u);
    EXPECT_EQ(t->CharOrigins().size(), 3u);
    c.Clear();
    auto empty = SolidText("");
    empty->Paint(c);
    EXPECT_TRUE(c.calls.empty());
}

TEST(TextLabelPaint, PenAndBrushFollowTheAttributesColourBeforeStyle) {
    auto t = SolidText("I");
    t->SetStiftFarbe(kRed);
    t->SetBrushFarbe(kBlue);
    RecordingCanvas c;
    t->Paint(c);
    ASSERT_EQ(c.calls.size(), 1u);
    EXPECT_EQ(c.calls[0].pen.color, kRed);
    EXPECT_EQ(c.calls[0].pen.style, PenStyle::Solid);
    EXPECT_EQ(c.calls[0].pen.width, 0);
    EXPECT_EQ(c.calls[0].brush.style, bsSolid);
    EXPECT_EQ(c.calls[0].brush.color, kBlue);
    EXPECT_EQ(c.calls[0].font, t->LabelFont());

    // A clear brush stays clear although its colour is set first.
    t->SetBrushStyle(bsClear);
    c.Clear();
    c.SetBrushStyle(bsClear);
    t->Paint(c);
    EXPECT_EQ(c.calls[0].brush.style, bsClear);

    // Outline view: black pen and brush; the colour assigned to a clear brush makes it solid.
    t->SetUmrissFlag(true);
    c.Clear();
    t->Paint(c);
    EXPECT_EQ(c.calls[0].pen.color, kBlack);
    EXPECT_EQ(c.calls[0].brush.color, kBlack);
    EXPECT_EQ(c.calls[0].brush.style, bsSolid);
    t->SetUmrissFlag(false);

    t->SetStiftPattern(ptClear);
    t->SetStiftBreite(12.5);
    c.Clear();
    t->Paint(c);
    EXPECT_EQ(c.calls[0].pen.style, PenStyle::Clear);
    EXPECT_EQ(c.calls[0].pen.width, 12);

    t->SetFraesen(true);
    c.Clear();
    t->Paint(c);
    EXPECT_EQ(c.calls[0].pen.color, kGrey);
    EXPECT_EQ(c.calls[0].brush.color, kGrey);
    EXPECT_EQ(c.calls[0].brush.style, bsSolid);
}

TEST(TextLabelPaint, DragFeedbackIsOnlyTheClosedFrame) {
    auto t = SolidText("Frame");
    t->Rotate({1000, 1000}, 0.3);
    t->SetXORFlag(true);
    t->SetVisible(false);
    RecordingCanvas c;
    t->Paint(c);
    ASSERT_EQ(c.calls.size(), 1u);
    const RecordedCall& f = c.calls[0];
    EXPECT_EQ(f.kind, RecordedCall::Kind::Polyline);
    ASSERT_EQ(f.pts.size(), 5u);
    for (size_t i = 0; i < 5; ++i) EXPECT_EQ(f.pts[i], RoundPoint(t->Corners[i % 4]));
    EXPECT_EQ(f.pen.width, 2);
    EXPECT_EQ(f.pen.color, kGhostColor);
    EXPECT_EQ(f.brush.style, bsClear);
}

TEST(TextLabelPaint, HiddenOrInvisibleTextsPaintNothing) {
    auto t = SolidText("Hidden");
    RecordingCanvas c;
    t->SetHidden(true);
    t->Paint(c);
    EXPECT_TRUE(c.calls.empty());
    t->SetSelected(true);  // a selected hidden text is still shown
    t->Paint(c);
    EXPECT_FALSE(c.calls.empty());
    c.Clear();
    t->SetHidden(false);
    t->SetVisible(false);
    t->Paint(c);
    EXPECT_TRUE(c.calls.empty());
}

TEST(TextLabelPaint, PaintFollowsTheCanvasMapping) {
    auto t = SolidText("T");
    RecordingCanvas one, zoomed;
    t->Paint(one);
    zoomed.SetMapMode(MapMode::Anisotropic);
    zoomed.SetWindowExt(50, 50);
    zoomed.SetViewportExt(4, 4);  // 4 pixels per millimetre
    t->Paint(zoomed);
    IRect a = Box(one), b = Box(zoomed);
    EXPECT_NEAR(b.x1, a.x1 * 4 / 50.0, 1);
    EXPECT_NEAR(b.y2, a.y2 * 4 / 50.0, 1);
}

namespace {

// The polygon sets of a paint, points and counts, in call order.
std::vector<std::pair<std::vector<IPoint>, std::vector<int32_t>>> PaintedSets(TTextLabel& t) {
    RecordingCanvas c;
    t.Paint(c);
    std::vector<std::pair<std::vector<IPoint>, std::vector<int32_t>>> sets;
    for (const RecordedCall* set : PolygonSets(c)) sets.push_back({set->pts, set->counts});
    return sets;
}

// A text built afresh in the state of t: its own paint knows nothing of earlier ones.
std::unique_ptr<TTextLabel> FreshCopy(const TTextLabel& t) {
    auto fresh = std::make_unique<TTextLabel>();
    fresh->SetLabelFont(t.LabelFont());
    fresh->SetLabelText(t.LabelText());
    fresh->Corners = t.Corners;
    fresh->FlippedH = t.FlippedH;
    fresh->FlippedV = t.FlippedV;
    fresh->CurveStep = t.CurveStep;
    fresh->SetBrushStyle(bsSolid);
    return fresh;
}

}  // namespace

// A repaint draws the glyph polygons of the last paint again; every change of what they are made
// from must show in the next paint exactly as a fresh text in that state paints.
TEST(TextLabelPaint, RepaintsFollowEveryChangeOfTheText) {
    auto t = SolidText("Ag1", 300);
    const auto first = PaintedSets(*t);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(PaintedSets(*t), first);  // unchanged: the same polygons

    std::vector<std::pair<const char*, std::function<void(TTextLabel&)>>> changes = {
        {"move",
         [](TTextLabel& x) {
             x.Move({37, -11});
         }},
        {"text", [](TTextLabel& x) { x.SetLabelText("Ag2"); }},
        {"font height",
         [](TTextLabel& x) {
             x.SetLabelFont(FontSpec{"Arial", 250, 0});
         }},
        {"font style",
         [](TTextLabel& x) {
             x.SetLabelFont(FontSpec{"Arial", 250, fsBold});
         }},
        {"rotate", [](TTextLabel& x) { x.Rotate(x.Corners[0], 0.3); }},
        {"mirror", [](TTextLabel& x) { x.Mirror(true, x.GetBounds()); }},
        {"stretch", [](TTextLabel& x) { x.Scale(x.Corners[0], 1.5, 1); }},
        {"corner written", [](TTextLabel& x) { x.Corners[2].x += 40; }},
        {"curve step", [](TTextLabel& x) { x.CurveStep = 0.05; }},
    };
    auto before = first;
    for (auto& [what, change] : changes) {
        change(*t);
        const auto painted = PaintedSets(*t);
        EXPECT_EQ(painted, PaintedSets(*FreshCopy(*t))) << what;
        EXPECT_NE(painted, before) << what;
        before = painted;
    }
}
