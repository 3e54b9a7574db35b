#include "panel/tools/origin_tool.h"

#include "panel/platine.h"

namespace pw {

ToolResult OriginTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (!e.Left() && !e.Right()) return ToolResult::Continue;
    if (e.Left()) p.MoveGridOrigin(p.SnapAt(e.pos));
    p.Repaint();
    if (p.OnChange) p.OnChange();
    return ToolResult::Done;
}

}  // namespace pw
