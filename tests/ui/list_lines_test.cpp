// The pictures of the list lines: pen samples drawn by the dash generator at a twelfth of the
// width, swatches with the brush's hatch, the selected line's blue bar and the font line's
// height label.
#include "ui/lists/list_lines.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

namespace pw {
namespace {

const QSize kLine(160, 16);

bool Is(const QImage& image, int x, int y, Color c) {
    return (image.pixel(x, y) & 0xFFFFFFu) == qRgb(RedOf(c), GreenOf(c), BlueOf(c)) - 0xFF000000u;
}

// Smoothed text: pixels nearer the ink than the background, in a row between x1 and x2.
int InkedOf(const QImage& image, int y, int x1, int x2, Color ink, Color background) {
    auto distance = [](QRgb p, Color c) {
        return std::abs(qRed(p) - RedOf(c)) + std::abs(qGreen(p) - GreenOf(c)) +
               std::abs(qBlue(p) - BlueOf(c));
    };
    int n = 0;
    for (int x = x1; x < x2; ++x)
        n += distance(image.pixel(x, y), ink) < distance(image.pixel(x, y), background);
    return n;
}

// Rows of column x that have the colour.
int RowsOf(const QImage& image, int x, Color c) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) n += Is(image, x, y, c);
    return n;
}

// Pixels of row y between x1 and x2 that have the colour.
int ColumnsOf(const QImage& image, int y, int x1, int x2, Color c) {
    int n = 0;
    for (int x = x1; x < x2; ++x) n += Is(image, x, y, c);
    return n;
}

TEST(ListLines, PenSampleIsATwelfthOfTheWidthThick) {
    const QImage solid = PenLineImage(kLine, "1 mm", {50, kRed, ptDurchgezogen}, false);
    EXPECT_EQ(RowsOf(solid, 15, kRed), 4);
    EXPECT_EQ(ColumnsOf(solid, 8, 8, 22, kRed), 14);
    EXPECT_EQ(RowsOf(PenLineImage(kLine, "h", {0, kRed, ptDurchgezogen}, false), 15, kRed), 1);
    // Nothing of the sample reaches the name.
    EXPECT_EQ(ColumnsOf(solid, 8, 29, 33, kRed), 0);
}

TEST(ListLines, DottedSampleHasGapsAndTheInvisiblePenNone) {
    const QImage dotted = PenLineImage(kLine, "p", {0, kRed, ptPunkt}, false);
    const int inked = ColumnsOf(dotted, 8, 5, 26, kRed);
    EXPECT_GT(inked, 4);
    EXPECT_LT(inked, 16);
    EXPECT_EQ(RowsOf(PenLineImage(kLine, "u", {50, kRed, ptClear}, false), 15, kRed), 0);
}

TEST(ListLines, SelectedLineHasABlueBarBehindWhiteText) {
    const QImage plain = PenLineImage(kLine, "Name", {0, kBlack, ptDurchgezogen}, false);
    const QImage selected = PenLineImage(kLine, "Name", {0, kBlack, ptDurchgezogen}, true);
    EXPECT_TRUE(Is(plain, 150, 8, kListBackground));
    EXPECT_TRUE(Is(selected, 150, 8, kBlue));
    EXPECT_TRUE(Is(selected, 150, 0, kListBackground));  // the bar leaves a pixel above
    EXPECT_TRUE(Is(selected, 20, 4, kListBackground));   // and the sample's place
    int white = 0;
    for (int y = 1; y < 15; ++y) white += InkedOf(selected, y, 33, 70, kWhite, kBlue);
    EXPECT_GT(white, 10);
}

TEST(ListLines, BrushSwatchShowsTheHatchAndNoFillShowsNothing) {
    const QImage hatched = BrushLineImage(kLine, "h", {kRed, bsCross}, false);
    int red = 0;
    for (int y = 0; y < 16; ++y) red += ColumnsOf(hatched, y, 0, 25, kRed);
    EXPECT_GT(red, 20);
    EXPECT_LT(red, 25 * 16 / 2);
    const QImage solid = BrushLineImage(kLine, "s", {kRed, bsSolid}, false);
    EXPECT_EQ(ColumnsOf(solid, 8, 0, 26, kRed), 24);  // without a pen a rectangle fills a pixel less
    const QImage none = BrushLineImage(kLine, "n", {kRed, bsClear}, false);
    EXPECT_EQ(ColumnsOf(none, 8, 0, 25, kRed), 0);
}

TEST(ListLines, FontLineShowsItsHeightAtTheRight) {
    const QSize size(170, 22);
    const FontValues font{FontSpec{"Liberation Serif", 175, 0}, 0x0000C0};
    const QImage image = FontLineImage(size, "A long description that runs on", font, false);
    int ink = 0, label = 0;
    for (int y = 0; y < 22; ++y) {
        ink += InkedOf(image, y, 0, 130, 0x0000C0, kListBackground);
        label += InkedOf(image, y, 130, 170, kBlack, kListBackground);
        EXPECT_EQ(ColumnsOf(image, y, 130, 170, 0x0000C0), 0);  // clipped 40 pixels before the edge
    }
    EXPECT_GT(ink, 50);
    EXPECT_GT(label, 10);
    EXPECT_TRUE(Is(FontLineImage(size, "x", font, true), 100, 20, kBlue));
}

}  // namespace
}  // namespace pw
