#pragma once
// The device context a metafile is played through: the state the records set (mapping, world
// transform, objects, colours, modes, clip, path, saved states) and the drawing operations they
// call, in the metafile's logical coordinates. It draws on a canvas whose mapping it has set to
// device units, and rounds each point once, from logical to device, as the platform does.
// The EMF and WMF record readers (emf_play.cpp, wmf_play.cpp) feed it.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/canvas.h"

namespace pw {

struct DPoint {
    double x = 0, y = 0;
};
struct DRect {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// x' = m11 x + m21 y + dx, y' = m12 x + m22 y + dy.
struct XForm {
    double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0;
    DPoint Apply(DPoint p) const { return {m11 * p.x + m21 * p.y + dx, m12 * p.x + m22 * p.y + dy}; }
    // This transform followed by o.
    XForm Then(const XForm& o) const;
    bool AxisAligned() const { return m12 == 0 && m21 == 0; }
};

struct MfPen {
    uint32_t style = 0;  // PS_ style bits
    int32_t width = 0;   // logical units; 0 is one device pixel
    bool cosmetic = false;
    Color color = kBlack;
};
struct MfBrush {
    uint32_t style = 0;  // BS_
    Color color = kWhite;
    uint32_t hatch = 0;
};
struct MfFont {
    int32_t height = 0;  // logical; negative: character height without the internal leading
    int32_t weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    std::string face = "Arial";
};
struct MfObject {
    enum class Kind { None, Pen, Brush, Font, Other } kind = Kind::None;
    MfPen pen;
    MfBrush brush;
    MfFont font;
};

class MetafilePlayer {
  public:
    enum class Flavour { Emf, Wmf };

    // frame: the picture frame in the units of the space the mapping leads to (EMF: pixels of
    // the reference device; WMF: its logical units); destDevice: where the frame goes on the
    // canvas, in device units. The canvas must already map logical = device.
    MetafilePlayer(Canvas& canvas, Flavour flavour, const DRect& frame, const DRect& destDevice,
                   double refPixelsPerMmX, double refPixelsPerMmY, size_t objects);

    // --- state ---
    void SetMapMode(uint32_t mode);
    void SetWindowOrg(int32_t x, int32_t y);
    void SetWindowExt(int32_t x, int32_t y);
    void SetViewportOrg(int32_t x, int32_t y);
    void SetViewportExt(int32_t x, int32_t y);
    void OffsetWindowOrg(int32_t x, int32_t y) { SetWindowOrg(s_.windowOrg.x + x, s_.windowOrg.y + y); }
    void OffsetViewportOrg(int32_t x, int32_t y) {
        SetViewportOrg(s_.viewportOrg.x + x, s_.viewportOrg.y + y);
    }
    void ScaleWindowExt(int32_t xn, int32_t xd, int32_t yn, int32_t yd);
    void ScaleViewportExt(int32_t xn, int32_t xd, int32_t yn, int32_t yd);
    void SetWorldTransform(const XForm& x);
    void ModifyWorldTransform(const XForm& x, uint32_t mode);
    void SetTextColor(Color c) { s_.textColor = c & 0xFFFFFF; }
    void SetBkColor(Color c) { s_.bkColor = c & 0xFFFFFF; }
    void SetBkMode(uint32_t m) { s_.bkMode = m; }
    void SetPolyFillMode(uint32_t m) { s_.fillMode = m; }
    void SetRop2(uint32_t r) { s_.rop2 = r; }
    void SetTextAlign(uint32_t a) { s_.textAlign = a; }
    void SetArcDirection(uint32_t d) { s_.arcClockwise = d == 2; }

    // --- objects ---
    void CreateObject(uint32_t index, const MfObject& object);
    // The WMF way: the lowest free slot.
    void CreateObjectInFreeSlot(const MfObject& object);
    void SelectObject(uint32_t index);
    void SelectStockObject(uint32_t stock);
    void DeleteObject(uint32_t index);

    // --- drawing, logical coordinates ---
    void MoveTo(DPoint p);
    void LineTo(DPoint p);
    void Polyline(const std::vector<DPoint>& pts);
    void PolylineTo(const std::vector<DPoint>& pts);
    void Polygon(const std::vector<DPoint>& pts);
    void PolyPolygon(const std::vector<DPoint>& pts, const std::vector<uint32_t>& counts);
    void PolyPolyline(const std::vector<DPoint>& pts, const std::vector<uint32_t>& counts);
    void PolyBezier(const std::vector<DPoint>& pts);
    void PolyBezierTo(const std::vector<DPoint>& pts);
    void Rectangle(const IRect& box);
    void RoundRect(const IRect& box, int32_t cornerWidth, int32_t cornerHeight);
    void Ellipse(const IRect& box);
    enum class ArcKind { Arc, ArcTo, Chord, Pie };
    void ArcShape(ArcKind kind, const IRect& box, DPoint start, DPoint end);
    void AngleArc(DPoint centre, double radius, double startDeg, double sweepDeg);
    void SetPixel(DPoint p, Color c);
    // Text at p (or the current position), aligned as the text alignment says; with an opaque
    // rectangle when given.
    void Text(DPoint p, const std::string& utf8, const std::optional<IRect>& opaque);
    // A picture into the logical rectangle (x, y, cx, cy), mirrored where cx or cy is negative.
    void Picture(int32_t x, int32_t y, int32_t cx, int32_t cy, const Image& image);
    // A rectangle filled with the brush (pattern copy) or with black or white.
    void FillBox(int32_t x, int32_t y, int32_t cx, int32_t cy, std::optional<Color> colour);

    // --- paths ---
    void BeginPath();
    void EndPath() { inPath_ = false; }
    void AbortPath();
    void CloseFigure();
    void FillPath() { DrawPath(false, true); }
    void StrokePath() { DrawPath(true, false); }
    void StrokeAndFillPath() { DrawPath(true, true); }
    void SelectClipPath();

    // --- clip and saved states ---
    void IntersectClipRect(const IRect& logical);
    void ResetClip();
    // A clip region given in the reference device's units: its bounding box.
    void SetClipRegion(const IRect& deviceBox, uint32_t mode);
    void OffsetClip(int32_t dx, int32_t dy);
    void SaveDC();
    void RestoreDC(int32_t which);

  private:
    struct State {
        uint32_t mapMode = 1;
        IPoint windowOrg{0, 0}, windowExt{1, 1}, viewportOrg{0, 0}, viewportExt{1, 1};
        bool windowSet = false;
        XForm world;
        MfPen pen;
        MfBrush brush;
        MfFont font;
        Color textColor = kBlack, bkColor = kWhite;
        uint32_t bkMode = 2, fillMode = 1, rop2 = 13, textAlign = 0;
        bool arcClockwise = false;
        DPoint position;
        std::optional<IRect> clip;  // device
    };

    void Update();
    DPoint ToDevice(DPoint p) const { return total_.Apply(p); }
    IPoint Round(DPoint p) const;
    std::vector<IPoint> RoundAll(const std::vector<DPoint>& pts) const;
    // Sets the canvas pen and brush from the state; false when neither draws.
    bool Prepare(bool pen, bool brush);
    int32_t DeviceLength(double logical) const;
    void StrokeDevice(const std::vector<IPoint>& pts);
    void FillDevice(const std::vector<IPoint>& pts, const std::vector<int32_t>& counts, bool pen, bool brush);
    void AddFigure(const std::vector<DPoint>& devicePts, bool closed);
    void DrawPath(bool stroke, bool fill);
    void ApplyClip();
    // Points of an elliptic arc in logical space, from start to end in the arc direction.
    std::vector<DPoint> ArcPoints(const IRect& box, DPoint start, DPoint end, bool full) const;
    std::vector<DPoint> EllipsePoints(const IRect& box) const;
    std::vector<DPoint> FlattenBezier(DPoint p0, const DPoint* c) const;
    void ShapeFromLogical(const std::vector<DPoint>& pts, bool closed);

    Canvas& canvas_;
    Flavour flavour_;
    DRect frame_;
    double pxPerMmX_, pxPerMmY_;
    XForm frameToDest_;
    XForm total_;
    IRect base_;  // the device area the picture may draw in
    State s_;
    std::vector<State> saved_;
    std::vector<MfObject> objects_;
    // The path, in device coordinates.
    bool inPath_ = false;
    struct Figure {
        std::vector<DPoint> pts;
        bool closed = false;
    };
    std::vector<Figure> figures_;
};

}  // namespace pw
