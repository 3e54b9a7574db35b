#pragma once
// The font engine: finds fonts through fontconfig and reads glyph outlines and metrics with
// FreeType, measured as the Windows text measurement gives them (see Text metrics in the
// design notes). All sizes are in model (logical) units: a font of height h has a character cell
// of h units (ascent + descent).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/font.h"

namespace pw {

// One record of a glyph outline in the form TrueType stores it: a contour starts at a point,
// then runs of straight line points and runs of quadratic B-spline points follow. Points are
// 16.16 fixed (integer part in the high 16 bits), y upward, origin at the glyph's baseline
// origin, already scaled to the requested height.
struct GlyphPoint {
    int32_t x = 0, y = 0;  // 16.16 fixed
    friend bool operator==(const GlyphPoint&, const GlyphPoint&) = default;
};

// Receives a glyph outline record by record.
class GlyphSink {
public:
    virtual ~GlyphSink() = default;
    virtual void StartContour(GlyphPoint start) = 0;
    // Consecutive straight segments to each point in turn.
    virtual void LineRun(const GlyphPoint* pts, size_t n) = 0;
    // A quadratic B-spline run q1..qm (m >= 2): control points with implied on-curve midpoints
    // between them; the last point is on the curve.
    virtual void QuadraticRun(const GlyphPoint* pts, size_t n) = 0;
    virtual void CloseContour() = 0;
};

// 2 x 2 transformation of the outline, 16.16 fixed: x' = m11 x + m21 y, y' = m12 x + m22 y.
struct GlyphMatrix {
    int32_t m11 = 0x10000, m12 = 0, m21 = 0, m22 = 0x10000;
};

class FontEngine {
public:
    static FontEngine& Instance();
    virtual ~FontEngine() = default;

    virtual TextMetrics Metrics(const FontSpec& font) = 0;
    // Advance width of one character at the font's height, rounded to a whole unit.
    virtual int32_t Advance(const FontSpec& font, char32_t c) = 0;
    // Sum of the rounded advances of the characters of a UTF-8 text.
    virtual int32_t TextWidth(const FontSpec& font, std::string_view utf8) = 0;
    // Feeds the outline of one character, transformed by the matrix, into the sink. Returns
    // false (and feeds nothing) when the font has no outline for it (blank, missing glyph).
    virtual bool Outline(const FontSpec& font, char32_t c, const GlyphMatrix& m, GlyphSink& sink) = 0;
    // The family fontconfig resolved a requested name to ("Liberation Sans" for "Arial").
    virtual std::string ResolvedFamily(const FontSpec& font) = 0;
    // True when the requested family was not found and a fallback sans font serves instead.
    virtual bool IsFallback(const FontSpec& font) = 0;
    // Names of the installed font families, sorted.
    virtual std::vector<std::string> FamilyNames() = 0;
};

}  // namespace pw
