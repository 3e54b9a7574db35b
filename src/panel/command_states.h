#pragma once
// Which menu items and buttons of the main window are enabled (and which toggle button shows
// pressed), computed from the current panel and the window's own state. The window computes
// these after every command, on every OnMyClick of the panel and when the "&Bearbeiten" or
// "&Anordnen" menu opens (DoMenues), and before it shows the panel's pop-up menu.
//
// Items not listed here are always enabled: the rotate, contour and milling buttons and their
// fields, the display switches, the drawing tools, VieleckBtn, "&Ursprung setzen",
// "&Raster einrichten...". They do nothing but take the snapshot when nothing suitable is
// selected.

#include "panel/platine.h"

namespace pw {

// What the main window knows that the panel does not.
struct WindowState {
    bool clipboardFilled = false;  // the element clipboard's flag
    bool libraryVisible = false;   // SymbolBtn pressed
};

// Fields are named after the menu items and buttons.
struct CommandStates {
    // "&Bearbeiten" menu and Toolbar_Bearbeiten.
    bool Rckgngig1 = false;      // "&Rückgängig"
    bool Ausschneiden1 = false;  // "A&usschneiden"
    bool sb_Cut = false;
    bool Kopieren1 = false;  // "&Kopieren"
    bool sb_copy = false;
    bool Einfgen1 = false;  // "&Einfügen"
    bool sb_insert = false;
    bool Duplizieren1 = false;  // "&Duplizieren"
    bool sb_Dub = false;
    bool Allesauswhlen1 = false;  // "&Alles auswählen"
    bool Lschen1 = false;         // "&Löschen"
    bool SB_Del = false;

    // "&Anordnen" menu and ToolBar_Anordnen.
    bool Nachvornesetzen1 = false;   // "Nach &vorne setzen"
    bool Nachhintensetzen1 = false;  // "Nach &hinten setzen"
    bool an_vorne = false;
    bool an_Hinten = false;
    bool Gruppieren1 = false;  // "&Gruppe bilden"
    bool sb_gruppieren = false;
    bool Gruppierungaufheben1 = false;  // "Gruppe auf&lösen"
    bool sb_GruppeAufloesen = false;
    bool an_Horizontal = false;  // "Vertikal spiegeln"
    bool an_vertikal = false;    // "Horizontal spiegeln"

    // ToolBar_ausrichten.
    bool ar_links = false;
    bool ar_hMitte = false;
    bool ar_rechts = false;
    bool ar_oben = false;
    bool ar_vMitte = false;
    bool ar_unten = false;

    // "B&ibliothek" menu.
    bool Bibliothek1 = false;
    bool zurBibliothekhinzufgen1 = false;  // "zur Bibliothek &hinzufügen..."

    // "&Datei" menu and ToolBar_Datei. "&Exportieren..." is set when the "&Datei" menu opens.
    bool Drucken1 = false;      // "&Drucken..."
    bool Exportieren1 = false;  // "&Exportieren..."
    bool Speichern1 = true;     // "&Speichern"
    bool Speichernals1 = true;  // "Speichern &als.."
    bool sb_save = true;
    bool sb_neu = true;

    // The view window's zoom buttons.
    bool ZoomSelected = false;
    bool ZoomAll = false;

    // Pressed state of RasterBtn: the panel's grid is visible.
    bool RasterBtnDown = false;
};

// Items of BauteilMenu, the pop-up menu of the panel.
struct PopupStates {
    bool Ausschneiden2 = false;            // "Ausschneiden"
    bool Duplizieren = false;              // "Duplizieren"
    bool Kopieren = false;                 // "Kopieren"
    bool Lschen2 = false;                  // "Löschen"
    bool NachVorne = false;                // "Nach vorne setzen"
    bool nachhinten = false;               // "Nach hinten setzen"
    bool Einfgen = false;                  // "Einfügen"
    bool Eigenschften = false;             // "Eigenschaften"
    bool zurBibliothekhinzufgen2 = false;  // "zur Bibliothek hinzufügen"
};

CommandStates ComputeCommandStates(const TPlatine& panel, const WindowState& window);
PopupStates ComputePopupStates(const TPlatine& panel, const WindowState& window);

// "Eigenschaften": nothing selected (the panel's properties), or one element selected and the
// current element is a text, drill hole, arc or bitmap.
bool ElementPropertiesEnabled(const TPlatine& panel);

}  // namespace pw
