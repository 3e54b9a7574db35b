// Panels painted at true size into images, PDF and SVG, read back: pixel sizes, page boxes and
// view boxes.
#include "render/panel_render.h"

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPdfWriter>
#include <QRegularExpression>

#include "elements/bohrung.h"
#include "render/image_probe.h"
#include "render/render_targets.h"

using namespace pw;
using pw::test::PaintedBox;
using pw::test::PixelColor;

namespace {

std::unique_ptr<TPlatine> Panel(Real widthMm, Real heightMm) {
    auto p = std::make_unique<TPlatine>();
    p->Width = widthMm * 50;
    p->Height = heightMm * 50;
    return p;
}

TBohrung* AddDrill(TPlatine& p, MPoint centre, Real diameterMm) {
    auto d = std::make_unique<TBohrung>();
    d->Centre = centre;
    d->Diameter = diameterMm * 50;
    return static_cast<TBohrung*>(p.AddElement(std::move(d)));
}

TEST(PanelImage, TenMillimetreDrillAt254DpiIsHundredPixelsWide) {
    auto p = Panel(20, 20);
    AddDrill(*p, {500, 500}, 10);
    QImage img = RenderPanelImage(*p, 254, false);
    ASSERT_EQ(img.size(), QSize(200, 200));
    QRect hole = PaintedBox(img, kWhite);
    EXPECT_NEAR(hole.width(), 100, 1);
    EXPECT_NEAR(hole.height(), 100, 1);
    EXPECT_NEAR(hole.center().x(), 100, 1);
    EXPECT_EQ(PixelColor(img, 70, 80), kGrey);
    EXPECT_EQ(PixelColor(img, 100, 100), kWhite);  // the centre cross
}

TEST(PanelImage, SizeFollowsTheResolution) {
    auto p = Panel(100, 50);
    EXPECT_EQ(PanelDeviceSize(*p, 254), QSize(1000, 500));
    EXPECT_EQ(PanelDeviceSize(*p, 150), QSize(591, 295));  // 590.55 and 295.28 pixels
    EXPECT_EQ(PanelDeviceSize(*p, 2540), QSize(10000, 5000));
    EXPECT_EQ(RenderPanelImage(*p, 300, true).size(), QSize(1181, 591));
}

TEST(PanelImage, BackgroundAndOutlineView) {
    auto p = Panel(20, 10);
    QImage with = RenderPanelImage(*p, 254, true);
    EXPECT_EQ(PixelColor(with, 100, 50), 0xE6E6E6u);
    EXPECT_EQ(PixelColor(with, 0, 0), kBlack);
    EXPECT_EQ(PixelColor(with, 199, 99), kBlack);
    QImage without = RenderPanelImage(*p, 254, false);
    EXPECT_TRUE(PaintedBox(without, kWhite).isEmpty());
    p->SetUmrissModus(true);
    QImage outline = RenderPanelImage(*p, 254, true);
    EXPECT_EQ(PixelColor(outline, 100, 50), kWhite);
    EXPECT_EQ(p->StoredFrontplattenFarbe(), 0xE6E6E6u);
}

TEST(PanelImage, RefusesPicturesBeyondTheLimits) {
    auto p = Panel(600, 600);
    EXPECT_TRUE(RenderPanelImage(*p, 5000, true).isNull());
}

// The numbers of every page box of a PDF, in points.
std::vector<std::vector<double>> MediaBoxes(const QByteArray& pdf) {
    std::vector<std::vector<double>> boxes;
    QRegularExpression re(R"(/MediaBox\s*\[\s*([-0-9.]+)\s+([-0-9.]+)\s+([-0-9.]+)\s+([-0-9.]+)\s*\])");
    auto it = re.globalMatch(QString::fromLatin1(pdf));
    while (it.hasNext()) {
        auto m = it.next();
        boxes.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble()});
    }
    return boxes;
}

double WidthMm(const std::vector<double>& box) {
    return (box[2] - box[0]) * 25.4 / 72;
}
double HeightMm(const std::vector<double>& box) {
    return (box[3] - box[1]) * 25.4 / 72;
}

// Every object offset of the cross-reference table points at its object, and startxref at the
// table.
void ExpectConsistentCrossReferences(const QByteArray& pdf) {
    qsizetype startxref = pdf.lastIndexOf("startxref");
    ASSERT_GT(startxref, 0);
    qsizetype table = pdf.mid(startxref + 9).trimmed().split('\n')[0].trimmed().toLongLong();
    ASSERT_TRUE(pdf.mid(table).startsWith("xref"));
    QList<QByteArray> lines = pdf.mid(table).split('\n');
    QList<QByteArray> header = lines[1].trimmed().split(' ');
    int first = header[0].toInt(), count = header[1].toInt();
    int checked = 0;
    for (int i = 0; i < count; ++i) {
        QList<QByteArray> entry = lines[2 + i].trimmed().split(' ');
        if (entry.size() < 3 || entry[2] != "n") continue;
        qsizetype offset = entry[0].toLongLong();
        EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(first + i) + " 0 obj"))
            << "object " << first + i;
        ++checked;
    }
    EXPECT_GT(checked, 3);
}

TEST(PanelPdf, PageIsThePanelSizeExactly) {
    auto p = Panel(100, 50);
    AddDrill(*p, {2500, 1250}, 10);
    QByteArray pdf = RenderPanelsPdf({p.get()}, true);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    auto boxes = MediaBoxes(pdf);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NEAR(WidthMm(boxes[0]), 100, 0.001);
    EXPECT_NEAR(HeightMm(boxes[0]), 50, 0.001);
    ExpectConsistentCrossReferences(pdf);
}

TEST(PanelPdf, OnePagePerPanelEachOfItsOwnSize) {
    auto a = Panel(100, 50), b = Panel(352.7, 210.3), c = Panel(600, 600);
    QByteArray pdf = RenderPanelsPdf({a.get(), b.get(), c.get()}, true);
    auto boxes = MediaBoxes(pdf);
    ASSERT_EQ(boxes.size(), 3u);
    const double sizes[3][2] = {{100, 50}, {352.7, 210.3}, {600, 600}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(WidthMm(boxes[i]), sizes[i][0], 0.001) << "page " << i;
        EXPECT_NEAR(HeightMm(boxes[i]), sizes[i][1], 0.001) << "page " << i;
    }
    ExpectConsistentCrossReferences(pdf);
}

TEST(PanelPdf, PageBoxFixKeepsTheLengthAndTheTopEdge) {
    QByteArray in = "1 0 obj\n<< /MediaBox [0 0 283.000000 142.000000] >>\nendobj\n";
    QByteArray out = FixPdfPageBoxes(in, {QSizeF(100, 50)});
    EXPECT_EQ(out.size(), in.size());
    auto boxes = MediaBoxes(out);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_DOUBLE_EQ(boxes[0][3], 142.0);
    EXPECT_NEAR(boxes[0][2], 283.4646, 0.0001);
    EXPECT_NEAR(boxes[0][1], 142.0 - 141.7323, 0.0001);
}

TEST(PanelPdf, HairlinesStayHairlines) {
    auto p = Panel(20, 20);
    AddDrill(*p, {500, 500}, 10);
    PdfTarget t(20, 20);
    MapTrueSize(t.Canvas(), t.Canvas().DotsPerInch());
    EXPECT_EQ(t.Canvas().LPtoDP(IPoint{1000, 500}), (IPoint{2000, 1000}));  // 0.01 mm per unit
    p->PaintTo(t.Canvas(), false, true);
    EXPECT_TRUE(t.Finish().startsWith("%PDF"));
}

TEST(PanelSvg, WidthHeightAndViewBoxInMillimetres) {
    auto p = Panel(100, 50);
    AddDrill(*p, {2500, 1250}, 10);
    QString svg = QString::fromUtf8(RenderPanelSvg(*p, true));
    EXPECT_TRUE(svg.contains(R"(width="100mm")")) << svg.left(400).toStdString();
    EXPECT_TRUE(svg.contains(R"(height="50mm")"));
    EXPECT_TRUE(svg.contains(R"(viewBox="0 0 10000 5000")"));
    // The drill hole: a 10 mm circle is 1000 view box units across.
    EXPECT_TRUE(svg.contains("<path") || svg.contains("<ellipse") || svg.contains("<circle"));
}

TEST(PrinterCanvas, DrawsOnAPagedDeviceInItsOwnDots) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    {
        PrinterTarget target(writer);
        ASSERT_TRUE(target.IsActive());
        EXPECT_DOUBLE_EQ(target.Canvas().DotsPerInch(), 600);
        // A4 is 210 mm wide: 4960 dots at 600 dpi.
        EXPECT_NEAR(target.Canvas().ClipBox().x2, 4960, 2);
        auto p = Panel(100, 50);
        AddDrill(*p, {2500, 1250}, 10);
        MapTrueSize(target.Canvas(), 600);
        p->PrintPaint(target.Canvas(), {0, 0, 5000, 2500});
        target.NewPage();
        p->PaintTo(target.Canvas(), false, true);
        target.Finish();
    }
    EXPECT_EQ(bytes.count("/Type /Page\n"), 2);
}

}  // namespace
