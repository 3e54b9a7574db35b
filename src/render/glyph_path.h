#pragma once
// Glyph outlines of the font engine as Qt painter paths, kept in a cache per font, height and
// character, so repeated text costs one lookup per character.

#include <QPainterPath>
#include <string_view>

#include "core/font.h"

namespace pw {

struct GlyphPath {
    // Outline in device units, y downward, origin at the glyph's baseline origin; empty for
    // blanks and missing glyphs.
    QPainterPath path;
    int32_t advance = 0;
};

// The glyph of one character in the given font (its height in device units).
const GlyphPath& CachedGlyph(const FontSpec& font, char32_t c);

// The outline of a text whose character cell has its top-left corner at origin, in the font
// whose height is given in device units; filled with the winding rule.
QPainterPath TextPath(const FontSpec& font, QPointF origin, std::string_view utf8);

}  // namespace pw
