#include "panel/tools/line_tool.h"

#include "elements/polygon.h"
#include "panel/platine.h"

namespace pw {

void LineTool::Press(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (e.Right()) {
        if (polygon_)
            if (auto* contour = dynamic_cast<TRechteck*>(p.State.underConstruction)) {
                contour->SetClosed(true);
                p.InvalidateElement(contour);
            }
        p.EndOperation();
        return;
    }
    if (!e.Left()) return;
    MPoint m = p.SnapAt(e.pos);
    if (!p.State.dragging) {
        p.SelectAll(false);
        p.SwitchCrosshair(false);
        p.State.dragAnchor = RoundPoint(m);
        p.StartTempline(p.State.dragAnchor);
        p.State.dragging = true;
        return;
    }
    auto* line = dynamic_cast<TLinie*>(p.State.underConstruction);
    if (!line) {
        p.SaveUndo();
        std::unique_ptr<TLinie> created;
        if (polygon_)
            created = std::make_unique<TPolygon>();
        else
            created = std::make_unique<TLinie>();
        p.GiveCurrentAttributes(*created, true);
        IPoint a = p.State.dragAnchor;
        created->AddPoint({static_cast<Real>(a.x), static_cast<Real>(a.y)});
        line = static_cast<TLinie*>(p.AppendNewElement(std::move(created)));
        p.State.underConstruction = line;
    }
    p.InvalidateElement(line);
    line->AddPoint(m);
    p.InvalidateElement(line);
    p.State.dragAnchor = RoundPoint(m);
    p.MoveTempline(p.State.dragAnchor, std::nullopt);
}

void LineTool::Move(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (p.Templine) p.MoveTempline(std::nullopt, RoundPoint(p.SnapAt(e.pos)));
}

}  // namespace pw
