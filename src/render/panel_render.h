#pragma once
// Pictures of whole panels at true size: an RGB32 image at a given resolution, a PDF with one page
// per panel, an SVG drawing. The panel paints itself as for export (PaintTo, every element).

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <vector>

#include "core/canvas.h"
#include "panel/platine.h"

namespace pw {

// Maps the canvas so that model units (50 per millimetre) draw at true size on a device of the
// given resolution, with the model origin at the device origin (ViewMapping::TrueSize: 254 mm
// to ten inches of dots, exact for every resolution given to a tenth of a dot per inch).
void MapTrueSize(Canvas& canvas, double dotsPerInch);

// The panel's size in device units at that resolution (what its rectangle covers).
QSize PanelDeviceSize(const TPlatine& panel, double dotsPerInch);

// Largest picture the image renderer makes, per side and in pixels.
constexpr int kMaxImageSide = 30000;
constexpr long long kMaxImagePixels = 250'000'000;

// Without background (the panel's surface) the ground of every output is white.

// The panel as an image. Fails (returns a null image) when the picture would exceed the limits
// above.
QImage RenderPanelImage(const TPlatine& panel, double dotsPerInch, bool withBackground);

// One page per panel, each the size of its panel.
QByteArray RenderPanelsPdf(const std::vector<const TPlatine*>& panels, bool withBackground);

QByteArray RenderPanelSvg(const TPlatine& panel, bool withBackground);

// The panel as an enhanced metafile of its true size: logical units of 0.01 mm, the header's
// frame the panel's rectangle.
std::vector<uint8_t> RenderPanelEmf(const TPlatine& panel, bool withBackground);

}  // namespace pw
