#pragma once
// The outline of one glyph in font units, kept as TrueType runs so that it can be scaled and
// transformed for any height and matrix without asking FreeType again.

#include <ft2build.h>

#include <cstdint>
#include <vector>
#include FT_FREETYPE_H

namespace pw {

struct FontPoint {
    double x = 0, y = 0;  // font units, y upward
    friend bool operator==(const FontPoint&, const FontPoint&) = default;
};

enum class OutlineOp : uint8_t { Start, Line, Quadratic, Close };

// One record: its operation and the range of its points in GlyphShape::points.
struct OutlineRecord {
    OutlineOp op = OutlineOp::Start;
    uint32_t first = 0;
    uint32_t count = 0;
    friend bool operator==(const OutlineRecord&, const OutlineRecord&) = default;
};

// Advance and outline of one character of one face.
struct GlyphShape {
    double advance = 0;  // font units
    std::vector<OutlineRecord> records;
    std::vector<FontPoint> points;
    bool HasOutline() const { return !records.empty(); }
};

// Appends the contours of a FreeType outline to the shape as runs: each contour starts at its
// first on-curve point (at the midpoint of its last and first point when it has none), then
// straight runs of on-curve points and quadratic runs (control points followed by the on-curve
// end point) follow; a closing curve ends at the start point, a closing straight segment is left
// to the close. Single-point contours are skipped. A cubic segment becomes a quadratic run of two
// control points whose implied midpoint is the curve's middle. Returns false, leaving the shape as it
// was, when the contours or point tags are malformed.
bool ReadOutlineRuns(const FT_Outline& outline, GlyphShape& shape);

}  // namespace pw
