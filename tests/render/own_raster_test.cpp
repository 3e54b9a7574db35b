// The canvas's own fills and one-pixel lines on images against the Qt painter's: random polygons,
// polylines and polygon sets, small and large, must give the same pixels exactly.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <optional>
#include <random>
#include <set>

#include "core/shape_cache.h"
#include "render/ellipse_raster.h"
#include "render/hairline.h"
#include "render/image_probe.h"
#include "render/qt_canvas.h"
#include "render/render_targets.h"
#include "render/scan_fill.h"

using namespace pw;
using pw::test::BlackComparison;
using pw::test::CompareBlack;

namespace {

constexpr int kSide = 80;

using PixelSet = std::set<std::pair<int, int>>;

PixelSet Black(const QImage& img) {
    PixelSet s;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == 0xFF000000u) s.insert({x, y});
    return s;
}

// Random contours inside the picture: a few points around a centre, spread little or far.
std::vector<std::vector<IPoint>> RandomContours(std::mt19937& rng, int contours, int spread,
                                                bool closeOnStart) {
    std::vector<std::vector<IPoint>> result;
    for (int k = 0; k < contours; ++k) {
        std::vector<IPoint> pts;
        const int cx = static_cast<int>(rng() % kSide), cy = static_cast<int>(rng() % kSide);
        const int n = 3 + static_cast<int>(rng() % 12);
        for (int i = 0; i < n; ++i) {
            IPoint p{std::clamp(cx + static_cast<int>(rng() % (2 * spread + 1)) - spread, 0, kSide - 1),
                     std::clamp(cy + static_cast<int>(rng() % (2 * spread + 1)) - spread, 0, kSide - 1)};
            if (!pts.empty() && pts.back() == p) continue;
            pts.push_back(p);
        }
        if (pts.size() < 2) pts.push_back({std::min(pts[0].x + 1, kSide - 1), pts[0].y});
        if (closeOnStart && !(pts.back() == pts.front())) pts.push_back(pts.front());
        result.push_back(pts);
    }
    return result;
}

QPolygon ToQt(const std::vector<IPoint>& pts) {
    QPolygon poly;
    for (IPoint p : pts) poly << QPoint(p.x, p.y);
    return poly;
}

QPainterPath PathOf(const std::vector<std::vector<IPoint>>& contours, Qt::FillRule rule) {
    QPainterPath path;
    path.setFillRule(rule);
    for (const auto& c : contours) {
        path.addPolygon(QPolygonF(ToQt(c)));
        path.closeSubpath();
    }
    return path;
}

// Adds the pixels of runs, all or those within an area.
void AddPixels(const std::vector<PixelRun>& runs, PixelSet& pixels, std::optional<IRect> within = {}) {
    for (const PixelRun& r : runs)
        for (int x = r.x1; x <= r.x2; ++x)
            if (!within || within->Contains({x, r.y})) pixels.insert({x, r.y});
}

// The contours as one point list and their counts, as the canvas takes polygon sets.
void Flatten(const std::vector<std::vector<IPoint>>& contours, std::vector<IPoint>& pts,
             std::vector<int32_t>& counts) {
    for (const auto& c : contours) {
        pts.insert(pts.end(), c.begin(), c.end());
        counts.push_back(static_cast<int32_t>(c.size()));
    }
}

int Spread(int trial) {
    return trial % 3 == 0 ? 4 : trial % 3 == 1 ? 20 : 60;
}

TEST(OwnRaster, FillsMatchThePaintersFill) {
    std::mt19937 rng(11);
    size_t filled = 0;
    for (int trial = 0; trial < 1500; ++trial) {
        const bool set = trial % 2 == 1, winding = (trial / 2) % 2 == 1;
        const auto contours =
            RandomContours(rng, set ? 1 + static_cast<int>(rng() % 4) : 1, Spread(trial / 4), set);
        QImage qt(kSide, kSide, QImage::Format_RGB32);
        qt.fill(Qt::white);
        QPainter p(&qt);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        const Qt::FillRule rule = winding ? Qt::WindingFill : Qt::OddEvenFill;
        if (set)
            p.drawPath(PathOf(contours, rule));
        else
            p.drawPolygon(ToQt(contours[0]), rule);
        p.end();

        std::vector<IPoint> pts;
        std::vector<int32_t> counts;
        Flatten(contours, pts, counts);
        std::vector<PixelRun> runs;
        AddPolygonFill(pts.data(), counts.data(), counts.size(),
                       winding ? FillMode::Winding : FillMode::Alternate, {0, 0, kSide, kSide}, runs);
        PixelSet ours;
        AddPixels(runs, ours);
        const PixelSet theirs = Black(qt);
        filled += theirs.size();
        ASSERT_EQ(ours, theirs) << "trial " << trial;
    }
    EXPECT_GT(filled, 200000u);
}

// Cut by the area, small shapes (whose crossings are counted into cells) and large ones fill the
// pixels they fill uncut that lie within it, in runs sorted by row and column that take each pixel
// once.
TEST(OwnRaster, FillsCutByTheAreaKeepTheirPixelsWithinIt) {
    std::mt19937 rng(21);
    size_t cut = 0;
    for (int trial = 0; trial < 600; ++trial) {
        const auto contours = RandomContours(rng, 1 + static_cast<int>(rng() % 3), Spread(trial), true);
        std::vector<IPoint> pts;
        std::vector<int32_t> counts;
        Flatten(contours, pts, counts);
        const FillMode mode = trial % 2 ? FillMode::Winding : FillMode::Alternate;
        const int x1 = static_cast<int>(rng() % kSide), y1 = static_cast<int>(rng() % kSide);
        const IRect area{x1, y1, x1 + 1 + static_cast<int>(rng() % (kSide - x1)),
                         y1 + 1 + static_cast<int>(rng() % (kSide - y1))};
        std::vector<PixelRun> whole, runs;
        AddPolygonFill(pts.data(), counts.data(), counts.size(), mode, {0, 0, kSide, kSide}, whole);
        AddPolygonFill(pts.data(), counts.data(), counts.size(), mode, area, runs);
        PixelSet expected, ours;
        AddPixels(whole, expected, area);
        AddPixels(runs, ours);
        for (size_t i = 0; i < runs.size(); ++i)
            ASSERT_TRUE(runs[i].x1 <= runs[i].x2 &&
                        (i == 0 || runs[i].y > runs[i - 1].y || runs[i].x1 > runs[i - 1].x2))
                << "trial " << trial;
        ASSERT_EQ(ours, expected) << "trial " << trial;
        cut += expected.size();
    }
    EXPECT_GT(cut, 20000u);
}

TEST(OwnRaster, OnePixelLinesMatchThePaintersLines) {
    std::mt19937 rng(12);
    size_t drawn = 0;
    for (int trial = 0; trial < 3000; ++trial) {
        // Polygons, polylines (some ending on their start) and sets of closed subpaths.
        const int kind = trial % 3;
        const auto contours = RandomContours(rng, kind == 2 ? 1 + static_cast<int>(rng() % 3) : 1,
                                             Spread(trial / 3), kind == 2 || trial % 7 == 0);
        QImage qt(kSide, kSide, QImage::Format_RGB32);
        qt.fill(Qt::white);
        QPainter p(&qt);
        QPen pen(Qt::black, 0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        if (kind == 0)
            p.drawPolygon(ToQt(contours[0]));
        else if (kind == 1)
            p.drawPolyline(ToQt(contours[0]));
        else
            p.drawPath(PathOf(contours, Qt::OddEvenFill));
        p.end();

        std::vector<IPoint> pixels;
        Hairline line(pixels, {0, 0, kSide, kSide});
        if (kind == 2) {
            for (const auto& c : contours) line.ClosedSubpath(c.data(), c.size());
        } else {
            line.PointArray(contours[0].data(), contours[0].size(), kind == 0);
        }
        PixelSet ours;
        for (IPoint q : pixels) ours.insert({q.x, q.y});
        const PixelSet theirs = Black(qt);
        drawn += theirs.size();
        ASSERT_EQ(ours, theirs) << "trial " << trial;
    }
    EXPECT_GT(drawn, 50000u);
}

// Ellipses of many sizes at half-pixel and finer positions, filled, outlined and both. The
// fill is the painter's to the pixel; the outline differs in a handful of pixels over all of
// them, where a curve piece ends within a hair of a pixel boundary (the painter's own arithmetic
// of the curve points is not known to the last bit), always next to a pixel both draw.
TEST(OwnRaster, EllipsesMatchThePaintersPath) {
    std::mt19937 rng(14);
    size_t painted = 0, differing = 0, fillDiffering = 0;
    for (int trial = 0; trial < 1500; ++trial) {
        const int kind = trial % 3;  // fill, outline, both
        EllipseBox box;
        const double step = trial % 2 ? 0.5 : 0.125;
        box.x = 2 + static_cast<double>(rng() % 100) * step * (trial % 2 ? 1 : 4);
        box.y = 2 + static_cast<double>(rng() % 100) * step * (trial % 2 ? 1 : 4);
        box.width = static_cast<double>(rng() % static_cast<unsigned>(2 * (kSide - 4 - box.x))) * 0.5;
        box.height = static_cast<double>(rng() % static_cast<unsigned>(2 * (kSide - 4 - box.y))) * 0.5;
        QImage qt(kSide, kSide, QImage::Format_RGB32);
        qt.fill(Qt::white);
        QPainter p(&qt);
        QPen pen(Qt::black, 0);
        pen.setCapStyle(Qt::FlatCap);
        pen.setJoinStyle(Qt::MiterJoin);
        p.setPen(kind == 0 ? QPen(Qt::NoPen) : pen);
        p.setBrush(kind == 1 ? QBrush(Qt::NoBrush) : QBrush(Qt::black));
        QPainterPath path;
        path.addEllipse(QRectF(box.x, box.y, box.width, box.height));
        p.drawPath(path);
        p.end();

        const IRect area{0, 0, kSide, kSide};
        PixelSet ours;
        if (kind != 1) {
            std::vector<PixelRun> runs;
            AddEllipseFill(box, area, runs);
            AddPixels(runs, ours);
        }
        if (kind != 0) {
            std::vector<IPoint> pixels;
            Hairline line(pixels, area);
            AddEllipseOutline(box, line);
            for (IPoint q : pixels) ours.insert({q.x, q.y});
        }
        const PixelSet theirs = Black(qt);
        painted += theirs.size();
        const BlackComparison cmp = CompareBlack(
            0, kSide, [&](int x, int y) { return ours.count({x, y}) > 0; },
            [&](int x, int y) { return theirs.count({x, y}) > 0; },
            [&](int x, int y, bool nearCommon) {
                EXPECT_TRUE(nearCommon) << "trial " << trial << " at " << x << "," << y;
            });
        differing += static_cast<size_t>(cmp.differing);
        if (kind == 0) fillDiffering += static_cast<size_t>(cmp.differing);
    }
    EXPECT_GT(painted, 250000u);
    EXPECT_EQ(fillDiffering, 0u);
    EXPECT_LE(differing, painted / 10000) << differing << " of " << painted;
}

}  // namespace

namespace {

// Random polygons, polygon sets and polylines through the canvas, once computed by the canvas
// itself and once drawn by the painter: the pictures are the same. Pens of one pixel, wide and
// clear, solid, hatched and clear brushes, both fill modes, and a clip that some shapes cross.
TEST(OwnRaster, CanvasDrawsAsThePainterDoes) {
    auto paint = [](bool own, bool clip) {
        std::mt19937 rng(13);
        ImageTarget t(kSide, kSide);
        QtCanvas& c = t.Canvas();
        c.SetOwnRaster(own);
        if (clip) c.IntersectClipRect({10, 5, 70, 60});
        for (int i = 0; i < 400; ++i) {
            const auto contours = RandomContours(rng, 1 + static_cast<int>(rng() % 3), Spread(i), i % 2 == 0);
            c.SetPenStyle(i % 5 == 0 ? PenStyle::Clear : PenStyle::Solid);
            c.SetPenWidth(i % 3 == 0 ? 3 : 0);
            c.SetPenColor(static_cast<Color>(rng() & 0xFFFFFF));
            c.SetBrushStyle(i % 4 == 0   ? bsClear
                            : i % 3 == 0 ? bsSolid
                                         : static_cast<TBrushStyle>(2 + (i / 4) % 6));
            if (i % 4 != 0) c.SetBrushColor(static_cast<Color>(rng() & 0xFFFFFF));
            c.SetPolyFillMode(i % 6 < 3 ? FillMode::Alternate : FillMode::Winding);
            std::vector<IPoint> pts;
            std::vector<int32_t> counts;
            Flatten(contours, pts, counts);
            if (i % 7 == 0)
                c.Polyline(contours[0]);
            else
                c.PolyPolygon(pts.data(), counts.data(), counts.size());
        }
        return t.Finish();
    };
    for (bool clip : {false, true}) {
        const QImage own = paint(true, clip), painter = paint(false, clip);
        int differing = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) differing += own.pixel(x, y) != painter.pixel(x, y);
        EXPECT_EQ(differing, 0) << "clip " << clip;
    }
}

}  // namespace

namespace {

// Shapes the painter clips (reaching beyond the picture or across the clip) and ellipses near
// the edge, drawn through shape caches: read back from the painter's drawing on a mask, kept, and
// drawn again from the caches, also by the drawing thread, they give the painter's picture. Pens
// of one pixel, one geometric pixel, wide and clear; solid, hatched and clear brushes.
TEST(OwnRaster, ShapesThePainterClipsAreKeptAsItDrawsThem) {
    constexpr int kShapes = 300;
    static constexpr IRect kBounds{0, 0, kSide, kSide};
    struct Screen {
        QImage image{kSide, kSide, QImage::Format_RGB32};
        QPainter painter{&image};
        QtCanvas canvas{painter, QtCanvas::DeviceKind::Raster, kBounds, 96};
        std::vector<ShapeCache> caches = std::vector<ShapeCache>(kShapes);
    };
    auto paint = [](Screen& s, bool own, bool clip, bool behind) {
        std::mt19937 rng(17);
        QtCanvas& c = s.canvas;
        s.image.fill(Qt::white);
        c.SetOwnRaster(own);
        c.ResetClip();
        if (clip) c.IntersectClipRect({10, 5, 70, 60});
        if (behind) static_cast<Canvas&>(c).BeginDrawBehind();
        for (int i = 0; i < kShapes; ++i) {
            std::vector<IPoint> pts;
            std::vector<int32_t> counts;
            const int polygons = 1 + static_cast<int>(rng() % 3);
            for (int k = 0; k < polygons; ++k) {
                const int cx = static_cast<int>(rng() % (kSide + 40)) - 20,
                          cy = static_cast<int>(rng() % (kSide + 40)) - 20,
                          n = 3 + static_cast<int>(rng() % 8);
                for (int j = 0; j < n; ++j)
                    pts.push_back(
                        {cx + static_cast<int>(rng() % 121) - 60, cy + static_cast<int>(rng() % 121) - 60});
                counts.push_back(n);
            }
            c.SetPenStyle(i % 5 == 0 ? PenStyle::Clear : PenStyle::Solid);
            c.SetPenWidth(i % 3 == 0 ? 3 : i % 3 == 1 ? 0 : 1);
            c.SetPenColor(static_cast<Color>(rng() & 0xFFFFFF));
            c.SetBrushStyle(i % 4 == 0   ? bsClear
                            : i % 3 == 0 ? bsSolid
                                         : static_cast<TBrushStyle>(2 + (i / 4) % 6));
            c.SetBrushColor(static_cast<Color>(rng() & 0xFFFFFF));
            ShapeCache& cache = s.caches[static_cast<size_t>(i)];
            if (i % 7 == 0) {
                c.Polyline(std::vector<IPoint>(pts.begin(), pts.begin() + counts[0]), cache);
            } else if (i % 7 == 1) {
                const IPoint a = pts[0];
                c.Ellipse({a.x, a.y, a.x + static_cast<int32_t>(rng() % 50),
                           a.y + static_cast<int32_t>(rng() % 50)},
                          cache);
            } else {
                c.PolyPolygon(pts.data(), counts.data(), counts.size(), cache);
            }
        }
        if (behind) static_cast<Canvas&>(c).EndDrawBehind();
        return s.image.copy();
    };
    for (bool clip : {false, true}) {
        SCOPED_TRACE(clip);
        Screen painter, own;
        const QImage expected = paint(painter, false, clip, false);
        EXPECT_EQ(paint(own, true, clip, false), expected);  // derived
        paint(own, true, !clip, false);                      // kept under the other clip
        EXPECT_EQ(paint(own, true, clip, true), expected);   // derived anew, drawn behind
        EXPECT_EQ(paint(own, true, clip, true), expected);   // kept, drawn behind
    }
}

// Ellipses through the canvas, computed by itself and drawn by the painter: drill holes and
// circles in outline, filled, both, and with a clip some cross.
TEST(OwnRaster, CanvasEllipsesAsThePainterDrawsThem) {
    auto paint = [](bool own) {
        std::mt19937 rng(15);
        ImageTarget t(kSide, kSide);
        QtCanvas& c = t.Canvas();
        c.SetOwnRaster(own);
        c.IntersectClipRect({4, 4, 76, 70});
        for (int i = 0; i < 300; ++i) {
            const int32_t x = static_cast<int32_t>(rng() % kSide), y = static_cast<int32_t>(rng() % kSide);
            const int32_t w = static_cast<int32_t>(rng() % 40),
                          h = i % 2 ? w : static_cast<int32_t>(rng() % 40);
            c.SetPenStyle(i % 4 == 0 ? PenStyle::Clear : PenStyle::Solid);
            c.SetPenWidth(0);
            c.SetPenColor(static_cast<Color>(rng() & 0xFFFFFF));
            c.SetBrushStyle(i % 3 == 0   ? bsClear
                            : i % 4 == 0 ? bsSolid
                                         : static_cast<TBrushStyle>(2 + (i / 3) % 6));
            if (i % 3 != 0) c.SetBrushColor(static_cast<Color>(rng() & 0xFFFFFF));
            c.Ellipse({x, y, x + w, y + h});
        }
        return t.Finish();
    };
    const QImage own = paint(true), painter = paint(false);
    int differing = 0;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) differing += own.pixel(x, y) != painter.pixel(x, y);
    EXPECT_LE(differing, 5);
}

}  // namespace
