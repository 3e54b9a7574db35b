#include "core/print_plan.h"

namespace pw {

IPoint PrintPlan::Origin(int sheetIndex, int row, int column) const {
    if (settings.split) return split.Origin(sheetIndex / split.columns, sheetIndex % split.columns);
    return CopyOrigin(panelWidth, panelHeight, settings, row, column);
}

PrintPlan PlanPrint(Real panelWidth, Real panelHeight, const PrintSettings& settings,
                    const Calibration& calibration, const SheetGeometry& sheet) {
    PrintPlan p;
    p.panelWidth = panelWidth;
    p.panelHeight = panelHeight;
    p.settings = settings;
    p.calibration = calibration;
    p.sheet = sheet;
    p.scale = ScaleOf(sheet, settings.Divisor(), calibration);
    if (settings.split) {
        p.split = PlanSplit(panelWidth, panelHeight, sheet, p.scale, settings.overlap, settings.Divisor());
        return p;
    }
    if (settings.WillsteMittig) {
        IPoint o = CentredOffsets(panelWidth, panelHeight, settings, sheet, p.scale);
        p.settings.offsetX = o.x;
        p.settings.offsetY = o.y;
    }
    p.fits = BlockFits(panelWidth, panelHeight, p.settings, sheet, p.scale);
    return p;
}

PrintSettings TestPageSettings() {
    PrintSettings s;
    s.WillsteLineale = s.WillsteInfos = false;
    return s;
}

}  // namespace pw
