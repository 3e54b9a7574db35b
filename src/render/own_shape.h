#pragma once
// The pixels of one shape that the Qt canvas draws itself on an image (see qt_canvas.h), and
// what they depend on beyond the shape's own points, so that they can be kept for the next paint
// (shape_cache.h) and drawn again as long as nothing of it changes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "core/canvas.h"
#include "render/wide_stroke.h"

namespace pw {

// Fill runs, drawn with the brush (solid or hatched), then the outline, drawn with the pen: runs
// under a wide pen, single pixels under a one-pixel pen (a kept shape has them packed into runs).
// Colours are not part of it.
struct OwnShape {
    std::vector<PixelRun> fill;
    std::vector<PixelRun> outlineRuns;
    std::vector<IPoint> outlinePixels;

    void Clear() {
        fill.clear();
        outlineRuns.clear();
        outlinePixels.clear();
    }
};

// The pixels of a 32-bit image (0xAARRGGBB), to store shapes into straight: its rows from top
// to bottom (exclusive), all of them or a band of them; pixels are stored moved by (dx, dy).
struct PixelTarget {
    uint8_t* bits = nullptr;
    ptrdiff_t stride = 0;  // bytes per row
    int32_t width = 0, top = 0, bottom = 0;
    int32_t dx = 0, dy = 0;
};

// The colours a shape is stored in: its fill with the brush's colour and style (none:
// bsClear), its outline with the pen's colour.
struct ShapeColours {
    Color fill = kBlack;
    TBrushStyle fillStyle = bsClear;
    Color outline = kBlack;
};

// The pixels of a shape as stored: spans of an OwnShape or of copies of it.
struct ShapePixels {
    std::span<const PixelRun> fill, outlineRuns;
    std::span<const IPoint> outlinePixels;

    ShapePixels() = default;
    ShapePixels(const OwnShape& shape)
        : fill(shape.fill), outlineRuns(shape.outlineRuns), outlinePixels(shape.outlinePixels) {}
};

// Stores the pixels of a shape into the target (hatches in phase with its origin), moved by
// shift; pixels outside it are left out.
void StoreShape(const ShapePixels& shape, const ShapeColours& colours, const PixelTarget& target,
                IPoint shift = {0, 0});
// Stores runs of one colour.
void StoreRuns(std::span<const PixelRun> runs, Color c, const PixelTarget& target);

// Everything the pixels of a shape depend on besides its points: the call, an ellipse's device
// box, the mapping, the drawable area and device bounds, the pen's kind and width and whether
// and how it fills.
struct OwnShapeKey {
    ShapeCall call = ShapeCall::Polyline;
    IRect box;
    IPoint windowOrg, windowExt, viewportOrg, viewportExt;
    IRect area;
    // The device's bounds: the painter clips a line to them before stepping it.
    IRect device;
    // -1: no outline, 0: one pixel, otherwise the device width of a wide pen.
    int32_t outline = -1;
    bool filled = false;
    FillMode fillMode = FillMode::Alternate;

    friend bool operator==(const OwnShapeKey&, const OwnShapeKey&) = default;
};

// A run of a kept shape, packed: its row and columns counted from the shape's corner
// (KeptShape::pixels), 16 bits each, half the size of a PixelRun.
struct PackedRun {
    uint16_t y, x1, x2;
};

// The pixels of a shape kept in an element's cache, with what they were derived under and the
// box they cover (pixels, inclusive; empty: x2 < x1). The outline is kept as runs alone, as it
// is drawn in one colour. A slot holds a second shape beside it, its spare, derived under another
// mapping (ahead of a zoom step, or the one before it), so that painting under either finds its
// pixels kept.
struct KeptShape final : ShapeCache::Entry {
    OwnShapeKey key;
    // The fill runs, then the outline runs, in one buffer.
    std::vector<PackedRun> runs;
    uint32_t fillRuns = 0;
    IRect pixels{0, 0, -1, -1};
    // Whether the pixels are those of the shape under a mapping moved by whole pixels, moved
    // alike: those the canvas derives itself are (it works about a whole pixel of the shape);
    // those the painter drew on the mask follow its floating point and are not.
    bool movable = false;
    std::unique_ptr<KeptShape> spare;  // never has a spare itself

    // Keeps the pixels of a shape derived under the key, movable, reusing the buffers; the
    // derived shape's outline pixels are joined into its outline runs on the way (the same
    // pixels). False, with nothing kept, where the shape spans more pixels than 16 bits count:
    // such a shape is derived anew whenever it is drawn.
    bool Keep(const OwnShapeKey& derivedUnder, OwnShape& derived);
    // Whether the pixels, moved by shift, are those a shape derived under the key gives. The
    // drawable area and device bounds are not their business where they lie well inside the
    // area and inside the one they were derived under: then nothing of the shape was cut by
    // either. Where only the viewport origin differs (the view scrolled), a movable shape moves
    // with it.
    bool AppliesUnder(const OwnShapeKey& current, IPoint& shift) const;

    std::span<const PackedRun> Fill() const { return std::span(runs).first(fillRuns); }
    std::span<const PackedRun> Outline() const { return std::span(runs).subspan(fillRuns); }
};

// Stores the pixels of a kept shape into the target, moved by shift, as StoreShape does.
void StoreKept(const KeptShape& shape, const ShapeColours& colours, const PixelTarget& target,
               IPoint shift = {0, 0});

// The kept shape in a cache, or null.
KeptShape* KeptIn(const ShapeCache& cache);

// The points of an outline as drawn: without those that repeat their predecessor; and, under a
// wide pen, simplified.
void DistinctPoints(const IPoint* pts, size_t n, std::vector<IPoint>& out);
void SimplifyOutline(std::vector<IPoint>& poly);
// The outlines of polygons (consecutive in pts) as drawn, into out and outCounts: each without
// repeated points and, when asked, simplified; polygons without points are left out. scratch
// holds one polygon at a time.
void DrawnOutlines(const IPoint* pts, const int32_t* counts, size_t polygons, bool simplify,
                   std::vector<IPoint>& scratch, std::vector<IPoint>& out, std::vector<int32_t>& outCounts);

// The drawing state the pixels of a shape depend on, taken from the canvas, so that they can be
// derived away from it (on another thread).
struct OwnShapeState {
    IRect area;            // the drawable area
    bool fill = false;     // the brush fills
    bool outline = false;  // the pen draws
    bool runs = false;     // the outline as the runs of a wide pen, else one pixel wide
    int32_t penWidth = 1;  // device width of a wide pen
    FillMode fillMode = FillMode::Alternate;
};

// The pixels of polygons (consecutive in pts) filled and outlined; pointArray: a single polygon,
// outlined as the painter outlines a point array rather than a path.
void DeriveOwnPolygons(const IPoint* pts, const int32_t* counts, size_t polygons, bool pointArray,
                       const OwnShapeState& state, OwnShape& shape);
// The pixels of an ellipse (its box in painter coordinates) filled and outlined.
void DeriveOwnEllipse(double x, double y, double width, double height, const OwnShapeState& state,
                      OwnShape& shape);

}  // namespace pw
