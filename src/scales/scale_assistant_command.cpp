#include "scales/scale_assistant_command.h"

namespace pw {

Color MarkingColour(const TPlatine& panel) {
    return (panel.ContrastColor() ^ panel.GetFrontplattenFarbe()) & 0xFFFFFF;
}

void PlaceAssistantScale(ScaleAssistant& assistant, TPlatine& panel, ElementClipboard& clipboard) {
    const Color marking = MarkingColour(panel);
    TPlatine& preview = assistant.Preview();
    preview.SelectAll(true);
    assistant.Scale().SetStiftFarbe(marking);
    preview.CopySelection(clipboard.stream);
    // The preview keeps showing the scale as it was built.
    assistant.Scale().SetStiftFarbe(kBlack);
    preview.SelectAll(false);

    const size_t before = panel.ElementCount();
    panel.SaveUndo();
    panel.PasteFrom(clipboard.stream);
    if (panel.ElementCount() > before) panel.Element(panel.ElementCount() - 1)->SetStiftFarbe(marking);
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
