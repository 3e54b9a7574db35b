#include "panel/tools/paste_tool.h"

#include "panel/platine.h"

namespace pw {

ToolResult PasteTool::Move(const MouseEvent& e) {
    panel_.DragSelectionTo(e.pos);
    return ToolResult::Continue;
}

ToolResult PasteTool::Release(const MouseEvent& e) {
    if (e.Left() || e.Right()) panel_.EndSelectionDrag(e.pos, e.Right());
    return ToolResult::Continue;
}

}  // namespace pw
