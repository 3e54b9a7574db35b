#pragma once
// The edit commands of the main window that act on the elements of the current panel: undo,
// the element clipboard, delete and select all, drawing order, grouping, mirroring, alignment,
// rotation by the angle step, contour smoothing, milling and the display switches. Each takes
// the panel (and, for the clipboard commands, the window's element clipboard) and does what
// the menu item or button does, the undo snapshot included; the window wires its menu items
// and buttons to these and refreshes its command states afterwards (command_states.h).

#include <string_view>

#include "panel/platine.h"

namespace pw {

// The element clipboard the main window owns: one memory stream shared by all panels and the
// flag set by the first copy, cut or duplicate, never cleared during a run.
struct ElementClipboard {
    MemoryStream stream;
    bool filled = false;
};

// --- Bearbeiten ---

// "&Rückgängig" (Alt+Backspace, Ctrl+Z) and "&Wiederherstellen" (Alt+Shift+Backspace,
// Ctrl+Shift+Z): false when nothing was done (nothing to do, refused, or failed).
bool UndoCommand(TPlatine& panel);
bool RedoCommand(TPlatine& panel);
// "A&usschneiden" (Ctrl+X), sb_Cut: snapshot, copy, delete the selection.
void CutCommand(TPlatine& panel, ElementClipboard& clipboard);
// "&Kopieren" (Ctrl+C), sb_copy: the selection replaces the clipboard's content.
void CopyCommand(TPlatine& panel, ElementClipboard& clipboard);
// "&Einfügen" (Ctrl+V), sb_insert: snapshot, then the clipboard's elements follow the mouse.
void PasteCommand(TPlatine& panel, ElementClipboard& clipboard);
// "&Duplizieren" (Ctrl+D), sb_Dub: snapshot, copy, paste.
void DuplicateCommand(TPlatine& panel, ElementClipboard& clipboard);
// "&Alles auswählen" (Ctrl+A).
void SelectAllCommand(TPlatine& panel);
// "&Löschen" (Del), SB_Del.
void DeleteCommand(TPlatine& panel);

// --- Anordnen ---

// "Nach &vorne setzen" (Shift+PageUp), an_vorne.
void ToFrontCommand(TPlatine& panel);
// "Nach &hinten setzen" (Shift+PageDown), an_Hinten.
void ToBackCommand(TPlatine& panel);
// "&Gruppe bilden" (Ctrl+G), sb_gruppieren.
void GroupCommand(TPlatine& panel);
// "Gruppe auf&lösen" (Ctrl+U), sb_GruppeAufloesen.
void UngroupCommand(TPlatine& panel);

// The two mirror buttons: an_Horizontal ("Vertikal spiegeln") exchanges top and bottom,
// an_vertikal ("Horizontal spiegeln") left and right, about the centre of the selection frame.
enum class MirrorButton { an_Horizontal, an_vertikal };
void MirrorCommand(TPlatine& panel, MirrorButton button);

// --- Ausrichten (tags 1 to 6) ---

enum class AlignTag {
    ar_links = 1,   // "Links ausrichten"
    ar_hMitte = 2,  // "Vertikal mittig ausrichten"
    ar_rechts = 3,  // "Rechts ausrichten"
    ar_oben = 4,    // "Oben ausrichten"
    ar_vMitte = 5,  // "Horizontal mittig ausrichten"
    ar_unten = 6,   // "Unten ausrichten"
};
// The offset that aligns an element with bounds `other` to the reference bounds `ref`.
MPoint AlignOffset(AlignTag tag, const MRect& ref, const MRect& other);
// Moves every other selected element to the current element; the current element stays.
void AlignCommand(TPlatine& panel, AlignTag tag);

// --- Drehen (DrehClick) ---

enum class RotateTag {
    WinkelLinksBtn = 0,   // "Rotieren gegen den Uhrzeigersinn": + angle
    WinkelRechtsBtn = 1,  // "Rotieren im Uhrzeigersinn": - angle
};
// The signed step in degrees the button turns by: the size of the number typed into
// Winkel_Edit (its sign is ignored), reduced below one full turn.
Real RotationStepDegrees(RotateTag tag, std::string_view winkelEditText);
// Rotates the selection about the centre of the selection frame.
void RotateStepCommand(TPlatine& panel, RotateTag tag, std::string_view winkelEditText);

// --- Kontur (sB_KonturClick, tags 0 to 3) and Fräsen (sb_FraesenClick) ---

enum class ContourTag {
    sB_KonturNormal = 0,  // "Ursprüngliche Kontur zuweisen"
    sb_Splines = 1,       // "Kontur mit B-Splines interpolieren"
    sb_Fase = 2,          // "Kontur mit Fasen versehen"
    sb_Runden = 3,        // "Kontur mit Rundungen versehen"
};
// The chamfer or rounding distance in model units from the text of L_Edit (millimetres).
Real ContourAmountUnits(std::string_view lEditText);
void ContourCommand(TPlatine& panel, ContourTag tag, std::string_view lEditText);

enum class MillingTag {
    sb_Normal = 0,   // "Normale Kontur"
    sb_Fraesen = 1,  // "Kontur fräsen"
};
void MillingCommand(TPlatine& panel, MillingTag tag);

// --- Ansicht (UmrissBtnClick, tags 1 to 4) ---

enum class DisplayTag {
    UmrissBtn = 1,   // "S/W-Darstellung": outline display
    MasseBtn = 2,    // dimensions shown
    BohrenBtn = 3,   // milled contours and drill holes shown
    SymboleBtn = 4,  // other objects and symbols shown
};
// Passes the toggle button's pressed state on to the panel. No snapshot.
void DisplaySwitchCommand(TPlatine& panel, DisplayTag tag, bool pressed);
// RasterBtn: snapshot, grid shown or hidden; returns the state the button shows.
bool ToggleGridCommand(TPlatine& panel);

}  // namespace pw
