#include "panel/tools/select_tool.h"

#include "core/language.h"
#include "panel/platine.h"

namespace pw {

void SelectTool::Press(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (e.Right()) {
        if (p.OnPopupRequest) p.OnPopupRequest(e.pos);
        return;
    }
    if (!e.Left() || p.Selector || p.State.dragging || p.FrameDragging()) return;
    if (p.BeginFrameDrag(e)) return;
    p.RemoveFrame();
    if (!p.ElementNear(e.pos)) {
        StartSelectingBand(e, true);
        return;
    }
    TBauteil* found = p.HitElement(e.pos, true);
    if (!found) found = p.HitElement(e.pos, false);
    if (!found) {
        StartSelectingBand(e, false);
        return;
    }
    if (e.shift) {
        p.SelectElement(found, !found->GetSelected());
        p.InvalidateElement(found);
        p.UpdateSelectionFrame();
        return;
    }
    if (!found->GetSelected()) {
        p.DeselectAllExcept(found);
        p.SelectElement(found, true);
        p.InvalidateElement(found);
    }
    p.SaveUndo();
    p.SetStatus(Tr("Verschieben...", "Moving..."), "");
    p.BeginSelectionDrag({e.pos.x + p.ScrollX, e.pos.y + p.ScrollY});
    p.SetPointerHidden(true);
}

void SelectTool::StartSelectingBand(const MouseEvent& e, bool withStatus) {
    TPlatine& p = panel_;
    if (!e.shift) p.SelectAll(false);
    p.RemoveFrame();
    p.StartBand(e.pos, 2);
    if (withStatus) p.SetStatus(Tr("Objektauswahl...", "Selecting..."), "");
}

void SelectTool::Move(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (p.FrameDragging())
        p.FrameDragTo(e);
    else if (p.Selector)
        p.FollowBand(e.pos);
    else
        p.DragSelectionTo(e.pos);
}

void SelectTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (!e.Left()) return;
    if (p.FrameDragging()) {
        p.EndFrameDrag();
    } else if (std::optional<TSelector> band = p.TakeBand()) {
        if (band->BandWidth() > 5 && band->BandHeight() > 5)
            p.SelectInRect(band->Band(), e.shift);
        else
            p.UpdateSelectionFrame();
    } else if (p.SelectionDragging()) {
        p.EndSelectionDrag(e.pos, false);
    }
}

}  // namespace pw
