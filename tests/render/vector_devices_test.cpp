// The PDF and SVG paint devices on their own: pages of their own sizes, clips, pictures with
// transparency and under a transformation, read back by poppler and rsvg; the numbers they write.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <cmath>

#include "render/image_probe.h"
#include "render/pdf_device.h"
#include "render/pdf_readback.h"
#include "render/svg_device.h"
#include "render/vector_paint_engine.h"

using namespace pw;
using namespace pw::test;

namespace {

// A 4 x 2 picture: red on the left half, blue on the right; its bottom row half transparent.
QImage Picture() {
    QImage image(4, 2, QImage::Format_ARGB32);
    for (int x = 0; x < 4; ++x) {
        image.setPixel(x, 0, x < 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
        image.setPixel(x, 1, x < 2 ? qRgba(255, 0, 0, 0) : qRgba(0, 0, 255, 0));
    }
    return image;
}

// On a 40 x 20 mm page (4000 x 2000 units): a green square 10 mm wide at (2, 2) mm, of which the
// clip keeps the left half; the picture 20 x 10 mm at (15, 2) mm, its transparent row showing the
// white ground; a black curve.
void PaintScene(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 160, 0));
    p.setClipRect(QRect(0, 0, 700, 2000));
    p.drawRect(QRect(200, 200, 1000, 1000));
    p.setClipping(false);
    p.drawImage(QRect(1500, 200, 2000, 1000), Picture());
    QPainterPath curve;
    curve.moveTo(200, 1800);
    curve.quadTo(2000, 1000, 3800, 1800);
    p.setPen(QPen(Qt::black, 50));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

// At 254 dpi one pixel is 0.1 mm, ten units.
void ExpectScene(const QImage& page, const char* reader) {
    // A reader may round the page up to a whole pixel.
    ASSERT_NEAR(page.width(), 400, 1) << reader;
    ASSERT_NEAR(page.height(), 200, 1) << reader;
    EXPECT_EQ(PixelColor(page, 40, 70), RGBColor(0, 160, 0)) << reader;  // inside the clip
    EXPECT_EQ(PixelColor(page, 100, 70), kWhite) << reader;              // cut off by it
    EXPECT_EQ(PixelColor(page, 200, 40), RGBColor(255, 0, 0)) << reader;
    EXPECT_EQ(PixelColor(page, 300, 40), RGBColor(0, 0, 255)) << reader;
    EXPECT_EQ(PixelColor(page, 200, 100), kWhite) << reader;  // the transparent row
    // The curve's top: the quadratic's middle lies halfway to its control point, at y = 14 mm.
    EXPECT_LT(qGray(page.pixel(200, 140)), 80) << reader;
    EXPECT_EQ(PixelColor(page, 200, 130), kWhite) << reader;
}

TEST(PdfDevice, PagesOfTheirOwnSizeWithClipsPicturesAndCurves) {
    PdfDevice device(40, 20, QStringLiteral("Plattenwerk"));
    QPainter p(&device);
    PaintScene(p);
    device.NewPage(100, 50);
    p.fillRect(QRect(0, 0, 10000, 5000), Qt::black);
    p.end();
    const QByteArray pdf = device.Document();
    const PdfInfo info = ReadPdfInfo(pdf);
    EXPECT_EQ(info.pages, 2);
    EXPECT_NEAR(info.widthPt, 40 * 72 / 25.4, 0.01);
    EXPECT_NEAR(info.heightPt, 20 * 72 / 25.4, 0.01);
    ExpectScene(RasterisePage(pdf, 1, 254), "pdftoppm");
    const QImage second = RasterisePage(pdf, 2, 25);
    ASSERT_FALSE(second.isNull());
    EXPECT_EQ(PixelColor(second, second.width() / 2, second.height() / 2), kBlack);
}

TEST(SvgDevice, ClipsPicturesAndCurvesAsRsvgDrawsThem) {
    SvgDevice device(QSize(4000, 2000), 2540, QStringLiteral("a <title> & more"));
    QPainter p(&device);
    PaintScene(p);
    p.end();
    const QByteArray svg = device.Document();
    EXPECT_TRUE(svg.contains("<title>a &lt;title&gt; &amp; more</title>"));
    EXPECT_TRUE(svg.contains(R"(width="40mm" height="20mm" viewBox="0 0 4000 2000")"))
        << svg.left(300).toStdString();
    ExpectScene(SvgAsPicture(svg, 254), "rsvg-convert");
}

TEST(SvgDevice, PathsAreRelativeAndShortAndPicturesFollowTheTransformation) {
    SvgDevice device(QSize(1000, 1000), 2540, QStringLiteral("t"));
    QPainter p(&device);
    p.setPen(QPen(Qt::black, 10));
    // A rectangle with a third of a unit in it and a run of two quadratic pieces whose middle
    // control point is implied.
    p.drawPolygon(QPolygonF({{100, 100}, {300.333, 100}, {300.333, 200}, {100, 200}}));
    QPainterPath run;
    run.moveTo(100, 500);
    run.quadTo(200, 400, 300, 500);
    run.quadTo(400, 600, 500, 500);
    p.drawPath(run);
    // A picture turned a quarter: its first row runs down the page.
    p.setTransform(QTransform(0, 1, -1, 0, 900, 600));
    p.drawImage(QPointF(0, 0), Picture());
    p.end();
    const QByteArray svg = device.Document();
    EXPECT_TRUE(svg.contains(R"(d="m100 100h200.3v100h-200.3z")")) << svg.toStdString();
    EXPECT_TRUE(svg.contains(R"(m100 500q100-100 200 0t200 0)")) << svg.toStdString();
    EXPECT_TRUE(svg.contains(R"x(transform="matrix(0 1 -1 0 900 600)")x")) << svg.toStdString();
}

TEST(VectorNumbers, TenthsAreWrittenShort) {
    auto text = [](int64_t t) {
        QByteArray out;
        PutTenths(out, t);
        return out;
    };
    EXPECT_EQ(text(0), "0");
    EXPECT_EQ(text(5), ".5");
    EXPECT_EQ(text(-5), "-.5");
    EXPECT_EQ(text(120), "12");
    EXPECT_EQ(text(-1237), "-123.7");
    EXPECT_EQ(Tenths(1.04999), 10);
    EXPECT_EQ(Tenths(-2.25), -23);  // halves away from zero
    EXPECT_EQ(Tenths(std::nan("")), 0);
}

}  // namespace
