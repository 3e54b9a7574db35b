// Pens far wider than the picture, on every canvas: they cover what they reach, at the cost of
// the picture, not of the pen.
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

TEST(HugePen, AnEdgeCrossingThePictureLiesWhereTheTruePenHasIt) {
    // A corner of a pen of radius 5e8 whose rim touches (150, 100) from below right: within the
    // picture its edge is the line through that point across n = (0.6, 0.8), to 1e-4 pixel.
    ImageTarget t(300, 200);
    t.Canvas().SetAntialiasing(true);
    t.Canvas().SetPenWidth(1'000'000'000);
    const IPoint v{-299'999'850, -399'999'900};
    t.Canvas().Polyline(std::vector<IPoint>{v, {v.x + 80'000'000, v.y - 60'000'000}});
    const QImage& img = t.Finish();
    int wrong = 0;
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x) {
            const double side = (x + 0.5 - 150) * 0.6 + (y + 0.5 - 100) * 0.8;
            wrong += std::abs(side) > 1 && (side < 0) != (qGray(img.pixel(x, y)) < 128);
        }
    EXPECT_EQ(wrong, 0);
    EXPECT_NEAR(InkAmount(img), 150 * 200, 300);
}

}  // namespace
