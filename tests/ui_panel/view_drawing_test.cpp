// The drawing tools driven through the panel view with real mouse events, ending in a checked
// model; the drill hole's and the text's dialogs are the program's own, answered by typing.
// Zoom 10: one view pixel is 5 model units; the snap spacing is 50 units (10 pixels).
#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "../render/image_probe.h"
#include "elements/bemassung.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/polygon.h"
#include "elements/textlabel.h"
#include "support/hook_guards.h"
#include "ui/dialogs/element_dialogs.h"
#include "view_test_support.h"

using namespace pw;
using namespace pw::test;

namespace {

class ViewDrawing : public ViewTest {
  protected:
    void SetUp() override {
        ViewTest::SetUp();
        panel().CurrentPenWidth = 30;
        panel().CurrentPenColor = 0x123456;
        panel().CurrentBrushColor = 0x00FF00;
        panel().CurrentBrushStyle = bsCross;
        panel().CurrentFill = true;
    }
    void ExpectFinished(TBauteil& e) {
        EXPECT_TRUE(e.GetSelected());
        EXPECT_EQ(panel().CurrentElement(), &e);
        EXPECT_EQ(panel().EditMode(), emStandard);
        EXPECT_EQ(panel().State.underConstruction, nullptr);
        EXPECT_FALSE(panel().Templine || panel().Crosshair || panel().Selector);
        EXPECT_TRUE(panel().Sizer);
    }
};

TEST_F(ViewDrawing, LineOfThreeClicksAndARightClick) {
    Mode(emLinie);
    Move(20, 21);
    Click(20, 21);
    Move(62, 19);
    Click(62, 19);
    Move(61, 49);
    Click(61, 49);
    Click(61, 49, Qt::RightButton);
    auto* line = Last<TLinie>();
    ASSERT_TRUE(line);
    ASSERT_EQ(line->PointCount(), 3u);
    EXPECT_EQ(line->Point(0), (MPoint{100, 100}));
    EXPECT_EQ(line->Point(1), (MPoint{300, 100}));
    EXPECT_EQ(line->Point(2), (MPoint{300, 250}));
    EXPECT_EQ(line->StiftBreite(), 30);
    EXPECT_EQ(line->StiftFarbe(), 0x123456u);
    ExpectFinished(*line);
}

TEST_F(ViewDrawing, QuickSecondClickOfALineIsAVertexNotADoubleClick) {
    Mode(emLinie);
    Click(20, 20);
    QTest::mouseDClick(area(), Qt::LeftButton, {}, QPoint(60, 20));
    Click(60, 60, Qt::RightButton);
    auto* line = Last<TLinie>();
    ASSERT_TRUE(line);
    ASSERT_EQ(line->PointCount(), 2u);
    EXPECT_EQ(line->Point(1), (MPoint{300, 100}));
}

TEST_F(ViewDrawing, RectangleFromTwoPresses) {
    Mode(emRect);
    EXPECT_TRUE(panel().State.pointerConfined);
    Click(20, 20);
    ASSERT_TRUE(panel().Selector);
    Move(60, 50);
    Click(60, 50);
    auto* rect = Last<TRechteck>();
    ASSERT_TRUE(rect);
    ASSERT_EQ(rect->PointCount(), 4u);
    EXPECT_EQ(rect->Point(0), (MPoint{100, 100}));
    EXPECT_EQ(rect->Point(1), (MPoint{300, 100}));
    EXPECT_EQ(rect->Point(2), (MPoint{300, 250}));
    EXPECT_EQ(rect->Point(3), (MPoint{100, 250}));
    EXPECT_EQ(rect->BrushStyle(), bsCross);
    ExpectFinished(*rect);
    EXPECT_FALSE(panel().State.pointerConfined);
}

TEST_F(ViewDrawing, CircleWhoseRadiusPointLandsOnItsCentre) {
    Mode(emKreis);
    Click(40, 40);
    Click(40, 40);
    auto* thick = Last<TKreis>();
    ASSERT_TRUE(thick);
    EXPECT_EQ(thick->Centre, (MPoint{200, 200}));
    EXPECT_EQ(thick->RimPoint, (MPoint{230, 200}));  // the pen width, 30 units
    ExpectFinished(*thick);

    panel().CurrentPenWidth = 4;
    Mode(emKreis);
    Click(100, 100);
    Move(101, 101);  // snaps back onto the centre
    Click(101, 101);
    auto* thin = Last<TKreis>();
    ASSERT_NE(thin, thick);
    EXPECT_EQ(thin->RimPoint, (MPoint{510, 500}));  // at least 10 units
}

TEST_F(ViewDrawing, PolygonClosedByTheRightButton) {
    Mode(emPolygon);
    Click(20, 20);
    Move(80, 20);
    Click(80, 20);
    Move(80, 60);
    Click(80, 60);
    Click(80, 60, Qt::RightButton);
    auto* polygon = Last<TPolygon>();
    ASSERT_TRUE(polygon);
    EXPECT_TRUE(polygon->Closed());
    ASSERT_EQ(polygon->PointCount(), 3u);
    EXPECT_EQ(polygon->Point(0), (MPoint{100, 100}));
    EXPECT_EQ(polygon->Point(1), (MPoint{400, 100}));
    EXPECT_EQ(polygon->Point(2), (MPoint{400, 300}));
    ExpectFinished(*polygon);
}

TEST_F(ViewDrawing, ArcOfThreeReleases) {
    Mode(emBogen);
    Click(100, 100);
    auto* arc = Last<TBogen>();
    ASSERT_TRUE(arc);
    Move(140, 100);
    Click(140, 100);
    Move(100, 60);
    Click(100, 60);
    EXPECT_EQ(arc->Centre, (MPoint{500, 500}));
    EXPECT_EQ(arc->RimPoint, (MPoint{700, 500}));
    EXPECT_EQ(arc->EndPoint, (MPoint{500, 300}));
    ASSERT_EQ(arc->PointCount(), 21u);
    EXPECT_NEAR(static_cast<double>(arc->Point(20).x), 500, 1e-9);
    EXPECT_LT(arc->Point(20).y, 500);
    ExpectFinished(*arc);
}

TEST_F(ViewDrawing, ArcRadiusOnItsCentreBeeps) {
    int beeps = 0;
    BeepGuard beep([&] { ++beeps; });
    Mode(emBogen);
    Click(100, 100);
    auto* arc = Last<TBogen>();
    ASSERT_TRUE(arc);
    Click(101, 99);  // snaps onto the centre
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(panel().State.pendingPoint, &arc->RimPoint);
    EXPECT_EQ(panel().EditMode(), emBogen);
    Click(120, 100, Qt::RightButton);
    EXPECT_EQ(panel().ElementCount(), 0u);
    EXPECT_EQ(panel().EditMode(), emStandard);
}

TEST_F(ViewDrawing, DimensionOfThreeReleases) {
    Mode(emBemassung);
    Click(100, 100);
    auto* dimension = Last<TBemassung>();
    ASSERT_TRUE(dimension);
    Move(300, 100);
    Click(300, 100);
    Move(200, 60);
    Click(200, 60);
    EXPECT_EQ(dimension->FirstPoint, (MPoint{500, 500}));
    EXPECT_EQ(dimension->SecondPoint, (MPoint{1500, 500}));
    EXPECT_EQ(dimension->OffsetPoint, (MPoint{1000, 300}));
    EXPECT_EQ(dimension->ValueText(), "20,00");
    EXPECT_EQ(dimension->StiftFarbe(), 0x123456u);
    ExpectFinished(*dimension);
}

TEST_F(ViewDrawing, DrillHoleConfirmedInItsDialog) {
    InstallElementDialogs();
    Mode(emBohren);
    Color shownAtCentre = 0;
    QString offered;
    auto answered = AnswerNextDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Bohrung"));
        // The new hole shows under its dialog.
        shownAtCentre = PixelColor(view->Picture(), 208, 192);  // beside the white cross
        offered = d.findChild<QAbstractSpinBox*>("DM_Edit")->text();
        TypeInto(d, "DM_Edit", "6,5");
        ClickButton(d, "OKBtn");
    });
    Click(200, 201);
    EXPECT_EQ(*answered, 1);
    EXPECT_EQ(offered, QString("3"));  // the last diameter, 150 units
    EXPECT_EQ(shownAtCentre, kGrey);
    auto* drill = Last<TBohrung>();
    ASSERT_TRUE(drill);
    EXPECT_EQ(drill->Centre, (MPoint{1000, 1000}));
    EXPECT_EQ(drill->Diameter, 325);
    EXPECT_EQ(panel().LastDrillDiameter, 325);
    EXPECT_EQ(panel().EditMode(), emBohren);
    Click(300, 300, Qt::RightButton);
    EXPECT_EQ(panel().EditMode(), emStandard);
}

TEST_F(ViewDrawing, DrillHoleCancelledInItsDialog) {
    std::vector<bool> around;
    InstallElementDialogs({}, [&](bool before) { around.push_back(before); });
    Mode(emBohren);
    auto answered = AnswerNextDialog([](QDialog& d) {
        TypeInto(d, "DM_Edit", "8");
        ClickButton(d, "AbbruchBtn");
    });
    Click(200, 200);
    EXPECT_EQ(*answered, 1);
    EXPECT_EQ(around, (std::vector<bool>{true, false}));  // the window hid its tool windows and showed them
    EXPECT_EQ(panel().ElementCount(), 0u);
    EXPECT_EQ(panel().LastDrillDiameter, 150);
    Settle();
    EXPECT_EQ(PixelColor(view->Picture(), 208, 192), 0xE6E6E6u);  // repainted without it
}

TEST_F(ViewDrawing, TextConfirmedInItsDialog) {
    InstallElementDialogs();
    Mode(emText);
    int darkUnderDialog = 0;
    auto answered = AnswerNextDialog([&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString("Eigenschaften Text"));
        EXPECT_EQ(d.findChild<QLineEdit*>("TextEdit")->text(), QString("Beschriftung"));
        // The text's preview is on the picture while the dialog is open.
        darkUnderDialog = CountColor(view->Picture().copy(40, 60, 200, 45), kBlack);
        TypeInto(d, "TextEdit", "Netz");
        ClickButton(d, "OKBtn");
    });
    Press(41, 59);
    Release(41, 59);
    EXPECT_EQ(*answered, 1);
    EXPECT_GT(darkUnderDialog, 100);
    auto* text = Last<TTextLabel>();
    ASSERT_TRUE(text);
    EXPECT_EQ(text->LabelText(), "Netz");
    EXPECT_EQ(text->Corners[0], (MPoint{200, 300}));
    ExpectFinished(*text);
}

TEST_F(ViewDrawing, TextCancelledInItsDialogLeavesNothing) {
    InstallElementDialogs();
    Mode(emText);
    auto answered = AnswerNextDialog([](QDialog& d) { ClickButton(d, "AbbruchBtn"); });
    Press(40, 60);
    Release(40, 60);
    Settle();
    EXPECT_EQ(*answered, 1);
    EXPECT_EQ(panel().ElementCount(), 0u);
    EXPECT_EQ(panel().EditMode(), emStandard);
    // The preview is gone.
    EXPECT_EQ(CountColor(view->Picture().copy(40, 60, 200, 45), kBlack), 0);
}

}  // namespace
