// The panel's font attributes on selected texts.
#include <gtest/gtest.h>

#include "elements/bohrung.h"
#include "elements/textlabel.h"
#include "panel/platine.h"

using namespace pw;

namespace {

struct Panel {
    TPlatine p;
    TTextLabel* selected;
    TTextLabel* other;
    TBohrung* drill;

    Panel() {
        selected =
            Add(std::make_unique<TTextLabel>(FontSpec{"Arial", 200, 0}, "Gewählt", MPoint{1000, 1000}));
        other = Add(std::make_unique<TTextLabel>(FontSpec{"Arial", 200, 0}, "Anderer", MPoint{1000, 3000}));
        drill = Add(std::make_unique<TBohrung>());
        p.SelectElement(selected, true);
        p.SelectElement(drill, true);
    }
    template <class T>
    T* Add(std::unique_ptr<T> e) {
        return static_cast<T*>(p.AddElement(std::move(e)));
    }
};

Real Width(const TTextLabel& t) {
    return Distance(t.Corners[3], t.Corners[2]);
}
Real Height(const TTextLabel& t) {
    return Distance(t.Corners[0], t.Corners[3]);
}

}  // namespace

TEST(FontAttribute, NameRefitsTheFrameOfSelectedTextsOnly) {
    Panel s;
    const std::array<MPoint, 4> otherBefore = s.other->Corners;
    s.p.CurrentFont = FontSpec{"DejaVu Serif", 300, fsBold};
    s.p.ApplyAttribute(Attribute::FontName);
    EXPECT_EQ(s.selected->LabelFont(), (FontSpec{"DejaVu Serif", 200, 0}));
    EXPECT_EQ(Width(*s.selected), s.selected->NaturalWidth());
    EXPECT_EQ(s.selected->Corners[0], (MPoint{1000, 1000}));
    EXPECT_EQ(s.other->LabelFont().name, "Arial");
    EXPECT_EQ(s.other->Corners, otherBefore);
}

TEST(FontAttribute, HeightRefitsTheFrameAndKeepsItsTurnAndStretch) {
    Panel s;
    MRect b = s.selected->GetBounds();
    s.selected->Resize(b, {b.x1, b.y1, b.x1 + 2 * (b.x2 - b.x1), b.y2});  // stretched twice
    s.selected->Rotate(s.selected->Corners[0], 0.25);
    s.p.CurrentFont = FontSpec{"DejaVu Serif", 300, fsBold};
    s.p.ApplyAttribute(Attribute::FontHeight);
    EXPECT_EQ(s.selected->LabelFont(), (FontSpec{"Arial", 300, 0}));
    EXPECT_NEAR(Height(*s.selected), 300, 1e-9);
    EXPECT_NEAR(Width(*s.selected), 2 * s.selected->NaturalWidth(), 1e-9);
    EXPECT_NEAR(Direction(s.selected->Corners[3], s.selected->Corners[2]), 0.25, 1e-12);
    EXPECT_EQ(s.selected->Corners[0], (MPoint{1000, 1000}));
    EXPECT_EQ(s.other->LabelFont().height, 200);
}

TEST(FontAttribute, MirroredTextsKeepTheirMirroringWhenTheFontChanges) {
    Panel s;
    s.selected->Mirror(false, s.selected->GetBounds());
    const Real right = s.selected->Corners[0].x;
    s.p.CurrentFont = FontSpec{"Arial", 400, 0};
    s.p.ApplyAttribute(Attribute::FontHeight);
    // The frame still runs from its reference corner to the left.
    EXPECT_EQ(s.selected->Corners[0].x, right);
    EXPECT_NEAR(s.selected->Corners[1].x, right - s.selected->NaturalWidth(), 1e-9);
    EXPECT_NEAR(s.selected->Corners[3].y, 1400, 1e-9);
    EXPECT_NEAR(s.selected->TextAngle(), 0, 1e-12);
}

TEST(FontAttribute, ColourSetsPenAndBrushOfSelectedTexts) {
    Panel s;
    const Color drillPen = s.drill->StiftFarbe();
    s.p.CurrentFontColor = 0x00FF00;
    s.p.ApplyAttribute(Attribute::FontColor);
    EXPECT_EQ(s.selected->StiftFarbe(), 0x00FF00u);
    EXPECT_EQ(s.selected->BrushFarbe(), 0x00FF00u);
    EXPECT_EQ(s.other->StiftFarbe(), kBlack);
    EXPECT_EQ(s.drill->StiftFarbe(), drillPen);
}

TEST(FontAttribute, StyleChangesTheFontAndKeepsTheFrame) {
    Panel s;
    const std::array<MPoint, 4> before = s.selected->Corners;
    s.p.CurrentFont = FontSpec{"DejaVu Serif", 300, fsBold | fsItalic};
    s.p.ApplyAttribute(Attribute::FontStyle);
    EXPECT_EQ(s.selected->LabelFont(), (FontSpec{"Arial", 200, fsBold | fsItalic}));
    EXPECT_EQ(s.selected->Corners, before);
    EXPECT_EQ(s.other->LabelFont().style, 0);
}
