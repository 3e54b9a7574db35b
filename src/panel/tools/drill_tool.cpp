#include "panel/tools/drill_tool.h"

#include "elements/bohrung.h"
#include "panel/platine.h"

namespace pw {

void DrillTool::Release(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (e.Right()) {
        p.EndOperation();
        return;
    }
    if (!e.Left()) return;
    MPoint m = p.SnapAt(e.pos);
    p.SaveUndo();
    p.SelectAll(false);
    auto created = std::make_unique<TBohrung>();
    created->Centre = m;
    created->Diameter = p.LastDrillDiameter;
    auto* drill = static_cast<TBohrung*>(p.AppendNewElement(std::move(created)));
    if (drill->EditProperties()) {
        p.LastDrillDiameter = drill->Diameter;
        p.InvalidateElement(drill);
    } else {
        p.DeleteElement(drill);
    }
}

}  // namespace pw
