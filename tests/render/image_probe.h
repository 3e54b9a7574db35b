#pragma once
// Reading back what a canvas painted: pixel colours and the extent of painted areas.

#include <QImage>
#include <QRect>

#include "core/color.h"

namespace pw::test {

// Colour of a pixel as 0x00BBGGRR.
Color PixelColor(const QImage& image, int x, int y);
// Bounding box of the pixels that differ from the colour (empty when none does).
QRect PaintedBox(const QImage& image, Color ground);
// Number of pixels of exactly that colour.
int CountColor(const QImage& image, Color c);

}  // namespace pw::test
