#include <gtest/gtest.h>

#include "elements/textlabel.h"
#include "scale_test_support.h"
#include "support/recording_canvas.h"

using namespace pw;
using namespace pw::test;

namespace {

const MPoint C{15000, 15000};

TTextLabel& Label(const TScale& s, size_t i) {
    return Child<TTextLabel>(*s.LabelGroup, i);
}

TEST(ScaleLabels, TextsTakeTheFontAtTheTextHeight) {
    TScale s;
    s.TextFont = FontSpec{"Arial", 500, fsBold | fsItalic};
    for (auto [h, units] : {std::pair{3.25L, 162}, {3.75L, 188}, {0.01L, 1}, {12.0L, 600}}) {
        s.SetParam(11, h);
        s.Build();
        const FontSpec& f = Label(s, 4).LabelFont();
        EXPECT_EQ(f.height, units) << static_cast<double>(h);
        EXPECT_EQ(f.name, "Arial");
        EXPECT_EQ(f.style, fsBold | fsItalic);
    }
    EXPECT_EQ(s.TextFont.height, 500);  // the scale's font itself is not changed
}

TEST(ScaleLabels, LabelIsTheMeasuredTextCentredOnItsPoint) {
    TScale s;
    s.Inscriptions = {"0", "10 mV", "Wg"};
    s.Build();
    TTextLabel& label = Label(s, 1);
    TTextLabel natural(label.LabelFont(), "10 mV", {0, 0});
    EXPECT_EQ(label.Corners[1] - label.Corners[0], natural.Corners[1] - natural.Corners[0]);
    EXPECT_EQ(label.Corners[3] - label.Corners[0], natural.Corners[3] - natural.Corners[0]);
    const MPoint centre = BoundsCentre(label);
    EXPECT_NEAR(Radius(C, centre), 1750, 1e-6);
    EXPECT_NEAR(DegreesAt(C, centre), 198, 1e-7);
    EXPECT_EQ(Label(s, 2).LabelText(), "Wg");
    EXPECT_EQ(Label(s, 3).LabelText(), "3");  // appended for the marks without a text
    EXPECT_EQ(s.Inscriptions.size(), 11u);
    // Default attributes: drawn as black outlines until a brush style is applied.
    EXPECT_EQ(label.StiftBreite(), 0);
    EXPECT_EQ(label.BrushStyle(), bsClear);
    RecordingCanvas canvas;
    label.Paint(canvas);
    ASSERT_FALSE(canvas.calls.empty());
    EXPECT_EQ(canvas.calls[0].brush.style, bsClear);
    EXPECT_EQ(canvas.calls[0].pen.color, kBlack);
}

TEST(ScaleLabels, TextAngleTurnsEachLabelAboutItsCentre) {
    TScale unturned;
    unturned.Build();
    TScale s;
    s.SetParam(13, 90);
    s.Build();
    for (size_t i : {0u, 5u, 10u}) {
        TTextLabel& label = Label(s, i);
        EXPECT_NEAR(DegreesAt(label.Corners[0], label.Corners[1]), 90, 1e-9);
        const MPoint a = BoundsCentre(label), b = BoundsCentre(Label(unturned, i));
        EXPECT_NEAR(static_cast<double>(a.x), static_cast<double>(b.x), 1e-6);
        EXPECT_NEAR(static_cast<double>(a.y), static_cast<double>(b.y), 1e-6);
    }
}

TEST(ScaleLabels, EntriesBeyondTheMarksStayAndLongTextsAreCut) {
    TScale s;
    s.Inscriptions.assign(30, "x");
    s.Inscriptions[0] = std::string(300, 'a');
    s.Build();
    EXPECT_EQ(s.Inscriptions.size(), 30u);
    EXPECT_EQ(s.LabelGroup->MemberCount(), 11u);
    EXPECT_EQ(Label(s, 0).LabelText(), std::string(255, 'a'));
    EXPECT_EQ(s.Inscriptions[0].size(), 300u);
}

TEST(ScaleLabels, EmpiricalScaleNumbersMissingBoundaries) {
    auto s = ScaleOfStyle(ssEmpirical);
    s->Inscriptions = {"A"};
    s->Build();
    EXPECT_EQ(s->Inscriptions, (std::vector<std::string>{"A", "1", "2", "3", "4", "5"}));
    ASSERT_EQ(s->LabelGroup->MemberCount(), 6u);
    EXPECT_EQ(Label(*s, 0).LabelText(), "A");
    EXPECT_EQ(Label(*s, 5).LabelText(), "5");
    // Ten segments from a fresh list.
    auto ten = ScaleOfStyle(ssEmpirical);
    ten->SetParam(3, 10);
    ten->Build();
    EXPECT_EQ(ten->Inscriptions.size(), 11u);
    EXPECT_EQ(ten->LabelGroup->MemberCount(), 11u);
}

TEST(ScaleLabels, ShapesWithoutInscriptionsLeaveTheListAlone) {
    for (int style = ssIncreasingArc; style <= ssSineCurve; ++style) {
        auto s = ScaleOfStyle(style);
        s->Inscriptions = {"a"};
        s->Build();
        EXPECT_EQ(s->LabelGroup, nullptr);
        EXPECT_EQ(s->Inscriptions.size(), 1u);
    }
}

}  // namespace
