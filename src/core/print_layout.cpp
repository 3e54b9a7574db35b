#include "core/print_layout.h"

#include <algorithm>
#include <cmath>

namespace pw {

namespace {

constexpr double kMmPerInchD = static_cast<double>(kMmPerInch);

// Window and viewport extents for a scale: the viewport extent near 2^20, where the canvas
// still maps with exact products, and the window extent that gives the scale with it.
void ExtentsFor(double scale, int32_t& window, int32_t& viewport) {
    double w = std::clamp(std::nearbyint(1048576.0 / scale), 1.0, 1e9);
    window = static_cast<int32_t>(w);
    viewport = static_cast<int32_t>(std::max(1.0, std::nearbyint(scale * w)));
}

int32_t ClampOffset(Real v) {
    return std::clamp(RoundToInt(v), -PrintSettings::kMaxOffset, PrintSettings::kMaxOffset);
}

}  // namespace

PrintScale ScaleOf(const SheetGeometry& sheet, double divisor, const Calibration& calibration) {
    return {sheet.dpiX / kMmPerInchD / kUnitsPerMm * calibration.h / divisor,
            sheet.dpiY / kMmPerInchD / kUnitsPerMm * calibration.v / divisor};
}

void CanvasMapping::ApplyTo(Canvas& canvas) const {
    canvas.SetMapMode(MapMode::Anisotropic);
    canvas.SetWindowExt(windowExt.x, windowExt.y);
    canvas.SetViewportExt(viewportExt.x, viewportExt.y);
    canvas.SetWindowOrg(windowOrg.x, windowOrg.y);
    canvas.SetViewportOrg(viewportOrg.x, viewportOrg.y);
}

CanvasMapping MappingFor(const SheetGeometry& sheet, PrintScale scale, IPoint windowOrigin, bool mirrored) {
    CanvasMapping m;
    ExtentsFor(scale.x, m.windowExt.x, m.viewportExt.x);
    ExtentsFor(scale.y, m.windowExt.y, m.viewportExt.y);
    if (mirrored) m.windowExt.x = -m.windowExt.x;
    m.windowOrg = windowOrigin;
    const double left = sheet.originX + (mirrored ? sheet.printableWidth : 0.0);
    m.viewportOrg = {static_cast<int32_t>(std::lround(left)),
                     static_cast<int32_t>(std::lround(sheet.originY))};
    return m;
}

MPoint BlockSize(Real panelWidth, Real panelHeight, const PrintSettings& s) {
    return {(s.tilesX - 1) * (s.gapX + panelWidth) + panelWidth,
            (s.tilesY - 1) * (s.gapY + panelHeight) + panelHeight};
}

IPoint CopyOrigin(Real panelWidth, Real panelHeight, const PrintSettings& s, int row, int column) {
    return {s.offsetX - RoundToInt(column * (panelWidth + s.gapX)),
            s.offsetY - RoundToInt(row * (panelHeight + s.gapY))};
}

IPoint CentredOffsets(Real panelWidth, Real panelHeight, const PrintSettings& s, const SheetGeometry& sheet,
                      PrintScale scale) {
    MPoint block = BlockSize(panelWidth, panelHeight, s);
    return {ClampOffset(block.x / 2 - sheet.printableWidth / scale.x / 2),
            ClampOffset(block.y / 2 - sheet.printableHeight / scale.y / 2)};
}

bool BlockFits(Real panelWidth, Real panelHeight, const PrintSettings& s, const SheetGeometry& sheet,
               PrintScale scale) {
    MPoint block = BlockSize(panelWidth, panelHeight, s);
    auto fits = [](double offset, Real length, double scale, double available) {
        double first = -offset * scale, last = static_cast<double>(length - offset) * scale;
        return first >= -0.5 && last <= available + 0.5;
    };
    return fits(s.offsetX, block.x, scale.x, sheet.printableWidth) &&
           fits(s.offsetY, block.y, scale.y, sheet.printableHeight);
}

IPoint DraggedOffsets(IPoint offsets, IPoint previous, IPoint current, double pixelsPerMmX,
                      double pixelsPerMmY, double divisor, bool mirrored) {
    if (pixelsPerMmX <= 0 || pixelsPerMmY <= 0) return offsets;
    Real dx = (previous.x - current.x) * kUnitsPerMm, dy = (previous.y - current.y) * kUnitsPerMm;
    Real stepX = RoundEven(dx / pixelsPerMmX * divisor), stepY = RoundEven(dy / pixelsPerMmY * divisor);
    return {ClampOffset(offsets.x + (mirrored ? -stepX : stepX)), ClampOffset(offsets.y + stepY)};
}

PreviewFrame FramePreview(const SheetGeometry& sheet, int clientWidth, int clientHeight) {
    PreviewFrame f;
    const double availableWidth = std::max(clientWidth - 50, 1),
                 availableHeight = std::max(clientHeight - 50, 1);
    if (sheet.printableWidth <= 0 || sheet.printableHeight <= 0) return f;
    f.q = sheet.printableHeight / availableHeight;
    if (sheet.printableWidth / f.q > availableWidth) f.q = sheet.printableWidth / availableWidth;
    f.pageWidth = sheet.printableWidth / f.q;
    f.pageHeight = sheet.printableHeight / f.q;
    f.pageLeft = 25 + (availableWidth - f.pageWidth) / 2;
    f.pageTop = 25 + (availableHeight - f.pageHeight) / 2;
    f.paperLeft = f.pageLeft - sheet.printableLeft / f.q;
    f.paperTop = f.pageTop - sheet.printableTop / f.q;
    f.paperWidth = sheet.paperWidth / f.q;
    f.paperHeight = sheet.paperHeight / f.q;
    return f;
}

SheetGeometry PreviewSheet(const SheetGeometry& sheet, const PreviewFrame& frame) {
    SheetGeometry p = sheet;
    p.dpiX /= frame.q;
    p.dpiY /= frame.q;
    p.paperWidth /= frame.q;
    p.paperHeight /= frame.q;
    p.printableLeft /= frame.q;
    p.printableTop /= frame.q;
    p.printableWidth /= frame.q;
    p.printableHeight /= frame.q;
    p.originX = frame.pageLeft;
    p.originY = frame.pageTop;
    return p;
}

}  // namespace pw
