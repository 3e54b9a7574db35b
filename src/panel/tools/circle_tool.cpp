#include "panel/tools/circle_tool.h"

#include "elements/kreis.h"
#include "panel/platine.h"

namespace pw {

namespace {
TKreis* CircleOf(TPlatine& p) {
    return dynamic_cast<TKreis*>(p.State.underConstruction);
}

void FollowRim(TPlatine& p, TKreis& circle, MPoint m) {
    if (circle.RimPoint == m && circle.FeedbackShown) return;
    p.HidePendingFeedback();
    circle.RimPoint = m;
    p.ShowPendingFeedback();
}
}  // namespace

ToolResult CircleTool::Move(const MouseEvent& e) {
    if (TKreis* circle = CircleOf(panel_)) FollowRim(panel_, *circle, panel_.SnapAt(e.pos));
    return ToolResult::Continue;
}

ToolResult CircleTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    TKreis* circle = CircleOf(p);
    if (e.Right()) return circle ? ToolResult::Cancel : ToolResult::Done;
    if (!e.Left()) return ToolResult::Continue;
    MPoint m = p.SnapAt(e.pos);
    if (!circle) {
        circle = p.BeginConstruction<TKreis>(StepKind::Draw, true, [&](TKreis& c) {
            p.GiveCurrentAttributes(c, false);
            c.Centre = c.RimPoint = m;
            c.BuildContour();
        });
        p.State.pendingPoint = &circle->RimPoint;
        return ToolResult::Continue;
    }
    FollowRim(p, *circle, m);
    p.HidePendingFeedback();
    p.InvalidateElement(circle);
    Real r = Distance(circle->Centre, circle->RimPoint);
    if (circle->StiftBreite() > r) r = circle->StiftBreite();
    if (r < kMinRadius) r = kMinRadius;
    circle->RimPoint = {circle->Centre.x + r, circle->Centre.y};
    circle->BuildContour();
    return ToolResult::Done;
}

}  // namespace pw
