#include "panel/tools/rect_tool.h"

#include <algorithm>

#include "elements/rechteck.h"
#include "panel/platine.h"

namespace pw {

void RectTool::Press(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (e.Right()) {
        if (p.Selector)
            p.TakeBand();
        else
            p.EndOperation();
        return;
    }
    if (!e.Left()) return;
    if (!p.Selector) {
        p.SelectAll(false);
        int32_t penPixels = std::max(1, RoundToInt(p.CurrentPenWidth * p.Zoom() / kUnitsPerMm));
        p.StartBand(p.ModelToView(p.SnapAt(e.pos)), penPixels);
        return;
    }
    std::optional<TSelector> band = p.TakeBand();
    if (band->BandWidth() < 5 || band->BandHeight() < 5) return;
    IRect b = band->Band();
    MPoint corners[4] = {p.SnapAt({b.x1, b.y1}), p.SnapAt({b.x2, b.y1}), p.SnapAt({b.x2, b.y2}),
                         p.SnapAt({b.x1, b.y2})};
    p.SaveUndo();
    auto rect = std::make_unique<TRechteck>();
    rect->KindCode = kKindCode;
    p.GiveCurrentAttributes(*rect, false);
    for (const MPoint& c : corners) rect->AddPoint(c);
    p.State.underConstruction = p.AppendNewElement(std::move(rect));
    p.EndOperation();
}

void RectTool::Move(const MouseEvent& e) {
    panel_.FollowBand(e.pos);
}

}  // namespace pw
