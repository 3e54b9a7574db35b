// The drawing tools: sequences of presses, moves and releases that end in a checked panel.
// The fixture's zoom 10 maps one view pixel to 5 model units; the snap spacing is 50 units.
#include <cmath>

#include "elements/bemassung.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/polygon.h"
#include "elements/textlabel.h"
#include "panel/tools/picture_tool.h"
#include "support/hook_guards.h"
#include "tool_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class DrawingTools : public ToolTest {
protected:
    void SetUp() override {
        ToolTest::SetUp();
        panel.SetZoom(10);
        panel.CurrentPenWidth = 30;
        panel.CurrentPenColor = 0x123456;
        panel.CurrentPattern = ptStrich;
        panel.CurrentBrushColor = 0x00FF00;
        panel.CurrentBrushStyle = bsCross;
        panel.CurrentFill = true;
    }
    void ExpectCurrentAttributes(TBauteil& e, TPattern pattern) {
        EXPECT_EQ(e.StiftBreite(), 30);
        EXPECT_EQ(e.StiftFarbe(), 0x123456u);
        EXPECT_EQ(e.StiftPattern(), pattern);
        EXPECT_EQ(e.BrushFarbe(), 0x00FF00u);
        EXPECT_EQ(e.BrushStyle(), bsCross);
        EXPECT_TRUE(e.FuellenFlag());
    }
    void ExpectFinished(TBauteil& e) {
        EXPECT_TRUE(e.GetSelected());
        EXPECT_EQ(panel.CurrentElement(), &e);
        EXPECT_EQ(panel.EditMode(), emStandard);
        EXPECT_EQ(panel.State.underConstruction, nullptr);
        EXPECT_EQ(panel.State.pendingPoint, nullptr);
        EXPECT_FALSE(panel.Templine || panel.Crosshair || panel.Selector);
        EXPECT_FALSE(panel.State.dragging);
        EXPECT_TRUE(panel.Sizer);
    }
};

TEST_F(DrawingTools, LineOfThreeClicksEndedByTheRightButton) {
    panel.SetEditMode(emLinie);
    EXPECT_TRUE(panel.Crosshair);
    EXPECT_EQ(panel.State.cursor, crStift);
    Move(20, 21);
    EXPECT_EQ(panel.Crosshair->Position(), (IPoint{100, 100}));
    Press(20, 21);
    EXPECT_FALSE(panel.Crosshair);  // the temporary line takes over
    ASSERT_TRUE(panel.Templine);
    EXPECT_EQ(panel.Templine->PenWidth(), 30);
    EXPECT_EQ(panel.ElementCount(), 0u);
    Move(62, 19);
    EXPECT_EQ(panel.Templine->End(), (IPoint{300, 100}));
    Press(62, 19);
    auto* line = Last<TLinie>();
    ASSERT_TRUE(line);
    EXPECT_STREQ(line->ClassName(), "TLinie");
    EXPECT_EQ(line->PointCount(), 2u);
    EXPECT_TRUE(panel.UndoAvailable());
    EXPECT_EQ(panel.Templine->Start(), (IPoint{300, 100}));
    Move(61, 49);
    Press(61, 49);
    Press(61, 49, MouseButton::Right);
    ASSERT_EQ(line->PointCount(), 3u);
    EXPECT_EQ(line->Point(0), (MPoint{100, 100}));
    EXPECT_EQ(line->Point(1), (MPoint{300, 100}));
    EXPECT_EQ(line->Point(2), (MPoint{300, 250}));
    ExpectCurrentAttributes(*line, ptStrich);
    ExpectFinished(*line);
    EXPECT_TRUE(XorBalanced(canvas, 6));
}

TEST_F(DrawingTools, PolygonIsClosedByTheRightPress) {
    panel.SetEditMode(emPolygon);
    Press(20, 20);
    Press(80, 20);
    Press(80, 60);
    Press(80, 60, MouseButton::Right);
    auto* polygon = Last<TPolygon>();
    ASSERT_TRUE(polygon);
    EXPECT_EQ(polygon->PointCount(), 3u);
    EXPECT_TRUE(polygon->Closed());
    ExpectCurrentAttributes(*polygon, ptStrich);
    ExpectFinished(*polygon);
}

TEST_F(DrawingTools, RightPressBeforeTheSecondVertexLeavesNothing) {
    panel.SetEditMode(emLinie);
    Press(20, 20);
    Move(50, 50);
    Press(50, 50, MouseButton::Right);
    EXPECT_EQ(panel.ElementCount(), 0u);
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_FALSE(panel.Templine);
    EXPECT_TRUE(XorBalanced(canvas));
}

TEST_F(DrawingTools, RectangleFromTwoPresses) {
    panel.SetEditMode(emRect);
    EXPECT_EQ(panel.State.cursor, crStiftRect);
    EXPECT_TRUE(panel.State.pointerConfined);
    Press(21, 19);
    ASSERT_TRUE(panel.Selector);
    EXPECT_EQ(panel.Selector->PenWidth(), 6);  // 30 units at 5 units per pixel
    EXPECT_EQ(panel.Selector->Start(), (IPoint{20, 20}));
    Move(81, 59);
    Press(81, 59);
    auto* rect = Last<TRechteck>();
    ASSERT_TRUE(rect);
    EXPECT_EQ(rect->KindCode, 4);
    ASSERT_EQ(rect->PointCount(), 4u);
    EXPECT_EQ(rect->Point(0), (MPoint{100, 100}));
    EXPECT_EQ(rect->Point(1), (MPoint{400, 100}));
    EXPECT_EQ(rect->Point(2), (MPoint{400, 300}));
    EXPECT_EQ(rect->Point(3), (MPoint{100, 300}));
    ExpectCurrentAttributes(*rect, ptDurchgezogen);  // rectangles take no pattern
    ExpectFinished(*rect);
    EXPECT_TRUE(XorBalanced(canvas));
}

TEST_F(DrawingTools, RectangleBandTooNarrowIsDroppedAndTheRightButtonLeaves) {
    panel.SetEditMode(emRect);
    Press(20, 20);
    Move(23, 60);
    Press(23, 60);  // 3 pixels wide
    EXPECT_EQ(panel.ElementCount(), 0u);
    EXPECT_FALSE(panel.Selector);
    EXPECT_EQ(panel.EditMode(), emRect);
    Press(20, 20);
    Press(20, 20, MouseButton::Right);  // drops the band
    EXPECT_EQ(panel.EditMode(), emRect);
    Press(20, 20, MouseButton::Right);  // leaves the tool
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_TRUE(XorBalanced(canvas));
}

TEST_F(DrawingTools, CircleRadiusFollowsThePointer) {
    panel.SetEditMode(emKreis);
    Click(40, 40);
    auto* circle = Last<TKreis>();
    ASSERT_TRUE(circle);
    EXPECT_EQ(panel.State.pendingPoint, &circle->RimPoint);
    Move(40, 70);
    EXPECT_EQ(circle->RimPoint, (MPoint{200, 350}));
    EXPECT_TRUE(circle->FeedbackShown);
    Click(40, 70);
    EXPECT_EQ(circle->Centre, (MPoint{200, 200}));
    EXPECT_EQ(circle->RimPoint, (MPoint{350, 200}));  // radius laid out to the right
    EXPECT_FALSE(circle->FeedbackShown);
    const MPoint v = circle->InnerContour().Point(0);
    EXPECT_NEAR(static_cast<double>(Distance(v, circle->Centre)), 150 / std::cos(M_PI / 16), 1e-9);
    EXPECT_EQ(circle->StiftBreite(), 30);
    EXPECT_EQ(circle->StiftPattern(), ptDurchgezogen);
    ExpectFinished(*circle);
    EXPECT_TRUE(XorBalanced(canvas, 2));
}

TEST_F(DrawingTools, CircleOnItsCentreGetsThePenWidthOrTenUnits) {
    panel.SetEditMode(emKreis);
    Click(40, 40);
    Click(40, 40);
    auto* thick = Last<TKreis>();
    ASSERT_TRUE(thick);
    EXPECT_EQ(thick->RimPoint, (MPoint{230, 200}));  // pen width 30
    panel.CurrentPenWidth = 4;
    panel.SetEditMode(emKreis);
    Click(100, 100);
    Move(101, 101);  // snaps back onto the centre
    Click(100, 100);
    auto* thin = Last<TKreis>();
    ASSERT_NE(thin, thick);
    EXPECT_EQ(thin->RimPoint, (MPoint{510, 500}));
}

TEST_F(DrawingTools, RightReleaseTakesTheCircleBack) {
    panel.SetEditMode(emKreis);
    Click(40, 40);
    Move(60, 40);
    Click(60, 40, MouseButton::Right);
    EXPECT_EQ(panel.ElementCount(), 0u);
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_TRUE(XorBalanced(canvas));
}

TEST_F(DrawingTools, ArcOfThreeReleases) {
    panel.SetEditMode(emBogen);
    Click(100, 100);
    auto* arc = Last<TBogen>();
    ASSERT_TRUE(arc);
    Move(140, 100);
    Click(140, 100);
    EXPECT_EQ(panel.State.pendingPoint, &arc->EndPoint);
    Move(100, 60);
    Click(100, 60);
    EXPECT_EQ(arc->Centre, (MPoint{500, 500}));
    EXPECT_EQ(arc->RimPoint, (MPoint{700, 500}));
    // From the east clockwise on screen (south, west) to the north: three quarters.
    ASSERT_EQ(arc->PointCount(), 21u);
    EXPECT_NEAR(static_cast<double>(arc->Point(0).y), 500, 1e-9);
    EXPECT_GT(arc->Point(0).x, 700);
    EXPECT_NEAR(static_cast<double>(arc->Point(10).y),
                500 + std::hypot(arc->Point(0).x - 500.0L, 0.0L) * std::sin(3 * M_PI / 4), 1e-6);
    EXPECT_NEAR(static_cast<double>(arc->Point(20).x), 500, 1e-9);
    EXPECT_LT(arc->Point(20).y, 500);
    ExpectFinished(*arc);
    EXPECT_TRUE(XorBalanced(canvas, 4));
}

TEST_F(DrawingTools, ArcRadiusOnItsCentreBeepsAndWaits) {
    int beeps = 0;
    BeepGuard beep([&] { ++beeps; });
    panel.SetEditMode(emBogen);
    Click(100, 100);
    auto* arc = Last<TBogen>();
    ASSERT_TRUE(arc);
    Click(101, 99);  // snaps onto the centre
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(panel.State.pendingPoint, &arc->RimPoint);
    EXPECT_EQ(panel.EditMode(), emBogen);
    Move(120, 100);
    Click(120, 100);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(panel.State.pendingPoint, &arc->EndPoint);
    Click(120, 100, MouseButton::Right);
    EXPECT_EQ(panel.ElementCount(), 0u);
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_TRUE(XorBalanced(canvas));
}

struct DrillDialog {
    explicit DrillDialog(std::optional<std::string> answer) {
        TBohrung::SetDialog([this, answer](const std::string& text) {
            shown.push_back(text);
            return answer;
        });
    }
    ~DrillDialog() { TBohrung::SetDialog(nullptr); }
    std::vector<std::string> shown;
};

TEST_F(DrawingTools, DrillHoleConfirmedKeepsItsDiameter) {
    DrillDialog dialog("6");
    panel.SetEditMode(emBohren);
    Click(200, 201);
    auto* drill = Last<TBohrung>();
    ASSERT_TRUE(drill);
    EXPECT_EQ(dialog.shown, std::vector<std::string>{"3"});  // the last diameter, 150 units
    EXPECT_EQ(drill->Centre, (MPoint{1000, 1000}));
    EXPECT_EQ(drill->Diameter, 300);
    EXPECT_EQ(panel.LastDrillDiameter, 300);
    EXPECT_TRUE(panel.UndoAvailable());
    EXPECT_EQ(panel.EditMode(), emBohren);  // the tool stays for the next hole
    Click(300, 300, MouseButton::Right);
    EXPECT_EQ(panel.EditMode(), emStandard);
}

TEST_F(DrawingTools, DrillHoleCancelledIsRemoved) {
    DrillDialog dialog(std::nullopt);
    panel.SetEditMode(emBohren);
    Click(200, 200);
    EXPECT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(panel.ElementCount(), 0u);
    EXPECT_EQ(panel.LastDrillDiameter, 150);
}

TEST_F(DrawingTools, OriginToolMovesTheGridOriginOnlyWithTheLeftButton) {
    int changes = 0;
    panel.OnChange = [&] { ++changes; };
    panel.SetEditMode(emUrsprung);
    Click(52, 68);
    EXPECT_EQ(panel.GridOrigin, (MPoint{250, 350}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(panel.EditMode(), emStandard);
    panel.SetEditMode(emUrsprung);
    Click(10, 10, MouseButton::Right);
    EXPECT_EQ(panel.GridOrigin, (MPoint{250, 350}));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(panel.EditMode(), emStandard);
}

TEST_F(DrawingTools, PointToolSetsTheMarkerAndStays) {
    panel.SetEditMode(emPoint);
    Click(25, 15);
    EXPECT_EQ(panel.MarkerPoint, (MPoint{150, 100}));
    EXPECT_EQ(panel.EditMode(), emPoint);
}

struct TextDialog {
    explicit TextDialog(std::optional<std::string> answer) {
        TTextLabel::SetDialog([this, answer](const std::string& text) {
            shown.push_back(text);
            return answer;
        });
    }
    ~TextDialog() { TTextLabel::SetDialog(nullptr); }
    std::vector<std::string> shown;
};

TEST_F(DrawingTools, TextConfirmedTakesTheEnteredWordingAndTheFont) {
    TextDialog dialog("Netz");
    panel.CurrentFont = {"Arial", 300, fsBold};
    panel.CurrentFontColor = 0x0000C0;
    panel.SetEditMode(emText);
    EXPECT_EQ(panel.State.cursor, crStiftText);
    Press(41, 59);
    auto* text = Last<TTextLabel>();
    ASSERT_TRUE(text);
    EXPECT_EQ(dialog.shown, std::vector<std::string>{"Beschriftung"});
    EXPECT_EQ(text->LabelText(), "Netz");
    EXPECT_EQ(text->LabelFont(), panel.CurrentFont);
    EXPECT_EQ(text->Corners[0], (MPoint{200, 300}));
    EXPECT_EQ(text->Corners[2], (MPoint{200 + static_cast<Real>(text->NaturalWidth()),
                                        300 + static_cast<Real>(text->NaturalHeight())}));
    EXPECT_EQ(text->StiftFarbe(), 0x0000C0u);
    EXPECT_EQ(text->BrushFarbe(), 0x0000C0u);
    EXPECT_EQ(text->BrushStyle(), bsSolid);
    EXPECT_EQ(text->StiftBreite(), 0);
    EXPECT_TRUE(text->FuellenFlag());
    EXPECT_TRUE(panel.UndoAvailable());
    ExpectFinished(*text);
    Release(41, 59);
}

TEST_F(DrawingTools, TextCancelledLeavesNothingButRepaintsItsPlace) {
    TextDialog dialog(std::nullopt);
    panel.SetEditMode(emText);
    window.rects.clear();
    Press(40, 60);
    EXPECT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(panel.ElementCount(), 0u);
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_FALSE(window.rects.empty());
    panel.SetEditMode(emText);
    Press(40, 60, MouseButton::Right);  // any button ends the tool
    EXPECT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(panel.EditMode(), emStandard);
}

TEST_F(DrawingTools, DimensionOfThreeReleases) {
    panel.SetEditMode(emBemassung);
    Click(100, 100);
    auto* dimension = Last<TBemassung>();
    ASSERT_TRUE(dimension);
    EXPECT_TRUE(panel.State.dragging);
    Move(300, 100);
    EXPECT_EQ(dimension->SecondPoint, (MPoint{1500, 500}));
    EXPECT_EQ(dimension->OffsetPoint, (MPoint{1000, 500}));  // midway while the second point moves
    Click(300, 100);
    EXPECT_TRUE(panel.State.dimensionPhase);
    Move(200, 60);
    EXPECT_EQ(dimension->SecondPoint, (MPoint{1500, 500}));
    EXPECT_EQ(dimension->OffsetPoint, (MPoint{1000, 300}));
    Click(200, 60);
    EXPECT_EQ(dimension->FirstPoint, (MPoint{500, 500}));
    EXPECT_EQ(dimension->ValueText(), "20,00");
    EXPECT_EQ(dimension->MemberCount(), 4u);
    EXPECT_EQ(dimension->StiftFarbe(), 0x123456u);
    EXPECT_EQ(dimension->ValueLabel->StiftFarbe(), 0x123456u);
    EXPECT_FALSE(panel.State.dimensionPhase);
    ExpectFinished(*dimension);
}

TEST_F(DrawingTools, DimensionRightButtonKeepsWhatWasBuilt) {
    panel.SetEditMode(emBemassung);
    Click(100, 100);
    Move(300, 100);
    Click(300, 100, MouseButton::Right);
    auto* dimension = Last<TBemassung>();
    ASSERT_TRUE(dimension);
    EXPECT_EQ(dimension->SecondPoint, (MPoint{1500, 500}));
    EXPECT_EQ(panel.EditMode(), emStandard);
    EXPECT_TRUE(dimension->GetSelected());
}

struct PictureSizes {
    explicit PictureSizes(MPoint size) {
        PictureTool::SetSizeQuery([size](TBauteil&) { return std::optional<MPoint>(size); });
    }
    ~PictureSizes() { PictureTool::SetSizeQuery(nullptr); }
};

TEST_F(DrawingTools, PictureIsPlacedByItsLowerLeftCorner) {
    EXPECT_EQ(PictureTool::BitmapSize(300, 150, 300, 300), (MPoint{1270, 635}));
    EXPECT_EQ(PictureTool::MetafileSize(2540, 1270), (MPoint{1270, 635}));
    EXPECT_EQ(PictureTool::FitToPanel({25000, 5000}, 10000, 10000), (MPoint{6250, 1250}));
    PictureSizes sizes(PictureTool::BitmapSize(300, 150, 300, 300));
    TRechteck* picture = AddRect(0, 0, 100, 100);
    panel.SetEditMode(emBitmap);
    EXPECT_EQ(panel.State.cursor, crStiftBmp);
    Press(400, 600);
    ASSERT_EQ(picture->PointCount(), 4u);
    EXPECT_EQ(picture->Point(0), (MPoint{2000, 3000 - 635}));
    EXPECT_EQ(picture->Point(1), (MPoint{3270, 3000 - 635}));
    EXPECT_EQ(picture->Point(2), (MPoint{3270, 3000}));
    EXPECT_EQ(picture->Point(3), (MPoint{2000, 3000}));
    EXPECT_EQ(panel.EditMode(), emStandard);
    panel.SetEditMode(emMeta);
    Press(10, 10, MouseButton::Right);
    EXPECT_EQ(panel.ElementCount(), 0u);
}

}  // namespace
