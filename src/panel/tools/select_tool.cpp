#include "panel/tools/select_tool.h"

#include "core/language.h"
#include "panel/platine.h"

namespace pw {

ToolResult SelectTool::Press(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (e.Right()) {
        if (p.OnPopupRequest) p.OnPopupRequest(e.pos);
        return ToolResult::Continue;
    }
    if (!e.Left() || p.Selector || p.State.dragging || p.FrameDragging()) return ToolResult::Continue;
    if (p.BeginFrameDrag(e)) return ToolResult::Continue;
    p.RemoveFrame();
    if (!p.ElementNear(e.pos)) {
        StartSelectingBand(e, true);
        return ToolResult::Continue;
    }
    TBauteil* found = p.HitElement(e.pos, true);
    if (!found) found = p.HitElement(e.pos, false);
    if (!found) {
        StartSelectingBand(e, false);
        return ToolResult::Continue;
    }
    if (e.shift) {
        p.SelectElement(found, !found->GetSelected());
        p.InvalidateElement(found);
        p.UpdateSelectionFrame();
        return ToolResult::Continue;
    }
    if (!found->GetSelected()) {
        p.DeselectAllExcept(found);
        p.SelectElement(found, true);
        p.InvalidateElement(found);
    }
    p.SetStatus(Tr("Verschieben...", "Moving..."), "");
    p.BeginMove({e.pos.x + p.ScrollX, e.pos.y + p.ScrollY});
    p.SetPointerHidden(true);
    return ToolResult::Continue;
}

void SelectTool::StartSelectingBand(const MouseEvent& e, bool withStatus) {
    TPlatine& p = panel_;
    if (!e.shift) p.SelectAll(false);
    p.RemoveFrame();
    p.StartBand(e.pos, 2);
    if (withStatus) p.SetStatus(Tr("Objektauswahl...", "Selecting..."), "");
}

ToolResult SelectTool::Move(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (p.FrameDragging())
        p.FrameDragTo(e);
    else if (p.Selector)
        p.FollowBand(e.pos);
    else
        p.DragSelectionTo(e.pos);
    return ToolResult::Continue;
}

ToolResult SelectTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (!e.Left()) return ToolResult::Continue;
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
    return ToolResult::Continue;
}

}  // namespace pw
