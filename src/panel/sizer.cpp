#include "panel/sizer.h"

#include <algorithm>
#include <cmath>

namespace pw {

void TSizer::Build(const MRect& shape, const MRect& pen, double zoom, Real panelWidth, Real panelHeight,
                   int32_t minimumX, int32_t minimumY, Color frameColor, int frameMode) {
    mode = frameMode;
    MRect s = shape.Normalised();
    frame = RoundRect(s);
    halfPen = RoundToInt(std::fabs(pen.Normalised().x1 - s.x1));
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
    IRect e = frame.Expanded(halfPen);
    int32_t mx = e.x1 + (e.x2 - e.x1) / 2, my = e.y1 + (e.y2 - e.y1) / 2;
    switch (handle) {
        case 1:
            return {e.x1 - s, e.y1 - s, e.x1, e.y1};
        case 2:
            return {e.x2, e.y1 - s, e.x2 + s, e.y1};
        case 3:
            return {e.x2, e.y2, e.x2 + s, e.y2 + s};
        case 4:
            return {e.x1 - s, e.y2, e.x1, e.y2 + s};
        case 5:
            return {mx - s / 2, e.y1 - s, mx - s / 2 + s, e.y1};
        case 6:
            return {mx - s / 2, e.y2, mx - s / 2 + s, e.y2 + s};
        case 7:
            return {e.x2, my - s / 2, e.x2 + s, my - s / 2 + s};
        case 8:
            return {e.x1 - s, my - s / 2, e.x1, my - s / 2 + s};
        default:
            return {};
    }
}

IRect TSizer::HandleArea(int32_t size) const {
    return frame.Expanded(halfPen + std::max(size, handleSize));
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
    // Drawn over the freshly painted panel at every repaint and taken off by repainting their
    // area, so plain drawing serves: the frame colour (black on light panels, white on dark
    // ones) drawn exclusive-or would leave a light panel unchanged.
    c.SetPenMode(PenMode::Copy);
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

// --- Dragging ---

void TSizer::StartDrag(int handle, MPoint m, bool withAngleSnap) {
    grabbed = handle;
    dragging = true;
    handlesVisible = false;
    snapAngle = withAngleSnap;
    currentRect = previousRect = startRect;
    startAngle = SnappedDirection(m);
    stepAngle = 0;
}

MPoint TSizer::DragCentre() const {
    return {startRect.x1 + (startRect.x2 - startRect.x1) / 2,
            startRect.y1 + (startRect.y2 - startRect.y1) / 2};
}

Real TSizer::SnappedDirection(MPoint m) const {
    Real a = Direction(DragCentre(), m);
    if (snapAngle) a = std::trunc(a / (kPi / 4)) * (kPi / 4);
    return a;
}

std::optional<MRect> TSizer::ResizeStep(MPoint m) {
    const MRect r = currentRect;
    const Real w = r.x2 - r.x1, h = r.y2 - r.y1;
    MRect n = r;
    if (proportional) {
        const MPoint c{r.x1 + w / 2, r.y1 + h / 2};
        Real reference = grabbed <= 4   ? Distance(c, {r.x2, r.y2})
                         : grabbed <= 6 ? Distance(c, {r.x1 + w / 2, r.y1})
                                        : Distance(c, {r.x1, r.y1 + h / 2});
        if (reference == 0) return std::nullopt;
        Real f = Distance(c, m) / reference;
        n = {RoundEven(c.x - f * w / 2), RoundEven(c.y - f * h / 2), RoundEven(c.x + f * w / 2),
             RoundEven(c.y + f * h / 2)};
    } else if (grabbed >= 1 && grabbed <= 4) {
        if (w == 0 || h == 0) return std::nullopt;
        Real oppositeY = grabbed <= 2 ? r.y2 : r.y1;
        Real f = std::fabs(oppositeY - m.y) / std::fabs(h);
        bool left = grabbed == 1 || grabbed == 4, top = grabbed == 1 || grabbed == 2;
        if (left)
            n.x1 = RoundEven(r.x2 - w * f);
        else
            n.x2 = RoundEven(r.x1 + w * f);
        if (top)
            n.y1 = RoundEven(r.y2 - h * f);
        else
            n.y2 = RoundEven(r.y1 + h * f);
    } else {
        bool vertical = grabbed == 5 || grabbed == 6;
        if ((vertical ? h : w) == 0) return std::nullopt;
        switch (grabbed) {
            case 5:
                n.y1 = RoundEven(r.y2 - h * std::fabs(r.y2 - m.y) / std::fabs(h));
                break;
            case 6:
                n.y2 = RoundEven(r.y1 + h * std::fabs(m.y - r.y1) / std::fabs(h));
                break;
            case 7:
                n.x2 = RoundEven(r.x1 + w * std::fabs(m.x - r.x1) / std::fabs(w));
                break;
            case 8:
                n.x1 = RoundEven(r.x2 - w * std::fabs(r.x2 - m.x) / std::fabs(w));
                break;
            default:
                return std::nullopt;
        }
    }
    // A side that moved must stay inside the panel.
    if ((n.x1 != r.x1 && n.x1 <= limits.x1) || (n.y1 != r.y1 && n.y1 <= limits.y1) ||
        (n.x2 != r.x2 && n.x2 >= limits.x2) || (n.y2 != r.y2 && n.y2 >= limits.y2))
        return std::nullopt;
    const Real nw = std::fabs(n.x2 - n.x1), nh = std::fabs(n.y2 - n.y1);
    if ((nw < std::fabs(w) && nw < minimumSize.x2 - minimumSize.x1) ||
        (nh < std::fabs(h) && nh < minimumSize.y2 - minimumSize.y1))
        return std::nullopt;
    n = n.Normalised();
    if (n == r) return std::nullopt;
    previousRect = r;
    currentRect = n;
    return n;
}

Real TSizer::RotateStep(MPoint m) {
    const MPoint c = DragCentre();
    const Real a = SnappedDirection(m);
    const Real step = a - startAngle;
    stepAngle = 0;
    if (step == 0) return 0;
    std::array<MPoint, 4> turned;
    for (size_t i = 0; i < corners.size(); ++i) {
        turned[i] = RotatePoint(corners[i], c, step);
        IPoint p = RoundPoint(turned[i]);
        if (p.x < 0 || p.y < 0 || p.x > kMaxPanelSide || p.y > kMaxPanelSide) return 0;
    }
    corners = turned;
    startAngle = a;
    stepAngle = step;
    return step;
}

}  // namespace pw
