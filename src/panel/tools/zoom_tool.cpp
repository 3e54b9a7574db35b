#include "panel/tools/zoom_tool.h"

#include "panel/platine.h"

namespace pw {

ToolResult ZoomTool::Press(const MouseEvent& e) {
    if (e.Left())
        panel_.StartBand(e.pos, 2);
    else if (e.Right())
        panel_.ZoomOutAt(e.pos);
    return ToolResult::Continue;
}

ToolResult ZoomTool::Move(const MouseEvent& e) {
    panel_.FollowBand(e.pos);
    return ToolResult::Continue;
}

ToolResult ZoomTool::Release(const MouseEvent& e) {
    if (!e.Left()) return ToolResult::Continue;
    if (std::optional<TSelector> band = panel_.TakeBand()) panel_.ZoomToBand(band->Band());
    return ToolResult::Continue;
}

}  // namespace pw
