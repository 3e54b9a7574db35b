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

void DimensionTool::Move(const MouseEvent& e) {
    if (TBemassung* d = DimensionOf(panel_)) Follow(panel_, *d, panel_.SnapAt(e.pos));
}

void DimensionTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (e.Right()) {
        p.EndOperation();
        return;
    }
    if (!e.Left()) return;
    MPoint m = p.SnapAt(e.pos);
    TBemassung* d = DimensionOf(p);
    if (!d) {
        p.SaveUndo();
        p.SelectAll(false);
        auto created = std::make_unique<TBemassung>();
        created->SetStiftFarbe(p.CurrentPenColor);
        created->SetPoints(m, m, m);
        p.State.underConstruction = p.AppendNewElement(std::move(created));
        p.State.dragging = true;
        return;
    }
    Follow(p, *d, m);
    if (!p.State.dimensionPhase) {
        p.State.dimensionPhase = true;
        return;
    }
    p.EndOperation();
}

}  // namespace pw
