#pragma once
// ZoomTool: a left click zooms in by 1.4 about the point, a left band is fitted into the view,
// a right click zooms out by 1.4.

#include "panel/tools/panel_tool.h"

namespace pw {

class ZoomTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Press(const MouseEvent& e) override;
    ToolResult Move(const MouseEvent& e) override;
    ToolResult Release(const MouseEvent& e) override;
};

}  // namespace pw
