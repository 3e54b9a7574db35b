#pragma once
// Where a printout lies on the sheet: the device scale with the calibration factors, the
// window origins of the copies, centring, mirroring about the printable area's centre, whether
// the block of copies fits, dragging in the preview, and the preview's picture of the sheet.
//
// The mapping is exact: the window and viewport extents are chosen large enough that one model
// unit maps to the device with a relative error below 1e-6, so a printout is true to size within
// a fraction of a device pixel at any resolution (rounding the scale to whole pixels per 10 mm
// would print a 300 mm panel 1.6 mm too long at 96 dpi).

#include <cstdint>

#include "core/canvas.h"
#include "core/geometry.h"
#include "core/print_settings.h"

namespace pw {

// A sheet as the device reports it, in device pixels. The device draws with its origin at the
// printable area's top-left corner, which the preview places at (originX, originY).
struct SheetGeometry {
    double dpiX = 600;
    double dpiY = 600;
    // The physical paper and the printable area on it.
    double paperWidth = 0;
    double paperHeight = 0;
    double printableLeft = 0;
    double printableTop = 0;
    double printableWidth = 0;
    double printableHeight = 0;
    double originX = 0;
    double originY = 0;

    double PrintableWidthMm() const { return printableWidth / dpiX * static_cast<double>(kMmPerInch); }
    double PrintableHeightMm() const { return printableHeight / dpiY * static_cast<double>(kMmPerInch); }
};

// Device pixels per model unit along x and y (positive).
struct PrintScale {
    double x = 1;
    double y = 1;
};

PrintScale ScaleOf(const SheetGeometry& sheet, double divisor, const Calibration& calibration);

// A canvas mapping, anisotropic.
struct CanvasMapping {
    IPoint windowOrg;
    IPoint windowExt{1, 1};
    IPoint viewportOrg;
    IPoint viewportExt{1, 1};
    void ApplyTo(Canvas& canvas) const;
};

// The mapping that puts model point windowOrigin at the printable area's top-left corner, or,
// mirrored, reflects the normal placement about the printable area's vertical centre line.
CanvasMapping MappingFor(const SheetGeometry& sheet, PrintScale scale, IPoint windowOrigin, bool mirrored);

// The size of the block of copies in model units: (tiles - 1) * (gap + panel) + panel.
MPoint BlockSize(Real panelWidth, Real panelHeight, const PrintSettings& s);

// The window origin of copy (row, column): the offset less the copies before it with their gaps.
IPoint CopyOrigin(Real panelWidth, Real panelHeight, const PrintSettings& s, int row, int column);

// Offsets that centre the block of copies on the printable area.
IPoint CentredOffsets(Real panelWidth, Real panelHeight, const PrintSettings& s, const SheetGeometry& sheet,
                      PrintScale scale);

// Whether the block of copies lies within the printable area (half a pixel of tolerance).
bool BlockFits(Real panelWidth, Real panelHeight, const PrintSettings& s, const SheetGeometry& sheet,
               PrintScale scale);

// The offsets after the pointer moved from previous to current in the preview, which shows
// pixelsPerMmX by pixelsPerMmY preview pixels per millimetre of paper; clamped to +-31000.
IPoint DraggedOffsets(IPoint offsets, IPoint previous, IPoint current, double pixelsPerMmX,
                      double pixelsPerMmY, double divisor, bool mirrored);

// The preview's picture of a sheet in a client area of the given size: the printable area
// (the page) scaled to fit the area less 50 pixels, centred with a margin of 25 pixels, and the
// paper around it. Rectangles in preview pixels.
struct PreviewFrame {
    double q = 1;  // device pixels per preview pixel
    double pageLeft = 0, pageTop = 0, pageWidth = 0, pageHeight = 0;
    double paperLeft = 0, paperTop = 0, paperWidth = 0, paperHeight = 0;
};
PreviewFrame FramePreview(const SheetGeometry& sheet, int clientWidth, int clientHeight);

// The sheet as the preview draws it: resolution divided by q, origin at the page's corner.
SheetGeometry PreviewSheet(const SheetGeometry& sheet, const PreviewFrame& frame);

}  // namespace pw
