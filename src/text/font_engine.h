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

#include "core/canvas.h"
#include "core/font.h"

namespace pw {

// One point of a glyph outline: 16.16 fixed as ToFixed16 makes it (core/geometry.h), y upward,
// origin at the glyph's baseline origin, one unit = one model unit at the font's height.
struct GlyphPoint {
    int32_t x = 0, y = 0;  // 16.16 fixed
    friend bool operator==(const GlyphPoint&, const GlyphPoint&) = default;
};

// Receives a glyph outline record by record, in the form TrueType stores it: each contour
// starts at an on-curve point, then runs of straight line points and runs of quadratic B-spline
// points follow, and the contour is closed.
class GlyphSink {
  public:
    virtual ~GlyphSink() = default;
    virtual void StartContour(GlyphPoint start) = 0;
    // Consecutive straight segments to each point in turn.
    virtual void LineRun(const GlyphPoint* pts, size_t n) = 0;
    // A quadratic B-spline run q1..qm (m >= 2): control points with implied on-curve midpoints
    // between them; the last point is on the curve.
    virtual void QuadraticRun(const GlyphPoint* pts, size_t n) = 0;
    // Ends the contour. A closing curve has already been delivered as a run ending at the start
    // point; a closing straight segment back to the start point is implied here.
    virtual void CloseContour() = 0;
};

// 2 x 2 transformation of the outline, 16.16 fixed as ToFixed16 makes it:
// x' = m11 x + m21 y, y' = m12 x + m22 y (y upward).
struct GlyphMatrix {
    int32_t m11 = 0x10000, m12 = 0, m21 = 0, m22 = 0x10000;
};

struct GlyphShape;

// The outlines of the characters of one text in one font, looked up in the engine's caches by
// FontEngine::Outlines on the engine's thread. Feeding them reads only what the lookup found,
// which the engine leaves unchanged until its caches are cleared, so any thread may feed them
// meanwhile; Feed gives what FontEngine::Outline gives for the same character and matrix.
class GlyphOutlines {
  public:
    size_t Size() const { return shapes_.size(); }
    // Feeds the outline of character k into the sink, as FontEngine::Outline does.
    bool Feed(size_t k, const GlyphMatrix& m, GlyphSink& sink) const;

  private:
    friend class FreeTypeFontEngine;
    std::vector<const GlyphShape*> shapes_;  // null: no outline
    uint64_t generation_ = 0;                // of the engine's caches they were found in
    int32_t height_ = 0, cellUnits_ = 1;
};

// Fonts are named by FontSpec: family name, cell height and style bits (bold and italic choose
// the face; underline and strike-out do not). A height of 0 or less measures 0 and has no outlines.
// One engine serves the whole program from the thread of the event loop; it caches what it reads.
class FontEngine {
  public:
    static FontEngine& Instance();
    virtual ~FontEngine() = default;

    // Cell height, ascent and descent; ascent + descent always equals the font's height.
    virtual TextMetrics Metrics(const FontSpec& font) = 0;
    // Advance width of one character at the font's height, rounded to a whole unit.
    virtual int32_t Advance(const FontSpec& font, char32_t c) = 0;
    // Sum of the rounded advances of the characters of a UTF-8 text.
    virtual int32_t TextWidth(const FontSpec& font, std::string_view utf8) = 0;
    // Feeds the unhinted outline of one character at the font's height, transformed by the
    // matrix, into the sink. Returns false (and feeds nothing) when the font has no outline for
    // it (blank, missing glyph) or a point would leave the 16.16 range.
    virtual bool Outline(const FontSpec& font, char32_t c, const GlyphMatrix& m, GlyphSink& sink) = 0;
    // The outlines of the characters, to be fed later, perhaps on another thread.
    virtual GlyphOutlines Outlines(const FontSpec& font, std::u32string_view chars) = 0;
    // The family that serves the font ("Liberation Sans" for "Arial"); empty only when no
    // scalable font is installed at all.
    virtual std::string ResolvedFamily(const FontSpec& font) = 0;
    // True when the requested family was not found and a fallback sans font serves instead.
    virtual bool IsFallback(const FontSpec& font) = 0;
    // Names of the installed scalable font families, sorted without regard to case, each once.
    virtual std::vector<std::string> FamilyNames() = 0;
    // Forgets every font, face, glyph and name read so far; the next request reads them again.
    virtual void ClearCaches() = 0;
};

// Width of a text in the canvas's current font (logical units), as TextOut lays it out.
int32_t TextWidth(const Canvas& canvas, std::string_view utf8);

}  // namespace pw
