#pragma once
// TextTool: a press places a new text at the snapped point in the current font and colour and
// opens its dialog; confirmed, the text is added with the entered wording, cancelled, it is
// dropped. Either way the tool ends.

#include "panel/tools/panel_tool.h"

namespace pw {

class TextTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Press(const MouseEvent& e) override;
};

}  // namespace pw
