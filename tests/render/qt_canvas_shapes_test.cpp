// Pixels the Qt canvas paints on an image: the extent of shapes, pens, arcs, text, pictures,
// clipping and fill rules, read back from the image.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>

#include "core/cp1252.h"
#include "render/image_probe.h"
#include "render/render_targets.h"
#include "text/font_engine.h"

using namespace pw;
using pw::test::CompareBlack;
using pw::test::CountColor;
using pw::test::PaintedBox;
using pw::test::PixelColor;

namespace {

constexpr Color kInk = kBlack;
constexpr Color kFill = kRed;

void SolidPenAndBrush(Canvas& c) {
    c.SetPenWidth(0);
    c.SetPenColor(kInk);
    c.SetBrushStyle(bsSolid);
    c.SetBrushColor(kFill);
}

TEST(QtCanvasShapes, RectangleCoversItsBoxWithoutRightAndBottomEdge) {
    ImageTarget t(60, 40);
    SolidPenAndBrush(t.Canvas());
    t.Canvas().Rectangle({10, 10, 30, 20});
    const QImage& img = t.Finish();
    EXPECT_EQ(PaintedBox(img, kWhite), QRect(10, 10, 20, 10));
    EXPECT_EQ(PixelColor(img, 10, 15), kInk);
    EXPECT_EQ(PixelColor(img, 29, 15), kInk);
    EXPECT_EQ(PixelColor(img, 20, 19), kInk);
    EXPECT_EQ(PixelColor(img, 20, 15), kFill);
}

TEST(QtCanvasShapes, ShapesWithoutPenAreOnePixelSmaller) {
    ImageTarget t(60, 80);
    Canvas& c = t.Canvas();
    SolidPenAndBrush(c);
    c.SetPenStyle(PenStyle::Clear);
    c.Rectangle({10, 10, 30, 20});
    c.Ellipse({10, 40, 30, 60});
    const QImage& img = t.Finish();
    QRect top = PaintedBox(img.copy(0, 0, 60, 30), kWhite);
    QRect bottom = PaintedBox(img.copy(0, 30, 60, 50), kWhite);
    EXPECT_EQ(top, QRect(10, 10, 19, 9));
    EXPECT_EQ(bottom.translated(0, 30), QRect(10, 40, 19, 19));
}

TEST(QtCanvasShapes, EllipseWithPenCoversItsBoxSymmetrically) {
    ImageTarget t(60, 60);
    SolidPenAndBrush(t.Canvas());
    t.Canvas().Ellipse({10, 10, 30, 30});
    const QImage& img = t.Finish();
    EXPECT_EQ(PaintedBox(img, kWhite), QRect(10, 10, 20, 20));
    EXPECT_EQ(PixelColor(img, 20, 20), kFill);
    // Left and right mirror each other within a pixel; top and bottom within two (Qt flattens the
    // curve a little unevenly).
    for (int y = 10; y < 30; ++y) {
        QRect row = PaintedBox(img.copy(0, y, 60, 1), kWhite);
        QRect mirrorRow = PaintedBox(img.copy(0, 39 - y, 60, 1), kWhite);
        EXPECT_NEAR(row.left() - 10, 29 - row.right(), 1) << "row " << y;
        EXPECT_NEAR(row.width(), mirrorRow.width(), 2) << "row " << y;
    }
}

TEST(QtCanvasShapes, LinesLeaveOutTheirLastPixel) {
    ImageTarget t(40, 20);
    Canvas& c = t.Canvas();
    c.SetPenWidth(0);
    c.MoveTo({10, 5});
    c.LineTo({20, 5});
    c.Polyline(std::vector<IPoint>{{5, 10}, {15, 10}, {15, 15}});
    const QImage& img = t.Finish();
    EXPECT_EQ(PaintedBox(img.copy(0, 0, 40, 8), kWhite), QRect(10, 5, 10, 1));
    EXPECT_EQ(PaintedBox(img.copy(0, 8, 40, 12), kWhite).translated(0, 8), QRect(5, 10, 11, 5));
    EXPECT_EQ(PixelColor(img, 15, 14), kInk);
    EXPECT_EQ(PixelColor(img, 15, 15), kWhite);
}

// Rows crossed by a horizontal line at the middle column of the image.
int LineThickness(const QImage& img) {
    int rows = 0;
    for (int y = 0; y < img.height(); ++y)
        if (PixelColor(img, img.width() / 2, y) != kWhite) ++rows;
    return rows;
}

TEST(QtCanvasPen, WidthZeroIsOnePixelAtEveryZoom) {
    for (int viewport : {1, 3, 10, 47, 200}) {
        ImageTarget t(200, 200);
        Canvas& c = t.Canvas();
        c.SetMapMode(MapMode::Isotropic);
        c.SetWindowExt(100, 100);
        c.SetViewportExt(viewport, viewport);
        c.SetPenWidth(0);
        c.MoveTo({0, 50});
        c.LineTo({100000 / std::max(viewport, 1), 50});
        EXPECT_EQ(LineThickness(t.Finish()), 1) << "viewport extent " << viewport;
    }
}

TEST(QtCanvasPen, LogicalWidthScalesWithTheMapping) {
    ImageTarget t(200, 100);
    Canvas& c = t.Canvas();
    c.SetMapMode(MapMode::Isotropic);
    c.SetWindowExt(100, 100);
    c.SetViewportExt(200, 200);
    c.SetPenWidth(10);
    c.MoveTo({10, 25});
    c.LineTo({90, 25});
    EXPECT_NEAR(LineThickness(t.Finish()), 20, 1);
}

TEST(QtCanvasMapping, MirroredAnisotropicMappingFlipsX) {
    auto paint = [](bool mirrored) {
        ImageTarget t(100, 50);
        Canvas& c = t.Canvas();
        c.SetMapMode(MapMode::Anisotropic);
        c.SetWindowExt(mirrored ? -100 : 100, 100);
        c.SetViewportExt(100, 100);
        c.SetViewportOrg(mirrored ? 100 : 0, 0);
        SolidPenAndBrush(c);
        c.Rectangle({0, 0, 20, 10});
        return PaintedBox(t.Finish(), kWhite);
    };
    EXPECT_EQ(paint(false), QRect(0, 0, 20, 10));
    EXPECT_EQ(paint(true), QRect(80, 0, 20, 10));
}

// Where an arc drew: which quarters of its box received pixels.
struct Quarters {
    bool upperLeft = false, upperRight = false, lowerLeft = false, lowerRight = false;
};

Quarters ArcQuarters(bool mirrored, IPoint start, IPoint end) {
    ImageTarget t(101, 101);
    Canvas& c = t.Canvas();
    c.SetMapMode(MapMode::Anisotropic);
    c.SetWindowExt(mirrored ? -100 : 100, 100);
    c.SetViewportExt(100, 100);
    c.SetViewportOrg(mirrored ? 100 : 0, 0);
    c.SetPenWidth(0);
    c.Arc({0, 0, 100, 100}, start, end);
    const QImage& img = t.Finish();
    Quarters q;
    for (int y = 0; y < 101; ++y)
        for (int x = 0; x < 101; ++x) {
            if (PixelColor(img, x, y) == kWhite) continue;
            // Pixels within two of the middle lines belong to the arc's ends.
            if (std::abs(x - 50) <= 2 || std::abs(y - 50) <= 2) continue;
            (y < 50 ? (x < 50 ? q.upperLeft : q.upperRight) : (x < 50 ? q.lowerLeft : q.lowerRight)) = true;
        }
    return q;
}

TEST(QtCanvasArc, RunsCounterClockwiseFromStartRayToEndRay) {
    Quarters q = ArcQuarters(false, {100, 50}, {50, 0});
    EXPECT_TRUE(q.upperRight);
    EXPECT_FALSE(q.upperLeft || q.lowerLeft || q.lowerRight);
    // From up to right, counter-clockwise: three quarters.
    Quarters r = ArcQuarters(false, {50, 0}, {100, 50});
    EXPECT_TRUE(r.upperLeft && r.lowerLeft && r.lowerRight);
    EXPECT_FALSE(r.upperRight);
}

TEST(QtCanvasArc, EqualRaysGiveTheFullEllipse) {
    Quarters q = ArcQuarters(false, {100, 50}, {200, 50});
    EXPECT_TRUE(q.upperLeft && q.upperRight && q.lowerLeft && q.lowerRight);
}

TEST(QtCanvasArc, MirroredMappingShowsTheMirroredArc) {
    Quarters q = ArcQuarters(true, {100, 50}, {50, 0});
    EXPECT_TRUE(q.upperLeft);
    EXPECT_FALSE(q.upperRight || q.lowerLeft || q.lowerRight);
}

TEST(QtCanvasFill, AlternateLeavesTheInnerSquareOpenWindingFillsIt) {
    const std::vector<IPoint> pts = {{10, 10}, {90, 10}, {90, 90}, {10, 90},
                                     {30, 30}, {70, 30}, {70, 70}, {30, 70}};
    const int32_t counts[] = {4, 4};
    for (FillMode mode : {FillMode::Alternate, FillMode::Winding}) {
        ImageTarget t(100, 100);
        Canvas& c = t.Canvas();
        SolidPenAndBrush(c);
        c.SetPenStyle(PenStyle::Clear);
        c.SetPolyFillMode(mode);
        c.PolyPolygon(pts.data(), counts, 2);
        const QImage& img = t.Finish();
        EXPECT_EQ(PixelColor(img, 20, 20), kFill);
        EXPECT_EQ(PixelColor(img, 50, 50), mode == FillMode::Winding ? kFill : kWhite);
    }
}

TEST(QtCanvasClip, DrawingStaysInsideTheClipUntilReset) {
    ImageTarget t(100, 100);
    Canvas& c = t.Canvas();
    SolidPenAndBrush(c);
    c.IntersectClipRect({0, 0, 50, 40});
    c.Rectangle({10, 10, 90, 90});
    c.ResetClip();
    c.Rectangle({60, 60, 80, 80});
    const QImage& img = t.Finish();
    EXPECT_EQ(PaintedBox(img.copy(0, 0, 55, 55), kWhite), QRect(10, 10, 40, 30));
    EXPECT_EQ(PixelColor(img, 70, 70), kFill);
    EXPECT_EQ(PixelColor(img, 55, 30), kWhite);
}

TEST(QtCanvasText, GlyphsFillTheCellBelowTheTopLeftCorner) {
    ImageTarget t(120, 80);
    Canvas& c = t.Canvas();
    FontSpec font;
    font.name = "Arial";
    font.height = 40;
    c.SetFont(font);
    c.SetTextColor(kRed);
    c.TextOut({10, 10}, "HH");
    const QImage& img = t.Finish();
    QRect box = PaintedBox(img, kWhite);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GE(box.left(), 10);
    // Cell 40 high: the capitals stand on the baseline about 31 pixels down and are about 25
    // pixels high.
    EXPECT_NEAR(box.bottom(), 10 + 31, 2);
    EXPECT_NEAR(box.height(), 25, 2);
    EXPECT_NEAR(box.right(), 10 + TextWidth(c, "HH") - 3, 3);
    EXPECT_GT(CountColor(img, kRed), 200);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            Color p = PixelColor(img, x, y);
            EXPECT_TRUE(p == kWhite || p == kRed) << x << "," << y;
        }
}

TEST(QtCanvasImage, StretchesAndMirrorsPictures) {
    Image pic;
    pic.width = 2;
    pic.height = 2;
    pic.pixels = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};  // red green / blue white
    ImageTarget t(80, 40);
    t.Canvas().StretchImage({10, 10, 30, 30}, pic);
    t.Canvas().StretchImage({70, 10, 50, 30}, pic);  // right to left
    const QImage& img = t.Finish();
    EXPECT_EQ(PixelColor(img, 12, 12), RGBColor(255, 0, 0));
    EXPECT_EQ(PixelColor(img, 28, 12), RGBColor(0, 255, 0));
    EXPECT_EQ(PixelColor(img, 12, 28), RGBColor(0, 0, 255));
    EXPECT_EQ(PixelColor(img, 52, 12), RGBColor(0, 255, 0));
    EXPECT_EQ(PixelColor(img, 68, 12), RGBColor(255, 0, 0));
}

}  // namespace

namespace {

// The same wide curve drawn through the canvas (which leaves out points a wide pen does not
// show) and drawn by Qt through every point: the pictures differ only along the edge.
TEST(QtCanvasPen, WideCurvesKeepTheirShape) {
    std::vector<IPoint> pts;
    for (int i = 0; i <= 300; ++i) {
        double a = 2 * M_PI * i / 300;
        pts.push_back({static_cast<int32_t>(std::lround(60 + 45 * std::cos(a))),
                       static_cast<int32_t>(std::lround(60 + 30 * std::sin(a) + 10 * std::sin(3 * a)))});
    }
    for (int width : {3, 7}) {
        ImageTarget t(120, 120);
        t.Canvas().SetPenWidth(width);
        t.Canvas().Polyline(pts);
        const QImage& ours = t.Finish();

        QImage direct(120, 120, QImage::Format_RGB32);
        direct.fill(Qt::white);
        QPainter p(&direct);
        QPen pen(Qt::black, width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        QPolygon poly;
        for (IPoint q : pts) poly << QPoint(q.x, q.y);
        p.drawPolyline(poly);
        p.end();

        const auto isBlack = [](const QImage& image) {
            return [&image](int x, int y) { return PixelColor(image, x, y) == kBlack; };
        };
        const auto [painted, differing] =
            CompareBlack(1, 119, isBlack(ours), isBlack(direct), [&](int x, int y, bool nearCommon) {
                // A pixel only one picture has lies next to one that both have.
                EXPECT_TRUE(nearCommon) << "width " << width << " at " << x << "," << y;
            });
        EXPECT_LT(differing, painted / 10) << "width " << width;
    }
}

TEST(QtCanvasShapes, ALineOfOnePointDrawsNothing) {
    ImageTarget t(20, 20);
    t.Canvas().Polyline(std::vector<IPoint>{{5, 5}, {5, 5}, {5, 5}});
    EXPECT_TRUE(PaintedBox(t.Finish(), kWhite).isEmpty());
}

}  // namespace
