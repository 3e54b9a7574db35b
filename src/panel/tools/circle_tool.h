#pragma once
// CircleTool: the first release fixes the centre, the radius follows the pointer as an
// exclusive-or circle, the second release fixes it (at least the pen width and 10 units); the
// right button takes the circle back.

#include "panel/tools/panel_tool.h"

namespace pw {

class CircleTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Move(const MouseEvent& e) override;
    ToolResult Release(const MouseEvent& e) override;

    static constexpr Real kMinRadius = 10;
};

}  // namespace pw
