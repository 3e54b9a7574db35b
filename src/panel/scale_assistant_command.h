#pragma once
// The scale-assistant command of the main window ("&Skalen-Assistent...", Ctrl+S, SkaleBtn):
// the assistant runs; on OK its scale goes through the element clipboard into the current
// panel in the panel's marking colour, and the user places it with the mouse like a pasted
// selection.

#include <functional>

#include "panel/edit_commands.h"
#include "panel/scale_assistant.h"

namespace pw {

// The colour that stands out on the panel: white when the mean of the red, green and blue of
// its colour is below 128, black otherwise.
Color MarkingColour(const TPlatine& panel);

// The scale drawn in the colour: its pen, and the fills the generator makes black (inscriptions,
// arc bands), so that a white scale shows white on a dark panel; segment bands keep their red
// and green.
void ColourScale(TBauteil& scale, Color colour);

// After OK: the assistant's scale, in the panel's marking colour, replaces the clipboard's
// content and is pasted into the panel (undo snapshot first), where it follows the mouse until
// a click places it. The clipboard keeps the scale; its filled flag stays as it was.
void PlaceAssistantScale(ScaleAssistant& assistant, TPlatine& panel, ElementClipboard& clipboard);

// Runs the assistant (runAssistant shows it and returns true on OK) and places the scale on
// OK. Cancel changes neither the panel nor its undo snapshot. True on OK.
bool ScaleAssistantCommand(TPlatine& panel, ElementClipboard& clipboard, ScaleAssistant& assistant,
                           const std::function<bool()>& runAssistant);

}  // namespace pw
