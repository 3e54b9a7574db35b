// What a printed sheet paints, recorded call by call: the print flags and display filters, the
// copies, a split sheet's label, and the test page.
#include "render/print_sheet.h"

#include <gtest/gtest.h>

#include "core/language.h"
#include "elements/bohrung.h"
#include "support/recording_canvas.h"

using namespace pw;
using Kind = RecordedCall::Kind;

namespace {

SheetGeometry Sheet254(double widthMm, double heightMm) {
    SheetGeometry s;
    s.dpiX = s.dpiY = 254;
    s.printableWidth = s.paperWidth = widthMm * 10;
    s.printableHeight = s.paperHeight = heightMm * 10;
    return s;
}

struct SheetPaint : ::testing::Test {
    TPlatine panel;
    RecordingCanvas canvas{{0, 0, 2000, 2870}};
    SheetGeometry sheet = Sheet254(200, 287);
    Language saved = CurrentLanguage();

    SheetPaint() {
        panel.Width = 3000;
        panel.Height = 2000;
        auto d = std::make_unique<TBohrung>();
        d->Centre = {500, 500};
        d->Diameter = 300;
        panel.AddElement(std::move(d));
    }
    ~SheetPaint() override { SetLanguage(saved); }

    void Paint(const PrintSettings& s, int index = 0) {
        PrintPlan plan = PlanPrint(panel.Width, panel.Height, s, {}, sheet);
        PaintSheet(panel, canvas, plan, index, sheet);
    }
    std::vector<RecordedCall> Calls(Kind kind) const {
        std::vector<RecordedCall> out;
        for (const RecordedCall& c : canvas.calls)
            if (c.kind == kind) out.push_back(c);
        return out;
    }
};

TEST_F(SheetPaint, OneCopyHasRulersAndDataSeveralCopiesNeither) {
    PrintSettings s;
    Paint(s);
    EXPECT_TRUE(panel.WillsteLineale);
    EXPECT_GT(Calls(Kind::Text).size(), 3u);
    canvas.Clear();
    s.tilesX = 3;
    s.tilesY = 2;
    s.gapX = s.gapY = 250;
    Paint(s);
    EXPECT_FALSE(panel.WillsteLineale);
    EXPECT_FALSE(panel.WillsteInfos);
    EXPECT_TRUE(Calls(Kind::Text).empty());
    // Six panel rectangles, 60 mm wide, 65 mm apart across and 45 mm down.
    std::vector<RecordedCall> panels = Calls(Kind::Rectangle);
    ASSERT_EQ(panels.size(), 6u);
    EXPECT_EQ(panels[1].rect.x1 - panels[0].rect.x1, 650);
    EXPECT_EQ(panels[3].rect.y1 - panels[0].rect.y1, 450);
    EXPECT_EQ(panels[0].rect.x2 - panels[0].rect.x1, 600);
}

TEST_F(SheetPaint, HiddenDrillingsAreNotPrintedAndTheFiltersFollowTheOptions) {
    PrintSettings s;
    s.WillsteBohren = false;
    s.WillsteRahmen = false;
    Paint(s);
    EXPECT_FALSE(panel.MitBohren());
    EXPECT_TRUE(panel.Element(0)->Hidden());
    EXPECT_EQ(canvas.Count(Kind::Ellipse), 0u);
    EXPECT_EQ(Calls(Kind::Rectangle)[0].pen.color, kWhite);  // no frame
    canvas.Clear();
    s.WillsteBohren = true;
    Paint(s);
    EXPECT_FALSE(panel.Element(0)->Hidden());
    EXPECT_GT(canvas.Count(Kind::Ellipse) + canvas.Count(Kind::PolyPolygon), 0u);
}

TEST_F(SheetPaint, ASplitSheetIsLabelledWithItsPlaceInTheAssembly) {
    SetLanguage(Language::English);
    panel.Width = panel.Height = 30000;
    PrintSettings s;
    s.split = true;
    s.WillsteLineale = s.WillsteInfos = true;  // asked for, but not on split sheets
    Paint(s, 5);
    std::vector<RecordedCall> texts = Calls(Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "row 2 of 3, column 2 of 4");
    EXPECT_EQ(texts[0].pts.empty() ? texts[0].rect.x1 : texts[0].pts[0].x, 10);  // 1 mm in
    canvas.Clear();
    s.mirrored = true;
    Paint(s, 5);
    EXPECT_EQ(Calls(Kind::Text)[0].text, "row 2 of 3, column 3 of 4");
    SetLanguage(Language::German);
    EXPECT_EQ(SheetLabel(0, 3, 1, 4), "Zeile 1 von 3, Spalte 2 von 4");
}

TEST_F(SheetPaint, TheTestPageIsAHundredMillimetreSquareWithTheCalibrationApplied) {
    PaintTestPage(canvas, sheet, {1.02, 0.98}, "Laser");
    std::vector<RecordedCall> squares = Calls(Kind::Rectangle);
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_NEAR(squares[0].rect.x2 - squares[0].rect.x1, 1020, 1);
    EXPECT_NEAR(squares[0].rect.y2 - squares[0].rect.y1, 980, 1);
    // Centred on the printable area.
    EXPECT_NEAR(squares[0].rect.x1 + squares[0].rect.x2, 2000, 2);
    // Four sides of 101 ticks each.
    EXPECT_EQ(canvas.Count(Kind::Polyline), 404u);
    bool named = false;
    for (const RecordedCall& t : Calls(Kind::Text))
        named = named || t.text.find("Laser") != std::string::npos;
    EXPECT_TRUE(named);
}

}  // namespace
