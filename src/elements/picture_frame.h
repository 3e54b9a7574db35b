#pragma once
// What the two picture elements (TBtmap, TMeta) share: the rectangle they stretch their
// picture into, whether it is still upright, and the frame painted over the picture, which is
// the grey hatched placeholder where the picture could not be drawn.

#include "core/geometry.h"

namespace pw {

class Canvas;
class TRechteck;

// Whether the four vertices, rounded, still form an axis-parallel rectangle with P0 top left
// (the element has not been rotated or sheared); false with fewer than four vertices.
bool IsUprightPicture(const TRechteck& e);

// The rectangle from P0 to P2, inset by half the pen width and rounded.
IRect PictureTarget(const TRechteck& e);

// Paints the element's contour after its picture: only the outline where the picture was drawn
// and the element is not milled, else the grey hatched area.
void PaintPictureFrame(TRechteck& e, Canvas& canvas, bool drawn);

// The defaults both picture elements start with: fill on, grey back-diagonal hatch, clear pen.
void SetPictureDefaults(TRechteck& e);

}  // namespace pw
