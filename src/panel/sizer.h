#pragma once
// TSizer: the handle frame around the selection. Eight handles (1 top-left, 2 top-right,
// 3 bottom-right, 4 bottom-left, 5 top middle, 6 bottom middle, 7 right middle, 8 left middle)
// lie outside the frame; dragging them resizes (mode 0) or rotates (mode 1) the selection.
// The frame computes each step of such a drag; the panel applies it to the elements.

#include <array>
#include <optional>

#include "core/canvas.h"
#include "core/color.h"
#include "core/geometry.h"

namespace pw {

struct TSizer {
    int mode = 0;             // 0 resize, 1 rotate
    IRect frame;              // the selection's shape bounds, model units
    int32_t halfPen = 0;      // the frame is drawn enlarged by it
    int32_t handleSize = 12;  // model units
    Color color = 0;
    MRect startRect, currentRect, previousRect;
    std::array<MPoint, 4> corners{};
    Real startAngle = 0, stepAngle = 0;
    int grabbed = 0;
    IRect limits;
    IRect minimumSize;
    bool proportional = false;
    bool snapAngle = false;
    bool handlesVisible = true;
    bool dragging = false;

    // Builds the frame around shape bounds and pen-inclusive bounds.
    void Build(const MRect& shapeBounds, const MRect& penBounds, double zoom, Real panelWidth,
               Real panelHeight, int32_t minimumX, int32_t minimumY, Color frameColor, int frameMode);
    // The handle's square in model units.
    IRect HandleRect(int handle) const;
    // A model rectangle covering every handle of the given size.
    IRect HandleArea(int32_t size) const;
    // The handle under a device point (tested 1 to 6, 8, 7; the last containing it wins), or 0.
    int HandleAt(IPoint device, const Canvas& canvas) const;
    // Draws (or, drawn again, erases) the handles in exclusive-or.
    void DrawHandles(Canvas& canvas) const;

    // --- Dragging a handle ---
    // Starts dragging a handle with the pointer at m (model units).
    void StartDrag(int handle, MPoint m, bool withAngleSnap);
    MPoint DragCentre() const;
    // One resize step towards the pointer m. The new rectangle, or nothing when the step is
    // refused (panel edge reached, minimum size undercut, zero extent) or changes nothing.
    // An accepted step becomes the current rectangle; the one before is previousRect.
    std::optional<MRect> ResizeStep(MPoint m);
    // One rotation step towards the pointer m: the angle to rotate by (0 when nothing turns).
    Real RotateStep(MPoint m);
    // The pointer direction from the drag centre, snapped to 45 degrees when asked.
    Real SnappedDirection(MPoint m) const;
};

}  // namespace pw
