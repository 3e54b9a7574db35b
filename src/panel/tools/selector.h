#pragma once
// TSelector: the rubber band. An unfilled rectangle in view pixels drawn in not-exclusive-or,
// so that drawing it again removes it; the panel uses it for selecting, for the zoom tool and
// for drawing rectangles.

#include "core/canvas.h"
#include "core/color.h"
#include "core/geometry.h"

namespace pw {

class TSelector {
  public:
    // A band starting (and ending) at start, its end kept within clip (view pixels).
    TSelector(IPoint start, const IRect& clip, int32_t penWidth = 2);

    IPoint Start() const { return start_; }
    IPoint End() const { return end_; }
    // The band, normalised (view pixels).
    IRect Band() const;
    int32_t BandWidth() const;
    int32_t BandHeight() const;

    // Moves the end, kept inside the clip rectangle; false when it stayed where it was.
    bool SetEnd(IPoint p);

    // Draws the band when it is not shown; erases the band last drawn when it is.
    void Draw(Canvas& canvas);
    void Erase(Canvas& canvas);
    bool Shown() const { return shown_; }

    int32_t PenWidth() const { return penWidth_; }
    static constexpr Color kColor = kBlue;

  private:
    void DrawRect(Canvas& canvas, const IRect& r) const;

    IPoint start_, end_;
    IRect clip_;
    int32_t penWidth_;
    bool shown_ = false;
    IRect drawn_;
};

}  // namespace pw
