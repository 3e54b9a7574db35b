#include "panel/tools/arc_tool.h"

#include "elements/bogen.h"
#include "panel/platine.h"

namespace pw {

namespace {
TBogen* ArcOf(TPlatine& p) {
    return dynamic_cast<TBogen*>(p.State.underConstruction);
}

// The pending point follows the pointer. While the radius is dragged, the start and end
// directions follow the rim, so that the feedback is the full circle through it. The feedback
// is erased before the points change, so that it is erased exactly as it was drawn.
void Follow(TPlatine& p, TBogen& arc, MPoint m) {
    MPoint* pending = p.State.pendingPoint;
    if (!pending || (*pending == m && arc.FeedbackShown)) return;
    p.HidePendingFeedback();
    if (pending == &arc.RimPoint)
        arc.RimPoint = arc.StartPoint = arc.EndPoint = m;
    else
        *pending = m;
    p.ShowPendingFeedback();
}
}  // namespace

ToolResult ArcTool::Move(const MouseEvent& e) {
    if (TBogen* arc = ArcOf(panel_)) Follow(panel_, *arc, panel_.SnapAt(e.pos));
    return ToolResult::Continue;
}

ToolResult ArcTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    TBogen* arc = ArcOf(p);
    if (e.Right()) return arc ? ToolResult::Cancel : ToolResult::Done;
    if (!e.Left()) return ToolResult::Continue;
    MPoint m = p.SnapAt(e.pos);
    if (!arc) {
        arc = p.BeginConstruction<TBogen>(StepKind::Draw, true, [&](TBogen& a) {
            p.GiveCurrentAttributes(a, false);
            a.Centre = a.RimPoint = a.StartPoint = a.EndPoint = m;
            a.BuildArc();
        });
        p.State.pendingPoint = &arc->RimPoint;
        return ToolResult::Continue;
    }
    Follow(p, *arc, m);
    if (p.State.pendingPoint == &arc->RimPoint) {
        if (Distance(arc->Centre, arc->RimPoint) <= kMinRadius) {
            Beep();
            return ToolResult::Continue;
        }
        p.HidePendingFeedback();
        p.State.pendingPoint = &arc->EndPoint;
        p.ShowPendingFeedback();
        return ToolResult::Continue;
    }
    p.HidePendingFeedback();
    p.InvalidateElement(arc);
    arc->EndPoint = m;
    arc->BuildArc();
    return ToolResult::Done;
}

}  // namespace pw
