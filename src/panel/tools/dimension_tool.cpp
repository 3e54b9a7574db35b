#include "panel/tools/dimension_tool.h"

#include "elements/bemassung.h"
#include "panel/platine.h"

namespace pw {

namespace {
TBemassung* DimensionOf(TPlatine& p) {
    return dynamic_cast<TBemassung*>(p.State.underConstruction);
}

// The point being placed follows m: the second point (the offset point kept at the midpoint)
// or, in the dimension phase, the offset point.
void Follow(TPlatine& p, TBemassung& d, MPoint m) {
    MPoint b = d.SecondPoint, c = d.OffsetPoint;
    if (p.State.dimensionPhase)
        c = m;
    else
        b = m, c = Midpoint(d.FirstPoint, m);
    if (b == d.SecondPoint && c == d.OffsetPoint) return;
    p.InvalidateElement(&d);
    d.SetPoints(d.FirstPoint, b, c);
    p.InvalidateElement(&d);
}
}  // namespace

ToolResult DimensionTool::Move(const MouseEvent& e) {
    if (TBemassung* d = DimensionOf(panel_)) Follow(panel_, *d, panel_.SnapAt(e.pos));
    return ToolResult::Continue;
}

ToolResult DimensionTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    // The right button keeps what was built.
    if (e.Right()) return ToolResult::Done;
    if (!e.Left()) return ToolResult::Continue;
    MPoint m = p.SnapAt(e.pos);
    TBemassung* d = DimensionOf(p);
    if (!d) {
        p.BeginConstruction<TBemassung>(StepKind::Draw, true, [&](TBemassung& made) {
            made.SetStiftFarbe(p.CurrentPenColor);
            made.SetPoints(m, m, m);
        });
        p.State.dragging = true;
        return ToolResult::Continue;
    }
    Follow(p, *d, m);
    if (!p.State.dimensionPhase) {
        p.State.dimensionPhase = true;
        return ToolResult::Continue;
    }
    return ToolResult::Done;
}

}  // namespace pw
