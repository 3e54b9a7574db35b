#pragma once
// One copy of a panel printed over several sheets. The sheets' printable areas overlap their
// neighbours by the overlap and together cover the panel with its crop marks, centred on it;
// crop marks at the panel's corners and alignment marks in the middle of each overlap let the
// sheets be taped together true to scale. The overlap and the marks are lengths on paper; the
// split keeps them in model units, times the scale divisor. Sheets are numbered row by row in model order; on
// a mirrored print a sheet's column in the taped-together assembly runs the other way.

#include <utility>
#include <vector>

#include "core/print_layout.h"

namespace pw {

struct SheetSplit {
    static constexpr int kMaxSheets = 400;

    int rows = 1;
    int columns = 1;
    MPoint area;       // a sheet's printable area in model units
    Real overlap = 0;  // the overlap used (at most half the area), model units
    MPoint start;      // model point at the top-left corner of the first sheet's printable area
    MPoint step;       // from one sheet to the next: area less overlap

    int SheetCount() const { return rows * columns; }
    // The window origin of the sheet (model units).
    IPoint Origin(int row, int column) const;
    // The sheet's column in the taped-together assembly.
    int AssemblyColumn(int column, bool mirrored) const { return mirrored ? columns - 1 - column : column; }
};

// overlap: on paper, in 1/50 mm; divisor: the print's scale divisor.
SheetSplit PlanSplit(Real panelWidth, Real panelHeight, const SheetGeometry& sheet, PrintScale scale,
                     Real overlap, double divisor);

// The whole assembly as one sheet without margins (device pixels), for the preview.
SheetGeometry AssemblyGeometry(const SheetSplit& split, const SheetGeometry& sheet, PrintScale scale);

// The top-left corner of a sheet's printable area within the assembly, device pixels.
MPoint SheetPlace(const SheetSplit& split, PrintScale scale, int row, int assemblyColumn);

// Crop marks outside the panel's corners: line segments along the edges, 2 mm away from the
// corner and 5 mm long on paper, in model units.
using Segment = std::pair<IPoint, IPoint>;
std::vector<Segment> CropMarks(Real panelWidth, Real panelHeight, double divisor);

// Centres of the alignment marks: on the middle line of every overlap strip, at the middle of
// each row (strips between columns) or column (strips between rows).
std::vector<IPoint> AlignmentMarks(const SheetSplit& split);

}  // namespace pw
