// Wide pens on images: the pixel runs of wide_stroke.h by hand-worked cases, and the canvas's
// wide outlines compared with Qt's own round-cornered stroke of the same points.
#include "render/wide_stroke.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <random>
#include <set>

#include "render/image_probe.h"
#include "render/render_targets.h"

using namespace pw;
using pw::test::BlackComparison;
using pw::test::CompareBlack;
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

TEST(WideStroke, RepeatedPointsChangeNothing) {
    const std::vector<IPoint> once{{10, 10}, {30, 12}, {31, 40}, {5, 44}};
    const std::vector<IPoint> repeated{{10, 10}, {10, 10}, {30, 12}, {30, 12},
                                       {30, 12}, {31, 40}, {5, 44},  {5, 44}};
    EXPECT_EQ(Runs(repeated, false, 5), Runs(once, false, 5));
    EXPECT_EQ(Runs(repeated, true, 4), Runs(once, true, 4));
}

TEST(WideStroke, APointGivesThePensDot) {
    EXPECT_EQ(Runs({{10, 10}}, false, 4),
              (std::vector<PixelRun>{{8, 9, 10}, {9, 8, 11}, {10, 8, 11}, {11, 9, 10}}));
}

TEST(WideStroke, PensOfABillionPixelsCostWhatTheClipCosts) {
    // A dot that takes the whole clip, one whose rim crosses it at x = 100, and the band of a far
    // segment whose edge crosses it at y = 100, each held to a few hundred megabytes.
    const IRect clip{0, 0, 300, 200};
    std::vector<PixelRun> whole, left, top;
    for (int32_t y = 0; y < 200; ++y) {
        whole.push_back({y, 0, 299});
        left.push_back({y, 0, 99});
        if (y < 100) top.push_back({y, 0, 299});
    }
    constexpr int32_t kWidth = 1'000'000'000;
    EXPECT_TRUE(test::SucceedsWithinMemory(256 << 20, [&] {
        return Runs({{150, 100}}, false, kWidth, clip) == whole &&
               Runs({{-499'999'900, 100}}, false, kWidth, clip) == left &&
               Runs({{-400'000'000, -499'999'900}, {400'000'000, -499'999'900}}, false, kWidth, clip) == top;
    }));
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

// Merged runs are sorted, apart from each other, inside the clip, and cover exactly the pixels
// of the unmerged ones.
void ExpectWellFormedRuns(const std::vector<IPoint>& pts, int32_t width, const IRect& clip) {
    std::vector<PixelRun> raw;
    AddWideStroke(pts.data(), pts.size(), false, width, clip, raw);
    std::set<std::pair<int, int>> expected;
    for (const PixelRun& r : raw)
        for (int x = r.x1; x <= r.x2; ++x) expected.insert({r.y, x});
    std::vector<PixelRun> runs = raw;
    MergeRuns(runs);
    ASSERT_FALSE(runs.empty());
    std::set<std::pair<int, int>> merged;
    size_t pixels = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
        const PixelRun& r = runs[i];
        EXPECT_LE(r.x1, r.x2);
        EXPECT_GE(r.x1, clip.x1);
        EXPECT_LT(r.x2, clip.x2);
        EXPECT_GE(r.y, clip.y1);
        EXPECT_LT(r.y, clip.y2);
        for (int x = r.x1; x <= r.x2; ++x) merged.insert({r.y, x});
        pixels += static_cast<size_t>(r.x2 - r.x1 + 1);
        if (i == 0) continue;
        EXPECT_LE(runs[i - 1].y, r.y);
        if (runs[i - 1].y == r.y) {
            EXPECT_GT(r.x1, runs[i - 1].x2 + 1);
        }
    }
    EXPECT_EQ(merged, expected);
    EXPECT_EQ(pixels, merged.size());
}

TEST(WideStroke, RunsCoverEachPixelOnceAndStayInTheClip) {
    // A zigzag whose wide segments overlap at every corner, half outside the clip.
    std::vector<IPoint> zigzag;
    for (int i = 0; i < 12; ++i) zigzag.push_back({-20 + 10 * i, i % 2 ? 30 : 60});
    ExpectWellFormedRuns(zigzag, 9, {5, 35, 70, 90});
    // A comb: forty teeth cross the same rows, many runs to a row.
    std::vector<IPoint> comb;
    for (int i = 0; i < 40; ++i) {
        comb.push_back({5 + 4 * i, 10});
        comb.push_back({5 + 4 * i, 80});
        comb.push_back({7 + 4 * i, 80});
        comb.push_back({7 + 4 * i, 10});
    }
    ExpectWellFormedRuns(comb, 2, {0, 0, 200, 100});
    // Both ways of joining runs: a box small enough for bit masks (runs ending on either side
    // of a 64-pixel word), and one too large for them.
    for (int width : {2, 3, 4, 7}) {
        ExpectWellFormedRuns({{0, 10}, {63, 12}, {64, 30}, {127, 31}, {128, 5}}, width, {0, 0, 200, 100});
        ExpectWellFormedRuns({{0, 10}, {1500, 60}, {3000, 5}}, width, {0, 0, 4000, 100});
    }
    std::vector<PixelRun> none;
    AddWideStroke(zigzag.data(), zigzag.size(), false, 9, {0, 0, 0, 0}, none);
    EXPECT_TRUE(none.empty());
}

// Runs in a small box are joined through bit masks, those in a large one by sorting: the same
// random runs give the same joined runs either way (a far run added makes the box large).
TEST(WideStroke, BothWaysOfJoiningAgree) {
    std::mt19937 rng(3);
    for (int round = 0; round < 40; ++round) {
        const int width = 8 + static_cast<int>(rng() % 170), height = 1 + static_cast<int>(rng() % 60);
        std::vector<PixelRun> runs;
        for (int i = 0, n = 1 + static_cast<int>(rng() % 300); i < n; ++i) {
            const int32_t x1 = static_cast<int32_t>(rng() % static_cast<unsigned>(width)) - 40;
            const int32_t x2 = x1 + static_cast<int32_t>(rng() % 70);
            runs.push_back({static_cast<int32_t>(rng() % static_cast<unsigned>(height)) - 7, x1, x2});
        }
        std::vector<PixelRun> small = runs, large = runs;
        large.push_back({5000, 0, 0});
        MergeRuns(small);
        MergeRuns(large);
        ASSERT_EQ(large.back(), (PixelRun{5000, 0, 0}));
        large.pop_back();
        EXPECT_EQ(small, large) << "round " << round;
    }
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

        const auto isBlack = [](const QImage& image) {
            return [&image](int x, int y) { return PixelColor(image, x, y) == kBlack; };
        };
        const BlackComparison cmp =
            CompareBlack(1, 79, isBlack(ours), isBlack(qt), [&](int x, int y, bool nearCommon) {
                EXPECT_TRUE(nearCommon) << "trial " << trial << " at " << x << "," << y;
            });
        painted += cmp.reference;
        differing += cmp.differing;
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

// Wide strokes keep to every clip: the canvas's own and one set on its painter by the owner.
TEST(WideStroke, ClipsOfTheCanvasAndOfItsPainterHold) {
    for (bool painterClip : {false, true}) {
        ImageTarget t(80, 80);
        Canvas& c = t.Canvas();
        if (painterClip)
            t.Canvas().Painter().setClipRect(QRect(20, 20, 30, 30));
        else
            c.IntersectClipRect({20, 20, 50, 50});
        c.SetPenWidth(5);
        c.SetPenColor(kBlue);
        c.Polyline(std::vector<IPoint>{{0, 35}, {79, 35}});
        c.Polyline(std::vector<IPoint>{{35, 0}, {35, 79}});
        EXPECT_EQ(pw::test::PaintedBox(t.Finish(), kWhite), QRect(20, 20, 30, 30)) << painterClip;
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

namespace {

// Leaving out points within a quarter pixel of the simplified line leaves a wide curve as it is
// (or changes a pixel here and there along its edge): flattened ellipses of several sizes and
// pens, drawn through the canvas, against the exact stroke of every point.
TEST(WideStroke, SimplifiedCurvesStayWithinAPixelOfTheExactStroke) {
    long painted = 0, differing = 0;
    for (int radius : {5, 9, 12, 20, 30, 45, 70}) {
        for (int width : {2, 3, 4, 5, 8}) {
            // An ellipse turned by a quarter radian, with a ripple, finely flattened.
            std::vector<IPoint> pts;
            for (int i = 0; i <= 720; ++i) {
                const double a = 2 * M_PI * i / 720;
                const double u = radius * std::cos(a) * (1 + 0.05 * std::sin(5 * a)),
                             v = 0.7 * radius * std::sin(a);
                pts.push_back(
                    {static_cast<int32_t>(std::lround(80 + u * std::cos(0.25) - v * std::sin(0.25))),
                     static_cast<int32_t>(std::lround(80 + u * std::sin(0.25) + v * std::cos(0.25)))});
            }
            ImageTarget t(160, 160);
            t.Canvas().SetPenWidth(width);
            t.Canvas().SetBrushStyle(bsClear);
            t.Canvas().Polyline(pts);
            const QImage& ours = t.Finish();
            std::vector<PixelRun> runs;
            AddWideStroke(pts.data(), pts.size(), false, width, {0, 0, 160, 160}, runs);
            MergeRuns(runs);
            std::set<std::pair<int, int>> exact;
            for (const PixelRun& r : runs)
                for (int x = r.x1; x <= r.x2; ++x) exact.insert({x, r.y});
            const BlackComparison cmp = CompareBlack(
                1, 159, [&](int x, int y) { return PixelColor(ours, x, y) == kBlack; },
                [&](int x, int y) { return exact.count({x, y}) > 0; },
                [&](int x, int y, bool nearCommon) {
                    EXPECT_TRUE(nearCommon) << radius << " " << width << " at " << x << "," << y;
                });
            painted += cmp.reference;
            differing += cmp.differing;
        }
    }
    EXPECT_GT(painted, 5000);
    EXPECT_LE(differing, painted / 1000) << differing << " of " << painted;
}

}  // namespace
