#include "core/sheet_split.h"

#include <algorithm>
#include <cmath>

namespace pw {

namespace {

constexpr Real kCropGap = 100;     // 2 mm from the corner
constexpr Real kCropLength = 250;  // 5 mm long

// Sheets needed along one axis: one when the panel fits, else enough that n areas less the
// n - 1 overlaps cover it with its crop marks on both sides.
int SheetsAlong(Real length, Real area, Real overlap, Real marks) {
    if (length <= area + 1e-6L) return 1;
    Real n = std::ceil((length + 2 * marks - overlap) / (area - overlap) - 1e-9L);
    return static_cast<int>(std::clamp<Real>(n, 1, SheetSplit::kMaxSheets + 1));
}

}  // namespace

IPoint SheetSplit::Origin(int row, int column) const {
    return RoundPoint({start.x + column * step.x, start.y + row * step.y});
}

SheetSplit PlanSplit(Real panelWidth, Real panelHeight, const SheetGeometry& sheet, PrintScale scale,
                     Real overlap, double divisor) {
    SheetSplit s;
    s.area = {sheet.printableWidth / scale.x, sheet.printableHeight / scale.y};
    s.overlap = std::clamp<Real>(overlap * divisor, 0, std::min(s.area.x, s.area.y) / 2);
    const Real marks = (kCropGap + kCropLength) * divisor;
    s.columns = SheetsAlong(panelWidth, s.area.x, s.overlap, marks);
    s.rows = SheetsAlong(panelHeight, s.area.y, s.overlap, marks);
    s.step = {s.area.x - s.overlap, s.area.y - s.overlap};
    s.start = {(panelWidth - (s.columns * s.step.x + s.overlap)) / 2,
               (panelHeight - (s.rows * s.step.y + s.overlap)) / 2};
    return s;
}

SheetGeometry AssemblyGeometry(const SheetSplit& split, const SheetGeometry& sheet, PrintScale scale) {
    SheetGeometry a = sheet;
    a.printableWidth =
        static_cast<double>((split.columns - 1) * split.step.x) * scale.x + sheet.printableWidth;
    a.printableHeight =
        static_cast<double>((split.rows - 1) * split.step.y) * scale.y + sheet.printableHeight;
    a.paperWidth = a.printableWidth;
    a.paperHeight = a.printableHeight;
    a.printableLeft = a.printableTop = 0;
    return a;
}

MPoint SheetPlace(const SheetSplit& split, PrintScale scale, int row, int assemblyColumn) {
    return {assemblyColumn * split.step.x * scale.x, row * split.step.y * scale.y};
}

std::vector<Segment> CropMarks(Real panelWidth, Real panelHeight, double divisor) {
    const int32_t w = RoundToInt(panelWidth), h = RoundToInt(panelHeight);
    const int32_t g = RoundToInt(kCropGap * divisor), l = RoundToInt((kCropGap + kCropLength) * divisor);
    std::vector<Segment> marks;
    for (int32_t x : {0, w})
        for (int32_t y : {0, h}) {
            const int32_t sx = x == 0 ? -1 : 1, sy = y == 0 ? -1 : 1;
            marks.push_back({{x + sx * g, y}, {x + sx * l, y}});
            marks.push_back({{x, y + sy * g}, {x, y + sy * l}});
        }
    return marks;
}

std::vector<IPoint> AlignmentMarks(const SheetSplit& s) {
    std::vector<IPoint> marks;
    for (int k = 0; k + 1 < s.columns; ++k)
        for (int r = 0; r < s.rows; ++r)
            marks.push_back(RoundPoint(
                {s.start.x + (k + 1) * s.step.x + s.overlap / 2, s.start.y + r * s.step.y + s.area.y / 2}));
    for (int k = 0; k + 1 < s.rows; ++k)
        for (int c = 0; c < s.columns; ++c)
            marks.push_back(RoundPoint(
                {s.start.x + c * s.step.x + s.area.x / 2, s.start.y + (k + 1) * s.step.y + s.overlap / 2}));
    return marks;
}

}  // namespace pw
