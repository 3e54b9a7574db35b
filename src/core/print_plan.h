#pragma once
// The plan of a printout: the settings with the offsets they resolve to (centred or as
// dragged), the device scale, whether the copies fit the printable area, and, when one copy is
// split over several sheets, how. Sheets are printed in order: one sheet, or the split's
// sheets row by row.

#include "core/print_layout.h"
#include "core/print_settings.h"
#include "core/sheet_split.h"

namespace pw {

struct PrintPlan {
    Real panelWidth = 0;
    Real panelHeight = 0;
    PrintSettings settings;
    Calibration calibration;
    SheetGeometry sheet;
    PrintScale scale;
    bool fits = true;
    SheetSplit split;  // one sheet unless settings.split

    int SheetCount() const { return settings.split ? split.SheetCount() : 1; }
    int Rows() const { return settings.split ? 1 : settings.tilesY; }
    int Columns() const { return settings.split ? 1 : settings.tilesX; }
    // Window origin of a copy on the sheet (one copy on a split sheet).
    IPoint Origin(int sheetIndex, int row, int column) const;
};

// Resolves the settings for a panel on the sheet; centred offsets are written back into the
// plan's settings. Splitting ignores the copies and offsets.
PrintPlan PlanPrint(Real panelWidth, Real panelHeight, const PrintSettings& settings,
                    const Calibration& calibration, const SheetGeometry& sheet);

// The settings of the test page: a 100 x 100 mm square at 1:1, centred, nothing else.
PrintSettings TestPageSettings();
constexpr Real kTestSquare = 5000;

}  // namespace pw
