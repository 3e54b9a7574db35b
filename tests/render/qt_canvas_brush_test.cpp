// Brushes and mix modes of the Qt canvas on an image: hatch patterns, the brush rule, and
// exclusive-or drawing that a second drawing removes.
#include <gtest/gtest.h>

#include <QPainter>
#include <functional>

#include "render/image_probe.h"
#include "render/qt_canvas.h"
#include "render/render_targets.h"

using namespace pw;
using pw::test::PixelColor;

namespace {

constexpr int kSide = 64;

// The hatch of a brush style, as a mask of the pixels painted in a 64 x 64 square.
std::vector<std::vector<bool>> HatchMask(TBrushStyle style) {
    ImageTarget t(kSide, kSide);
    Canvas& c = t.Canvas();
    c.SetPenStyle(PenStyle::Clear);
    c.SetBrushColor(kBlack);
    c.SetBrushStyle(style);
    c.Rectangle({0, 0, kSide + 1, kSide + 1});
    const QImage& img = t.Finish();
    std::vector<std::vector<bool>> m(kSide, std::vector<bool>(kSide));
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) m[x][y] = PixelColor(img, x, y) == kBlack;
    return m;
}

int Mod8(int v) {
    return ((v % 8) + 8) % 8;
}

// True when some phases a, b make the mask equal to the predicate at every pixel.
bool MatchesPattern(const std::vector<std::vector<bool>>& m,
                    const std::function<bool(int, int, int, int)>& on) {
    for (int a = 0; a < 8; ++a)
        for (int b = 0; b < 8; ++b) {
            bool all = true;
            for (int y = 0; y < kSide && all; ++y)
                for (int x = 0; x < kSide && all; ++x) all = m[x][y] == on(x, y, a, b);
            if (all) return true;
        }
    return false;
}

TEST(QtCanvasBrush, HatchesShowTheirPatternsInCellsOfEightPixels) {
    auto row = [](int, int y, int a, int) { return Mod8(y) == a; };
    auto column = [](int x, int, int a, int) { return Mod8(x) == a; };
    // Forward diagonal: from top left down to bottom right, like a backslash.
    auto down = [](int x, int y, int a, int) { return Mod8(x - y) == a; };
    auto up = [](int x, int y, int a, int) { return Mod8(x + y) == a; };
    EXPECT_TRUE(MatchesPattern(HatchMask(bsHorizontal), row));
    EXPECT_TRUE(MatchesPattern(HatchMask(bsVertical), column));
    EXPECT_TRUE(MatchesPattern(HatchMask(bsFDiagonal), down));
    EXPECT_TRUE(MatchesPattern(HatchMask(bsBDiagonal), up));
    EXPECT_FALSE(MatchesPattern(HatchMask(bsFDiagonal), up));
    EXPECT_TRUE(MatchesPattern(HatchMask(bsCross),
                               [](int x, int y, int a, int b) { return Mod8(y) == a || Mod8(x) == b; }));
    EXPECT_TRUE(MatchesPattern(HatchMask(bsDiagCross), [](int x, int y, int a, int b) {
        return Mod8(x - y) == a || Mod8(x + y) == b;
    }));
}

TEST(QtCanvasBrush, SolidAndClearBrushes) {
    auto solid = HatchMask(bsSolid);
    auto clear = HatchMask(bsClear);
    EXPECT_TRUE(MatchesPattern(solid, [](int, int, int, int) { return true; }));
    EXPECT_TRUE(MatchesPattern(clear, [](int, int, int, int) { return false; }));
}

// The interior colour of a rectangle after the brush calls.
Color FillAfter(const std::function<void(Canvas&)>& setBrush) {
    ImageTarget t(20, 20);
    Canvas& c = t.Canvas();
    c.SetPenWidth(0);
    c.SetPenColor(kBlack);
    setBrush(c);
    c.Rectangle({0, 0, 20, 20});
    return PixelColor(t.Finish(), 10, 10);
}

TEST(QtCanvasBrush, TheBrushRuleDecidesTheFill) {
    // Style first, colour second: a clear brush becomes solid.
    EXPECT_EQ(FillAfter([](Canvas& c) {
                  c.SetBrushStyle(bsClear);
                  c.SetBrushColor(kRed);
              }),
              kRed);
    // Colour first, style second: the brush stays clear.
    EXPECT_EQ(FillAfter([](Canvas& c) {
                  c.SetBrushColor(kRed);
                  c.SetBrushStyle(bsClear);
              }),
              kWhite);
    // A style keeps the colour it finds.
    EXPECT_EQ(FillAfter([](Canvas& c) {
                  c.SetBrushColor(kBlue);
                  c.SetBrushStyle(bsSolid);
              }),
              kBlue);
}

// A picture with several colours to draw over.
void PaintGround(Canvas& c) {
    c.SetPenStyle(PenStyle::Clear);
    const Color colours[] = {0x123456, 0xE6E6E6, 0x00FF80, 0x808080};
    for (int i = 0; i < 4; ++i) {
        c.SetBrushStyle(bsSolid);
        c.SetBrushColor(colours[i]);
        c.Rectangle({i * 30, 0, i * 30 + 30, 120});
    }
    c.SetPenStyle(PenStyle::Solid);
}

// Everything the panel draws as feedback, once.
void PaintFeedback(Canvas& c, PenMode mode) {
    c.SetPenMode(mode);
    c.SetPenColor(kGhostColor);
    c.SetPenWidth(0);
    c.SetBrushStyle(bsClear);
    c.Rectangle({5, 5, 100, 50});
    c.Ellipse({20, 20, 90, 110});
    c.Polyline(std::vector<IPoint>{{0, 0}, {60, 30}, {60, 90}, {110, 10}});
    c.Arc({10, 10, 110, 110}, {110, 60}, {60, 10});
    c.SetPenWidth(5);
    c.Polyline(std::vector<IPoint>{{10, 100}, {50, 60}, {100, 100}});
    c.SetBrushStyle(bsSolid);
    c.SetBrushColor(0x0F0FF0);
    c.Polygon(std::vector<IPoint>{{70, 70}, {110, 80}, {80, 115}});
    c.SetBrushStyle(bsDiagCross);
    c.Ellipse({0, 60, 40, 118});
    FontSpec f;
    f.height = 30;
    c.SetFont(f);
    c.SetTextColor(0xFF00FF);
    c.TextOut({5, 60}, "Xor");
}

void CheckDrawnTwiceRestores(PenMode mode) {
    QImage img(120, 120, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    QtCanvas c(painter, QtCanvas::DeviceKind::Raster, {0, 0, 120, 120}, 96);
    PaintGround(c);
    QImage before = img.copy();
    PaintFeedback(c, mode);
    QImage once = img.copy();
    EXPECT_NE(once, before);
    // A pixel under the thin rectangle outline: pen colour mixed with the ground.
    Color ground = PixelColor(before, 50, 5), seen = PixelColor(once, 50, 5);
    Color expected = mode == PenMode::Xor ? (kGhostColor ^ ground) : (~(kGhostColor ^ ground) & 0xFFFFFF);
    EXPECT_EQ(seen, expected);
    PaintFeedback(c, mode);
    painter.end();
    EXPECT_EQ(img, before);
}

TEST(QtCanvasMix, XorDrawnTwiceRestoresThePicture) {
    CheckDrawnTwiceRestores(PenMode::Xor);
}

TEST(QtCanvasMix, NotXorDrawnTwiceRestoresThePicture) {
    CheckDrawnTwiceRestores(PenMode::NotXor);
}

TEST(QtCanvasMix, CopyModeOverwrites) {
    ImageTarget t(20, 20, 0x123456);
    Canvas& c = t.Canvas();
    c.SetPenColor(kGhostColor);
    c.MoveTo({0, 5});
    c.LineTo({20, 5});
    EXPECT_EQ(PixelColor(t.Finish(), 10, 5), kGhostColor);
}

}  // namespace
