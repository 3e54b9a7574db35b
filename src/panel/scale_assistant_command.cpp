#include "panel/scale_assistant_command.h"

#include "elements/gruppe.h"

namespace pw {

namespace {

// The fills the generator makes black (texts, arc bands) take the colour too; the red and green
// segment bands keep theirs.
void ColourBlackFills(const TGruppe& group, Color colour) {
    for (const auto& m : group.Members()) {
        if (auto* sub = dynamic_cast<const TGruppe*>(m.get()))
            ColourBlackFills(*sub, colour);
        else if (m->BrushFarbe() == kBlack)
            m->SetBrushFarbe(colour);
    }
}

}  // namespace

void ColourScale(TBauteil& scale, Color colour) {
    scale.SetStiftFarbe(colour);
    if (auto* group = dynamic_cast<TGruppe*>(&scale)) ColourBlackFills(*group, colour);
}

Color MarkingColour(const TPlatine& panel) {
    return (panel.ContrastColor() ^ panel.GetFrontplattenFarbe()) & 0xFFFFFF;
}

void PlaceAssistantScale(ScaleAssistant& assistant, TPlatine& panel, ElementClipboard& clipboard) {
    const Color marking = MarkingColour(panel);
    TPlatine& preview = assistant.Preview();
    preview.SelectAll(true);
    ColourScale(assistant.Scale(), marking);
    preview.CopySelection(clipboard.stream);
    preview.SelectAll(false);
    // The preview shows the scale as it was built.
    assistant.Scale().Build();

    const size_t before = panel.ElementCount();
    panel.SaveUndo(StepKind::Scale);
    panel.PasteFrom(clipboard.stream);
    if (panel.ElementCount() > before) ColourScale(*panel.Element(panel.ElementCount() - 1), marking);
}

bool ScaleAssistantCommand(TPlatine& panel, ElementClipboard& clipboard, ScaleAssistant& assistant,
                           const std::function<bool()>& runAssistant) {
    // The snapshot is taken only when the scale comes: the panel does not change while the
    // assistant is open, and a cancelled assistant leaves Undo as it was.
    if (!runAssistant()) return false;
    PlaceAssistantScale(assistant, panel, clipboard);
    return true;
}

}  // namespace pw
