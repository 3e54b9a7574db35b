#pragma once
// LineTool: lines (emLinie) and polygons (emPolygon), vertex by vertex. The first press fixes
// the start, a temporary line follows the pointer, each further press adds a vertex, the right
// button ends the line or closes the polygon.

#include <optional>

#include "core/geometry.h"
#include "panel/tools/panel_tool.h"

namespace pw {

class LineTool : public PanelTool {
  public:
    LineTool(TPlatine& panel, bool polygon) : PanelTool(panel), polygon_(polygon) {}
    ToolResult Press(const MouseEvent& e) override;
    ToolResult Move(const MouseEvent& e) override;
    void Reset() override { anchor_.reset(); }

  private:
    bool polygon_;
    // The last fixed vertex (model units, rounded), from the first press on.
    std::optional<IPoint> anchor_;
};

}  // namespace pw
