#include "panel/tools/rect_tool.h"

#include <algorithm>

#include "elements/rechteck.h"
#include "panel/platine.h"

namespace pw {

ToolResult RectTool::Press(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (e.Right()) {
        if (!p.Selector) return ToolResult::Done;
        p.TakeBand();
        return ToolResult::Continue;
    }
    if (!e.Left()) return ToolResult::Continue;
    if (!p.Selector) {
        p.SelectAll(false);
        int32_t penPixels = std::max(1, RoundToInt(p.CurrentPenWidth * p.Zoom() / kUnitsPerMm));
        p.StartBand(p.ModelToView(p.SnapAt(e.pos)), penPixels);
        return ToolResult::Continue;
    }
    std::optional<TSelector> band = p.TakeBand();
    if (band->BandWidth() < 5 || band->BandHeight() < 5) return ToolResult::Continue;
    IRect b = band->Band();
    MPoint corners[4] = {p.SnapAt({b.x1, b.y1}), p.SnapAt({b.x2, b.y1}), p.SnapAt({b.x2, b.y2}),
                         p.SnapAt({b.x1, b.y2})};
    p.BeginConstruction<TRechteck>(StepKind::Draw, false, [&](TRechteck& rect) {
        rect.KindCode = kKindCode;
        p.GiveCurrentAttributes(rect, false);
        for (const MPoint& c : corners) rect.AddPoint(c);
    });
    return ToolResult::Done;
}

ToolResult RectTool::Move(const MouseEvent& e) {
    panel_.FollowBand(e.pos);
    return ToolResult::Continue;
}

}  // namespace pw
