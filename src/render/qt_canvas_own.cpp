// The pixels the Qt canvas draws itself on a 32-bit image: polygon fills and outlines, ellipses,
// wide strokes, stored straight into the picture, and kept in an element's shape cache for the
// next paint.
#include <QImage>
#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cmath>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include "render/ellipse_raster.h"
#include "render/hairline.h"
#include "render/qt_canvas.h"
#include "render/scan_fill.h"

namespace pw {

KeptShape* KeptIn(const ShapeCache& cache) {
    return cache.GetAs<KeptShape>();
}

namespace {
// Pixels between a shape and the edge of its drawable area, for the shape to count as uncut.
constexpr int32_t kUncutMargin = 2;

bool WellInside(const IRect& pixels, const IRect& area) {
    return pixels.x1 >= area.x1 + kUncutMargin && pixels.x2 < area.x2 - kUncutMargin &&
           pixels.y1 >= area.y1 + kUncutMargin && pixels.y2 < area.y2 - kUncutMargin;
}
}  // namespace

namespace {
// Joins the outline of a derived shape into runs alone, as it is drawn in one colour: those of a
// wide pen overlap at every joint and are merged; the pixels of a one-pixel outline come in the
// order they are stepped, and each joins the run of its predecessor when it lies next to it on
// the same row.
void JoinOutline(OwnShape& derived) {
    std::vector<PixelRun>& runs = derived.outlineRuns;
    MergeRuns(runs);
    for (const IPoint& p : derived.outlinePixels) {
        if (!runs.empty()) {
            PixelRun& last = runs.back();
            if (last.y == p.y && p.x >= last.x1 - 1 && p.x <= last.x2 + 1) {
                last.x1 = std::min(last.x1, p.x);
                last.x2 = std::max(last.x2, p.x);
                continue;
            }
        }
        runs.push_back({p.y, p.x, p.x});
    }
    derived.outlinePixels.clear();
}

// Packs runs about the corner into a kept buffer, from out on; returns the end.
PackedRun* PackRuns(const std::vector<PixelRun>& from, IPoint corner, PackedRun* out) {
    for (const PixelRun& r : from)
        *out++ = {static_cast<uint16_t>(r.y - corner.y), static_cast<uint16_t>(r.x1 - corner.x),
                  static_cast<uint16_t>(r.x2 - corner.x)};
    return out;
}
}  // namespace

bool KeptShape::Keep(const OwnShapeKey& derivedUnder, OwnShape& derived) {
    JoinOutline(derived);
    IRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (const std::vector<PixelRun>* runs : {&derived.fill, &derived.outlineRuns})
        for (const PixelRun& r : *runs)
            box = {std::min(box.x1, r.x1), std::min(box.y1, r.y), std::max(box.x2, r.x2),
                   std::max(box.y2, r.y)};
    if (box.x1 > box.x2) box = {0, 0, -1, -1};  // no pixels
    constexpr int64_t kMost = UINT16_MAX;
    if (int64_t{box.x2} - box.x1 > kMost || int64_t{box.y2} - box.y1 > kMost) return false;
    key = derivedUnder;
    movable = true;
    pixels = box;
    // The buffer is reused unless it is far larger than the runs need (a shape kept at a high
    // zoom and painted again at a low one).
    const size_t count = derived.fill.size() + derived.outlineRuns.size();
    if (runs.capacity() > 2 * count + 16) runs = std::vector<PackedRun>();
    runs.resize(count);
    fillRuns = static_cast<uint32_t>(derived.fill.size());
    const IPoint corner{box.x1, box.y1};
    PackRuns(derived.outlineRuns, corner, PackRuns(derived.fill, corner, runs.data()));
    return true;
}

bool KeptShape::AppliesUnder(const OwnShapeKey& current, IPoint& shift) const {
    shift = {0, 0};
    // The call, the drawing state and the mapping but for the viewport origin: field by field,
    // as a paint asks this of every shape.
    const OwnShapeKey& c = current;
    if (key.call != c.call || key.outline != c.outline || key.filled != c.filled ||
        key.fillMode != c.fillMode || !(key.viewportExt == c.viewportExt) ||
        !(key.windowExt == c.windowExt) || !(key.windowOrg == c.windowOrg))
        return false;
    const IPoint d{c.viewportOrg.x - key.viewportOrg.x, c.viewportOrg.y - key.viewportOrg.y};
    const bool moved = d.x != 0 || d.y != 0;
    // An ellipse's device box moves with the view.
    const IRect box = key.call == ShapeCall::Ellipse
                          ? IRect{key.box.x1 + d.x, key.box.y1 + d.y, key.box.x2 + d.x, key.box.y2 + d.y}
                          : key.box;
    if (!(box == c.box)) return false;
    if (!moved && key.area == c.area && key.device == c.device) return true;
    if ((moved && !movable) || pixels.x2 < pixels.x1 || !WellInside(pixels, key.area) ||
        !WellInside({pixels.x1 + d.x, pixels.y1 + d.y, pixels.x2 + d.x, pixels.y2 + d.y}, c.area))
        return false;
    shift = d;
    return true;
}

namespace {
// The RGB32 pixel of a 0x00BBGGRR colour, as the painter stores it.
uint32_t ImagePixel(Color c) {
    return 0xFF000000u | uint32_t{RedOf(c)} << 16 | uint32_t{GreenOf(c)} << 8 | BlueOf(c);
}
}  // namespace

bool QtCanvas::OwnRasterFits(const IPoint* pts, size_t n) const {
    if (!ownRaster_ || antialiasing_ || !DirectImage()) return false;
    // The outline: none, one pixel wide (a geometric pen of one pixel has the painter's round
    // ends, which are left to it), or runs.
    const bool hairline = Pen().style == PenStyle::Solid && Pen().width <= 0;
    if (Pen().style == PenStyle::Solid && !hairline && !StrokeAsRuns()) return false;
    return PointsInside(pts, n);
}

namespace {
void StorePixels(std::span<const IPoint> pixels, Color c, const PixelTarget& t) {
    const uint32_t colour = ImagePixel(c);
    const uint32_t w = static_cast<uint32_t>(t.width);
    for (const IPoint& q : pixels) {
        const IPoint p{q.x + t.dx, q.y + t.dy};
        if (static_cast<uint32_t>(p.x) < w && p.y >= t.top && p.y < t.bottom)
            reinterpret_cast<uint32_t*>(t.bits + p.y * t.stride)[p.x] = colour;
    }
}

// The painter's 8 x 8 pixel tile of a hatch brush (bit x of row y set where the hatch is drawn),
// read from the painter itself once, so that the pattern and its phase are its own.
const std::array<uint8_t, 8>& HatchTile(TBrushStyle style) {
    static std::array<std::array<uint8_t, 8>, 8> tiles = [] {
        std::array<std::array<uint8_t, 8>, 8> t{};
        for (int s = bsHorizontal; s <= bsDiagCross; ++s) {
            QImage tile(8, 8, QImage::Format_RGB32);
            tile.fill(Qt::white);
            QPainter p(&tile);
            p.setPen(Qt::NoPen);
            p.setBrush(QBrush(Qt::black, QtCanvas::ToQtBrushStyle(static_cast<TBrushStyle>(s))));
            p.setBrushOrigin(0, 0);
            p.drawRect(0, 0, 8, 8);
            p.end();
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x)
                    if (tile.pixel(x, y) == 0xFF000000u)
                        t[static_cast<size_t>(s)][static_cast<size_t>(y)] |= uint8_t(1u << x);
        }
        return t;
    }();
    return tiles[style];
}

// Sets n > 0 pixels from p on. Runs are short, a few pixels on average: four pixels are stored at
// a time, the last four overlapping the ones before, so that no run ends in a loop of single
// pixels.
inline void FillRun(uint32_t* p, int32_t n, uint32_t colour) {
#ifdef __SSE2__
    if (n >= 4) {
        const __m128i four = _mm_set1_epi32(static_cast<int32_t>(colour));
        uint32_t* const last = p + n - 4;
        for (; p < last; p += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(p), four);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(last), four);
        return;
    }
#endif
    for (int32_t i = 0; i < n; ++i) p[i] = colour;
}

// Stores the pixels of the runs the hatch covers (the painter's own pattern, in phase with the
// origin).
template <class Run>
void StoreHatchedRuns(std::span<const Run> runs, Color c, TBrushStyle style, const PixelTarget& t) {
    const std::array<uint8_t, 8>& tile = HatchTile(style);
    const uint32_t colour = ImagePixel(c);
    for (const Run& r : runs) {
        const int32_t y = r.y + t.dy;
        if (y < t.top || y >= t.bottom) continue;
        const uint8_t row = tile[static_cast<size_t>(y & 7)];
        if (row == 0) continue;
        const int32_t x1 = std::max(r.x1 + t.dx, 0), x2 = std::min(r.x2 + t.dx, t.width - 1);
        if (x1 > x2) continue;
        uint32_t* line = reinterpret_cast<uint32_t*>(t.bits + y * t.stride);
        if (row == 0xFF) {
            FillRun(line + x1, x2 - x1 + 1, colour);
            continue;
        }
        // Each column of the tile that is set: every eighth pixel from the first in that column.
        for (uint32_t bits = row; bits != 0; bits &= bits - 1) {
            const int32_t column = std::countr_zero(bits);
            for (int32_t x = x1 + ((column - x1) & 7); x <= x2; x += 8) line[x] = colour;
        }
    }
}

// Stores runs of one colour.
template <class Run>
void StoreRunsOf(std::span<const Run> runs, Color c, const PixelTarget& t) {
    const uint32_t colour = ImagePixel(c);
    // The target in locals: the pixels written could alias it as far as the compiler knows.
    uint8_t* const bits = t.bits;
    const ptrdiff_t stride = t.stride;
    const int32_t top = t.top, bottom = t.bottom, last = t.width - 1, dx = t.dx, dy = t.dy;
    for (const Run& r : runs) {
        const int32_t y = r.y + dy;
        if (y < top || y >= bottom) continue;
        const int32_t x1 = std::max(r.x1 + dx, 0), x2 = std::min(r.x2 + dx, last);
        if (x1 > x2) continue;
        FillRun(reinterpret_cast<uint32_t*>(bits + y * stride) + x1, x2 - x1 + 1, colour);
    }
}

template <class Run>
void StoreFill(std::span<const Run> runs, const ShapeColours& colours, const PixelTarget& target) {
    if (runs.empty() || colours.fillStyle == bsClear) return;
    if (colours.fillStyle == bsSolid)
        StoreRunsOf(runs, colours.fill, target);
    else
        StoreHatchedRuns(runs, colours.fill, colours.fillStyle, target);
}
}  // namespace

void StoreRuns(std::span<const PixelRun> runs, Color c, const PixelTarget& t) {
    StoreRunsOf(runs, c, t);
}

void StoreShape(const ShapePixels& shape, const ShapeColours& colours, const PixelTarget& at, IPoint shift) {
    PixelTarget target = at;
    target.dx += shift.x;
    target.dy += shift.y;
    StoreFill(shape.fill, colours, target);
    if (!shape.outlineRuns.empty()) StoreRuns(shape.outlineRuns, colours.outline, target);
    if (!shape.outlinePixels.empty()) StorePixels(shape.outlinePixels, colours.outline, target);
}

void StoreKept(const KeptShape& shape, const ShapeColours& colours, const PixelTarget& at, IPoint shift) {
    // Packed runs count from the shape's corner.
    PixelTarget target = at;
    target.dx += shift.x + shape.pixels.x1;
    target.dy += shift.y + shape.pixels.y1;
    StoreFill(shape.Fill(), colours, target);
    if (shape.runs.size() > shape.fillRuns) StoreRunsOf(shape.Outline(), colours.outline, target);
}

PixelTarget QtCanvas::Target() const {
    // The buffer the painter draws into; reading it through constBits keeps a shared image from
    // being copied away from under the painter.
    QImage* image = DirectImage();
    return {const_cast<uint8_t*>(image->constBits()), image->bytesPerLine(), image->width(), 0, image->height()};
}

void QtCanvas::WriteRuns(const std::vector<PixelRun>& runs, Color c) {
    SettleBehind();
    StoreRuns(runs, c, Target());
}

void DeriveOwnPolygons(const IPoint* pts, const int32_t* counts, size_t polygons, bool pointArray,
                       const OwnShapeState& state, OwnShape& shape) {
    const IRect& area = state.area;
    if (state.fill) AddPolygonFill(pts, counts, polygons, state.fillMode, area, shape.fill);
    if (!state.outline) return;
    size_t at = 0;
    if (state.runs) {
        for (size_t i = 0; i < polygons; ++i) {
            AddWideStroke(pts + at, static_cast<size_t>(counts[i]), true, state.penWidth, area,
                          shape.outlineRuns);
            at += static_cast<size_t>(counts[i]);
        }
        return;
    }
    Hairline line(shape.outlinePixels, area);
    for (size_t i = 0; i < polygons; ++i) {
        // One polygon goes to the painter as a point array, several as the subpaths of a path.
        if (pointArray)
            line.PointArray(pts + at, static_cast<size_t>(counts[i]), true);
        else
            line.ClosedSubpath(pts + at, static_cast<size_t>(counts[i]));
        at += static_cast<size_t>(counts[i]);
    }
}

void DeriveOwnEllipse(double x, double y, double width, double height, const OwnShapeState& state,
                      OwnShape& shape) {
    // Worked out about the whole pixel at the box's corner, so that the pixels move with the box
    // exactly, to the last bit of the arithmetic (a kept ellipse moves with a scrolled view).
    const double ox = std::floor(x), oy = std::floor(y);
    const IPoint o{static_cast<int32_t>(ox), static_cast<int32_t>(oy)};
    const EllipseBox e{x - ox, y - oy, width, height};
    const IRect area{state.area.x1 - o.x, state.area.y1 - o.y, state.area.x2 - o.x, state.area.y2 - o.y};
    const size_t fillFrom = shape.fill.size(), pixelsFrom = shape.outlinePixels.size();
    if (state.fill) AddEllipseFill(e, area, shape.fill);
    if (state.outline) {
        Hairline line(shape.outlinePixels, area);
        AddEllipseOutline(e, line);
    }
    MoveRuns(shape.fill, fillFrom, o);
    for (size_t i = pixelsFrom; i < shape.outlinePixels.size(); ++i)
        shape.outlinePixels[i] = {shape.outlinePixels[i].x + o.x, shape.outlinePixels[i].y + o.y};
}

OwnShapeState QtCanvas::ShapeState() const {
    OwnShapeState state;
    state.area = DrawableArea();
    state.fill = Brush().style != bsClear;
    state.outline = Pen().style == PenStyle::Solid;
    state.runs = StrokeAsRuns();
    state.penWidth = DevicePenWidth();
    state.fillMode = PolyFillMode();
    return state;
}

bool QtCanvas::OwnEllipseFits(const QRectF& box) const {
    const bool hairline = Pen().style == PenStyle::Solid && Pen().width <= 0;
    if (!ownRaster_ || antialiasing_ || !DirectImage() || (Pen().style == PenStyle::Solid && !hairline) ||
        !(box.width() > 0) || !(box.height() > 0))
        return false;
    return !NearEdge(box);
}

bool QtCanvas::NearEdge(const QRectF& box) const {
    // Well inside the drawable area the painter clips nothing.
    const IRect area = DrawableArea();
    return box.left() < area.x1 + 1 || box.top() < area.y1 + 1 || box.right() > area.x2 - 2 ||
           box.bottom() > area.y2 - 2;
}

ShapeColours QtCanvas::CurrentColours() const {
    return {Brush().color, Brush().style, Pen().color};
}

void QtCanvas::DrawOwnShape(const OwnShape& shape) {
    // Handed to the drawing thread as a copy: the scratch shape changes with the next one.
    if (behind_)
        AddBehind(shape, CurrentColours());
    else
        StoreShape(shape, CurrentColours(), Target());
}

void QtCanvas::DrawKept(const KeptShape& kept, IPoint shift) {
    // A kept shape stays as it is until the paint is over.
    if (behind_) {
        if (kept.pixels.x1 <= kept.pixels.x2) AddBehind(kept, CurrentColours(), shift);
        return;
    }
    StoreKept(kept, CurrentColours(), Target(), shift);
}

OwnShape& QtCanvas::NewShape() {
    scratchShape_.Clear();
    scratchFromMask_ = false;
    return scratchShape_;
}

void QtCanvas::DrawDerived(ShapeCache* cache, ShapeCall call, const IRect& box) {
    if (!cache || !CanKeep()) {
        if (!ahead_) DrawOwnShape(scratchShape_);
        return;
    }
    KeptShape* kept = KeptIn(*cache);
    if (ahead_) {
        // Derived ahead: kept as the slot's spare, drawn nothing.
        std::unique_ptr<KeptShape> made = TakeSpare(*cache);
        if (!made) made = std::make_unique<KeptShape>();
        if (KeepScratch(*made, call, box)) KeepAsSpare(*cache, std::move(made));
        return;
    }
    // A kept shape may wait on the drawing thread: while it draws behind, the shape is kept in a
    // new one and the old one lives on until the paint ends.
    if (kept && behind_) {
        std::unique_ptr<KeptShape> old = TakeKept(*cache);
        auto made = std::make_unique<KeptShape>();
        made->spare = std::move(old->spare);
        retired_.push_back(std::move(old));
        kept = made.get();
        cache->Keep(std::move(made));
    }
    if (!kept) {
        auto made = std::make_unique<KeptShape>();
        kept = made.get();
        cache->Keep(std::move(made));
    }
    if (!KeepScratch(*kept, call, box)) {
        // Too large to keep: drawn as it is, and derived again next time.
        cache->Clear();
        DrawOwnShape(scratchShape_);
        return;
    }
    DrawKept(*kept);
}

bool QtCanvas::KeepScratch(KeptShape& kept, ShapeCall call, const IRect& box) {
    if (!kept.Keep(CurrentKey(call, box), scratchShape_)) return false;
    // What the painter drew follows its floating point: it stays where it was drawn.
    if (scratchFromMask_) kept.movable = false;
    return true;
}

std::unique_ptr<KeptShape> QtCanvas::TakeSpare(ShapeCache& cache) {
    KeptShape* kept = KeptIn(cache);
    return kept ? std::move(kept->spare) : nullptr;
}

void QtCanvas::KeepAsSpare(ShapeCache& cache, std::unique_ptr<KeptShape> shape) {
    if (KeptShape* kept = KeptIn(cache))
        kept->spare = std::move(shape);
    else
        cache.Keep(std::move(shape));
}

bool QtCanvas::CanKeep() const {
    return ownRaster_ && !antialiasing_ && Raster() && DirectImage();
}

OwnShapeKey QtCanvas::CurrentKey(ShapeCall call, const IRect& box) const {
    OwnShapeKey key;
    key.call = call;
    key.box = box;
    key.windowOrg = WindowOrg();
    key.windowExt = WindowExt();
    key.viewportOrg = ViewportOrg();
    key.viewportExt = ViewportExt();
    key.area = DrawableArea();
    key.device = bounds_;
    key.outline = Pen().style != PenStyle::Solid ? -1 : Pen().width <= 0 ? 0 : DevicePenWidth();
    key.filled = call != ShapeCall::Polyline && Brush().style != bsClear;
    key.fillMode = PolyFillMode();
    return key;
}

bool QtCanvas::KeptApplies(ShapeCall call, const IRect& box, ShapeCache& cache, IPoint& shift) const {
    KeptShape* kept = KeptIn(cache);
    if (!kept || !CanKeep()) return false;
    const OwnShapeKey key = CurrentKey(call, box);
    if (kept->AppliesUnder(key, shift)) return true;
    if (!kept->spare || !kept->spare->AppliesUnder(key, shift)) return false;
    // The spare is drawn: it becomes the slot's shape, the other one its spare. (Deriving ahead
    // leaves them: the present paint draws the slot's own.)
    if (!ahead_) {
        std::unique_ptr<KeptShape> front = TakeKept(cache);
        std::unique_ptr<KeptShape> spare = std::move(front->spare);
        spare->spare = std::move(front);
        cache.Keep(std::move(spare));
    }
    return true;
}

bool QtCanvas::DevRedraw(ShapeCall call, const IRect& box, ShapeCache& cache) {
    if (cache.Pending()) {
        // Recorded in this first pass already: recorded again, the later shape is kept.
        if (deriving_) return false;
        if (draining_) KeepDerived(&cache);
        // A mark no pass will end any more (its paint never ended).
        if (cache.Pending()) cache.Clear();
    }
    IPoint shift;
    if (!KeptApplies(call, box, cache, shift)) return false;
    if (!deriving_) DrawKept(*KeptIn(cache), shift);
    return true;
}

void QtCanvas::DevPolylineKeep(const IPoint* pts, size_t n, ShapeCache& cache) {
    if (deriving_)
        PlanPolyline(pts, n, cache);
    else {
        DrawPolyline(pts, n, &cache);
    }
}

void QtCanvas::DevPolyPolygonKeep(const IPoint* pts, const int32_t* counts, size_t polygons,
                                  ShapeCache& cache) {
    if (deriving_)
        PlanPolyPolygon(pts, counts, polygons, cache);
    else {
        DrawPolyPolygon(pts, counts, polygons, &cache);
    }
}

void QtCanvas::DevEllipseKeep(const IRect& r, ShapeCache& cache) {
    if (deriving_)
        PlanEllipse(r, cache);
    else {
        DrawEllipse(r, &cache);
    }
}

}  // namespace pw
