// The pen, brush and font windows in the main window: their lines and controls reach the
// current panel's drawing attributes, their assign buttons the selection, and a marked element
// shows its attributes in them.
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include "core/ini_file.h"
#include "elements/textlabel.h"
#include "main_window_fixture.h"
#include "ui/dialogs/colour_swatch.h"
#include "ui/dialogs/number_field.h"
#include "ui/lists/fontbox.h"
#include "ui/lists/fuell_dlg.h"
#include "ui/lists/list_view.h"
#include "ui/lists/stiftbox.h"
#include "ui/main/side_area.h"

namespace pw {
namespace {

struct SideWindows : test::WindowFixture {
    // The lists shipped with the program, as a first start copies them.
    void SeedLists() {
        for (const char* name : {"Stifte.ini", "Fuellung.ini", "Fonts.ini"})
            std::filesystem::copy_file(std::string(PW_DATA_DIR) + "/home/" + name, home.File(name));
    }
    void ClickLine(int page, ListView* view, int row) {
        window->Side()->Select(page);
        QCoreApplication::processEvents();
        QListWidget* list = view->List();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(list->item(row)).center());
    }
    // A press and release at the point, after a move to it.
    void ClickView(int x, int y) {
        QWidget* area = window->CurrentView().viewport();
        QMouseEvent move(QEvent::MouseMove, QPointF(x, y), area->mapToGlobal(QPointF(x, y)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(area, &move);
        QTest::mouseClick(area, Qt::LeftButton, {}, {x, y});
    }
    static QLineEdit* Editor(ListView* view) { return view->Editor(); }
};

TEST_F(SideWindows, ChosenPenAndBrushDrawTheNextRectangle) {
    SeedLists();
    Open();
    TStiftbox* pens = window->PenWindow();
    ASSERT_EQ(pens->Stiftliste->List()->count(), 8);
    ClickLine(SideArea::kStift, pens->Stiftliste, 7);  // "1 mm rot"
    EXPECT_EQ(Panel().CurrentPenColor, kRed);
    EXPECT_EQ(Panel().CurrentPenWidth, 50);
    EXPECT_EQ(pens->BreiteEdit->Text(), "1");
    ClickLine(SideArea::kFuell, window->BrushWindow()->FuellungListe, 4);  // hatched
    EXPECT_EQ(Panel().CurrentBrushStyle, bsBDiagonal);
    EXPECT_TRUE(Panel().CurrentFill);

    Panel().SetEditMode(emRect);
    ClickView(100, 100);
    ClickView(300, 250);
    ASSERT_EQ(Panel().ElementCount(), 1u);
    TBauteil* rect = Panel().Element(0);
    EXPECT_EQ(rect->StiftFarbe(), kRed);
    EXPECT_EQ(rect->StiftBreite(), 50);
    EXPECT_EQ(rect->BrushStyle(), bsBDiagonal);
    EXPECT_TRUE(rect->FuellenFlag());
}

TEST_F(SideWindows, AssignButtonsApplyTheirAttributeAndUndoTakesItBack) {
    SeedLists();
    Open();
    TRechteck* box = AddBox(100, 100, 1000, 1000);
    Select({box});
    TStiftbox* pens = window->PenWindow();
    EXPECT_FALSE(pens->Stiftliste->List()->currentItem());  // the box's pen shows instead
    ClickLine(SideArea::kStift, pens->Stiftliste, 6);       // "1 mm punktiert"
    pens->BreiteZuweisBtn->click();
    EXPECT_EQ(box->StiftBreite(), 50);
    EXPECT_EQ(box->StiftPattern(), ptDurchgezogen);
    pens->StilZuweisBtn->click();
    EXPECT_EQ(box->StiftPattern(), ptPunkt);
    Trigger("Rckgngig1");
    EXPECT_EQ(Panel().Element(0)->StiftPattern(), ptDurchgezogen);
    EXPECT_EQ(Panel().Element(0)->StiftBreite(), 50);

    Select({Panel().Element(0)});
    ClickLine(SideArea::kFuell, window->BrushWindow()->FuellungListe, 0);  // solid white
    window->BrushWindow()->FarbeZuweisBtn->click();
    EXPECT_EQ(Panel().Element(0)->BrushFarbe(), kWhite);
    EXPECT_FALSE(Panel().Element(0)->FuellenFlag());
    window->BrushWindow()->ZuweisBtn->click();
    EXPECT_TRUE(Panel().Element(0)->FuellenFlag());
}

TEST_F(SideWindows, AMarkedElementShowsItsAttributes) {
    SeedLists();
    Open();
    TRechteck* box = AddBox(100, 100, 1000, 1000);
    box->SetStiftBreite(75);
    box->SetStiftFarbe(0x00FF00);
    box->SetStiftPattern(ptStrich);
    box->SetBrushStyle(bsCross);
    Select({box});
    TStiftbox* pens = window->PenWindow();
    EXPECT_EQ(pens->BreiteEdit->Text(), "1,5");
    EXPECT_EQ(pens->ColorPanel->Colour(), 0x00FF00u);
    EXPECT_EQ(pens->StyleCombo->currentIndex(), ptStrich);
    EXPECT_EQ(Panel().CurrentPenWidth, 75);
    EXPECT_EQ(window->BrushWindow()->StyleCombo->currentIndex(), bsCross);
    EXPECT_EQ(window->FontWindow()->FontListbox->List()->currentRow(), 0);  // not a text

    auto* text = static_cast<TTextLabel*>(Panel().AddElement(
        std::make_unique<TTextLabel>(FontSpec{"Liberation Serif", 175, fsBold}, "Abc", MPoint{0, 0})));
    text->SetStiftFarbe(0x0000C0);
    Select({text});
    TFontbox* fonts = window->FontWindow();
    EXPECT_EQ(fonts->FontListbox->List()->currentRow(), -1);
    EXPECT_EQ(fonts->HoeheEdit->Text(), "3,5");
    EXPECT_EQ(fonts->FontCombo->currentText(), "Liberation Serif");
    EXPECT_TRUE(fonts->BoldBtn->isChecked());
    EXPECT_EQ(Panel().CurrentFont, (FontSpec{"Liberation Serif", 175, fsBold}));
    EXPECT_EQ(Panel().CurrentFontColor, 0x0000C0u);
}

TEST_F(SideWindows, NameEditorTakesEnterAndKeepsTheOldNameOnEscape) {
    SeedLists();
    Open();
    window->Side()->Select(SideArea::kStift);
    ListView* view = window->PenWindow()->Stiftliste;
    view->List()->setCurrentRow(1);
    view->OpenEditor(1);
    QLineEdit* editor = Editor(view);
    ASSERT_TRUE(editor);
    EXPECT_FALSE(view->AddButton()->isEnabled());
    EXPECT_FALSE(view->DeleteButton()->isEnabled());
    editor->setText("verworfen");
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_EQ(window->PenWindow()->Pens().Entries().At(1).name, "0,2 mm schwarz");
    EXPECT_TRUE(view->AddButton()->isEnabled());

    view->OpenEditor(1);
    editor = Editor(view);
    ASSERT_TRUE(editor);
    editor->setText("Fräser 0,2");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the view takes the text after the key
    EXPECT_EQ(window->PenWindow()->Pens().Entries().At(1).name, "Fräser 0,2");
    IniFile written(home.File("Stifte.ini"));
    ASSERT_TRUE(written.Load());
    EXPECT_EQ(written.ReadString("Stift1", "Name"), "Fräser 0,2");
    EXPECT_TRUE(view->DeleteButton()->isEnabled());
}

TEST_F(SideWindows, AddingAndDeletingAskTheUser) {
    Open();
    TStiftbox* pens = window->PenWindow();
    EXPECT_EQ(pens->Stiftliste->List()->count(), 0);
    pens->BreiteEdit->SetText("7,5");
    pens->Stiftliste->AddButton()->click();
    ASSERT_EQ(prompts.Count("Warning"), 1);
    EXPECT_EQ(prompts.asked.back().title, "Stiftbreite");
    EXPECT_EQ(pens->BreiteEdit->Text(), "5");
    ASSERT_EQ(pens->Pens().Entries().Count(), 1);
    EXPECT_EQ(pens->Pens().Entries().At(0).name, "neuer Stift");
    EXPECT_EQ(Panel().CurrentPenWidth, 250);
    EXPECT_TRUE(pens->Stiftliste->EditorOpen());
    QTest::keyClick(Editor(pens->Stiftliste), Qt::Key_Escape);

    pens->Stiftliste->DeleteButton()->click();  // answered No
    EXPECT_EQ(pens->Pens().Entries().Count(), 1);
    prompts.yesNo = {true};
    pens->Stiftliste->DeleteButton()->click();
    EXPECT_EQ(pens->Pens().Entries().Count(), 0);
    EXPECT_EQ(prompts.asked.back().title, "Stift löschen");
    EXPECT_FALSE(pens->Stiftliste->DeleteButton()->isEnabled());
}

TEST_F(SideWindows, MissingFontListKeepsTheDefaultFont) {
    Open();
    TFontbox* fonts = window->FontWindow();
    EXPECT_EQ(fonts->FontListbox->List()->count(), 0);
    EXPECT_EQ(Panel().CurrentFont, (FontSpec{"Arial", 200, 0}));
    EXPECT_EQ(fonts->HoeheEdit->Text(), "4");
    EXPECT_FALSE(fonts->FontListbox->DeleteButton()->isEnabled());
    EXPECT_GE(fonts->FontCombo->findText("Liberation Sans"), 0);

    fonts->HoeheEdit->SetText("60");
    fonts->FontCombo->setCurrentIndex(fonts->FontCombo->findText("Liberation Mono"));
    fonts->FontListbox->AddButton()->click();
    ASSERT_EQ(prompts.Count("Warning"), 1);
    EXPECT_EQ(prompts.asked.back().title, "Fonthöhe");
    EXPECT_EQ(Panel().CurrentFont, (FontSpec{"Liberation Mono", 2500, 0}));
    EXPECT_EQ(fonts->Fonts().Entries().At(0).name, "Liberation Mono");
}

TEST_F(SideWindows, NewPanelsTakeTheWindowsValues) {
    SeedLists();
    Open();
    ClickLine(SideArea::kStift, window->PenWindow()->Stiftliste, 3);   // 1 mm black
    ClickLine(SideArea::kFont, window->FontWindow()->FontListbox, 3);  // serif 3.5 mm
    Trigger("Hinzufgen1");
    ASSERT_EQ(window->PanelCount(), 2);
    EXPECT_EQ(Panel().CurrentPenWidth, 50);
    EXPECT_EQ(Panel().CurrentFont, (FontSpec{"Liberation Serif", 175, 0}));
}

// The window on its own, with a colour dialog that answers at once.
TEST(PenWindow, ChosenColourAndEnteringTheWidthDeselectTheLine) {
    test::TempDir home;
    test::ScriptedPrompts prompts;
    home.Write("Stifte.ini", "[Stifte]\r\nAnzahl=1\r\n[Stift0]\r\nName=a\r\nBreite=5\r\n");
    int asked = 0;
    ListWindowContext context{home.Path() + "/", &prompts, [&asked](QWidget*, Color initial) {
                                  ++asked;
                                  return std::optional<Color>(initial == 0 ? 0x00FF00 : 0);
                              }};
    TStiftbox pens(context);
    std::vector<PenValues> reported;
    QObject::connect(&pens, &TStiftbox::penChanged,
                     [&reported](const PenValues& p) { reported.push_back(p); });
    ASSERT_TRUE(pens.Pens().Entries().HasSelection());
    pens.ColorPanel->clicked();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(pens.Pens().Entries().HasSelection());
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0].color, 0x00FF00u);
    EXPECT_EQ(reported[0].width, 5);
    EXPECT_EQ(pens.ColorPanel->Colour(), 0x00FF00u);

    pens.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&pens));
    pens.Stiftliste->List()->setFocus();
    QTest::mouseClick(pens.Stiftliste->List()->viewport(), Qt::LeftButton, {},
                      pens.Stiftliste->List()->visualItemRect(pens.Stiftliste->List()->item(0)).center());
    ASSERT_TRUE(pens.Pens().Entries().HasSelection());
    pens.BreiteEdit->setFocus();  // entering the width field leaves no line selected
    EXPECT_FALSE(pens.Pens().Entries().HasSelection());
    EXPECT_EQ(pens.Current().width, 5);
}

}  // namespace
}  // namespace pw
