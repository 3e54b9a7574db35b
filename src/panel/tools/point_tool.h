#pragma once
// PointTool: a left press puts the marker point at the snapped point.

#include "panel/tools/panel_tool.h"

namespace pw {

class PointTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Press(const MouseEvent& e) override;
};

}  // namespace pw
