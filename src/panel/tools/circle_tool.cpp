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

void CircleTool::Move(const MouseEvent& e) {
    if (TKreis* circle = CircleOf(panel_)) FollowRim(panel_, *circle, panel_.SnapAt(e.pos));
}

void CircleTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    TKreis* circle = CircleOf(p);
    if (e.Right()) {
        if (circle) {
            p.HidePendingFeedback();
            p.DeleteElement(circle);
        }
        p.EndOperation();
        return;
    }
    if (!e.Left()) return;
    MPoint m = p.SnapAt(e.pos);
    if (!circle) {
        p.SaveUndo();
        p.SelectAll(false);
        auto created = std::make_unique<TKreis>();
        p.GiveCurrentAttributes(*created, false);
        created->Centre = created->RimPoint = m;
        created->BuildContour();
        circle = static_cast<TKreis*>(p.AppendNewElement(std::move(created)));
        p.State.underConstruction = circle;
        p.State.pendingPoint = &circle->RimPoint;
        return;
    }
    FollowRim(p, *circle, m);
    p.HidePendingFeedback();
    p.InvalidateElement(circle);
    Real r = Distance(circle->Centre, circle->RimPoint);
    if (circle->StiftBreite() > r) r = circle->StiftBreite();
    if (r < kMinRadius) r = kMinRadius;
    circle->RimPoint = {circle->Centre.x + r, circle->Centre.y};
    circle->BuildContour();
    p.EndOperation();
}

}  // namespace pw
