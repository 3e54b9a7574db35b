#pragma once
// DimensionTool: three releases make a dimension. The first fixes both measured points, the
// second point then follows the pointer (the dimension line through their midpoint); the
// second release fixes it, the offset point follows; the third release fixes that. The right
// button ends the tool, keeping what was built.

#include "panel/tools/panel_tool.h"

namespace pw {

class DimensionTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Move(const MouseEvent& e) override;
    ToolResult Release(const MouseEvent& e) override;
};

}  // namespace pw
