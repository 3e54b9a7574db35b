#pragma once
// PasteTool: pasted elements and placed symbols follow the pointer; releasing the left button
// drops them, releasing the right button takes the paste back.

#include "panel/tools/panel_tool.h"

namespace pw {

class PasteTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Move(const MouseEvent& e) override;
    ToolResult Release(const MouseEvent& e) override;
};

}  // namespace pw
