// Edit and panel commands in the main window: undo, clipboard, alignment, rotation, regular
// polygon, grid and panel dialogs, the tool palette and the command states.
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "elements/polygon.h"
#include "main_window_fixture.h"
#include "ui/main/ruler.h"
#include "ui/main/tool_palette.h"

namespace pw {
namespace {

struct Editing : test::WindowFixture {
    void SetUp() override { Open(); }

    MRect Bounds(TBauteil* e) { return NormaliseRect(e->GetBounds()); }
};

TEST_F(Editing, UndoAfterCutRestoresTheElementsAndASecondUndoDoesNothing) {
    TRechteck* a = AddBox(100, 100, 500, 500);
    AddBox(1000, 1000, 1500, 1500);
    Select({a});
    ASSERT_FALSE(Action("Rckgngig1")->isEnabled());
    ASSERT_FALSE(Action("Einfgen1")->isEnabled());
    Trigger("Ausschneiden1");
    EXPECT_EQ(Panel().ElementCount(), 1u);
    EXPECT_TRUE(window->Clipboard().filled);
    EXPECT_TRUE(Action("Einfgen1")->isEnabled());
    EXPECT_TRUE(Action("sb_insert")->isEnabled());
    Trigger("Rckgngig1");
    EXPECT_EQ(Panel().ElementCount(), 2u);
    EXPECT_FALSE(Action("Rckgngig1")->isEnabled());
    window->UndoSlot();
    EXPECT_EQ(Panel().ElementCount(), 2u);
    EXPECT_EQ(Bounds(Panel().Element(0)), (MRect{100, 100, 500, 500}));
}

TEST_F(Editing, AlignLeftMovesTheOthersToTheCurrentElement) {
    TRechteck* a = AddBox(900, 100, 1200, 300);
    TRechteck* b = AddBox(1400, 400, 1600, 600);
    TRechteck* current = AddBox(500, 800, 700, 1000);  // x1 = 10 mm
    Select({a, b, current});
    Trigger("ar_links");
    EXPECT_EQ(Bounds(a), (MRect{500, 100, 800, 300}));
    EXPECT_EQ(Bounds(b), (MRect{500, 400, 700, 600}));
    EXPECT_EQ(Bounds(current), (MRect{500, 800, 700, 1000}));
    EXPECT_TRUE(Action("Rckgngig1")->isEnabled());
}

TEST_F(Editing, RotationIgnoresTheTypedSign) {
    TLinie* line = AddLine({1000, 1000}, {2000, 1000});
    Select({line});
    window->findChild<QLineEdit*>("Winkel_Edit")->setText("-30");
    Trigger("WinkelRechtsBtn");
    // Clockwise on screen: the right end goes down (y grows downwards).
    EXPECT_NEAR(static_cast<double>(line->Point(1).x), 1500 + 500 * std::cos(M_PI / 6), 1e-6);
    EXPECT_NEAR(static_cast<double>(line->Point(1).y), 1250, 1e-6);
    Trigger("WinkelLinksBtn");
    Trigger("WinkelLinksBtn");
    EXPECT_NEAR(static_cast<double>(line->Point(1).y), 750, 1e-6);
}

TEST_F(Editing, TheRegularPolygonLiesOnTheSnapGridAtItsCentre) {
    RegularPolygonInput in;
    in.corners = 6;
    in.radiusText = "10";
    in.innerRadius = true;
    in.startAngleText = "0";
    dialogs.regularPolygon = in;
    window->Palette()->Button("VieleckBtn")->click();
    ASSERT_EQ(Panel().ElementCount(), 1u);
    auto* polygon = dynamic_cast<TPolygon*>(Panel().Element(0));
    ASSERT_NE(polygon, nullptr);
    ASSERT_EQ(polygon->PointCount(), 6u);
    EXPECT_TRUE(polygon->GetSelected());
    // The centre before snapping is 1.2 circumradii (13.856 mm); the 1 mm grid takes it to 14 mm.
    MPoint sum{0, 0};
    for (const MPoint& p : polygon->Points()) sum = {sum.x + p.x, sum.y + p.y};
    EXPECT_NEAR(static_cast<double>(sum.x / 6), 700, 1e-6);
    EXPECT_NEAR(static_cast<double>(sum.y / 6), 700, 1e-6);
    // The first corner at the start angle, 11.547 mm from the centre.
    EXPECT_NEAR(static_cast<double>(polygon->Point(0).x), 700 + 577.35, 0.01);
    EXPECT_NEAR(static_cast<double>(polygon->Point(0).y), 700, 1e-6);
    EXPECT_EQ(Panel().EditMode(), emStandard);
    EXPECT_EQ(window->Palette()->Pressed(), ToolPalette::kStandard);
}

TEST_F(Editing, CommandStatesForNoneOneAndTwoSelectedElements) {
    TRechteck* a = AddBox(100, 100, 500, 500);
    TRechteck* b = AddBox(1000, 1000, 1500, 1500);
    auto enabled = [&](std::initializer_list<const char*> names) {
        std::string wrong;
        for (const char* n : names)
            if (!Action(n)->isEnabled()) wrong += std::string(n) + " ";
        return wrong;
    };
    auto disabled = [&](std::initializer_list<const char*> names) {
        std::string wrong;
        for (const char* n : names)
            if (Action(n)->isEnabled()) wrong += std::string(n) + " ";
        return wrong;
    };
    const auto selection = {"Ausschneiden1", "Kopieren1",  "Duplizieren1",     "Lschen1",
                            "sb_Cut",        "sb_copy",    "sb_Dub",           "SB_Del",
                            "an_vorne",      "an_Hinten",  "Nachvornesetzen1", "Nachhintensetzen1",
                            "an_Horizontal", "an_vertikal"};
    const auto several = {"ar_links",  "ar_hMitte", "ar_rechts",   "ar_oben",
                          "ar_vMitte", "ar_unten",  "Gruppieren1", "sb_gruppieren"};
    // Nothing selected.
    EXPECT_EQ(disabled(selection), "");
    EXPECT_EQ(disabled(several), "");
    EXPECT_EQ(enabled({"Allesauswhlen1", "Speichern1", "Speichernals1", "sb_save", "sb_neu"}), "");
    EXPECT_EQ(disabled({"Einfgen1", "sb_insert", "Rckgngig1", "Gruppierungaufheben1"}), "");
    // Printing needs elements on the panel; export and the library come with later versions.
    EXPECT_EQ(enabled({"Drucken1", "sb_Print"}), "");
    EXPECT_EQ(disabled({"Exportieren1", "zurBibliothekhinzufgen1"}), "");
    // One.
    Select({a});
    EXPECT_EQ(enabled(selection), "");
    EXPECT_EQ(disabled(several), "");
    // Two.
    Select({b});
    EXPECT_EQ(enabled(selection), "");
    EXPECT_EQ(enabled(several), "");
    EXPECT_FALSE(Action("Gruppierungaufheben1")->isEnabled());
    // A group alone can be split.
    Trigger("Gruppieren1");
    EXPECT_EQ(Panel().ElementCount(), 1u);
    EXPECT_TRUE(Action("Gruppierungaufheben1")->isEnabled());
    EXPECT_TRUE(Action("sb_GruppeAufloesen")->isEnabled());
    EXPECT_EQ(disabled(several), "");
}

TEST_F(Editing, ThePopupMenuFollowsTheSelection) {
    TRechteck* a = AddBox(100, 100, 500, 500);
    emit window->CurrentView().popupRequested(QPoint(200, 200));
    auto* menu = window->findChild<QMenu*>("BauteilMenu");
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_FALSE(Action("Kopieren")->isEnabled());
    EXPECT_FALSE(Action("Einfgen")->isEnabled());
    // Nothing selected: the properties are the panel's.
    EXPECT_TRUE(Action("Eigenschften")->isEnabled());
    menu->hide();
    Select({a});
    emit window->CurrentView().popupRequested(QPoint(200, 200));
    EXPECT_TRUE(Action("Kopieren")->isEnabled());
    EXPECT_TRUE(Action("Lschen2")->isEnabled());
    EXPECT_FALSE(Action("Eigenschften")->isEnabled());  // a contour has no dialog
    // The library shows: the selection can be added to it.
    EXPECT_TRUE(Action("zurBibliothekhinzufgen2")->isEnabled());
    menu->hide();
}

TEST_F(Editing, ArrowKeysMoveTheSelectionThroughTheFocusField) {
    TRechteck* a = AddBox(100, 100, 500, 500);
    Select({a});
    auto* focus = window->findChild<QWidget*>("Edit1");
    ASSERT_NE(focus, nullptr);
    QTest::keyClick(focus, Qt::Key_Right);
    EXPECT_EQ(Bounds(a), (MRect{150, 100, 550, 500}));
    QTest::keyClick(focus, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Bounds(a), (MRect{150, 105, 550, 505}));
    QTest::keyClick(focus, Qt::Key_Delete);
    EXPECT_EQ(Panel().ElementCount(), 0u);
}

TEST_F(Editing, ToolButtonsSetTheEditMode) {
    window->Palette()->Button("LinieBtn")->click();
    EXPECT_EQ(Panel().EditMode(), emLinie);
    EXPECT_EQ(window->Palette()->Pressed(), ToolPalette::kLinie);
    window->Palette()->Button("ZoomBtn")->click();
    EXPECT_EQ(Panel().EditMode(), emZoom);
    EXPECT_EQ(window->Palette()->Pressed(), ToolPalette::kZoom);
    // The panel reporting text mode shows the selecting tool pressed.
    Panel().SetEditMode(emText);
    EXPECT_EQ(window->Palette()->Pressed(), ToolPalette::kStandard);
}

TEST_F(Editing, ARightClickOnTheOriginButtonOpensTheGridDialog) {
    QToolButton* origin = window->Palette()->Button("UrsprungBtn");
    QTest::mouseClick(origin, Qt::RightButton);
    EXPECT_EQ(dialogs.gridShown, 1);
    EXPECT_NE(Panel().EditMode(), emUrsprung);
    QTest::mouseClick(origin, Qt::LeftButton);
    EXPECT_EQ(Panel().EditMode(), emUrsprung);
}

TEST_F(Editing, TheGridDialogReturnsUntilTheEntryIsValid) {
    dialogs.grid = {GridDialogValues{"0", "0", "0,01", true}, GridDialogValues{"12,345", "0", "0,02", true}};
    Trigger("Raster1");
    EXPECT_EQ(dialogs.gridShown, 2);
    EXPECT_EQ(Panel().SnapSpacing, 1);
    EXPECT_EQ(Panel().GridOrigin.x, 617);
    EXPECT_TRUE(Action("RasterBtn")->isChecked());
}

TEST_F(Editing, PanelPropertiesStoreRoundedUnitsAndRenameTheTab) {
    dialogs.panelProperties = PanelPropertiesValues{"Platte", 123.456L, 700, 0x123456};
    Trigger("Eigenschaften1");
    EXPECT_EQ(Panel().Width, 6173);
    EXPECT_EQ(Panel().Height, 30000);
    EXPECT_EQ(Panel().StoredFrontplattenFarbe(), 0x123456u);
    EXPECT_EQ(window->TabStrip()->tabText(0), "Platte");
}

TEST_F(Editing, AThirtyFiveCharacterNameDuplicatedInGerman) {
    AddBox(100, 100, 500, 500);
    const std::string name = "ABCDEFGHIJKLMNOPQRSTUVWXYZ123456789";
    ASSERT_EQ(name.size(), 35u);
    Panel().Name.SetText(name);
    Trigger("Duplizieren2");
    ASSERT_EQ(window->PanelCount(), 2);
    EXPECT_EQ(window->CurrentIndex(), 1);
    EXPECT_EQ(Panel().Name.Text(), "Kopie von ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    EXPECT_EQ(window->TabStrip()->tabText(1), "Kopie von ABCDEFGHIJKLMNOPQRSTUVWXYZ1234");
    EXPECT_EQ(Panel().ElementCount(), 1u);
    EXPECT_EQ(Panel().Width, 5000);
    EXPECT_EQ(window->Panel(0).Name.Text(), name);
}

TEST_F(Editing, DeletingAPanelAsksAndTheLastOneStays) {
    Trigger("Hinzufgen1");
    ASSERT_EQ(window->PanelCount(), 2);
    prompts.yesNo = {false};
    Trigger("Lschen3");
    ASSERT_EQ(prompts.Count("YesNo"), 1);
    EXPECT_EQ(prompts.asked.back().title, "Frontplatte löschen");
    EXPECT_EQ(prompts.asked.back().text,
              "Möchten Sie die Frontplatte \"neu\" endgültig aus dem Projekt entfernen?");
    EXPECT_EQ(window->PanelCount(), 2);
    prompts.yesNo = {true};
    Trigger("Lschen3");
    EXPECT_EQ(window->PanelCount(), 1);
    window->DeletePanelCommand();
    EXPECT_EQ(window->PanelCount(), 1);
    EXPECT_EQ(prompts.Count("YesNo"), 2);
}

TEST_F(Editing, PanelsMoveToTheFrontAndTheBack) {
    Panel().Name.SetText("A");
    Trigger("Hinzufgen1");
    Panel().Name.SetText("B");
    Trigger("Hinzufgen1");
    Panel().Name.SetText("C");
    Trigger("Platinenachvorne1");
    EXPECT_EQ(window->CurrentIndex(), 0);
    EXPECT_EQ(window->Panel(0).Name.Text(), "C");
    EXPECT_EQ(window->Panel(1).Name.Text(), "A");
    EXPECT_EQ(window->Panel(2).Name.Text(), "B");
    Trigger("Platinenachhinten1");
    EXPECT_EQ(window->CurrentIndex(), 2);
    EXPECT_EQ(window->Panel(2).Name.Text(), "C");
}

TEST_F(Editing, TheSideWindowsEventsSetTheDrawingAttributesAndApplyThem) {
    TRechteck* a = AddBox(100, 100, 500, 500);
    TRechteck* b = AddBox(1000, 1000, 1500, 1500);
    const Color unselectedColour = b->StiftFarbe();
    Select({a});
    PenValues pen;
    pen.width = 100;
    pen.color = RGBColor(0, 128, 0);
    window->PenChanged(pen);
    EXPECT_EQ(Panel().CurrentPenWidth, 100);
    EXPECT_EQ(a->StiftBreite(), 0);
    EXPECT_FALSE(Action("Rckgngig1")->isEnabled());
    // Code 1: only the colour goes to the selection.
    window->PenApplied(1, pen);
    EXPECT_EQ(a->StiftFarbe(), RGBColor(0, 128, 0));
    EXPECT_EQ(a->StiftBreite(), 0);
    EXPECT_EQ(b->StiftFarbe(), unselectedColour);
    EXPECT_TRUE(Action("Rckgngig1")->isEnabled());
    BrushValues brush{RGBColor(200, 0, 0), bsSolid};
    window->BrushApplied(0, brush);
    EXPECT_EQ(a->BrushFarbe(), RGBColor(200, 0, 0));
    EXPECT_TRUE(a->FuellenFlag());
    EXPECT_TRUE(Panel().CurrentFill);
}

TEST_F(Editing, TheRulerMarkersShowTheSnappedPointerPosition) {
    TPlatine& p = Panel();
    // A pointer 3.4 mm right and 7.6 mm down of the panel's corner snaps to 3 mm and 8 mm.
    const double zoom = p.Zoom();
    const int x = static_cast<int>(3.4 * zoom) + p.ScrollX, y = static_cast<int>(7.6 * zoom) + p.ScrollY;
    emit window->CurrentView().mouseMoved(false, x, y);
    const IPoint snapped = p.ModelToPixel({150, 400});
    EXPECT_EQ(window->HorizontalRuler()->MarkerPosition(), snapped.x - p.ScrollX - 1);
    EXPECT_EQ(window->VerticalRuler()->MarkerPosition(), snapped.y - p.ScrollY - 1);
}

TEST_F(Editing, CommandsOfLaterVersionsAreDisabled) {
    EXPECT_FALSE(window->Palette()->Button("BitmapBtn")->isEnabled());
    for (const char* name : {"Importieren1", "Exportieren1"}) EXPECT_FALSE(Action(name)->isEnabled()) << name;
}

TEST_F(Editing, TheDisplaySwitchesActOnTheCurrentPanelAndShowItsState) {
    Trigger("MasseBtn");  // released: dimensions hidden on panel 0
    EXPECT_FALSE(Panel().MitBemassung());
    Trigger("Hinzufgen1");
    // A new panel takes the switches as they are.
    EXPECT_FALSE(Panel().MitBemassung());
    Trigger("MasseBtn");
    EXPECT_TRUE(Panel().MitBemassung());
    window->TabStrip()->setCurrentIndex(0);
    EXPECT_FALSE(Action("MasseBtn")->isChecked());
    Trigger("RasterBtn");
    EXPECT_TRUE(Panel().GridVisible);
    EXPECT_TRUE(Action("RasterBtn")->isChecked());
    window->TabStrip()->setCurrentIndex(1);
    EXPECT_FALSE(Action("RasterBtn")->isChecked());
}

}  // namespace
}  // namespace pw
