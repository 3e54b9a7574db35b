#include "panel/tools/selector.h"

#include <algorithm>
#include <cstdlib>

#include "panel/tools/pixel_mapping.h"

namespace pw {

TSelector::TSelector(IPoint start, const IRect& clip, int32_t penWidth)
    : start_(start), end_(start), clip_(clip), penWidth_(std::max(penWidth, 1)) {}

IRect TSelector::Band() const {
    return {std::min(start_.x, end_.x), std::min(start_.y, end_.y), std::max(start_.x, end_.x),
            std::max(start_.y, end_.y)};
}

int32_t TSelector::BandWidth() const {
    return std::abs(end_.x - start_.x);
}
int32_t TSelector::BandHeight() const {
    return std::abs(end_.y - start_.y);
}

bool TSelector::SetEnd(IPoint p) {
    IPoint e{std::clamp(p.x, clip_.x1 - 1, std::max(clip_.x1 - 1, clip_.x2 - 2)),
             std::clamp(p.y, clip_.y1 - 1, std::max(clip_.y1 - 1, clip_.y2 - 2))};
    if (e == end_) return false;
    end_ = e;
    return true;
}

void TSelector::DrawRect(Canvas& c, const IRect& r) const {
    PixelMapping pixels(c);
    c.SetPenMode(PenMode::NotXor);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenColor(kColor);
    c.SetPenWidth(penWidth_);
    c.SetBrushStyle(bsClear);
    c.Rectangle(r);
    c.SetPenMode(PenMode::Copy);
}

void TSelector::Draw(Canvas& c) {
    if (shown_) return;
    IRect b = Band();
    drawn_ = {b.x1 - 1, b.y1 - 1, b.x2 + 2, b.y2 + 2};
    DrawRect(c, drawn_);
    shown_ = true;
}

void TSelector::Erase(Canvas& c) {
    if (!shown_) return;
    DrawRect(c, drawn_);
    shown_ = false;
}

}  // namespace pw
