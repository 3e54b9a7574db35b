#include "render/panel_render.h"

#include <cmath>

#include "core/emf_canvas.h"
#include "core/view_mapping.h"
#include "render/render_targets.h"

namespace pw {

void MapTrueSize(Canvas& c, double dotsPerInch) {
    ViewMapping::TrueSize(dotsPerInch).ApplyTo(c);
}

QSize PanelDeviceSize(const TPlatine& panel, double dotsPerInch) {
    IPoint d = ViewMapping::TrueSize(dotsPerInch)
                   .ToDevice(IPoint{RoundToInt(panel.Width), RoundToInt(panel.Height)});
    return QSize(std::max(d.x, 1), std::max(d.y, 1));
}

namespace {
double MmOf(Real units) {
    return static_cast<double>(units) / kUnitsPerMm;
}

// Without the panel's surface every output has a white ground, as pictures have from the start;
// SVG and PDF would otherwise be transparent. Drawn on the painter, so the canvas state the
// panel paints with stays as it was.
void PaintPage(const TPlatine& panel, QtCanvas& canvas, bool withBackground) {
    MapTrueSize(canvas, canvas.DotsPerInch());
    if (!withBackground) {
        IPoint end = canvas.LPtoDP(IPoint{RoundToInt(panel.Width), RoundToInt(panel.Height)});
        canvas.Painter().fillRect(QRect(0, 0, end.x + 1, end.y + 1), Qt::white);
    }
    panel.PaintTo(canvas, false, withBackground);
}
}  // namespace

QImage RenderPanelImage(const TPlatine& panel, double dotsPerInch, bool withBackground) {
    QSize size = PanelDeviceSize(panel, dotsPerInch);
    if (size.width() > kMaxImageSide || size.height() > kMaxImageSide ||
        static_cast<long long>(size.width()) * size.height() > kMaxImagePixels)
        return QImage();
    ImageTarget target(size.width(), size.height(), kWhite, dotsPerInch);
    PaintPage(panel, target.Canvas(), withBackground);
    return target.Finish();
}

QByteArray RenderPanelsPdf(const std::vector<const TPlatine*>& panels, bool withBackground) {
    if (panels.empty()) return {};
    PdfTarget target(MmOf(panels[0]->Width), MmOf(panels[0]->Height));
    for (size_t i = 0; i < panels.size(); ++i) {
        if (i > 0) target.NewPage(MmOf(panels[i]->Width), MmOf(panels[i]->Height));
        PaintPage(*panels[i], target.Canvas(), withBackground);
    }
    return target.Finish();
}

QByteArray RenderPanelSvg(const TPlatine& panel, bool withBackground) {
    SvgTarget target(MmOf(panel.Width), MmOf(panel.Height));
    PaintPage(panel, target.Canvas(), withBackground);
    return target.Finish();
}

std::vector<uint8_t> RenderPanelEmf(const TPlatine& panel, bool withBackground) {
    // 2540 dots per inch: one device unit of the metafile is 0.01 mm, two per model unit.
    constexpr double kHundredthsOfMmPerInch = 2540;
    NullCanvas probe;
    MapTrueSize(probe, kHundredthsOfMmPerInch);
    const IPoint size = probe.LPtoDP(IPoint{RoundToInt(panel.Width), RoundToInt(panel.Height)});
    EmfCanvas canvas(size.x, size.y, panel.Name.Text());
    MapTrueSize(canvas, kHundredthsOfMmPerInch);
    if (!withBackground) {
        // The white ground, through the canvas with a state of its own.
        const Canvas::State state = canvas.SaveState();
        canvas.SetPenStyle(PenStyle::Clear);
        canvas.SetBrushColor(kWhite);
        canvas.SetBrushStyle(bsSolid);
        canvas.Rectangle(IRect{0, 0, RoundToInt(panel.Width) + 1, RoundToInt(panel.Height) + 1});
        canvas.RestoreState(state);
    }
    panel.PaintTo(canvas, false, withBackground);
    return canvas.Finish();
}

}  // namespace pw
