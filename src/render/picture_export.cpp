#include "render/picture_export.h"

#include <QBuffer>
#include <QImageWriter>
#include <cmath>
#include <span>

#include "core/emf_canvas.h"
#include "core/language.h"
#include "core/safe_save.h"
#include "panel/document.h"
#include "panel/dxf_export.h"
#include "panel/platine.h"
#include "render/render_targets.h"

namespace pw {

namespace {

int32_t Side(Real v) {
    return std::max<int32_t>(1, RoundToInt(v));
}

// Isotropic mapping of the area onto a device of the given size: window origin at the area's
// top-left corner, window extent the area's size, viewport extent the device's.
void MapArea(Canvas& c, const MRect& area, QSize device) {
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowOrg(RoundToInt(area.x1), RoundToInt(area.y1));
    c.SetWindowExt(Side(area.x2 - area.x1), Side(area.y2 - area.y1));
    c.SetViewportOrg(0, 0);
    c.SetViewportExt(device.width(), device.height());
}

// True size on a vector device of 100 dots per millimetre, the area's corner at its origin.
void MapAreaTrueSize(Canvas& c, const MRect& area) {
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowOrg(RoundToInt(area.x1), RoundToInt(area.y1));
    c.SetWindowExt(12700, 12700);
    c.SetViewportOrg(0, 0);
    c.SetViewportExt(kVectorDotsPerInch * 10, kVectorDotsPerInch * 10);
}

double Mm(Real units) {
    return std::max(0.02, static_cast<double>(units / kUnitsPerMm));
}

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (!writer.write(image)) return {};
    return bytes;
}

ExportResult Bitmap(TPlatine& panel, const ExportChoice& choice, const MRect& area, double dpi,
                    const char* format) {
    const QSize size = ExportPixelSize(area, dpi);
    if (static_cast<long long>(size.width()) * size.height() > kMaxExportPixels)
        return {{},
                std::string(Tr("Das Bild wäre mit ", "The picture would have ")) +
                    std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                    Tr(" Pixeln zu groß (höchstens 100 Millionen); bitte eine kleinere Auflösung oder "
                       "Auswahl wählen.",
                       " pixels, too many (at most 100 million); choose a lower resolution or a smaller "
                       "selection.")};
    ImageTarget target(size.width(), size.height(), kWhite, dpi);
    MapArea(target.Canvas(), area, size);
    panel.PaintTo(target.Canvas(), choice.selectedOnly, choice.withBackground);
    QByteArray bytes = Encode(target.Finish(), format);
    if (bytes.isEmpty())
        return {{}, Tr("Das Bild konnte nicht kodiert werden.", "The picture could not be encoded.")};
    return {bytes, {}};
}

}  // namespace

bool ExportFormatAvailable(ExportFormat) {
    return true;
}

const char* ExportSuffix(ExportFormat format) {
    switch (format) {
        case ExportFormat::Bmp:
            return ".bmp";
        case ExportFormat::Emf:
            return ".emf";
        case ExportFormat::Png:
            return ".png";
        case ExportFormat::Svg:
            return ".svg";
        case ExportFormat::Pdf:
            return ".pdf";
        case ExportFormat::Dxf:
            return ".dxf";
    }
    return "";
}

MRect ExportArea(TPlatine& panel, bool selectedOnly, bool withBackground) {
    if (withBackground && !selectedOnly) return {0, 0, panel.Width, panel.Height};
    const MRect b = panel.SelectionBounds(selectedOnly);
    return {std::nearbyint(b.x1), std::nearbyint(b.y1), std::nearbyint(b.x2), std::nearbyint(b.y2)};
}

QSize ExportPixelSize(const MRect& area, double dotsPerInch) {
    auto pixels = [&](Real units) {
        const Real p = std::nearbyint(units / kUnitsPerMm / kMmPerInch * static_cast<Real>(dotsPerInch));
        return static_cast<int>(std::clamp<Real>(p, 1, 1'000'000'000));
    };
    return {pixels(area.x2 - area.x1), pixels(area.y2 - area.y1)};
}

ExportResult RenderExport(TPlatine& panel, const ExportChoice& choice) {
    const MRect area = ExportArea(panel, choice.selectedOnly, choice.withBackground);
    switch (choice.format) {
        case ExportFormat::Bmp:
            return Bitmap(panel, choice, area, kBitmapExportDotsPerInch, "bmp");
        case ExportFormat::Png:
            if (!(choice.pngDotsPerInch >= 1 && choice.pngDotsPerInch <= 10000))
                return {{}, Tr("Ungültige Auflösung.", "Invalid resolution.")};
            return Bitmap(panel, choice, area, choice.pngDotsPerInch, "png");
        case ExportFormat::Svg: {
            SvgTarget target(Mm(area.x2 - area.x1), Mm(area.y2 - area.y1));
            MapAreaTrueSize(target.Canvas(), area);
            panel.PaintTo(target.Canvas(), choice.selectedOnly, choice.withBackground);
            return {target.Finish(), {}};
        }
        case ExportFormat::Pdf: {
            PdfTarget target(Mm(area.x2 - area.x1), Mm(area.y2 - area.y1));
            MapAreaTrueSize(target.Canvas(), area);
            panel.PaintTo(target.Canvas(), choice.selectedOnly, choice.withBackground);
            return {target.Finish(), {}};
        }
        case ExportFormat::Dxf: {
            const DxfExportResult dxf = PanelDxf(panel, choice.selectedOnly, !choice.selectedOnly);
            return {QByteArray::fromStdString(dxf.text), {}};
        }
        case ExportFormat::Emf: {
            // The metafile's unit is 0.01 mm: two per model unit, the area's corner at its origin.
            EmfCanvas emf(2 * Side(area.x2 - area.x1), 2 * Side(area.y2 - area.y1), panel.Name.Text());
            emf.SetMapMode(MapMode::Isotropic);
            emf.SetWindowOrg(RoundToInt(area.x1), RoundToInt(area.y1));
            emf.SetWindowExt(kUnitsPerMm, kUnitsPerMm);
            emf.SetViewportOrg(0, 0);
            emf.SetViewportExt(100, 100);
            panel.PaintTo(emf, choice.selectedOnly, choice.withBackground);
            const std::vector<uint8_t> bytes = emf.Finish();
            return {
                QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())),
                {}};
        }
    }
    return {{}, Tr("Unbekanntes Format.", "Unknown format.")};
}

std::string WriteExport(const std::string& path, TPlatine& panel, const ExportChoice& choice) {
    const ExportResult result = RenderExport(panel, choice);
    if (!result.error.empty()) return result.error;
    if (result.bytes.isEmpty()) return CannotCreateMessage(path);
    try {
        SaveFile(path, std::span(reinterpret_cast<const uint8_t*>(result.bytes.constData()),
                                 static_cast<size_t>(result.bytes.size())));
    } catch (const SaveError& e) {
        return CannotCreateMessage(path) + "\n" + e.what();
    }
    return {};
}

}  // namespace pw
