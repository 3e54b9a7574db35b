#pragma once
// TFadenKreuz: the crosshair of the drawing tools. A horizontal and a vertical line through a
// model point across the whole view, one pixel wide, in exclusive-or; drawing it again at the
// same place removes it.

#include "core/canvas.h"
#include "core/color.h"
#include "core/geometry.h"

namespace pw {

class TFadenKreuz {
  public:
    // The cross's position, model units rounded.
    IPoint Position() const { return position_; }
    // Moves the cross (canvas mapped by the panel); when it moved, the old cross is erased and
    // the new one drawn. A cross not shown is drawn.
    void MoveTo(Canvas& canvas, IPoint position, const IRect& view);
    // Draws the cross at its position across the view (view pixels) when it is not shown.
    void Draw(Canvas& canvas, const IRect& view);
    // Erases the cross where it was last drawn.
    void Erase(Canvas& canvas);
    bool Shown() const { return shown_; }

    static constexpr Color kColor = kGhostColor;

  private:
    void DrawLines(Canvas& canvas) const;

    IPoint position_;
    bool shown_ = false;
    IPoint drawnAt_;  // view pixels
    IRect drawnView_;
};

}  // namespace pw
