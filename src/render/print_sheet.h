#pragma once
// What one sheet of a printout shows, painted onto a canvas whose device is the sheet, or the
// preview's picture of it: the copies of the panel through its print paint, or the sheet's part
// of a split panel with crop marks, alignment marks and its place in the assembly; and the
// calibration test page. Plain canvas calls: the printer, the PDF writer and the preview share
// them.

#include <string>

#include "core/canvas.h"
#include "core/print_plan.h"
#include "panel/platine.h"

namespace pw {

// The panel's print options and display filters from the settings: background, frame, rulers
// and data block (a single copy on a single sheet only), dimensions, drillings and millings,
// other objects and symbols.
void SetPrintFlags(TPlatine& panel, const PrintSettings& settings);

// Paints sheet index of the plan; device: where the sheet's printable area lies on the canvas's
// device and at what resolution (the plan's sheet when printing).
void PaintSheet(TPlatine& panel, Canvas& canvas, const PrintPlan& plan, int index,
                const SheetGeometry& device);

// Only the outlines of the copies (of the whole panel when split), while the preview is dragged.
void PaintCopyOutlines(Canvas& canvas, const PrintPlan& plan, const SheetGeometry& device);

// The test page: a 100 x 100 mm square with millimetre ticks, centred at 1:1 with the
// calibration applied, and what to do with it.
void PaintTestPage(Canvas& canvas, const SheetGeometry& device, const Calibration& calibration,
                   const std::string& printerName);

// The label of a split sheet: its row and column in the assembly.
std::string SheetLabel(int row, int rows, int column, int columns);

}  // namespace pw
