#include "text/font_engine.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <climits>
#include <cmath>
#include <map>
#include <unordered_map>

#include "core/cp1252.h"
#include "core/fast_round.h"
#include "core/geometry.h"
#include "core/numbers.h"
#include "text/font_face.h"
#include "text/font_lookup.h"

namespace pw {

namespace {

// Counts the clearings of the engine's caches, which free the glyph shapes: the points kept
// below for a shape are keyed by it as well as by the shape's address.
std::atomic<uint64_t> cacheGeneration{1};

// A glyph's outline points scaled from font units to the height and transformed by the matrix
// (not ok where a point leaves the 16.16 range), and what they were worked out for.
struct FedGlyph {
    struct Key {
        const GlyphShape* shape = nullptr;
        uint64_t generation = 0;
        int32_t height = 0, cellUnits = 0;
        int32_t m11 = 0, m12 = 0, m21 = 0, m22 = 0;
        friend bool operator==(const Key&, const Key&) = default;
    } key;
    bool ok = false;
    std::vector<GlyphPoint> pts;
};

bool Transform(const GlyphShape& shape, int32_t height, int32_t cellUnits, const GlyphMatrix& m,
               std::vector<GlyphPoint>& pts) {
    // Font units to model units, then the matrix.
    const Real scale = static_cast<Real>(height) / cellUnits;
    const Real a = FromFixed16(m.m11) * scale, b = FromFixed16(m.m12) * scale;
    const Real cx = FromFixed16(m.m21) * scale, d = FromFixed16(m.m22) * scale;
    pts.resize(shape.points.size());
    for (size_t i = 0; i < pts.size(); ++i) {
        const Real x = shape.points[i].x, y = shape.points[i].y;
        const Real tx = a * x + cx * y, ty = b * x + d * y;
        if (!(std::fabs(tx) <= 32767 && std::fabs(ty) <= 32767)) return false;
        pts[i] = {ToFixed16Inline(tx), ToFixed16Inline(ty)};
    }
    return true;
}

// The transformed points of the glyphs fed last on this thread, by shape, height and matrix:
// texts repeat characters, and texts of one font and size share them.
const FedGlyph& Transformed(const GlyphShape& shape, uint64_t generation, int32_t height, int32_t cellUnits,
                            const GlyphMatrix& m) {
    thread_local std::array<FedGlyph, 512> kept;
    const uint64_t hash = (reinterpret_cast<uintptr_t>(&shape) >> 4) * 0x9E3779B97F4A7C15ull ^
                          static_cast<uint64_t>(height) * 0xBF58476D1CE4E5B9ull ^
                          static_cast<uint32_t>(m.m11 ^ m.m12 * 31 ^ m.m21 * 961 ^ m.m22 * 29791);
    FedGlyph& slot = kept[(hash ^ hash >> 29) % kept.size()];
    const FedGlyph::Key key{&shape, generation, height, cellUnits, m.m11, m.m12, m.m21, m.m22};
    if (!(slot.key == key)) {
        slot.key = key;
        slot.ok = Transform(shape, height, cellUnits, m, slot.pts);
    }
    return slot;
}

// Feeds a glyph's outline, scaled from font units to the height and transformed by the matrix.
bool FeedOutline(const GlyphShape& shape, uint64_t generation, int32_t height, int32_t cellUnits,
                 const GlyphMatrix& m, GlyphSink& sink) {
    if (!shape.HasOutline()) return false;
    const FedGlyph& fed = Transformed(shape, generation, height, cellUnits, m);
    if (!fed.ok) return false;
    const std::vector<GlyphPoint>& pts = fed.pts;
    for (const OutlineRecord& r : shape.records) {
        switch (r.op) {
            case OutlineOp::Start:
                sink.StartContour(pts[r.first]);
                break;
            case OutlineOp::Line:
                sink.LineRun(&pts[r.first], r.count);
                break;
            case OutlineOp::Quadratic:
                sink.QuadraticRun(&pts[r.first], r.count);
                break;
            case OutlineOp::Close:
                sink.CloseContour();
                break;
        }
    }
    return true;
}

}  // namespace

bool GlyphOutlines::Feed(size_t k, const GlyphMatrix& m, GlyphSink& sink) const {
    if (k >= shapes_.size() || !shapes_[k]) return false;
    return FeedOutline(*shapes_[k], generation_, height_, cellUnits_, m, sink);
}

// The font engine on FreeType and fontconfig, with its caches: fonts by requested name and style,
// faces by file, glyphs per face (in font units, so every height and matrix reuses them).
class FreeTypeFontEngine final : public FontEngine {
  public:
    FreeTypeFontEngine() {
        if (FT_Init_FreeType(&library_) != 0) library_ = nullptr;
    }
    ~FreeTypeFontEngine() override {
        ClearCaches();
        if (library_) FT_Done_FreeType(library_);
    }

    TextMetrics Metrics(const FontSpec& font) override;
    int32_t Advance(const FontSpec& font, char32_t c) override;
    int32_t TextWidth(const FontSpec& font, std::string_view utf8) override;
    bool Outline(const FontSpec& font, char32_t c, const GlyphMatrix& m, GlyphSink& sink) override;
    GlyphOutlines Outlines(const FontSpec& font, std::u32string_view chars) override;
    std::string ResolvedFamily(const FontSpec& font) override { return Resolve(font).family; }
    bool IsFallback(const FontSpec& font) override { return Resolve(font).isFallback; }
    std::vector<std::string> FamilyNames() override;
    void ClearCaches() override;

  private:
    // What serves one requested name and style.
    struct Font {
        FontFace* face = nullptr;  // null only when no scalable font is installed at all
        std::string family;
        bool isFallback = false;
    };

    const Font& Resolve(const FontSpec& requested);
    Font Find(const std::string& name, bool bold, bool italic);
    FontFace* OpenFace(const FontMatch& match);
    static int32_t Scaled(double fontUnits, int32_t height, int32_t cellUnits);

    FT_Library library_ = nullptr;
    std::map<std::string, std::unique_ptr<FontFace>> faces_;  // by file, index and synthesis
    std::unordered_map<std::string, Font> fonts_;             // by lower-case name and style
    std::vector<std::string> families_;
    // The last request, as texts ask for one font many times in a row.
    std::string lastName_;
    uint8_t lastStyle_ = 0;
    const Font* last_ = nullptr;
};

const FreeTypeFontEngine::Font& FreeTypeFontEngine::Resolve(const FontSpec& requested) {
    const uint8_t style = requested.style & (fsBold | fsItalic);
    if (last_ && style == lastStyle_ && requested.name == lastName_) return *last_;
    std::string key = requested.name;
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char ch) {
        return static_cast<char>(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    });
    key.push_back('\0');
    key.push_back(static_cast<char>('0' + style));
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        it = fonts_.emplace(key, Find(requested.name, style & fsBold, style & fsItalic)).first;
    }
    lastName_ = requested.name;
    lastStyle_ = style;
    last_ = &it->second;
    return *last_;
}

FreeTypeFontEngine::Font FreeTypeFontEngine::Find(const std::string& name, bool bold, bool italic) {
    Font font;
    std::optional<FontMatch> match = MatchFont(name, bold, italic);
    if (match && match->sameFamily) font.face = OpenFace(*match);
    if (font.face) {
        font.family = match->family;
        return font;
    }
    font.isFallback = true;
    match = MatchFallbackFont(bold, italic);
    if (match) font.face = OpenFace(*match);
    if (font.face) font.family = match->family;
    return font;
}

FontFace* FreeTypeFontEngine::OpenFace(const FontMatch& match) {
    std::string key = match.file + '\n' + std::to_string(match.index) +
                      (match.embolden ? "\nbold\n" : "\n\n") + std::to_string(match.xx) + ' ' +
                      std::to_string(match.xy) + ' ' + std::to_string(match.yx) + ' ' +
                      std::to_string(match.yy);
    auto it = faces_.find(key);
    if (it == faces_.end()) it = faces_.emplace(key, FontFace::Open(library_, match)).first;
    return it->second.get();
}

int32_t FreeTypeFontEngine::Scaled(double fontUnits, int32_t height, int32_t cellUnits) {
    // Multiplied before dividing, so that an exact half stays exact and rounds to even.
    return RoundToInt(static_cast<Real>(fontUnits) * height / cellUnits);
}

TextMetrics FreeTypeFontEngine::Metrics(const FontSpec& font) {
    const Font& f = Resolve(font);
    if (!f.face || font.height <= 0) return {};
    // Heights beyond the coordinate bound measure as that bound.
    int32_t h = std::min(font.height, kCoordLimit);
    TextMetrics m;
    m.height = h;
    m.ascent = std::clamp(Scaled(f.face->AscentUnits(), h, f.face->CellUnits()), 0, h);
    m.descent = h - m.ascent;
    return m;
}

int32_t FreeTypeFontEngine::Advance(const FontSpec& font, char32_t c) {
    const Font& f = Resolve(font);
    if (!f.face || font.height <= 0) return 0;
    return Scaled(f.face->Glyph(c).advance, font.height, f.face->CellUnits());
}

int32_t FreeTypeFontEngine::TextWidth(const FontSpec& font, std::string_view utf8) {
    const Font& f = Resolve(font);
    if (!f.face || font.height <= 0) return 0;
    int64_t width = 0;
    for (char32_t c : Utf8ToUtf32(utf8))
        width += Scaled(f.face->Glyph(c).advance, font.height, f.face->CellUnits());
    return static_cast<int32_t>(std::clamp<int64_t>(width, -kCoordLimit, kCoordLimit));
}

bool FreeTypeFontEngine::Outline(const FontSpec& font, char32_t c, const GlyphMatrix& m, GlyphSink& sink) {
    const Font& f = Resolve(font);
    if (!f.face || font.height <= 0) return false;
    return FeedOutline(f.face->Glyph(c), cacheGeneration.load(std::memory_order_relaxed), font.height,
                       f.face->CellUnits(), m, sink);
}

GlyphOutlines FreeTypeFontEngine::Outlines(const FontSpec& font, std::u32string_view chars) {
    GlyphOutlines outlines;
    outlines.shapes_.assign(chars.size(), nullptr);
    const Font& f = Resolve(font);
    if (!f.face || font.height <= 0) return outlines;
    outlines.generation_ = cacheGeneration.load(std::memory_order_relaxed);
    outlines.height_ = font.height;
    outlines.cellUnits_ = f.face->CellUnits();
    for (size_t k = 0; k < chars.size(); ++k) outlines.shapes_[k] = &f.face->Glyph(chars[k]);
    return outlines;
}

std::vector<std::string> FreeTypeFontEngine::FamilyNames() {
    if (families_.empty()) families_ = InstalledFamilies();
    return families_;
}

void FreeTypeFontEngine::ClearCaches() {
    cacheGeneration.fetch_add(1, std::memory_order_relaxed);
    last_ = nullptr;
    lastName_.clear();
    fonts_.clear();
    faces_.clear();
    families_.clear();
}

FontEngine& FontEngine::Instance() {
    static FreeTypeFontEngine engine;
    return engine;
}

int32_t TextWidth(const Canvas& canvas, std::string_view utf8) {
    return FontEngine::Instance().TextWidth(canvas.Font(), utf8);
}

}  // namespace pw
