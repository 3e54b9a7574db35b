#include "text/font_face.h"

#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <cmath>

#include "core/cp1252.h"

namespace pw {

std::unique_ptr<FontFace> FontFace::Open(FT_Library library, const FontMatch& match) {
    if (!library) return nullptr;
    FT_Face face = nullptr;
    if (FT_New_Face(library, match.file.c_str(), match.index, &face) != 0) return nullptr;
    std::unique_ptr<FontFace> f(new FontFace(face, match));
    if (!FT_IS_SCALABLE(face) || f->CellUnits() <= 0) return nullptr;
    return f;
}

FontFace::FontFace(FT_Face face, const FontMatch& match) : face_(face), match_(match) {
    // The Windows cell: usWinAscent above and usWinDescent below the baseline. Fonts without an
    // OS/2 table fall back to the horizontal header, then to the bounding box.
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    if (os2 && os2->version != 0xFFFF) {
        ascent_ = os2->usWinAscent;
        descent_ = os2->usWinDescent;
    }
    if (ascent_ + descent_ <= 0) {
        ascent_ = face_->ascender;
        descent_ = -face_->descender;
    }
    if (ascent_ + descent_ <= 0) {
        ascent_ = static_cast<int32_t>(face_->bbox.yMax);
        descent_ = static_cast<int32_t>(-face_->bbox.yMin);
    }
    // Fonts for symbols map their characters into the private area U+F020..U+F0FF.
    if (!face_->charmap || face_->charmap->encoding != FT_ENCODING_UNICODE) {
        symbolMap_ = FT_Select_Charmap(face_, FT_ENCODING_MS_SYMBOL) == 0;
    }
}

FontFace::~FontFace() {
    FT_Done_Face(face_);
}

const GlyphShape& FontFace::Glyph(char32_t c) {
    auto it = glyphs_.find(c);
    if (it != glyphs_.end()) return it->second;
    GlyphShape& shape = glyphs_[c];
    Load(c, shape);
    return shape;
}

FT_UInt FontFace::GlyphIndex(char32_t c) const {
    FT_UInt index = FT_Get_Char_Index(face_, c);
    if (index != 0 || !symbolMap_) return index;
    // A symbol font is addressed by the single-byte code of the character.
    std::string byte = Utf8ToCp1252(Utf32ToUtf8(std::u32string_view(&c, 1)));
    if (byte.size() != 1 || (byte[0] == '?' && c != U'?')) return 0;
    return FT_Get_Char_Index(face_, 0xF000u + static_cast<unsigned char>(byte[0]));
}

void FontFace::Load(char32_t c, GlyphShape& shape) {
    const FT_UInt index = GlyphIndex(c);
    if (FT_Load_Glyph(face_, index, FT_LOAD_NO_SCALE) != 0) return;
    FT_GlyphSlot slot = face_->glyph;
    shape.advance = static_cast<double>(slot->advance.x);
    if (index == 0 || slot->format != FT_GLYPH_FORMAT_OUTLINE) return;
    FT_Outline& outline = slot->outline;
    if (match_.embolden) {
        // As FreeType emboldens: the outline grows by 1/24 em, the advance with it.
        FT_Pos strength = face_->units_per_EM / 24;
        FT_Outline_EmboldenXY(&outline, strength, strength);
        shape.advance += static_cast<double>(strength);
    }
    if (match_.HasMatrix()) {
        FT_Matrix m{std::lround(match_.xx * 65536), std::lround(match_.xy * 65536),
                    std::lround(match_.yx * 65536), std::lround(match_.yy * 65536)};
        FT_Outline_Transform(&outline, &m);
    }
    ReadOutlineRuns(outline, shape);
}

}  // namespace pw
