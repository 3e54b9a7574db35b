#pragma once
// A font file opened with FreeType directly, apart from the font engine, to check its figures.

#include <ft2build.h>

#include <string>
#include FT_FREETYPE_H

namespace pw::test {

class ReferenceFont {
  public:
    // The installed file of the family with exactly that style name ("Regular", "Bold").
    ReferenceFont(const char* family, const char* style);
    ~ReferenceFont();
    bool IsOpen() const { return face_ != nullptr; }

    long WinAscent() const { return winAscent_; }
    long Cell() const { return winAscent_ + winDescent_; }
    // Advance width from the font's metrics table, in font units.
    long Advance(char32_t c) const;
    // The glyph's outline in font units, as stored.
    const FT_Outline* Outline(char32_t c);

  private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
    long winAscent_ = 0, winDescent_ = 0;
};

}  // namespace pw::test
