// The export of panels and selections: areas, picture sizes, limits, and files written whole or
// not at all; bitmaps read back by Qt's, ImageMagick's and rsvg's readers.
#include "render/picture_export.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "elements/bohrung.h"
#include "elements/linie.h"
#include "panel/platine.h"
#include "render/image_probe.h"
#include "render/pdf_readback.h"

using namespace pw;

namespace {

TBohrung* AddDrill(TPlatine& p, MPoint centre, Real diameter) {
    auto d = std::make_unique<TBohrung>();
    d->Centre = centre;
    d->Diameter = diameter;
    return static_cast<TBohrung*>(p.AddElement(std::move(d)));
}

ExportChoice Choice(ExportFormat format, bool selectedOnly = false, bool background = true) {
    ExportChoice c;
    c.format = format;
    c.selectedOnly = selectedOnly;
    c.withBackground = background;
    return c;
}

struct Export : ::testing::Test {
    TPlatine panel;
    Export() {
        panel.Width = 5000;
        panel.Height = 2500;
        panel.SetFrontplattenFarbe(0x00336699);
    }
};

TEST_F(Export, BitmapOfTheWholePanelIs150DotsPerInch) {
    AddDrill(panel, {2500, 1250}, 500);
    const ExportResult r = RenderExport(panel, Choice(ExportFormat::Bmp));
    ASSERT_TRUE(r.error.empty()) << r.error;
    QImage image;
    ASSERT_TRUE(image.loadFromData(r.bytes, "BMP"));
    EXPECT_EQ(image.size(), QSize(591, 295));
    EXPECT_EQ(test::PixelColor(image, 5, 5), 0x00336699u);
    // The hole at the centre: 10 mm wide is 59 pixels.
    EXPECT_NE(test::PixelColor(image, 295, 147), 0x00336699u);
    // ImageMagick, a reader that is not ours, sees the same size and panel colour.
    QTemporaryDir dir;
    const std::string file = dir.filePath("panel.bmp").toStdString();
    std::ofstream(file, std::ios::binary).write(r.bytes.constData(), r.bytes.size());
    const std::string command = "identify -format '%wx%h %[hex:p{5,5}]' '" + file + "' > '" + file + ".txt'";
    ASSERT_EQ(std::system(command.c_str()), 0) << "identify (imagemagick) is needed";
    std::string seen;
    std::getline(std::ifstream(file + ".txt"), seen);
    EXPECT_EQ(seen, "591x295 " + QColor(image.pixel(5, 5)).name().mid(1).toUpper().toStdString());

    ExportChoice png = Choice(ExportFormat::Png);
    png.pngDotsPerInch = 254;
    QImage fine;
    ASSERT_TRUE(fine.loadFromData(RenderExport(panel, png).bytes, "PNG"));
    EXPECT_EQ(fine.size(), QSize(1000, 500));
}

TEST_F(Export, TheSelectionAloneHasExactlyItsBoundsAndZeroSizeGetsOnePixel) {
    TBohrung* hole = AddDrill(panel, {1000, 1000}, 500);
    TBohrung* other = AddDrill(panel, {4000, 2000}, 500);
    hole->SetSelected(true);
    const MRect bounds = hole->GetBounds();
    const MRect area = ExportArea(panel, true, true);
    EXPECT_EQ(area.x1, std::nearbyint(bounds.x1));
    EXPECT_EQ(area.x2, std::nearbyint(bounds.x2));
    // Without background all elements make the area too, not the panel.
    EXPECT_EQ(ExportArea(panel, false, false).x2, std::nearbyint(other->GetBounds().x2));
    const QString svg = QString::fromUtf8(RenderExport(panel, Choice(ExportFormat::Svg, true)).bytes);
    const double widthMm = static_cast<double>(area.x2 - area.x1) / 50;
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"%1mm\"").arg(widthMm))) << svg.left(300).toStdString();
    const QImage drawn = test::SvgAsPicture(svg.toUtf8(), 254);
    EXPECT_EQ(drawn.width(), static_cast<int>(std::lround(widthMm * 10)));

    // A point of a line has no size: still a picture of one pixel.
    panel.SelectAll(false);
    auto dot = std::make_unique<TLinie>();
    dot->AddPoint({300, 300});
    dot->SetStiftBreite(0);
    panel.AddElement(std::move(dot))->SetSelected(true);
    QImage one;
    ASSERT_TRUE(one.loadFromData(RenderExport(panel, Choice(ExportFormat::Bmp, true, false)).bytes, "BMP"));
    EXPECT_EQ(one.size(), QSize(1, 1));
}

TEST_F(Export, TooLargeBitmapsAreRefusedAndFailuresLeaveTheFileAsItWas) {
    panel.Width = panel.Height = 30000;
    AddDrill(panel, {100, 100}, 100);
    ExportChoice png = Choice(ExportFormat::Png);
    png.pngDotsPerInch = 600;  // 14173 x 14173 pixels
    const ExportResult r = RenderExport(panel, png);
    EXPECT_TRUE(r.bytes.isEmpty());
    EXPECT_NE(r.error.find("14173 x 14173"), std::string::npos) << r.error;

    const std::string path = ::testing::TempDir() + "/kept.png";
    std::ofstream(path) << "old";
    EXPECT_FALSE(WriteExport(path, panel, png).empty());
    QFile kept(QString::fromStdString(path));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("old"));

    EXPECT_FALSE(WriteExport("/nonexistent-folder/x.dxf", panel, Choice(ExportFormat::Dxf)).empty());
    const std::string pdf = ::testing::TempDir() + "/panel.pdf";
    ASSERT_EQ(WriteExport(pdf, panel, Choice(ExportFormat::Pdf)), "");
    const test::PdfInfo info = test::ReadPdfInfo(pdf);
    EXPECT_EQ(info.pages, 1);
    EXPECT_NEAR(info.widthPt, 600 / 25.4 * 72, 0.1);
}

int32_t HeaderField(const QByteArray& emf, int offset) {
    int32_t v = 0;
    std::memcpy(&v, emf.constData() + offset, 4);
    return v;
}

TEST_F(Export, MetafileOfTheSelectionIsExactlyItsBoundsAndOpensElsewhere) {
    TBohrung* hole = AddDrill(panel, {1000, 700}, 500);
    AddDrill(panel, {4000, 2000}, 500);
    hole->SetSelected(true);
    const MRect area = ExportArea(panel, true, false);
    const QByteArray emf = RenderExport(panel, Choice(ExportFormat::Emf, true, false)).bytes;
    ASSERT_GT(emf.size(), 108);
    // The header's frame (0.01 mm) is the selection's bounds, pen width included; nBytes is all.
    EXPECT_EQ(HeaderField(emf, 24), 0);
    EXPECT_EQ(HeaderField(emf, 32), static_cast<int32_t>(2 * (area.x2 - area.x1)));
    EXPECT_EQ(HeaderField(emf, 36), static_cast<int32_t>(2 * (area.y2 - area.y1)));
    EXPECT_EQ(HeaderField(emf, 48), emf.size());

    const char* converter = "/usr/bin/emf2svg-conv";
    if (!std::ifstream(converter)) GTEST_SKIP() << "emf2svg-conv is not installed";
    QTemporaryDir dir;
    const std::string in = dir.filePath("sel.emf").toStdString(), out = dir.filePath("sel.svg").toStdString();
    std::ofstream(in, std::ios::binary).write(emf.constData(), emf.size());
    ASSERT_EQ(std::system((std::string(converter) + " -i '" + in + "' -o '" + out + "' 2>/dev/null").c_str()),
              0);
    std::ifstream file(out);
    const QString svg = QString::fromStdString(std::string(std::istreambuf_iterator<char>(file), {}));
    const auto m = QRegularExpression(R"re(<svg[^>]*width="([0-9.]+)")re").match(svg);
    ASSERT_TRUE(m.hasMatch());
    EXPECT_DOUBLE_EQ(m.captured(1).toDouble(), static_cast<double>(2 * (area.x2 - area.x1)));
    // Only the selected hole: one disc.
    EXPECT_EQ(svg.count(QStringLiteral("<ellipse")), 1) << svg.left(600).toStdString();
}

}  // namespace
