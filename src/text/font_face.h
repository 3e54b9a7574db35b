#pragma once
// One opened font file: its character cell in font units and the glyphs read from it so far.

#include <ft2build.h>

#include <memory>
#include <unordered_map>
#include FT_FREETYPE_H

#include "text/font_lookup.h"
#include "text/glyph_shape.h"

namespace pw {

class FontFace {
  public:
    // The face of the match, or nothing when FreeType cannot read it as a scalable font.
    static std::unique_ptr<FontFace> Open(FT_Library library, const FontMatch& match);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    // Cell height (ascent + descent) and ascent in font units, from usWinAscent and usWinDescent.
    int32_t CellUnits() const { return ascent_ + descent_; }
    int32_t AscentUnits() const { return ascent_; }

    // Advance and outline of a character, read from the font on first use only. A character the
    // font has no glyph for advances like the font's default glyph and has no outline.
    const GlyphShape& Glyph(char32_t c);

  private:
    FontFace(FT_Face face, const FontMatch& match);
    FT_UInt GlyphIndex(char32_t c) const;
    void Load(char32_t c, GlyphShape& shape);

    FT_Face face_;
    FontMatch match_;
    int32_t ascent_ = 0, descent_ = 0;
    bool symbolMap_ = false;
    std::unordered_map<char32_t, GlyphShape> glyphs_;
};

}  // namespace pw
