#include "panel/tools/text_tool.h"

#include "core/language.h"
#include "elements/textlabel.h"
#include "panel/platine.h"

namespace pw {

ToolResult TextTool::Press(const MouseEvent& e) {
    TPlatine& p = panel_;
    if (!e.Left()) return ToolResult::Done;
    p.SelectAll(false);
    auto text =
        std::make_unique<TTextLabel>(p.CurrentFont, Tr("Beschriftung", "Inscription"), p.SnapAt(e.pos));
    text->SetUmrissFlag(p.UmrissModus());
    text->SetStiftFarbe(p.CurrentFontColor);
    text->SetBrushFarbe(p.CurrentFontColor);
    text->SetBrushStyle(bsSolid);
    text->SetStiftBreite(0);
    text->SetFuellenFlag(true);
    // Shown selected while its dialog is open; it joins the panel, with its undo step, only
    // when confirmed.
    text->SetSelected(true);
    Canvas& c = p.GetCanvas();
    p.PrepareCanvas(c);
    text->Paint(c);
    const MRect shown = text->GetBounds();
    if (text->EditProperties()) {
        text->SetLabelText(text->EditedText);
        text->Measure();
        text->SetSelected(false);
        p.AddConstructed(std::move(text), StepKind::Text);
    }
    p.InvalidateModelRect(shown);
    return ToolResult::Done;
}

}  // namespace pw
