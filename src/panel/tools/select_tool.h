#pragma once
// SelectTool: the resting mode and the rotate mode. A click selects (Shift toggles), a press on
// empty space or beside every element starts a rubber band, a press on an element starts moving
// the selection, a press on a handle of the frame resizes or rotates the selection; the right
// button asks for the pop-up menu.

#include "panel/tools/panel_tool.h"

namespace pw {

class SelectTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Press(const MouseEvent& e) override;
    ToolResult Move(const MouseEvent& e) override;
    ToolResult Release(const MouseEvent& e) override;

  private:
    void StartSelectingBand(const MouseEvent& e, bool withStatus);
};

}  // namespace pw
