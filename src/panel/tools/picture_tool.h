#pragma once
// PictureTool: places the picture the program has just appended (emBitmap, emMeta). A left
// press puts the picture's lower-left corner on the snapped point at the picture's own size,
// halved until it fits the panel; the right button takes the picture back.
//
// A bitmap is placed at its pixels at its resolution, a metafile at its frame; tests may install
// a query of their own. For an element that is no picture the press only leaves the tool.

#include <functional>
#include <optional>

#include "core/geometry.h"
#include "panel/tools/panel_tool.h"

namespace pw {

class TBauteil;

class PictureTool : public PanelTool {
  public:
    using PanelTool::PanelTool;
    ToolResult Press(const MouseEvent& e) override;
    // The picture the program appended last, until it is placed.
    TBauteil* Unfinished() const override;

    // The natural size of a picture element in model units, or nothing for other elements;
    // nullptr restores the pictures' own.
    using SizeQuery = std::function<std::optional<MPoint>(TBauteil& element)>;
    static void SetSizeQuery(SizeQuery query);

    // Natural sizes in model units: a bitmap of pixels at dots per inch, a metafile of
    // 1/100 mm.
    static MPoint BitmapSize(int32_t widthPixels, int32_t heightPixels, int32_t dpiX, int32_t dpiY);
    static MPoint MetafileSize(int32_t widthHundredthMm, int32_t heightHundredthMm);
    // The size halved in both directions until it fits the panel.
    static MPoint FitToPanel(MPoint size, Real panelWidth, Real panelHeight);
};

}  // namespace pw
