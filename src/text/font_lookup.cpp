#include "text/font_lookup.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

namespace pw {

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

const FcChar8* Fc(const std::string& s) {
    return reinterpret_cast<const FcChar8*>(s.c_str());
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return FcStrCmpIgnoreCase(Fc(a), Fc(b)) == 0;
}

// Families installed under another name with the metrics of a common Windows family.
struct Alias {
    const char* requested;
    const char* family;
};
constexpr Alias kMetricAliases[] = {
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Courier New", "Liberation Mono"},
};

std::vector<std::string> Families(FcPattern* p) {
    std::vector<std::string> out;
    FcChar8* s = nullptr;
    for (int i = 0; FcPatternGetString(p, FC_FAMILY, i, &s) == FcResultMatch; ++i) {
        out.emplace_back(reinterpret_cast<const char*>(s));
    }
    return out;
}

std::optional<FontMatch> Match(const std::string& family, bool bold, bool italic) {
    if (!FcInit()) return std::nullopt;
    Pattern request(FcPatternCreate());
    FcPatternAddString(request.get(), FC_FAMILY, Fc(family));
    FcPatternAddInteger(request.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(request.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(request.get(), FC_SCALABLE, FcTrue);
    FcPatternAddBool(request.get(), FC_OUTLINE, FcTrue);
    FcConfigSubstitute(nullptr, request.get(), FcMatchPattern);
    FcDefaultSubstitute(request.get());
    FcResult result = FcResultNoMatch;
    Pattern found(FcFontMatch(nullptr, request.get(), &result));
    if (!found) return std::nullopt;

    FcChar8* file = nullptr;
    FcBool scalable = FcFalse;
    if (FcPatternGetString(found.get(), FC_FILE, 0, &file) != FcResultMatch) return std::nullopt;
    if (FcPatternGetBool(found.get(), FC_SCALABLE, 0, &scalable) == FcResultMatch && !scalable) {
        return std::nullopt;
    }
    FontMatch m;
    m.file = reinterpret_cast<const char*>(file);
    FcPatternGetInteger(found.get(), FC_INDEX, 0, &m.index);
    FcBool embolden = FcFalse;
    if (FcPatternGetBool(found.get(), FC_EMBOLDEN, 0, &embolden) == FcResultMatch) m.embolden = embolden;
    FcMatrix* matrix = nullptr;
    if (FcPatternGetMatrix(found.get(), FC_MATRIX, 0, &matrix) == FcResultMatch && matrix) {
        m.xx = matrix->xx, m.xy = matrix->xy, m.yx = matrix->yx, m.yy = matrix->yy;
    }
    std::vector<std::string> names = Families(found.get());
    for (const std::string& name : names) {
        if (IsSameFamily(family, name)) {
            m.family = name;
            m.sameFamily = true;
            break;
        }
    }
    if (!m.sameFamily && !names.empty()) m.family = names.front();
    return m;
}

}  // namespace

std::optional<FontMatch> MatchFont(const std::string& family, bool bold, bool italic) {
    return Match(family, bold, italic);
}

std::optional<FontMatch> MatchFallbackFont(bool bold, bool italic) {
    std::optional<FontMatch> m = Match("sans-serif", bold, italic);
    if (m) m->sameFamily = false;
    return m;
}

bool IsSameFamily(const std::string& requested, const std::string& family) {
    if (EqualNoCase(requested, family)) return true;
    for (const Alias& a : kMetricAliases) {
        if (EqualNoCase(requested, a.requested) && EqualNoCase(family, a.family)) return true;
    }
    return false;
}

std::vector<std::string> InstalledFamilies() {
    std::vector<std::string> out;
    if (!FcInit()) return out;
    Pattern filter(FcPatternCreate());
    FcPatternAddBool(filter.get(), FC_SCALABLE, FcTrue);
    FcPatternAddBool(filter.get(), FC_OUTLINE, FcTrue);
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet* set = FcFontList(nullptr, filter.get(), objects);
    FcObjectSetDestroy(objects);
    if (!set) return out;
    for (int i = 0; i < set->nfont; ++i) {
        for (std::string& name : Families(set->fonts[i])) out.push_back(std::move(name));
    }
    FcFontSetDestroy(set);
    auto less = [](const std::string& a, const std::string& b) {
        return FcStrCmpIgnoreCase(Fc(a), Fc(b)) < 0;
    };
    std::sort(out.begin(), out.end(), less);
    out.erase(std::unique(out.begin(), out.end(), EqualNoCase), out.end());
    return out;
}

}  // namespace pw
