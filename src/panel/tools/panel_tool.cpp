#include "panel/tools/panel_tool.h"

#include "panel/platine.h"
#include "panel/tools/arc_tool.h"
#include "panel/tools/circle_tool.h"
#include "panel/tools/dimension_tool.h"
#include "panel/tools/drill_tool.h"
#include "panel/tools/line_tool.h"
#include "panel/tools/origin_tool.h"
#include "panel/tools/paste_tool.h"
#include "panel/tools/picture_tool.h"
#include "panel/tools/point_tool.h"
#include "panel/tools/rect_tool.h"
#include "panel/tools/select_tool.h"
#include "panel/tools/text_tool.h"
#include "panel/tools/zoom_tool.h"

namespace pw {

std::unique_ptr<PanelTool> MakeTool(TEditMode mode, TPlatine& panel) {
    switch (mode) {
        case emZoom:
            return std::make_unique<ZoomTool>(panel);
        case emPaste:
            return std::make_unique<PasteTool>(panel);
        case emUrsprung:
            return std::make_unique<OriginTool>(panel);
        case emLinie:
            return std::make_unique<LineTool>(panel, false);
        case emPolygon:
            return std::make_unique<LineTool>(panel, true);
        case emBohren:
            return std::make_unique<DrillTool>(panel);
        case emKreis:
            return std::make_unique<CircleTool>(panel);
        case emRect:
            return std::make_unique<RectTool>(panel);
        case emBogen:
            return std::make_unique<ArcTool>(panel);
        case emBitmap:
        case emMeta:
            return std::make_unique<PictureTool>(panel);
        case emPoint:
            return std::make_unique<PointTool>(panel);
        case emText:
            return std::make_unique<TextTool>(panel);
        case emBemassung:
            return std::make_unique<DimensionTool>(panel);
        case emStandard:
        case emDrehen:
        default:
            return std::make_unique<SelectTool>(panel);
    }
}

}  // namespace pw
