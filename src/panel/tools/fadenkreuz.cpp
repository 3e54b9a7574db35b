#include "panel/tools/fadenkreuz.h"

#include "panel/tools/pixel_mapping.h"

namespace pw {

void TFadenKreuz::MoveTo(Canvas& c, IPoint p, const IRect& view) {
    if (shown_ && p == position_) return;
    Erase(c);
    position_ = p;
    Draw(c, view);
}

void TFadenKreuz::Draw(Canvas& c, const IRect& view) {
    if (shown_) return;
    drawnAt_ = c.LPtoDP(position_);
    drawnView_ = view;
    DrawLines(c);
    shown_ = true;
}

void TFadenKreuz::Erase(Canvas& c) {
    if (!shown_) return;
    DrawLines(c);
    shown_ = false;
}

void TFadenKreuz::DrawLines(Canvas& c) const {
    PixelMapping pixels(c);
    c.SetPenMode(PenMode::Xor);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenColor(kColor);
    c.SetPenWidth(0);
    c.MoveTo({drawnView_.x1, drawnAt_.y});
    c.LineTo({drawnView_.x2, drawnAt_.y});
    c.MoveTo({drawnAt_.x, drawnView_.y1});
    c.LineTo({drawnAt_.x, drawnView_.y2});
    c.SetPenMode(PenMode::Copy);
}

}  // namespace pw
