#include "panel/tools/point_tool.h"

#include "panel/platine.h"

namespace pw {

ToolResult PointTool::Press(const MouseEvent& e) {
    if (!e.Left()) return ToolResult::Continue;
    panel_.MarkerPoint = panel_.SnapAt(e.pos);
    panel_.Repaint();
    return ToolResult::Continue;
}

}  // namespace pw
