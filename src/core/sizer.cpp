#include "core/sizer.h"

#include <cmath>

namespace pw {

void TSizer::Build(const MRect& shape, const MRect& pen, double zoom, Real panelWidth, Real panelHeight,
                   int32_t minimumX, int32_t minimumY, Color frameColor, int frameMode) {
    mode = frameMode;
    MRect s = NormaliseRect(shape);
    frame = RoundRect(s);
    halfPen = RoundToInt(std::fabs(NormaliseRect(pen).x1 - s.x1));
    handleSize = RoundToInt(600 / zoom);
    color = frameColor;
    startRect = currentRect = previousRect = s;
    corners = {MPoint{s.x1, s.y1}, MPoint{s.x2, s.y1}, MPoint{s.x2, s.y2}, MPoint{s.x1, s.y2}};
    limits = {0, 0, RoundToInt(panelWidth), RoundToInt(panelHeight)};
    minimumSize = {0, 0, minimumX, minimumY};
    grabbed = 0;
    handlesVisible = true;
    dragging = false;
}

IRect TSizer::HandleRect(int handle) const {
    int32_t s = handleSize;
    IRect e{frame.x1 - halfPen, frame.y1 - halfPen, frame.x2 + halfPen, frame.y2 + halfPen};
    int32_t mx = e.x1 + (e.x2 - e.x1) / 2, my = e.y1 + (e.y2 - e.y1) / 2;
    switch (handle) {
        case 1: return {e.x1 - s, e.y1 - s, e.x1, e.y1};
        case 2: return {e.x2, e.y1 - s, e.x2 + s, e.y1};
        case 3: return {e.x2, e.y2, e.x2 + s, e.y2 + s};
        case 4: return {e.x1 - s, e.y2, e.x1, e.y2 + s};
        case 5: return {mx - s / 2, e.y1 - s, mx - s / 2 + s, e.y1};
        case 6: return {mx - s / 2, e.y2, mx - s / 2 + s, e.y2 + s};
        case 7: return {e.x2, my - s / 2, e.x2 + s, my - s / 2 + s};
        case 8: return {e.x1 - s, my - s / 2, e.x1, my - s / 2 + s};
        default: return {};
    }
}

int TSizer::HandleAt(IPoint device, const Canvas& canvas) const {
    static constexpr int kOrder[8] = {1, 2, 3, 4, 5, 6, 8, 7};
    int found = 0;
    for (int h : kOrder) {
        IRect d = NormaliseRect(canvas.LPtoDP(HandleRect(h)));
        if (d.Contains(device)) found = h;
    }
    return found;
}

void TSizer::DrawHandles(Canvas& c) const {
    c.SetPenMode(PenMode::Xor);
    c.SetPenStyle(PenStyle::Solid);
    c.SetPenColor(color);
    c.SetPenWidth(2);
    for (int h = 1; h <= 8; ++h) {
        IRect r = HandleRect(h);
        if (mode == 0) {
            c.SetBrushStyle(bsSolid);
            c.SetBrushColor(color);
            c.Rectangle(r);
        } else {
            c.SetBrushStyle(bsClear);
            c.Ellipse(r);
        }
    }
    c.SetPenMode(PenMode::Copy);
}

}  // namespace pw
