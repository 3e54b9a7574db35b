#pragma once
// Installs the dialogs of the element kinds that have one (drill hole, arc, text) as this
// program's windows. The main window calls InstallElementDialogs once at start-up; parent
// gives the window the dialogs are centred on (none: centred on the screen). Before a dialog
// opens, every panel view paints what is pending, so that the element being edited shows;
// around gives the window a say before (true) and after (false) each dialog, to hide and show
// its floating tool windows.

#include <functional>

class QWidget;

namespace pw {

void InstallElementDialogs(std::function<QWidget*()> parent = {}, std::function<void(bool before)> around = {});
// Removes them again: the element dialogs then count as cancelled.
void RemoveElementDialogs();

}  // namespace pw
