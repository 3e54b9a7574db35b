#pragma once
// The pictures of the lines of the pen, brush and font lists and of the brush preview, drawn
// through the program's canvas: pattern samples with the dash generator of the elements,
// swatches with the hatches of the panel, and texts with the glyph outlines of the font engine,
// so that a list shows exactly what a panel draws.

#include <QImage>
#include <QSize>
#include <string>

#include "core/drawing_values.h"

namespace pw {

// The background of the pen and brush lists, and of the font list's unselected lines (the
// default panel colour).
constexpr Color kListBackground = 0xE6E6E6;

// A pen line: the sample of the pen's pattern, colour and width at the left, then the name; the
// selected line has a blue bar behind white text.
QImage PenLineImage(QSize size, const std::string& name, const PenValues& pen, bool selected,
                    Color background = kListBackground);
// A brush line: a swatch filled with the brush at the left, then the name.
QImage BrushLineImage(QSize size, const std::string& name, const BrushValues& brush, bool selected,
                      Color background = kListBackground);
// A font line: the description in its own font, family, style and colour (white on the blue of
// the selected line), and the height in whole millimetres at the right.
QImage FontLineImage(QSize size, const std::string& description, const FontValues& font, bool selected);
// An entry of the font box: the family's name and a sample "Abc" in the family.
QImage FontSampleImage(QSize size, const std::string& family, bool highlighted);
// The font window's sample: "Abc" in the font and its colour, a tenth of its height in pixels
// (at most 50), on the window's background, or on grey when the font is light.
QImage FontLabelImage(QSize size, const FontValues& font, Color background);
// The brush preview: silver, and over it a framed rectangle filled with the brush.
QImage BrushPreviewImage(QSize size, const BrushValues& brush);

}  // namespace pw
