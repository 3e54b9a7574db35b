// The value logic of the text dialog: what is noted when it opens and what a confirmed text
// does to the frame.
#include <gtest/gtest.h>

#include <cmath>

#include "elements/textlabel.h"

using namespace pw;

namespace {

// Installs a dialog for one test and removes it afterwards.
class DialogScope {
  public:
    explicit DialogScope(TTextLabel::DialogFunction f) { TTextLabel::SetDialog(std::move(f)); }
    ~DialogScope() { TTextLabel::SetDialog(nullptr); }
};

DialogScope Answer(std::optional<std::string> answer, std::string* shown = nullptr) {
    return DialogScope([answer, shown](const std::string& text) {
        if (shown) *shown = text;
        return answer;
    });
}

Real Width(const TTextLabel& t) {
    return Distance(t.Corners[3], t.Corners[2]);
}

}  // namespace

TEST(TextLabelEdit, WithoutADialogOrWhenCancelledNothingChanges) {
    TTextLabel t(FontSpec{}, "Alt", {0, 0});
    EXPECT_FALSE(t.EditProperties());
    std::string shown;
    auto scope = Answer(std::nullopt, &shown);
    EXPECT_FALSE(t.EditProperties());
    EXPECT_EQ(shown, "Alt");
    EXPECT_EQ(t.LabelText(), "Alt");
    EXPECT_EQ(t.SavedHeight, 200);
    EXPECT_EQ(t.SavedWidth, t.NaturalWidth());
}

TEST(TextLabelEdit, ConfirmedTextOfAPlainTextTakesItsNaturalWidth) {
    TTextLabel t(FontSpec{}, "Alt", {100, 100});
    auto scope = Answer("Neuer Text");
    ASSERT_TRUE(t.EditProperties());
    t.ApplyEditedText();
    EXPECT_EQ(t.LabelText(), "Neuer Text");
    EXPECT_NEAR(Width(t), t.NaturalWidth(), 1e-9);
    EXPECT_EQ(t.Corners[0], (MPoint{100, 100}));
    EXPECT_EQ(t.Corners[3], (MPoint{100, 300}));
}

TEST(TextLabelEdit, EditingAStretchedTextKeepsTheStretch) {
    TTextLabel t(FontSpec{}, "Kurz", {100, 100});
    MRect b = t.GetBounds();
    t.Resize(b, {b.x1, b.y1, b.x1 + 1.5L * (b.x2 - b.x1), b.y2});
    t.Rotate(t.Corners[0], 0.5);
    auto scope = Answer("Ein viel laengerer Text");
    ASSERT_TRUE(t.EditProperties());
    const std::array<MPoint, 4> before = t.Corners;
    t.ApplyEditedText();
    EXPECT_NEAR(Width(t) / t.NaturalWidth(), 1.5, 1e-9);
    // The reference corner and the height side stay; the baseline keeps its direction.
    EXPECT_EQ(t.Corners[0], before[0]);
    EXPECT_EQ(t.Corners[3], before[3]);
    EXPECT_NEAR(Direction(t.Corners[3], t.Corners[2]), 0.5, 1e-12);
    EXPECT_NEAR(Direction(t.Corners[0], t.Corners[1]), 0.5, 1e-12);
    EXPECT_EQ(t.LabelFont().height, 200);
}

TEST(TextLabelEdit, FontHeightReturnsToTheNotedHeight) {
    TTextLabel t(FontSpec{}, "Text", {0, 0});
    auto scope = Answer("Text");
    ASSERT_TRUE(t.EditProperties());
    FontSpec f = t.LabelFont();
    f.height = 999;
    t.SetLabelFont(f);
    t.ApplyEditedText();
    EXPECT_EQ(t.LabelFont().height, 200);
}

TEST(TextLabelEdit, ConfirmedTextIsCutToTwoHundredFiftyFiveCharacters) {
    TTextLabel t(FontSpec{}, "x", {0, 0});
    auto scope = Answer(std::string(400, 'x'));
    ASSERT_TRUE(t.EditProperties());
    t.ApplyEditedText();
    EXPECT_EQ(t.LabelText().size(), 255u);
}

TEST(TextLabelEdit, AnEmptyTextGetsTheNaturalWidthAlongItsFrame) {
    // Upright, turned, and mirrored empty texts: no ratio to keep, so the new text takes its
    // natural width along the baseline the frame's height side implies.
    struct Case {
        double angle;
        bool mirrorH, mirrorV;
    };
    for (const Case& c : {Case{0, false, false}, Case{kPi / 2, false, false}, Case{0.3, true, false},
                          Case{0.3, false, true}, Case{1.2, true, true}}) {
        TTextLabel t(FontSpec{}, "", {500, 500});
        t.Rotate(t.Corners[0], c.angle);
        if (c.mirrorH) t.Mirror(false, {0, 0, 1000, 1000});
        if (c.mirrorV) t.Mirror(true, {0, 0, 1000, 1000});
        TTextLabel ref(FontSpec{}, "Neu", {500, 500});
        ref.Rotate(ref.Corners[0], c.angle);
        if (c.mirrorH) ref.Mirror(false, {0, 0, 1000, 1000});
        if (c.mirrorV) ref.Mirror(true, {0, 0, 1000, 1000});

        auto scope = Answer("Neu");
        ASSERT_TRUE(t.EditProperties());
        EXPECT_EQ(t.SavedWidth, 0);
        t.ApplyEditedText();
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_NEAR(t.Corners[i].x, ref.Corners[i].x, 1e-9) << c.angle << " corner " << i;
            EXPECT_NEAR(t.Corners[i].y, ref.Corners[i].y, 1e-9) << c.angle << " corner " << i;
        }
    }
}

TEST(TextLabelEdit, ANewTextAtAPointIsMeasuredAfterTheDialog) {
    // The text tool: a text at a point, the dialog, then Measure.
    TTextLabel t;
    for (MPoint& p : t.Corners) p = {700, 800};
    auto scope = Answer("Front");
    ASSERT_TRUE(t.EditProperties());
    t.ApplyEditedText();
    t.Measure();
    EXPECT_EQ(t.Corners[2], (MPoint{700.0L + t.NaturalWidth(), 1000}));
}

TEST(TextLabelEdit, ATextHoldsOnlyWhatTheFileCanStoreFromTheStart) {
    // Made or confirmed in the dialog: Ω is '?' at once, and the frame measures the '?'.
    const std::string typed = "Lautstärke ±5 Ω", stored = "Lautstärke ±5 ?";
    TTextLabel made(FontSpec{}, typed, {0, 0});
    EXPECT_EQ(made.LabelText(), stored);
    EXPECT_EQ(made.Corners, TTextLabel(FontSpec{}, stored, {0, 0}).Corners);
    TTextLabel edited(FontSpec{}, "x", {0, 0});
    auto scope = Answer(typed);
    ASSERT_TRUE(edited.EditProperties());
    edited.ApplyEditedText();
    EXPECT_EQ(edited.LabelText(), stored);
}
