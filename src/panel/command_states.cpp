#include "panel/command_states.h"

namespace pw {

bool ElementPropertiesEnabled(const TPlatine& panel) {
    const size_t s = panel.SelectedCount();
    if (s == 0) return true;
    if (s != 1) return false;
    // The dialog runs for the current element; it must be the selected one.
    const TBauteil* e = panel.CurrentElement();
    if (!e || !e->GetSelected()) return false;
    switch (e->KindCode) {
        case kcText:
        case kcDrill:
        case kcArc:
        case kcBitmap:
            return true;
        default:
            return false;
    }
}

CommandStates ComputeCommandStates(const TPlatine& panel, const WindowState& window) {
    const size_t s = panel.SelectedCount();
    const size_t e = panel.ElementCount();
    const bool any = s > 0, several = s > 1;
    CommandStates c;

    c.Rckgngig1 = panel.UndoAvailable();
    c.Ausschneiden1 = c.sb_Cut = any;
    c.Kopieren1 = c.sb_copy = any;
    c.Einfgen1 = c.sb_insert = window.clipboardFilled;
    c.Duplizieren1 = c.sb_Dub = any;
    c.Allesauswhlen1 = e > 0;
    c.Lschen1 = c.SB_Del = any;

    c.Nachvornesetzen1 = c.Nachhintensetzen1 = any;
    c.an_vorne = c.an_Hinten = c.an_Horizontal = c.an_vertikal = any;
    c.Gruppieren1 = c.sb_gruppieren = several;
    c.Gruppierungaufheben1 = c.sb_GruppeAufloesen = panel.CanUngroup();

    c.ar_links = c.ar_hMitte = c.ar_rechts = several;
    c.ar_oben = c.ar_vMitte = c.ar_unten = several;

    c.Bibliothek1 = window.libraryVisible;
    c.zurBibliothekhinzufgen1 = any;

    c.Drucken1 = c.Exportieren1 = e > 0;

    c.ZoomSelected = any;
    c.ZoomAll = e > 0;
    c.RasterBtnDown = panel.GridVisible;
    return c;
}

PopupStates ComputePopupStates(const TPlatine& panel, const WindowState& window) {
    const bool any = panel.HasSelection();
    PopupStates p;
    p.Ausschneiden2 = p.Duplizieren = p.Kopieren = p.Lschen2 = any;
    p.NachVorne = p.nachhinten = any;
    p.Einfgen = window.clipboardFilled;
    p.Eigenschften = ElementPropertiesEnabled(panel);
    p.zurBibliothekhinzufgen2 = any && window.libraryVisible;
    return p;
}

}  // namespace pw
