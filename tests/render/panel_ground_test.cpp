// Without the panel's surface the SVG export has the white ground pictures have, as an SVG reader
// that is not ours (rsvg-convert) shows it.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>

#include "elements/bohrung.h"
#include "render/panel_render.h"

using namespace pw;

namespace {

TEST(PanelGround, SvgWithoutBackgroundIsOpaqueWhite) {
    TPlatine panel;
    panel.Width = 40 * 50;
    panel.Height = 20 * 50;
    panel.SetFrontplattenFarbe(0x336699);
    auto drill = std::make_unique<TBohrung>();
    drill->Centre = {1000, 500};
    drill->Diameter = 250;
    panel.AddElement(std::move(drill));
    QTemporaryDir dir;
    auto rasterised = [&](bool withBackground) {
        QFile svg(dir.filePath("panel.svg"));
        EXPECT_TRUE(svg.open(QIODevice::WriteOnly) && svg.write(RenderPanelSvg(panel, withBackground)) > 0);
        svg.close();
        std::string command = "rsvg-convert -o '" + dir.filePath("panel.png").toStdString() + "' '" +
                              svg.fileName().toStdString() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << "rsvg-convert (librsvg2-bin) is needed";
        return QImage(dir.filePath("panel.png")).convertToFormat(QImage::Format_ARGB32);
    };
    // 40 x 20 mm at 96 dpi are 151.2 x 75.6 pixels: the last row and column are covered in part.
    QImage bare = rasterised(false), surface = rasterised(true);
    ASSERT_EQ(bare.size(), QSize(152, 76));
    for (QPoint p : {QPoint(0, 0), QPoint(150, 74), QPoint(20, 37)}) EXPECT_EQ(bare.pixel(p), 0xFFFFFFFFu);
    EXPECT_NE(bare.pixel(76, 38), 0xFFFFFFFFu);  // the drill hole
    EXPECT_EQ(surface.pixel(20, 37), 0xFF996633u);
}

}  // namespace
