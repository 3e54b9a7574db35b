#include "ui/main/clipboard_picture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include "panel/platine.h"
#include "render/picture_export.h"
#include "render/render_targets.h"

namespace pw {

namespace {

constexpr double kBitmapDotsPerInch = 150;

// Model units at true size on a device of the given resolution, the point `origin` at the
// device's origin.
void MapSelection(Canvas& c, double dotsPerInch, MPoint origin) {
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowOrg(RoundToInt(origin.x), RoundToInt(origin.y));
    c.SetWindowExt(12700, 12700);
    c.SetViewportOrg(0, 0);
    const int32_t v = std::max(1, static_cast<int32_t>(std::lround(dotsPerInch * 10)));
    c.SetViewportExt(v, v);
}

}  // namespace

QByteArray SelectionSvg(TPlatine& panel) {
    if (!panel.HasSelection()) return {};
    const MRect b = panel.SelectionBounds(true).Normalised();
    SvgTarget target(static_cast<double>((b.x2 - b.x1) / kUnitsPerMm),
                     static_cast<double>((b.y2 - b.y1) / kUnitsPerMm));
    MapSelection(target.Canvas(), kVectorDotsPerInch, {b.x1, b.y1});
    panel.PaintTo(target.Canvas(), true, false);
    return target.Finish();
}

void CopySelectionPicture(TPlatine& panel) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || !panel.HasSelection()) return;
    const MRect b = panel.SelectionBounds(true).Normalised();
    auto* data = new QMimeData;
    data->setData(QStringLiteral("image/svg+xml"), SelectionSvg(panel));
    ExportChoice emf;
    emf.format = ExportFormat::Emf;
    emf.selectedOnly = true;
    emf.withBackground = false;
    const QByteArray metafile = RenderExport(panel, emf).bytes;
    data->setData(QStringLiteral("image/emf"), metafile);
    data->setData(QStringLiteral("image/x-emf"), metafile);
    const double pixelsPerUnit = kBitmapDotsPerInch / static_cast<double>(kMmPerInch) / kUnitsPerMm;
    const int w =
        std::max(1, static_cast<int>(std::lround(static_cast<double>(b.x2 - b.x1) * pixelsPerUnit)));
    const int h =
        std::max(1, static_cast<int>(std::lround(static_cast<double>(b.y2 - b.y1) * pixelsPerUnit)));
    if (static_cast<long long>(w) * h <= 40'000'000LL) {
        ImageTarget image(w, h, kWhite, kBitmapDotsPerInch);
        MapSelection(image.Canvas(), kBitmapDotsPerInch, {b.x1, b.y1});
        panel.PaintTo(image.Canvas(), true, false);
        data->setImageData(image.Finish());
    }
    clipboard->setMimeData(data);
}

}  // namespace pw
