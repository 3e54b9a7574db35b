#pragma once
// TTempline: the temporary line of the line and polygon tools, from the last fixed vertex to
// the pointer, drawn in exclusive-or with the current pen width; drawing it again removes it.

#include "core/canvas.h"
#include "core/color.h"
#include "core/geometry.h"

namespace pw {

class TTempline {
  public:
    TTempline(IPoint start, int32_t penWidth) : start_(start), end_(start), penWidth_(penWidth) {}

    IPoint Start() const { return start_; }
    IPoint End() const { return end_; }
    int32_t PenWidth() const { return penWidth_; }

    // Move one end (model units; canvas mapped by the panel): the old line is erased first and
    // the new one drawn. Nothing happens when a shown line's end did not change.
    void SetStart(Canvas& canvas, IPoint p);
    void SetEnd(Canvas& canvas, IPoint p);

    void Draw(Canvas& canvas);
    void Erase(Canvas& canvas);
    bool Shown() const { return shown_; }

    static constexpr Color kColor = kGhostColor;

  private:
    void DrawLine(Canvas& canvas) const;

    IPoint start_, end_;
    int32_t penWidth_;
    bool shown_ = false;
    IPoint drawnStart_, drawnEnd_;  // view pixels
    int32_t drawnWidth_ = 1;
};

}  // namespace pw
