#pragma once
// QtCanvas: the drawing canvas on a QPainter. The Canvas base keeps the mapping, pen, brush and
// font and hands every call over in device units; this class draws them with the painter, which
// works untransformed in the device units of its paint device:
// - a raster image (RGB32 QImage): device units are pixels, and shapes cover the pixels a
//   Windows device context covers (rectangles and ellipses exclude their right and bottom edge,
//   lines their last pixel); exclusive-or and not-exclusive-or mixing work as raster operations;
// - a vector device (PDF, SVG, printer): device units are the device's own units (see
//   render_targets.h); shapes use their exact outlines, and every mix mode paints as copy.
// A pen of width 0 is a hairline: one pixel on an image or a printer, a line of kVectorHairlineMm
// in PDF and SVG drawings.
// Curves (Canvas::CurvePolygon, CurvePolyline) reach vector devices as curves; on an image they
// are not asked for, so that the elements draw their flattened outlines there as before.
// A line whose points all fall on one device point draws the pen's dot (one pixel for a
// hairline), as a round pen draws a line shorter than its width.
//
// On an image, pens wider than a pixel are drawn as the pixel runs of wide_stroke.h (round ends
// and corners). Where the picture is a 32-bit image drawn in copy mode without smoothing, the
// canvas also fills polygons and ellipses, solid or hatched, and draws one-pixel outlines itself
// (scan_fill.h, hairline.h, ellipse_raster.h), pixel for pixel as the painter would, and stores
// the pixels straight into the image; everything else goes through the painter. The pixels it
// derives for an element's own points (the Canvas calls with a ShapeCache) are kept in the
// element's cache and drawn again while mapping, clip, pen and brush kind stay the same.

#include <QPainter>
#include <QPainterPath>
#include <climits>
#include <functional>
#include <memory>
#include <vector>

#include "core/canvas.h"
#include "render/own_shape.h"
#include "render/shape_mask.h"
#include "render/wide_stroke.h"

namespace pw {

class QtCanvas : public Canvas {
  public:
    enum class DeviceKind { Raster, Vector };

    // Width of a hairline in PDF and SVG drawings. A cosmetic line of no width is drawn one
    // device pixel wide by some readers and not at all by others; so a hairline gets a real
    // width, with round ends and corners: 0.1 mm, the thinnest line print shops (0.25 pt, 0.09 mm) and
    // engraving tools reproduce reliably, and one pixel at 254 dpi, so that a page at that resolution shows
    // the lines a picture shows.
    static constexpr double kVectorHairlineMm = 0.1;

    // The painter must be active on its device; deviceBounds is the device area in device units
    // (the clip box without a clip), dotsPerInch the device resolution.
    QtCanvas(QPainter& painter, DeviceKind kind, const IRect& deviceBounds, double dotsPerInch);

    QPainter& Painter() { return painter_; }
    DeviceKind Kind() const { return kind_; }
    double DotsPerInch() const { return dotsPerInch_; }
    void SetDeviceBounds(const IRect& r) { bounds_ = r; }
    // On a vector device that has dots of its own (a printer), hairlines are its thinnest line,
    // one dot, as a cosmetic pen prints, rather than kVectorHairlineMm wide.
    void SetDeviceHairlines(bool on) {
        deviceHairlines_ = on;
        penValid_ = false;
    }

    // Polygon fills and one-pixel outlines on 32-bit images in copy mode are computed by the
    // canvas itself (scan_fill.h, hairline.h), pixel for pixel as the painter draws them; off,
    // the painter draws them. On by default.
    void SetOwnRaster(bool on) { ownRaster_ = on; }

    // How many threads derive the shapes of a paint at once in a derive pass (canvas.h); with 1
    // there is none, and each shape is derived when it is drawn. Default: the processor's cores.
    void SetDeriveThreads(int n) { deriveThreads_ = std::max(n, 1); }
    // The share of the picture's rows (0 to 0.75) the painting thread stores itself while the
    // others draw behind. It is learnt from paint to paint for all canvases; this sets where it
    // stands now.
    static void SetOwnRowShare(double share);

    // Smooth edges for copy-mode drawing (off by default: the picture then matches the pixels of
    // the Windows drawing). Exclusive-or drawing is never smoothed.
    void SetAntialiasing(bool on) { antialiasing_ = on; }
    bool Antialiasing() const { return antialiasing_; }

    // Hatch patterns are cells of 8 device pixels with lines of one pixel on an image. On vector
    // devices the hatch is drawn as stripes cut to the shape (vector_hatch.h), sized as on a
    // 96 dpi screen: lines of one such pixel (0.26 mm), 8 of them apart (2.1 mm). This is the
    // device units per such pixel (1 on an image).
    double HatchScale() const;

    // Qt colour of a 0x00BBGGRR colour, and Qt pattern of a brush style.
    static QColor ToQColor(Color c);
    static Qt::BrushStyle ToQtBrushStyle(TBrushStyle s);

  protected:
    IRect DeviceBounds() const override { return bounds_; }
    void DevPolyline(const IPoint* pts, size_t n) override;
    void DevPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons) override;
    void DevRectangle(const IRect& r) override;
    void DevEllipse(const IRect& r) override;
    void DevArc(const IRect& box, IPoint start, IPoint end) override;
    void DevText(IPoint p, std::string_view utf8, int32_t deviceHeight) override;
    void DevImage(const IRect& dest, const Image& image) override;
    bool DevParallelogramImage(IPoint p0, IPoint p1, IPoint p3, const Image& image) override;
    void DevClipChanged() override;
    // Vector devices draw curves as quadratic path pieces.
    bool DevDrawsCurves() const override { return !Raster(); }
    void DevCurves(const CurvePath& devicePath, bool filled) override;
    bool DevRedraw(ShapeCall call, const IRect& box, ShapeCache& cache) override;
    void DevPolylineKeep(const IPoint* pts, size_t n, ShapeCache& cache) override;
    void DevPolyPolygonKeep(const IPoint* pts, const int32_t* counts, size_t polygons,
                            ShapeCache& cache) override;
    void DevEllipseKeep(const IRect& r, ShapeCache& cache) override;
    // On an image, the first pass of a paint over most of it at a mapping other than the last
    // one's records what each kept shape needs, and EndDerivePass derives them on worker
    // threads (qt_canvas_ahead.cpp).
    bool BeginDerivePass() override;
    void EndDerivePass() override;
    void ExpectNewShapes() override { expectNew_ = true; }
    // On an image, a paint over most of it stores kept shapes on a thread of its own
    // (qt_canvas_behind.cpp).
    void BeginDrawBehind() override;
    void EndDrawBehind() override;
    // The shapes not derived yet when the first pass ends are derived while the second pass
    // runs; drawing through a slot whose shape is on its way waits for it, or derives it, and
    // keeps every shape before it in order (qt_canvas_ahead.cpp).
    void EndDerivePassDrawingBehind() override;
    // Derived ahead, the shapes are kept as the spares of their slots (own_shape.h); a paint
    // under the mapping derived ahead for needs no first pass.
    bool BeginDeriveAhead() override;
    void EndDeriveAhead() override;

  private:
    struct DrawBehind;
    // Hands a shape to the drawing thread: a derived one as a copy, a kept one (which stays until
    // the end of the paint) as it is, moved by shift. SettleBehind waits until the thread has
    // stored all it was handed.
    void AddBehind(const OwnShape& shape, const ShapeColours& colours);
    void AddBehind(const KeptShape& kept, const ShapeColours& colours, IPoint shift);
    void SettleBehind();

    struct DeriveJob;
    struct DeriveBatch;
    struct DerivePass;
    // The batch the derive pass records into; a full one goes to the deriving threads first.
    DeriveBatch& OpenBatch();
    // Adds how a shape recorded into the batch is drawn on a mask (filled, outlined by the
    // painter's pen, its outline as runs of that width); returns where.
    size_t AddMaskJob(DeriveBatch& batch, bool fill, bool outline, int32_t runsWidth);
    // The kept shape of a cache that is derived anew, its buffers to be reused.
    static std::unique_ptr<KeptShape> TakeKept(ShapeCache& cache);
    // The spare of a cache's kept shape, taken (its buffers to be reused), or null; a shape kept
    // as the spare of the cache's own (as its own where it has none).
    static std::unique_ptr<KeptShape> TakeSpare(ShapeCache& cache);
    static void KeepAsSpare(ShapeCache& cache, std::unique_ptr<KeptShape> shape);
    // Keeps the scratch shape in a kept one, derived under the current state; false where it is
    // too large to keep (KeptShape::Keep).
    bool KeepScratch(KeptShape& kept, ShapeCall call, const IRect& box);
    // Completes a record with its slot, the kept shape whose buffers it reuses, the key and the
    // state, adds it to the batch and marks the slot as waiting for it.
    void Record(DeriveBatch& batch, DeriveJob&& job, ShapeCall call, const IRect& box, ShapeCache& cache);
    // In a derive pass: records the derivation of a shape that would be derived and kept.
    void PlanPolyline(const IPoint* pts, size_t n, ShapeCache& cache);
    void PlanPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons, ShapeCache& cache);
    void PlanEllipse(const IRect& r, ShapeCache& cache);
    // Polygons the painter draws, recorded to go through a mask (total: their points).
    void PlanPolygonsThroughMask(const IPoint* pts, const int32_t* counts, size_t polygons, size_t total,
                                 ShapeCache& cache);
    // Whether a kept shape applies under the current mapping and state: the slot's own or its
    // spare, which then (outside deriving ahead) changes places with it.
    bool KeptApplies(ShapeCall call, const IRect& box, ShapeCache& cache, IPoint& shift) const;
    // The state at the start of a derive pass, put back at its end.
    void SaveStateForPass();
    // While the second pass goes on deriving: keeps the derived shapes in the order of the calls,
    // deriving or waiting for them as needed, up to the one for the slot while that is still on
    // its way, or (null) all of them; at the end of the paint, all of them and the pass ends.
    void KeepDerived(const ShapeCache* upTo);
    void KeepAllDerived();
    // Whether the canvas derives the pixels of shapes itself: its own raster on an image,
    // unsmoothed.
    bool DerivesOnImage() const;
    // The pen, brush, font and fill mode of the start of the derive pass.
    void RestoreState();

    // Shapes the painter draws, drawn on a mask and read back (qt_canvas_mask.cpp, shape_mask.h):
    // whether a shape may go that way (given the cache it is drawn through, if any); whether only a
    // shape the drawable area cuts goes there now; whether points lie inside the drawable area;
    // what a shape is drawn with there, filled and outlined (the painter's pen) as asked, its
    // outline as runs of the width given (0: none); the canvas's mask; the scratch shape, emptied,
    // to read a shape back into.
    bool MaskFits(const ShapeCache* cache) const;
    bool UncutWaits() const;
    bool PointsInside(const IPoint* pts, size_t n) const;
    MaskDrawing MaskDrawingOf(bool fill, bool outline, int32_t runsWidth = 0);
    ShapeMask& Mask();
    OwnShape& MaskShape();

    // The drawing calls, keeping what the canvas draws itself in cache when one is given.
    void DrawPolyline(const IPoint* pts, size_t n, ShapeCache* cache);
    void DrawPolyPolygon(const IPoint* pts, const int32_t* counts, size_t polygons, ShapeCache* cache);
    void DrawEllipse(const IRect& r, ShapeCache* cache);
    // Sets the painter's composition and smoothing from the pen mode.
    void ApplyMode();
    // Sets the painter's composition, smoothing, pen and brush from the canvas state.
    void ApplyState(bool withPen, bool withBrush);
    QPen MakePen() const;
    // Device width of a hairline on a vector device.
    double VectorHairlineWidth() const { return kVectorHairlineMm * dotsPerInch_ / 25.4; }
    // The pen's dot at p, for a line that collapsed to that one point.
    void DrawDot(IPoint p, ShapeCache* cache);
    QBrush MakeBrush() const;
    // The Qt pen and brush of the canvas state, made again only when the state changed.
    const QPen& CurrentPen();
    const QBrush& CurrentBrush();
    bool Raster() const { return kind_ == DeviceKind::Raster; }
    bool WidePenOnRaster() const;
    // Whether outlines are drawn as the pixel runs of wide_stroke.h rather than by the painter's
    // stroker: wide pens on an image, unless smoothed.
    bool StrokeAsRuns() const;
    // The device area drawing can reach: the device bounds within the clip.
    IRect DrawableArea() const;
    // Whether the drawable area covers most of the device (a paint of a small part, such as the
    // area around a moved element, has few shapes to share between threads).
    bool PaintsMostOfDevice() const;
    // Fills runs_ in the pen colour and mode.
    void FillRuns();
    // The image to store run pixels into directly, or null when they go through the painter.
    QImage* DirectImage() const;
    // Whether the canvas draws these points itself: own raster on, a direct image, no
    // smoothing, an outline of one pixel, none or runs, and every point inside the drawable area
    // (where the painter would clip nothing).
    bool OwnRasterFits(const IPoint* pts, size_t n) const;
    bool OwnRasterFits(const std::vector<IPoint>& pts) const { return OwnRasterFits(pts.data(), pts.size()); }
    // The drawing state the pixels of a shape are derived under.
    OwnShapeState ShapeState() const;
    // Whether the canvas fills and outlines the ellipse (the box in painter coordinates) itself.
    bool OwnEllipseFits(const QRectF& box) const;
    // Whether an ellipse's box (painter coordinates) comes near the drawable area's edge, where
    // the painter may clip it.
    bool NearEdge(const QRectF& box) const;
    // The scratch shape, emptied, to derive a shape's pixels into; then DrawDerived draws it and
    // keeps a packed copy in the cache, when one is given and the pixels may be kept.
    OwnShape& NewShape();
    void DrawDerived(ShapeCache* cache, ShapeCall call, const IRect& box);
    // Stores the pixels of a derived shape, or of a kept one moved by shift (a kept shape under
    // a scrolled view), into the direct image in the current colours.
    void DrawOwnShape(const OwnShape& shape);
    void DrawKept(const KeptShape& kept, IPoint shift = {0, 0});
    ShapeColours CurrentColours() const;
    // Whether the pixels the canvas derives itself may be kept and drawn again: own raster, no
    // smoothing, a direct image.
    bool CanKeep() const;
    OwnShapeKey CurrentKey(ShapeCall call, const IRect& box) const;
    // The direct image's pixels, and runs of one colour stored straight into them.
    PixelTarget Target() const;
    void WriteRuns(const std::vector<PixelRun>& runs, Color c);
    bool VectorHatched() const;
    // Fills and outlines an area with the current brush and pen (hatches on vector devices as
    // stripes).
    void DrawArea(const QPainterPath& shape);
    void FillArea(const QPainterPath& shape);
    // Whether the pen is wider than the drawable area, and its stroke along the outlines (closed
    // ones ending on their first point) filled as huge_pen.h cuts it.
    bool HugePen() const;
    void StrokeHuge(const QList<QPolygonF>& outlines);
    // The box of a rectangle, ellipse or arc in painter coordinates (normalised; on an image
    // the right and bottom edge excluded, outlines through the pixel centres).
    QRectF ShapeBox(const IRect& r, double shift) const;

    QPainter& painter_;
    DeviceKind kind_;
    IRect bounds_;
    double dotsPerInch_;
    bool antialiasing_ = false;
    bool ownRaster_ = true;
    bool deviceHairlines_ = false;
    int deriveThreads_;
    bool deriving_ = false;
    bool ahead_ = false;     // the derive pass derives ahead
    bool draining_ = false;  // the second pass runs while shapes are still derived
    bool freshView_ = false;  // the paint follows a derive pass under a new mapping
    bool expectNew_ = false;
    struct DropPass {
        void operator()(DerivePass* pass) const;
    };
    std::unique_ptr<DerivePass, DropPass> pass_;
    struct DropBehind {
        void operator()(DrawBehind* behind) const;
    };
    std::unique_ptr<DrawBehind, DropBehind> behind_;
    struct DropMask {
        void operator()(ShapeMask* mask) const;
    };
    std::unique_ptr<ShapeMask, DropMask> mask_;
    // Kept shapes replaced while drawing behind, which the drawing thread may still read.
    std::vector<std::unique_ptr<KeptShape>> retired_;

    QPen pen_;
    PenState penKey_;
    int32_t penKeyDeviceWidth_ = 0;
    bool penValid_ = false;
    QBrush brush_;
    BrushState brushKey_;
    bool brushValid_ = false;
    const QPen noPen_{Qt::NoPen};
    const QBrush noBrush_{Qt::NoBrush};
    QBrush runBrush_;

    // Buffers kept from call to call.
    OwnShape scratchShape_;
    bool scratchFromMask_ = false;  // the scratch shape was read back from the mask
    std::vector<IPoint> points_, outlinePoints_;
    std::vector<int32_t> outlineCounts_;
    std::vector<PixelRun> runs_;
    std::vector<QRect> rects_;
};

}  // namespace pw
