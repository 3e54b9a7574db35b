#pragma once
// ArcTool: three releases make an arc. The first fixes the centre, the second the radius (a
// beep when it lies on the centre), the third the end direction; the pending point follows
// the pointer with exclusive-or feedback, the right button takes the arc back.

#include "panel/tools/panel_tool.h"

namespace pw {

class ArcTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Move(const MouseEvent& e) override;
    ToolResult Release(const MouseEvent& e) override;

    // Radius points this close to the centre are refused.
    static constexpr Real kMinRadius = 0.001L;
};

}  // namespace pw
