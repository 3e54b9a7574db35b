// Without the panel's surface, the SVG export has the white ground the pictures have, as an SVG
// reader that is not ours (rsvg-convert) shows it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdlib>

#include "elements/bohrung.h"
#include "render/panel_render.h"

using namespace pw;

namespace {

// The SVG rasterised by rsvg-convert at 96 dpi, with its transparency.
QImage RasterisedByRsvg(const QByteArray& svg) {
    QTemporaryDir dir;
    QString in = dir.filePath("panel.svg"), out = dir.filePath("panel.png");
    QFile file(in);
    if (!file.open(QIODevice::WriteOnly) || file.write(svg) != svg.size()) return {};
    file.close();
    std::string command = "rsvg-convert -o '" + out.toStdString() + "' '" + in.toStdString() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "rsvg-convert (librsvg2-bin) is needed";
    return QImage(out).convertToFormat(QImage::Format_ARGB32);
}

TEST(PanelGround, SvgWithoutBackgroundIsOpaqueWhite) {
    TPlatine panel;
    panel.Width = 40 * 50;
    panel.Height = 20 * 50;
    panel.SetFrontplattenFarbe(0x336699);
    auto drill = std::make_unique<TBohrung>();
    drill->Centre = {1000, 500};
    drill->Diameter = 250;
    panel.AddElement(std::move(drill));

    QImage bare = RasterisedByRsvg(RenderPanelSvg(panel, false));
    ASSERT_FALSE(bare.isNull());
    // 40 x 20 mm are 151.2 x 75.6 pixels: the last row and column are covered only in part.
    for (QPoint p : {QPoint(0, 0), QPoint(bare.width() - 2, bare.height() - 2), QPoint(20, 37)})
        EXPECT_EQ(bare.pixel(p), 0xFFFFFFFFu) << p.x() << "," << p.y();
    // The drill hole is still drawn on it.
    EXPECT_NE(bare.pixel(bare.width() / 2, bare.height() / 2), 0xFFFFFFFFu);

    QImage surface = RasterisedByRsvg(RenderPanelSvg(panel, true));
    ASSERT_FALSE(surface.isNull());
    EXPECT_EQ(surface.pixel(20, surface.height() / 2), 0xFF996633u);
}

}  // namespace
