#include "panel/tools/line_tool.h"

#include "elements/polygon.h"
#include "panel/platine.h"

namespace pw {

ToolResult LineTool::Press(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (e.Right()) {
        if (polygon_)
            if (auto* contour = dynamic_cast<TRechteck*>(p.State.underConstruction)) {
                contour->SetClosed(true);
                p.InvalidateElement(contour);
            }
        return ToolResult::Done;
    }
    if (!e.Left()) return ToolResult::Continue;
    MPoint m = p.SnapAt(e.pos);
    if (!anchor_) {
        p.SelectAll(false);
        p.SwitchCrosshair(false);
        anchor_ = RoundPoint(m);
        p.StartTempline(*anchor_);
        return ToolResult::Continue;
    }
    auto* line = dynamic_cast<TLinie*>(p.State.underConstruction);
    if (!line) {
        const IPoint a = *anchor_;
        auto start = [&](TLinie& made) {
            p.GiveCurrentAttributes(made, true);
            made.AddPoint({static_cast<Real>(a.x), static_cast<Real>(a.y)});
        };
        if (polygon_)
            line = p.BeginConstruction<TPolygon>(StepKind::Draw, false, start);
        else
            line = p.BeginConstruction<TLinie>(StepKind::Draw, false, start);
    }
    p.InvalidateElement(line);
    line->AddPoint(m);
    p.InvalidateElement(line);
    anchor_ = RoundPoint(m);
    p.MoveTempline(*anchor_, std::nullopt);
    return ToolResult::Continue;
}

ToolResult LineTool::Move(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (p.Templine) p.MoveTempline(std::nullopt, RoundPoint(p.SnapAt(e.pos)));
    return ToolResult::Continue;
}

}  // namespace pw
