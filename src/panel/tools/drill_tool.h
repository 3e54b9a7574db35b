#pragma once
// DrillTool: each left release places a drill hole of the last diameter and opens its dialog;
// confirmed, the diameter is remembered, cancelled, the hole goes again. The right button
// leaves the tool.

#include "panel/tools/panel_tool.h"

namespace pw {

class DrillTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Release(const MouseEvent& e) override;
};

}  // namespace pw
