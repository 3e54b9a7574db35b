#include "render/glyph_path.h"

#include <map>
#include <tuple>

#include "core/cp1252.h"
#include "core/geometry.h"
#include "text/font_engine.h"

namespace pw {

namespace {

// Builds a painter path from the font engine's outline records; y is turned downward.
class PathSink : public GlyphSink {
  public:
    PathSink(QPainterPath& path, double scale) : path_(path), scale_(scale) {}

    void StartContour(GlyphPoint start) override { path_.moveTo(ToPoint(start)); }
    void LineRun(const GlyphPoint* pts, size_t n) override {
        for (size_t i = 0; i < n; ++i) path_.lineTo(ToPoint(pts[i]));
    }
    void QuadraticRun(const GlyphPoint* pts, size_t n) override {
        // Between two control points lies an implied on-curve point at their middle.
        for (size_t i = 0; i + 1 < n; ++i) {
            QPointF control = ToPoint(pts[i]);
            QPointF next = ToPoint(pts[i + 1]);
            QPointF end = i + 2 == n ? next : (control + next) / 2;
            path_.quadTo(control, end);
        }
    }
    void CloseContour() override { path_.closeSubpath(); }

  private:
    QPointF ToPoint(GlyphPoint p) const {
        return {static_cast<double>(FromFixed16(p.x)) * scale_,
                -static_cast<double>(FromFixed16(p.y)) * scale_};
    }
    QPainterPath& path_;
    double scale_;
};

using GlyphKey = std::tuple<std::string, int32_t, uint8_t, char32_t>;

// Glyphs in use stay cached; the cache is emptied when it grows beyond what a few fonts at a
// few sizes need, so zooming through many sizes cannot make it grow without end.
constexpr size_t kMaxCachedGlyphs = 20000;

// Outlines are 16.16 fixed; larger fonts are read at this height and scaled up (the outlines
// are not hinted, so they scale exactly).
constexpr int32_t kMaxOutlineHeight = 8192;

std::map<GlyphKey, GlyphPath>& Cache() {
    static std::map<GlyphKey, GlyphPath> cache;
    return cache;
}

}  // namespace

const GlyphPath& CachedGlyph(const FontSpec& font, char32_t c) {
    auto& cache = Cache();
    GlyphKey key{font.name, font.height, font.style, c};
    auto it = cache.find(key);
    if (it != cache.end()) return it->second;
    if (cache.size() >= kMaxCachedGlyphs) cache.clear();
    GlyphPath glyph;
    FontEngine& engine = FontEngine::Instance();
    glyph.advance = engine.Advance(font, c);
    FontSpec outlineFont = font;
    double scale = 1;
    if (font.height > kMaxOutlineHeight) {
        outlineFont.height = kMaxOutlineHeight;
        scale = static_cast<double>(font.height) / kMaxOutlineHeight;
    }
    PathSink sink(glyph.path, scale);
    engine.Outline(outlineFont, c, GlyphMatrix{}, sink);
    glyph.path.setFillRule(Qt::WindingFill);
    return cache.emplace(std::move(key), std::move(glyph)).first->second;
}

QPainterPath TextPath(const FontSpec& font, QPointF origin, std::string_view utf8) {
    QPainterPath text;
    text.setFillRule(Qt::WindingFill);
    if (font.height <= 0) return text;
    TextMetrics m = FontEngine::Instance().Metrics(font);
    QPointF pen(origin.x(), origin.y() + m.ascent);
    for (char32_t c : Utf8ToUtf32(utf8)) {
        const GlyphPath& g = CachedGlyph(font, c);
        if (!g.path.isEmpty()) text.addPath(g.path.translated(pen));
        pen.rx() += g.advance;
    }
    return text;
}

}  // namespace pw
