#include "panel/tools/origin_tool.h"

#include "panel/platine.h"

namespace pw {

void OriginTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (!e.Left() && !e.Right()) return;
    p.SaveUndo();
    if (e.Left()) p.GridOrigin = p.SnapAt(e.pos);
    p.Repaint();
    if (p.OnChange) p.OnChange();
    p.EndOperation();
}

}  // namespace pw
