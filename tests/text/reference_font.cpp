#include "reference_font.h"

#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <fontconfig/fontconfig.h>

namespace pw::test {

namespace {

std::string ListedFile(const char* family, const char* style) {
    std::string file;
    FcPattern* p = FcPatternBuild(nullptr, FC_FAMILY, FcTypeString, family, FC_STYLE, FcTypeString, style,
                                  static_cast<char*>(nullptr));
    FcObjectSet* os = FcObjectSetBuild(FC_FILE, static_cast<char*>(nullptr));
    FcFontSet* fs = FcFontList(nullptr, p, os);
    FcChar8* s = nullptr;
    if (fs && fs->nfont > 0 && FcPatternGetString(fs->fonts[0], FC_FILE, 0, &s) == FcResultMatch) {
        file = reinterpret_cast<const char*>(s);
    }
    if (fs) FcFontSetDestroy(fs);
    FcObjectSetDestroy(os);
    FcPatternDestroy(p);
    return file;
}

}  // namespace

ReferenceFont::ReferenceFont(const char* family, const char* style) {
    std::string file = ListedFile(family, style);
    if (file.empty() || FT_Init_FreeType(&library_) != 0) return;
    if (FT_New_Face(library_, file.c_str(), 0, &face_) != 0) {
        face_ = nullptr;
        return;
    }
    auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
    if (os2) winAscent_ = os2->usWinAscent, winDescent_ = os2->usWinDescent;
}

ReferenceFont::~ReferenceFont() {
    if (face_) FT_Done_Face(face_);
    if (library_) FT_Done_FreeType(library_);
}

long ReferenceFont::Advance(char32_t c) const {
    FT_Fixed advance = 0;
    FT_Get_Advance(face_, FT_Get_Char_Index(face_, c), FT_LOAD_NO_SCALE, &advance);
    return advance;
}

const FT_Outline* ReferenceFont::Outline(char32_t c) {
    if (FT_Load_Glyph(face_, FT_Get_Char_Index(face_, c), FT_LOAD_NO_SCALE) != 0) return nullptr;
    return &face_->glyph->outline;
}

}  // namespace pw::test
