#pragma once
// RectTool: a rectangle between two presses. The first press starts a band as wide as the
// current pen, the second press makes the rectangle from the band's snapped corners; the right
// button drops the band or leaves the tool.

#include "panel/tools/panel_tool.h"

namespace pw {

class RectTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Press(const MouseEvent& e) override;
    ToolResult Move(const MouseEvent& e) override;

    // Kind code of rectangles drawn with the tool.
    static constexpr uint8_t kKindCode = 4;
};

}  // namespace pw
