#include "panel/tools/templine.h"

#include "panel/tools/pixel_mapping.h"

namespace pw {

void TTempline::SetStart(Canvas& c, IPoint p) {
    if (shown_ && p == start_) return;
    Erase(c);
    start_ = p;
    Draw(c);
}

void TTempline::SetEnd(Canvas& c, IPoint p) {
    if (shown_ && p == end_) return;
    Erase(c);
    end_ = p;
    Draw(c);
}

void TTempline::Draw(Canvas& c) {
    if (shown_) return;
    c.SetPenWidth(penWidth_);
    drawnWidth_ = c.DevicePenWidth();
    drawnStart_ = c.LPtoDP(start_);
    drawnEnd_ = c.LPtoDP(end_);
    DrawLine(c);
    shown_ = true;
}

void TTempline::Erase(Canvas& c) {
    if (!shown_) return;
    DrawLine(c);
    shown_ = false;
}

void TTempline::DrawLine(Canvas& c) const {
    PixelMapping pixels(c);
    c.SetPenMode(PenMode::Xor);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenColor(kColor);
    c.SetPenWidth(drawnWidth_);
    c.MoveTo(drawnStart_);
    c.LineTo(drawnEnd_);
    c.SetPenMode(PenMode::Copy);
}

}  // namespace pw
