// Which menu items and buttons are enabled for 0, 1 and 2 selected elements.
#include "panel/command_states.h"

#include "command_test_support.h"

namespace pw::test {
namespace {

using CommandStatesTest = CommandFixture;

// The items that need a selection, as one list of flags.
std::vector<bool> SelectionItems(const CommandStates& c) {
    return {c.Ausschneiden1, c.sb_Cut,    c.Kopieren1,     c.sb_copy,          c.Duplizieren1,
            c.sb_Dub,        c.Lschen1,   c.SB_Del,        c.Nachvornesetzen1, c.Nachhintensetzen1,
            c.an_vorne,      c.an_Hinten, c.an_Horizontal, c.an_vertikal,      c.zurBibliothekhinzufgen1,
            c.ZoomSelected};
}

std::vector<bool> MultipleSelectionItems(const CommandStates& c) {
    return {c.Gruppieren1, c.sb_gruppieren, c.ar_links,  c.ar_hMitte,
            c.ar_rechts,   c.ar_oben,       c.ar_vMitte, c.ar_unten};
}

const std::vector<bool> kAllOn(16, true), kAllOff(16, false);

TEST_F(CommandStatesTest, EmptyPanel) {
    const CommandStates c = ComputeCommandStates(panel, {});
    EXPECT_EQ(SelectionItems(c), kAllOff);
    EXPECT_EQ(MultipleSelectionItems(c), std::vector<bool>(8, false));
    EXPECT_FALSE(c.Allesauswhlen1 || c.Drucken1 || c.Exportieren1 || c.ZoomAll);
    EXPECT_FALSE(c.Einfgen1 || c.sb_insert || c.Rckgngig1 || c.Gruppierungaufheben1 || c.sb_GruppeAufloesen);
    EXPECT_TRUE(c.Speichern1 && c.Speichernals1 && c.sb_save && c.sb_neu);
    EXPECT_FALSE(c.Bibliothek1);
    EXPECT_FALSE(c.RasterBtnDown);
}

TEST_F(CommandStatesTest, NothingSelected) {
    AddBox(0, 0, 100, 100);
    AddBox(200, 0, 300, 100);
    const CommandStates c = ComputeCommandStates(panel, {true, true});
    EXPECT_EQ(SelectionItems(c), kAllOff);
    EXPECT_TRUE(c.Allesauswhlen1 && c.Drucken1 && c.Exportieren1 && c.ZoomAll);
    EXPECT_TRUE(c.Einfgen1 && c.sb_insert);
    EXPECT_TRUE(c.Bibliothek1);

    const PopupStates p = ComputePopupStates(panel, {true, true});
    EXPECT_FALSE(p.Ausschneiden2 || p.Duplizieren || p.Kopieren || p.Lschen2 || p.NachVorne || p.nachhinten);
    EXPECT_FALSE(p.zurBibliothekhinzufgen2);
    EXPECT_TRUE(p.Einfgen);
    EXPECT_TRUE(p.Eigenschften);  // the panel's properties
}

TEST_F(CommandStatesTest, OneSelected) {
    TRechteck* a = AddBox(0, 0, 100, 100);
    AddBox(200, 0, 300, 100);
    Select({a});
    const CommandStates c = ComputeCommandStates(panel, {false, false});
    EXPECT_EQ(SelectionItems(c), kAllOn);
    EXPECT_EQ(MultipleSelectionItems(c), std::vector<bool>(8, false));
    EXPECT_FALSE(c.Gruppierungaufheben1);
    EXPECT_FALSE(c.Einfgen1);

    const PopupStates p = ComputePopupStates(panel, {false, false});
    EXPECT_TRUE(p.Ausschneiden2 && p.Duplizieren && p.Kopieren && p.Lschen2 && p.NachVorne && p.nachhinten);
    EXPECT_FALSE(p.zurBibliothekhinzufgen2);  // the library is not shown
    EXPECT_FALSE(p.Eigenschften);             // a rectangle has no properties dialog
    EXPECT_TRUE(ComputePopupStates(panel, {false, true}).zurBibliothekhinzufgen2);
}

TEST_F(CommandStatesTest, TwoSelectedThenGroupedThenUndone) {
    TRechteck* a = AddBox(0, 0, 100, 100);
    TRechteck* b = AddBox(200, 0, 300, 100);
    Select({a, b});
    CommandStates c = ComputeCommandStates(panel, {});
    EXPECT_EQ(SelectionItems(c), kAllOn);
    EXPECT_EQ(MultipleSelectionItems(c), std::vector<bool>(8, true));
    EXPECT_FALSE(c.Gruppierungaufheben1 || c.sb_GruppeAufloesen);
    EXPECT_FALSE(c.Rckgngig1);
    EXPECT_FALSE(ComputePopupStates(panel, {}).Eigenschften);

    GroupCommand(panel);
    c = ComputeCommandStates(panel, {});
    EXPECT_TRUE(c.Gruppierungaufheben1 && c.sb_GruppeAufloesen);
    EXPECT_FALSE(c.Gruppieren1 || c.ar_links);  // one element: the group
    EXPECT_TRUE(c.Rckgngig1);

    UndoCommand(panel);
    c = ComputeCommandStates(panel, {});
    EXPECT_FALSE(c.Rckgngig1);
    EXPECT_EQ(SelectionItems(c), kAllOff);
}

TEST_F(CommandStatesTest, PropertiesForTextsDrillHolesArcsAndBitmaps) {
    TBohrung* drill = AddDrill({500, 500});
    TBogen* arc = AddArc({1000, 1000}, 200);
    TRechteck* box = AddBox(0, 0, 100, 100);
    TBauteil* text = AddBox(0, 200, 100, 300);
    text->KindCode = kcText;
    TBauteil* bitmap = AddBox(0, 400, 100, 500);
    bitmap->KindCode = kcBitmap;
    for (TBauteil* e : {static_cast<TBauteil*>(drill), static_cast<TBauteil*>(arc), text, bitmap}) {
        panel.SelectAll(false);
        Select({e});
        EXPECT_TRUE(ElementPropertiesEnabled(panel)) << e->ClassName();
    }
    panel.SelectAll(false);
    Select({box});
    EXPECT_FALSE(ElementPropertiesEnabled(panel));
    // One selected drill hole, but the current element is another one.
    panel.SelectAll(false);
    Select({drill});
    panel.SetCurrentElement(arc);
    EXPECT_FALSE(ElementPropertiesEnabled(panel));
}

TEST_F(CommandStatesTest, GridButtonShowsThePanelsGrid) {
    panel.GridVisible = true;
    EXPECT_TRUE(ComputeCommandStates(panel, {}).RasterBtnDown);
}

}  // namespace
}  // namespace pw::test
