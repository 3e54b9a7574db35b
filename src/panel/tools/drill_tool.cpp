#include "panel/tools/drill_tool.h"

#include "elements/bohrung.h"
#include "panel/platine.h"

namespace pw {

ToolResult DrillTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (e.Right()) return ToolResult::Done;
    if (!e.Left()) return ToolResult::Continue;
    MPoint m = p.SnapAt(e.pos);
    auto* drill = p.BeginConstruction<TBohrung>(StepKind::DrillHole, true, [&](TBohrung& d) {
        d.Centre = m;
        d.Diameter = p.LastDrillDiameter;
    });
    // The tool stays for the next hole either way.
    if (drill->EditProperties()) {
        p.ReleaseConstruction();
        p.LastDrillDiameter = drill->Diameter;
        p.InvalidateElement(drill);
    } else {
        p.DeleteElement(drill);
    }
    return ToolResult::Continue;
}

}  // namespace pw
