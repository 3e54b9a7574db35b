#pragma once
// The texts of undo and redo in both languages: the name of each kind of step, the menu
// entries that name the step they take back or bring again, and the message when a step
// cannot be restored.

#include <QString>

#include "panel/undo_history.h"

namespace pw {

// "Löschen" / "Delete"; empty for an unnamed step.
QString StepName(StepKind kind);
// "&Rückgängig: Löschen" / "&Undo Delete", or "&Rückgängig" / "&Undo" for an unnamed step.
QString UndoCaption(StepKind kind);
// "&Wiederherstellen: Löschen" / "&Redo Delete".
QString RedoCaption(StepKind kind);
QString StepFailedTitle();
QString StepFailed();

}  // namespace pw
