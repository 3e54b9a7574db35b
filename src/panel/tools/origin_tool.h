#pragma once
// OriginTool: a left release moves the grid origin to the snapped point; either button then
// leaves the tool.

#include "panel/tools/panel_tool.h"

namespace pw {

class OriginTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Release(const MouseEvent& e) override;
};

}  // namespace pw
