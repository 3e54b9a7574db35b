#include "panel/tools/zoom_tool.h"

#include "panel/platine.h"

namespace pw {

void ZoomTool::Press(const MouseEvent& e) {
    if (e.Left())
        panel_.StartBand(e.pos, 2);
    else if (e.Right())
        panel_.ZoomOutAt(e.pos);
}

void ZoomTool::Move(const MouseEvent& e) {
    panel_.FollowBand(e.pos);
}

void ZoomTool::Release(const MouseEvent& e) {
    if (!e.Left()) return;
    if (std::optional<TSelector> band = panel_.TakeBand()) panel_.ZoomToBand(band->Band());
}

}  // namespace pw
