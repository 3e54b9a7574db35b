#pragma once
// The export of a panel, or of its selected elements, as a picture or drawing at true size:
// the area that is exported, the pictures in every format, and writing them to a file. The
// window's export dialog only collects the choices; the command-line tool uses the same code.

#include <QByteArray>
#include <QSize>
#include <string>

#include "core/geometry.h"

namespace pw {

class TPlatine;

enum class ExportFormat { Bmp, Emf, Png, Svg, Pdf, Dxf };

struct ExportChoice {
    ExportFormat format = ExportFormat::Emf;
    // Only the selected elements ("nur gewählte Objekte"), else all.
    bool selectedOnly = false;
    // "mit Hintergrund": the panel's surface (and grid) under the elements.
    bool withBackground = true;
    // Resolution of PNG pictures; bitmaps (BMP) are always 150 dots per inch.
    double pngDotsPerInch = 300;
};

constexpr double kBitmapExportDotsPerInch = 150;
// Largest bitmap an export makes, in pixels.
constexpr long long kMaxExportPixels = 100'000'000;

// Whether this version can write the format.
bool ExportFormatAvailable(ExportFormat format);
// The usual file name ending of the format, with its dot.
const char* ExportSuffix(ExportFormat format);

// The exported area in model units: the whole panel for all elements with background, else the
// bounds of the chosen elements rounded to whole units.
MRect ExportArea(TPlatine& panel, bool selectedOnly, bool withBackground);

// Pixels of a bitmap of the area: round(size in mm / 25.4 * dpi), at least one each way.
QSize ExportPixelSize(const MRect& area, double dotsPerInch);

struct ExportResult {
    QByteArray bytes;
    // Why there are no bytes, in the current language; empty on success.
    std::string error;
};

ExportResult RenderExport(TPlatine& panel, const ExportChoice& choice);

// Renders and writes the file in one step that leaves an existing file untouched on failure;
// the error message (naming the file) or empty.
std::string WriteExport(const std::string& path, TPlatine& panel, const ExportChoice& choice);

}  // namespace pw
