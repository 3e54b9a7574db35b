#include "panel/tools/paste_tool.h"

#include "panel/platine.h"

namespace pw {

void PasteTool::Move(const MouseEvent& e) {
    panel_.DragSelectionTo(e.pos);
}

void PasteTool::Release(const MouseEvent& e) {
    if (e.Left() || e.Right()) panel_.EndSelectionDrag(e.pos, e.Right());
}

}  // namespace pw
