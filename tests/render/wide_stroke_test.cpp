// Wide pens on images: the pixel runs of wide_stroke.h by hand-worked cases, and the canvas's
// wide outlines compared with Qt's own round-cornered stroke of the same points.
#include "render/wide_stroke.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <random>
#include <set>

#include "render/image_probe.h"
#include "render/render_targets.h"

using namespace pw;
using pw::test::PixelColor;

namespace {

std::vector<PixelRun> Runs(std::vector<IPoint> pts, bool closed, int32_t width,
                           IRect clip = {0, 0, 100, 100}) {
    std::vector<PixelRun> runs;
    AddWideStroke(pts.data(), pts.size(), closed, width, clip, runs);
    MergeRuns(runs);
    return runs;
}

TEST(WideStroke, HorizontalLineHasRoundEndsAndTheEdgeRuleOfTheFill) {
    // Width 3 along y = 10: the band 8.5 .. 11.5 takes the centres of rows 9, 10 and 11 (a centre
    // on the lower edge belongs, one on the upper edge does not); the round ends reach 1.5 beyond
    // the end points, which no pixel centre meets exactly.
    EXPECT_EQ(Runs({{5, 10}, {15, 10}}, false, 3),
              (std::vector<PixelRun>{{9, 4, 15}, {10, 4, 15}, {11, 5, 14}}));
}

TEST(WideStroke, APointGivesThePensDot) {
    EXPECT_EQ(Runs({{10, 10}}, false, 4),
              (std::vector<PixelRun>{{8, 9, 10}, {9, 8, 11}, {10, 8, 11}, {11, 9, 10}}));
}

TEST(WideStroke, ClosedOutlinesAddTheEdgeBackToTheStart) {
    const std::vector<IPoint> corner{{10, 10}, {30, 10}, {30, 30}};
    auto pixels = [](const std::vector<PixelRun>& runs) {
        std::set<std::pair<int, int>> s;
        for (const PixelRun& r : runs)
            for (int x = r.x1; x <= r.x2; ++x) s.insert({x, r.y});
        return s;
    };
    const auto open = pixels(Runs(corner, false, 2)), closed = pixels(Runs(corner, true, 2));
    // The diagonal from (30, 30) back to (10, 10) passes the centre of the triangle's hypotenuse.
    EXPECT_EQ(open.count({20, 20}), 0u);
    EXPECT_EQ(closed.count({20, 20}), 1u);
    for (const auto& p : open) EXPECT_EQ(closed.count(p), 1u);
}

TEST(WideStroke, RunsCoverEachPixelOnceAndStayInTheClip) {
    // A zigzag whose wide segments overlap at every corner, half outside the clip.
    std::vector<IPoint> zigzag;
    for (int i = 0; i < 12; ++i) zigzag.push_back({-20 + 10 * i, i % 2 ? 30 : 60});
    const IRect clip{5, 35, 70, 90};
    const auto runs = Runs(zigzag, false, 9, clip);
    ASSERT_FALSE(runs.empty());
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_LE(runs[i].x1, runs[i].x2);
        EXPECT_GE(runs[i].x1, clip.x1);
        EXPECT_LT(runs[i].x2, clip.x2);
        EXPECT_GE(runs[i].y, clip.y1);
        EXPECT_LT(runs[i].y, clip.y2);
        // Sorted, and apart from the next run on the row by at least one pixel.
        if (i == 0) continue;
        EXPECT_LE(runs[i - 1].y, runs[i].y);
        if (runs[i - 1].y == runs[i].y) {
            EXPECT_GT(runs[i].x1, runs[i - 1].x2 + 1);
        }
    }
    EXPECT_TRUE(Runs(zigzag, false, 9, {0, 0, 0, 0}).empty());
}

// Random polylines and outlines, 2 to 8 pixels wide, through the canvas and through Qt's stroker
// with round ends and corners: only scattered pixels along the edge may differ, where the
// stroker's curve approximation and its 1/64-pixel grid decide a centre lying within a hair of
// the edge.
TEST(WideStroke, CanvasOutlinesMatchQtsRoundStroke) {
    std::mt19937 rng(7);
    long painted = 0, differing = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int width = 2 + trial % 7;
        const bool closed = trial % 3 == 0;
        std::vector<IPoint> pts;
        QPolygon poly;
        for (int i = 0; i < 2 + trial % 5; ++i) {
            IPoint p{static_cast<int32_t>(10 + rng() % 60), static_cast<int32_t>(10 + rng() % 60)};
            pts.push_back(p);
            poly << QPoint(p.x, p.y);
        }
        ImageTarget t(80, 80);
        Canvas& c = t.Canvas();
        c.SetPenWidth(width);
        c.SetBrushStyle(bsClear);
        if (closed)
            c.Polygon(pts);
        else
            c.Polyline(pts);
        const QImage& ours = t.Finish();

        QImage qt(80, 80, QImage::Format_RGB32);
        qt.fill(Qt::white);
        QPainter p(&qt);
        QPen pen(Qt::black, width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        if (closed)
            p.drawPolygon(poly);
        else
            p.drawPolyline(poly);
        p.end();

        for (int y = 1; y < 79; ++y)
            for (int x = 1; x < 79; ++x) {
                const bool a = PixelColor(ours, x, y) == kBlack, b = PixelColor(qt, x, y) == kBlack;
                painted += b;
                if (a == b) continue;
                ++differing;
                bool nearCommon = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx)
                        nearCommon |= PixelColor(ours, x + dx, y + dy) == kBlack &&
                                      PixelColor(qt, x + dx, y + dy) == kBlack;
                EXPECT_TRUE(nearCommon) << "trial " << trial << " at " << x << "," << y;
            }
    }
    EXPECT_GT(painted, 100000);
    EXPECT_LT(differing, painted / 500) << differing << " of " << painted;
}

// Leaving out points that a wide pen does not show must not cut a spike: a line that runs out
// along a straight line and back keeps its far end.
TEST(WideStroke, SpikesKeepTheirTips) {
    const std::vector<IPoint> spike{{10, 40}, {40, 40}, {70, 40}, {20, 40}, {15, 40}};
    for (bool closed : {false, true}) {
        ImageTarget t(80, 80);
        t.Canvas().SetPenWidth(3);
        t.Canvas().SetBrushStyle(bsClear);
        if (closed)
            t.Canvas().Polygon(spike);
        else
            t.Canvas().Polyline(spike);
        EXPECT_EQ(pw::test::PaintedBox(t.Finish(), kWhite), QRect(9, 39, 62, 3)) << closed;
    }
}

// Exclusive-or drawing inverts every pixel of the stroke once, however the segments overlap:
// white drawn on white turns exactly the pixels black that a black copy-mode stroke covers.
TEST(WideStroke, ExclusiveOrInvertsEachPixelOnce) {
    const std::vector<IPoint> star{{40, 5}, {60, 75}, {5, 30}, {75, 30}, {20, 75}};
    auto paint = [&](PenMode mode, Color colour) {
        ImageTarget t(80, 80);
        Canvas& c = t.Canvas();
        c.SetPenWidth(6);
        c.SetPenColor(colour);
        c.SetPenMode(mode);
        c.SetBrushStyle(bsClear);
        c.Polygon(star);
        return t.Finish();
    };
    const QImage xored = paint(PenMode::Xor, kWhite), copied = paint(PenMode::Copy, kBlack);
    int covered = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) {
            covered += PixelColor(copied, x, y) == kBlack;
            EXPECT_EQ(PixelColor(xored, x, y), PixelColor(copied, x, y)) << x << "," << y;
        }
    EXPECT_GT(covered, 500);
}

}  // namespace
