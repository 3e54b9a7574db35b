#pragma once
// Reading back what a canvas painted: pixel colours, the extent of painted areas, ink, marks
// along a line; SVG and PDF drawn by programs not ours; work under a memory limit.

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <cstddef>
#include <functional>

#include "core/color.h"

namespace pw::test {

// Colour of a pixel as 0x00BBGGRR.
Color PixelColor(const QImage& image, int x, int y);
// Bounding box of the pixels that differ from the colour (empty when none does).
QRect PaintedBox(const QImage& image, Color ground);
// Number of pixels of exactly that colour.
int CountColor(const QImage& image, Color c);
// The ink of a picture on white: each pixel's darkness (0 white .. 1 black) summed up.
double InkAmount(const QImage& image);
// Number of separate stretches of columns that hold a pixel darker than the grey level (0..255):
// the marks along a horizontal line.
int InkStretches(const QImage& image, int darkerThan = 255);

// Drawn by programs that are not ours, at a resolution on white (a null image when they fail):
// an SVG by rsvg-convert, the first page of a PDF by pdftoppm with smoothed edges, so that thin
// lines keep their ink (pdf_readback.h draws pages unsmoothed).
QImage SvgAsPicture(const QByteArray& svg, int dotsPerInch);
QImage SmoothPdfPage(const QByteArray& pdf, int dotsPerInch);

// Runs work in a child process whose address space may grow only extraBytes beyond the test's,
// so that a runaway allocation fails there; true when it ended normally and work said true.
bool SucceedsWithinMemory(size_t extraBytes, const std::function<bool()>& work);

// Compares two black-on-white pictures, given as "is this pixel black" tests, over the square
// [from, to) of both axes. Each pixel only one of them has is passed to lone(x, y, nearCommon),
// nearCommon saying whether a pixel both have touches it (itself or one of its eight neighbours).
struct BlackComparison {
    int reference = 0;  // black pixels of the reference (the second picture) in the square
    int differing = 0;  // pixels only one picture has
};
template <class Ours, class Reference, class Lone>
BlackComparison CompareBlack(int from, int to, Ours ours, Reference reference, Lone lone) {
    BlackComparison result;
    for (int y = from; y < to; ++y)
        for (int x = from; x < to; ++x) {
            const bool a = ours(x, y), b = reference(x, y);
            result.reference += b;
            if (a == b) continue;
            ++result.differing;
            bool nearCommon = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    nearCommon |= ours(x + dx, y + dy) && reference(x + dx, y + dy);
            lone(x, y, nearCommon);
        }
    return result;
}

}  // namespace pw::test
