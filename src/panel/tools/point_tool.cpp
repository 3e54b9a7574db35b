#include "panel/tools/point_tool.h"

#include "panel/platine.h"

namespace pw {

void PointTool::Press(const MouseEvent& e) {
    if (!e.Left()) return;
    panel_.MarkerPoint = panel_.SnapAt(e.pos);
    panel_.Repaint();
}

}  // namespace pw
