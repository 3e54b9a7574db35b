// Hairlines and the dots of patterned lines as they reach the reader: SVG and PDF pages drawn by
// rsvg-convert and pdftoppm against our own picture at the same resolution, and dotted lines
// drawn where each dot is far less than a pixel long.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QPdfWriter>

#include "elements/pattern_line.h"
#include "panel/scale_document.h"
#include "render/image_probe.h"
#include "render/panel_render.h"
#include "render/pdf_readback.h"
#include "render/render_targets.h"

using namespace pw;
using namespace pw::test;

namespace {

TEST(VectorHairlines, TheDefaultKnobScaleShowsTheInkOfItsPicture) {
    // Its ticks, labels and centre cross are hairlines.
    std::vector<std::string> corrections;
    std::unique_ptr<TScale> scale = MakeScale(ScaleOptions{}, corrections);
    const MRect b = scale->GetBounds();
    scale->Move({500 - b.x1, 500 - b.y1});
    TPlatine panel;
    panel.Width = b.x2 - b.x1 + 1000;
    panel.Height = b.y2 - b.y1 + 1000;
    panel.AddElement(std::move(scale));
    const double picture = InkAmount(RenderPanelImage(panel, 254, false));
    EXPECT_GT(picture, 1000);
    for (const QImage& page : {SvgAsPicture(RenderPanelSvg(panel, false), 254),
                               SmoothPdfPage(RenderPanelsPdf({&panel}, false), 254)})
        EXPECT_NEAR(InkAmount(page), picture, 0.3 * picture);
}

TEST(PatternLines, EveryDotShowsOnScreenInPicturesAndInPrint) {
    // 50 mm lines at true size: dotted under a 0.5 mm pen (13 dots) and a hairline (51),
    // dash-dot (3 dashes, 3 dots, the closing dash).
    struct Case {
        int32_t penWidth;
        TPattern pattern;
        int marks;
    };
    for (const Case& p : {Case{25, ptPunkt, 13}, Case{0, ptPunkt, 51}, Case{25, ptPunktStrich, 7}})
        for (double dpi : {96.0, 150.0, 0.0}) {
            auto draw = [&](Canvas& c, double resolution) {
                MapTrueSize(c, resolution);
                c.SetPenWidth(p.penWidth);
                c.MoveTo({250, 250});
                DrawPatternLine(c, {2750, 250}, p.penWidth * 10 + 100, p.pattern);
            };
            QImage picture;
            if (dpi > 0) {  // a 60 x 10 mm picture
                ImageTarget t(static_cast<int>(dpi * 60 / 25.4), static_cast<int>(dpi * 10 / 25.4));
                draw(t.Canvas(), dpi);
                picture = t.Finish();
            } else {  // a printer of 150 dpi, its page read back
                QByteArray bytes;
                QBuffer buffer(&bytes);
                buffer.open(QIODevice::WriteOnly);
                QPdfWriter writer(&buffer);
                writer.setResolution(150);
                writer.setPageLayout(QPageLayout(QPageSize(QSizeF(60, 10), QPageSize::Millimeter),
                                                 QPageLayout::Portrait, QMarginsF()));
                PrinterTarget target(writer);
                draw(target.Canvas(), 150);
                target.Finish();
                picture = RasterisePage(bytes, 1, 150);
            }
            EXPECT_EQ(InkStretches(picture), p.marks)
                << "pen " << p.penWidth << ", " << dpi << " dpi (0: print)";
        }
}

}  // namespace
