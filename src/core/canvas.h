#pragma once
// The drawing canvas. Every element paints through it in the vocabulary of a Windows device
// context: a mapping from logical to device coordinates, a pen, a brush, a font, and drawing
// calls in logical coordinates. This class keeps the state and does the mapping; an
// implementation receives the calls in device coordinates (pixels, or the device units of a
// printer, PDF or SVG).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/color.h"
#include "core/curve_path.h"
#include "core/font.h"
#include "core/geometry.h"
#include "core/image.h"
#include "core/shape_cache.h"

namespace pw {

enum class MapMode { Text, Isotropic, Anisotropic };
enum class PenStyle { Solid, Clear };
enum class PenMode { Copy, Xor, NotXor };
enum class FillMode { Alternate, Winding };

// Brush patterns, with the numbers they are stored with.
enum TBrushStyle : uint8_t {
    bsSolid = 0,
    bsClear = 1,
    bsHorizontal = 2,
    bsVertical = 3,
    bsFDiagonal = 4,
    bsBDiagonal = 5,
    bsCross = 6,
    bsDiagCross = 7,
};

// The drawing call a kept shape (shape_cache.h) was derived from.
enum class ShapeCall : uint8_t { Polyline, PolyPolygon, Ellipse };

struct PenState {
    int32_t width = 0;  // logical units; 0 is one device pixel
    Color color = kBlack;
    PenStyle style = PenStyle::Solid;
    PenMode mode = PenMode::Copy;
};

struct BrushState {
    TBrushStyle style = bsSolid;
    Color color = kWhite;
};

class Canvas {
public:
    virtual ~Canvas() = default;

    // --- Mapping ---
    void SetMapMode(MapMode mode);
    MapMode GetMapMode() const { return mapMode_; }
    void SetWindowOrg(int32_t x, int32_t y) { windowOrg_ = {x, y}; }
    void SetWindowExt(int32_t x, int32_t y);
    void SetViewportOrg(int32_t x, int32_t y) { viewportOrg_ = {x, y}; }
    void SetViewportExt(int32_t x, int32_t y);
    IPoint WindowOrg() const { return windowOrg_; }
    IPoint WindowExt() const { return windowExt_; }
    IPoint ViewportOrg() const { return viewportOrg_; }
    IPoint ViewportExt() const { return viewportExt_; }

    IPoint LPtoDP(IPoint p) const;
    IPoint DPtoLP(IPoint p) const;
    IRect LPtoDP(const IRect& r) const;
    IRect DPtoLP(const IRect& r) const;
    // Unrounded conversions, for callers that keep extended precision.
    Real DeviceX(Real lx) const;
    Real DeviceY(Real ly) const;
    Real LogicalX(Real dx) const;
    Real LogicalY(Real dy) const;
    // Device units per logical unit along x and y (signed).
    double ScaleX() const;
    double ScaleY() const;

    // --- Pen and brush ---
    void SetPenWidth(int32_t logicalWidth) { pen_.width = logicalWidth; }
    void SetPenColor(Color c) { pen_.color = c; }
    void SetPenStyle(PenStyle s) { pen_.style = s; }
    void SetPenMode(PenMode m) { pen_.mode = m; }
    const PenState& Pen() const { return pen_; }
    // Pen width in device units, at least 1.
    int32_t DevicePenWidth() const;

    // The brush rule: a colour assigned while the style is clear makes the brush solid;
    // assigning a style never changes the colour. A stored style beyond the eight known ones
    // (a damaged file) draws solid on every canvas.
    void SetBrushStyle(TBrushStyle s) { brush_.style = s <= bsDiagCross ? s : bsSolid; }
    void SetBrushColor(Color c);
    const BrushState& Brush() const { return brush_; }

    void SetPolyFillMode(FillMode m) { fillMode_ = m; }
    FillMode PolyFillMode() const { return fillMode_; }

    // --- Font and text colour (measuring texts is the font engine's part) ---
    void SetFont(const FontSpec& f) { font_ = f; }
    const FontSpec& Font() const { return font_; }
    void SetTextColor(Color c) { textColor_ = c; }
    Color TextColor() const { return textColor_; }

    // --- Drawing, logical coordinates ---
    void MoveTo(IPoint p) { position_ = p; }
    void LineTo(IPoint p);
    IPoint CurrentPosition() const { return position_; }
    void Polyline(const IPoint* pts, size_t n);
    void Polyline(const std::vector<IPoint>& pts) { Polyline(pts.data(), pts.size()); }
    void Polygon(const IPoint* pts, size_t n);
    void Polygon(const std::vector<IPoint>& pts) { Polygon(pts.data(), pts.size()); }
    void PolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons);
    void Rectangle(const IRect& r);
    void Ellipse(const IRect& r);
    // Elliptic arc in the box, counter-clockwise as seen with y downward from the ray through
    // start to the ray through end; equal rays give the full ellipse. The direction holds in
    // logical space: where the mapping mirrors one axis the device draws it clockwise.
    void Arc(const IRect& box, IPoint start, IPoint end);
    // Text with its top-left cell corner at p, in the current font and text colour.
    void TextOut(IPoint p, std::string_view utf8);
    void StretchImage(const IRect& dest, const Image& image);
    // The whole image onto the parallelogram with its top-left corner at p0, its top-right at
    // p1 and its bottom-left at p3; whether the canvas could draw it (a canvas that cannot
    // draws nothing).
    bool ParallelogramImage(IPoint p0, IPoint p1, IPoint p3, const Image& image);

    // The same drawing calls for an element's own, unchanging points, drawing exactly what the
    // plain calls draw; the canvas may keep what it derives from them in the element's cache
    // (shape_cache.h) and draw that again while mapping and drawing state stay the same.
    void Polyline(const std::vector<IPoint>& pts, ShapeCache& cache);
    void Polygon(const std::vector<IPoint>& pts, ShapeCache& cache);
    void PolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons, ShapeCache& cache);
    void Ellipse(const IRect& r, ShapeCache& cache);

    // --- Curves ---
    // Whether the device draws curves as curves (PDF, SVG, printers). Elements whose drawing is
    // a curve then hand it over as a path in logical coordinates instead of the flattened
    // polylines they draw on every other canvas, which therefore draw exactly as before.
    bool DrawsCurves() const { return DevDrawsCurves(); }
    // The path filled with the brush under the fill mode and outlined with the pen (as Polygon
    // and PolyPolygon draw), or only outlined (as Polyline draws).
    void CurvePolygon(const CurvePath& path);
    void CurvePolyline(const CurvePath& path);

    // Painting in two passes. A canvas that keeps shapes (shape_cache.h) may want the drawing
    // calls of a paint twice: first to find the shapes it must derive anew and derive them all
    // at once (on several threads), then to draw them. BeginDerivePass says whether it wants the
    // first pass now; the calls from there to EndDerivePass draw nothing, and EndDerivePass
    // derives and keeps the shapes and puts the pen, brush, font and fill mode back as they were
    // at BeginDerivePass. The caller then makes the same calls again.
    virtual bool BeginDerivePass() { return false; }
    virtual void EndDerivePass() {}
    // Tells the canvas that many shapes of the coming paint are new to it (a document painted in
    // a view that showed another, a large change undone), so that a derive pass pays even where
    // the mapping is the one the canvas last derived under.
    virtual void ExpectNewShapes() {}
    // Drawing kept shapes behind. Between BeginDrawBehind and EndDrawBehind a canvas may hand
    // the pixels of the shapes it kept to a thread of its own, which stores them in the order of
    // the calls while the caller goes on; every other drawing call waits for them first, and
    // EndDrawBehind returns when all are stored.
    virtual void BeginDrawBehind() {}
    virtual void EndDrawBehind() {}
    // Deriving ahead for a paint to come (the next zoom step). The calls between BeginDeriveAhead
    // and EndDeriveAhead draw nothing: a canvas that keeps shapes derives those they would keep
    // under the current mapping and state and keeps them beside the ones kept now, so that a
    // paint under that mapping finds them kept while the shapes of the present one stay kept
    // too. EndDeriveAhead puts the pen, brush, font and fill mode back as they were.
    // BeginDeriveAhead says whether the canvas does so; if not, the calls need not be made.
    virtual bool BeginDeriveAhead() { return false; }
    virtual void EndDeriveAhead() {}
    // EndDerivePass and BeginDrawBehind in one, for a second pass that draws behind: a canvas may
    // then go on deriving while the second pass runs, each shape before it is drawn; by
    // EndDrawBehind every shape is derived and kept.
    virtual void EndDerivePassDrawingBehind() {
        EndDerivePass();
        BeginDrawBehind();
    }

    // --- Clipping (logical rectangles; the clip is kept in device coordinates) ---
    void IntersectClipRect(const IRect& logical);
    void ResetClip();
    bool HasClip() const { return clip_.has_value(); }
    // The clip area in logical coordinates; without a clip, the whole device area.
    IRect ClipBox() const;

    // --- The whole drawing state, for code that draws with a state of its own ---
    // Mapping, pen, brush, fill rule, font, text colour, current position and clip; put back
    // exactly, the isotropic request included.
    struct State {
        MapMode mapMode;
        IPoint windowOrg, windowExt, viewportOrg, viewportExt, requestedViewportExt;
        PenState pen;
        BrushState brush;
        FillMode fillMode;
        FontSpec font;
        Color textColor;
        IPoint position;
        std::optional<IRect> clip;
    };
    State SaveState() const;
    void RestoreState(const State& s);

  protected:
    // Device area used by ClipBox when no clip is set.
    virtual IRect DeviceBounds() const = 0;

    virtual void DevPolyline(const IPoint* pts, size_t n) = 0;
    virtual void DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) = 0;
    virtual void DevRectangle(const IRect& r) = 0;
    virtual void DevEllipse(const IRect& r) = 0;
    virtual void DevArc(const IRect& box, IPoint start, IPoint end) = 0;
    virtual void DevText(IPoint p, std::string_view utf8, int32_t deviceHeight) = 0;
    virtual void DevImage(const IRect& dest, const Image& image) = 0;
    virtual bool DevParallelogramImage(IPoint p0, IPoint p1, IPoint p3, const Image& image);
    virtual void DevClipChanged() = 0;
    // Curves: whether the canvas takes them, and the path in device coordinates, unrounded. The
    // default flattens the path and draws the polylines.
    virtual bool DevDrawsCurves() const { return false; }
    virtual void DevCurves(const CurvePath& devicePath, bool filled);

    // Canvases that keep shapes override these. DevRedraw draws what the cache holds from a call
    // of this kind if it still applies under the current mapping and state (box: the device box
    // of an ellipse) and says whether it did; the Keep forms draw as the plain ones do and may
    // keep their result in the cache.
    virtual bool DevRedraw(ShapeCall call, const IRect& box, ShapeCache& cache);
    virtual void DevPolylineKeep(const IPoint* pts, size_t n, ShapeCache& cache);
    virtual void DevPolyPolygonKeep(const IPoint* pts, const int32_t* counts, size_t polygons,
                                    ShapeCache& cache);
    virtual void DevEllipseKeep(const IRect& r, ShapeCache& cache);

    const std::optional<IRect>& DeviceClip() const { return clip_; }
    // Whether the polyline being drawn has length in logical units. A device draws a line of
    // some length whose points all fall on one device point as the pen's dot (one pixel for a
    // hairline), and one whose points are all one logical point not at all.
    bool LineHasLength() const { return lineHasLength_; }

private:
    void AdjustIsotropic();
    // Maps the points of a polygon set into scratch_; false when they are none.
    bool MapPolygons(const IPoint* pts, const int32_t* counts, size_t polygons);

    MapMode mapMode_ = MapMode::Text;
    IPoint windowOrg_{0, 0}, windowExt_{1, 1}, viewportOrg_{0, 0}, viewportExt_{1, 1};
    IPoint requestedViewportExt_{1, 1};
    PenState pen_;
    BrushState brush_;
    FillMode fillMode_ = FillMode::Alternate;
    FontSpec font_;
    Color textColor_ = kBlack;
    IPoint position_{0, 0};
    std::optional<IRect> clip_;
    std::vector<IPoint> scratch_;
    bool lineHasLength_ = true;
};

}  // namespace pw
