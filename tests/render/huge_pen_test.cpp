// Pens far wider than the picture, on every canvas: they cover what they reach, at the cost of
// the picture, not of the pen.
#include "render/huge_pen.h"

#include <gtest/gtest.h>

#include "elements/textlabel.h"
#include "render/image_probe.h"
#include "render/panel_render.h"
#include "render/pdf_readback.h"
#include "render/render_targets.h"

using namespace pw;
using namespace pw::test;

namespace {

bool Covered(const QImage& img) {
    return !img.isNull() && InkAmount(img) > 0.99 * img.width() * img.height();
}

TEST(HugePen, ATextOfABillionUnitsCoversPicturesAndPages) {
    TPlatine panel;
    panel.Width = 5000;
    panel.Height = 2500;
    auto text = std::make_unique<TTextLabel>(FontSpec{"Arial", 300, 0}, "Abc", MPoint{1000, 1000});
    text->SetStiftBreite(1e9);
    panel.AddElement(std::move(text));
    EXPECT_TRUE(SucceedsWithinMemory(300 << 20, [&] {
        return Covered(RenderPanelImage(panel, 150, false)) && Covered(RenderPanelImage(panel, 600, false));
    }));
    const QByteArray svg = RenderPanelSvg(panel, false);
    EXPECT_LT(svg.size(), 10000);
    EXPECT_TRUE(Covered(SvgAsPicture(svg, 100)));
    EXPECT_TRUE(Covered(RasterisePage(RenderPanelsPdf({&panel}, false), 1, 100)));
}

TEST(HugePen, EveryDrawingCallCoversThePicture) {
    for (int call = 0; call < 4; ++call)
        for (bool smooth : {false, true}) {
            ImageTarget t(300, 200);
            Canvas& c = t.Canvas();
            t.Canvas().SetAntialiasing(smooth);
            c.SetPenWidth(100'000'000);
            c.SetBrushStyle(bsClear);
            const IRect box{10, 10, 50, 40};
            if (call == 0) c.Polyline(std::vector<IPoint>{{10, 10}, {50, 40}});
            if (call == 1) c.Ellipse(box);
            if (call == 2) c.Arc(box, {0, 0}, {50, 0});
            if (call == 3) c.Rectangle(box);
            EXPECT_EQ(CountColor(t.Finish(), kBlack), 300 * 200)
                << "call " << call << ", smoothed " << smooth;
        }
}

TEST(HugePen, TheCutStrokeKeepsTheTrueEdge) {
    // Pens of radius 5e8 whose edge crosses the area at (150, 100), seen from far away: the band
    // of a segment (across n = (0, 1)), the rim of a dot (n = (0.6, 0.8), straight to 1e-4), and
    // that dot with the band of a segment from it, overlapping.
    struct Case {
        QPolygonF line;
        QPointF n;
    };
    for (const Case& c : {Case{QPolygonF{QPointF(-4e8, 100 - 5e8), QPointF(4e8, 100 - 5e8)}, QPointF(0, 1)},
                          Case{QPolygonF{QPointF(150 - 3e8, 100 - 4e8)}, QPointF(0.6, 0.8)},
                          Case{QPolygonF{QPointF(150 - 3e8, 100 - 4e8), QPointF(150 - 2.2e8, 100 - 4.6e8)},
                               QPointF(0.6, 0.8)}}) {
        const QPainterPath covered = HugeStrokeArea(c.line, 5e8, QRectF(0, 0, 300, 200));
        for (int y = 1; y < 200; y += 3)
            for (int x = 1; x < 300; x += 3) {
                const double side = (x - 150) * c.n.x() + (y - 100) * c.n.y();
                EXPECT_TRUE(std::abs(side) < 0.1 || covered.contains(QPointF(x, y)) == (side < 0))
                    << x << ", " << y;
            }
    }
}

}  // namespace
