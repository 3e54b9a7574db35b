// Hatches on vector devices: stripes cut to the shape, on the same grid as pattern cells.
#include "render/vector_hatch.h"

#include <gtest/gtest.h>

#include "render/render_targets.h"

using namespace pw;

namespace {

QPainterPath Square() {
    QPainterPath p;
    p.addRect(0, 0, 100, 100);
    return p;
}

TEST(VectorHatch, LinesLieOnMultiplesOfTheSpacing) {
    QPainterPath h = VectorHatch(Square(), bsHorizontal, 10, 2);
    EXPECT_TRUE(h.contains(QPointF(50, 20.5)));
    EXPECT_FALSE(h.contains(QPointF(50, 25)));
    QPainterPath v = VectorHatch(Square(), bsVertical, 10, 2);
    EXPECT_TRUE(v.contains(QPointF(30.5, 47)));
    EXPECT_FALSE(v.contains(QPointF(35, 47)));
    // Forward diagonal: x - y on a multiple of the spacing, running down to the right.
    QPainterPath f = VectorHatch(Square(), bsFDiagonal, 10, 2);
    EXPECT_TRUE(f.contains(QPointF(40, 30)));
    EXPECT_TRUE(f.contains(QPointF(60, 50)));
    EXPECT_FALSE(f.contains(QPointF(45, 30)));
    EXPECT_FALSE(f.contains(QPointF(40, 35)));
    QPainterPath b = VectorHatch(Square(), bsBDiagonal, 10, 2);
    EXPECT_TRUE(b.contains(QPointF(20, 30)));
    EXPECT_TRUE(b.contains(QPointF(40, 10)));
    EXPECT_FALSE(b.contains(QPointF(25, 30)));
    QPainterPath c = VectorHatch(Square(), bsCross, 10, 2);
    EXPECT_TRUE(c.contains(QPointF(50, 20.5)) && c.contains(QPointF(30.5, 47)));
    EXPECT_FALSE(c.contains(QPointF(35, 45)));
    QPainterPath d = VectorHatch(Square(), bsDiagCross, 10, 2);
    EXPECT_TRUE(d.contains(QPointF(40, 30)) && d.contains(QPointF(20, 30)));
    EXPECT_FALSE(d.contains(QPointF(42, 35)));
}

TEST(VectorHatch, StaysInsideTheShape) {
    QPainterPath disc;
    disc.addEllipse(QPointF(50, 50), 30, 30);
    QPainterPath h = VectorHatch(disc, bsCross, 10, 2);
    ASSERT_FALSE(h.isEmpty());
    EXPECT_TRUE(h.contains(QPointF(50, 50)));
    EXPECT_FALSE(h.contains(QPointF(10, 10)));  // on both line families, outside the disc
    EXPECT_TRUE(disc.boundingRect().adjusted(-0.5, -0.5, 0.5, 0.5).contains(h.boundingRect()));
}

TEST(VectorHatch, SolidAndClearHaveNoStripes) {
    EXPECT_TRUE(VectorHatch(Square(), bsSolid, 10, 2).isEmpty());
    EXPECT_TRUE(VectorHatch(Square(), bsClear, 10, 2).isEmpty());
}

TEST(VectorHatch, PdfAndSvgCarryStripesNotPatternCells) {
    auto paint = [](Canvas& c) {
        c.SetPenStyle(PenStyle::Clear);
        c.SetBrushColor(kRed);
        c.SetBrushStyle(bsDiagCross);
        c.Rectangle({0, 0, 1000, 1000});
        c.Ellipse({1000, 0, 2000, 1000});
    };
    PdfTarget pdf(20, 10);
    paint(pdf.Canvas());
    QByteArray pdfBytes = pdf.Finish();
    EXPECT_FALSE(pdfBytes.contains("/PatternType"));
    SvgTarget svg(20, 10);
    paint(svg.Canvas());
    QByteArray svgBytes = svg.Finish();
    EXPECT_FALSE(svgBytes.contains("pattern"));
    EXPECT_TRUE(svgBytes.contains("#ff0000"));
}

}  // namespace
