#include "panel/edit_commands.h"

#include <algorithm>
#include <cmath>

namespace pw {

namespace {

// Runs f on every selected element, each repainted where it was and where it is afterwards.
template <class F>
void ForEachSelected(TPlatine& panel, F f) {
    for (const auto& owned : panel.Elements()) {
        TBauteil* e = owned.get();
        if (!e->GetSelected()) continue;
        panel.InvalidateElement(e);
        f(*e);
        panel.InvalidateElement(e);
    }
}

// A contour or milling change: the old bounds enlarged by 20 units are repainted, then the
// element in its new shape.
template <class F>
void ChangeSelectedContours(TPlatine& panel, F f) {
    for (const auto& owned : panel.Elements()) {
        TBauteil* e = owned.get();
        if (!e->GetSelected()) continue;
        MRect old = e->GetBounds().Normalised();
        f(*e);
        panel.InvalidateModelRect(old.Expanded(20));
        panel.InvalidateElement(e);
    }
    panel.UpdateSelectionFrame();
}

}  // namespace

// --- Bearbeiten ---

bool UndoCommand(TPlatine& panel) {
    return panel.Undo();
}

bool RedoCommand(TPlatine& panel) {
    return panel.Redo();
}

void CutCommand(TPlatine& panel, ElementClipboard& clipboard) {
    // Disabled without a selection; cutting nothing would only empty the clipboard.
    if (!panel.HasSelection()) return;
    panel.SaveUndo(StepKind::Cut);
    panel.CopySelection(clipboard.stream);
    clipboard.filled = true;
    panel.DeleteSelected();
}

void CopyCommand(TPlatine& panel, ElementClipboard& clipboard) {
    if (!panel.HasSelection()) return;
    panel.CopySelection(clipboard.stream);
    clipboard.filled = true;
}

void PasteCommand(TPlatine& panel, ElementClipboard& clipboard) {
    // Nothing to paste: the snapshot is kept, so that Undo still reverts the last change.
    if (!clipboard.filled || clipboard.stream.bytes.size() < 2) return;
    panel.NoteOperationStart();
    panel.SaveUndo(StepKind::Paste);
    panel.PasteFrom(clipboard.stream);
}

void DuplicateCommand(TPlatine& panel, ElementClipboard& clipboard) {
    if (!panel.HasSelection()) return;
    panel.NoteOperationStart();
    panel.SaveUndo(StepKind::Duplicate);
    panel.CopySelection(clipboard.stream);
    clipboard.filled = true;
    panel.PasteFrom(clipboard.stream);
}

void SelectAllCommand(TPlatine& panel) {
    panel.SettleSelection();
    panel.SelectAll(true);
}

void DeleteCommand(TPlatine& panel) {
    panel.SaveUndo(StepKind::Delete);
    panel.DeleteSelected();
}

// --- Anordnen ---

void ToFrontCommand(TPlatine& panel) {
    panel.SaveUndo(StepKind::ToFront);
    panel.BringToFront();
}

void ToBackCommand(TPlatine& panel) {
    panel.SaveUndo(StepKind::ToBack);
    panel.SendToBack();
}

void GroupCommand(TPlatine& panel) {
    // Disabled below two selected elements; a group of nothing would be an empty element.
    if (panel.SelectedCount() < 2) return;
    panel.Group();  // takes the snapshot itself
}

void UngroupCommand(TPlatine& panel) {
    panel.Ungroup();  // takes the snapshot itself when there is a group to dissolve
}

void MirrorCommand(TPlatine& panel, MirrorButton button) {
    panel.SaveUndo(StepKind::Mirror);
    panel.MirrorSelected(button == MirrorButton::an_Horizontal);
}

// --- Ausrichten ---

MPoint AlignOffset(AlignTag tag, const MRect& r, const MRect& b) {
    switch (tag) {
        case AlignTag::ar_links:
            return {r.x1 - b.x1, 0};
        case AlignTag::ar_hMitte:
            return {(r.x1 + r.x2) / 2 - (b.x1 + b.x2) / 2, 0};
        case AlignTag::ar_rechts:
            return {r.x2 - b.x2, 0};
        case AlignTag::ar_oben:
            return {0, r.y1 - b.y1};
        case AlignTag::ar_vMitte:
            return {0, (r.y1 + r.y2) / 2 - (b.y1 + b.y2) / 2};
        case AlignTag::ar_unten:
            return {0, r.y2 - b.y2};
    }
    return {0, 0};
}

void AlignCommand(TPlatine& panel, AlignTag tag) {
    panel.SaveUndo(StepKind::Align);
    TBauteil* reference = panel.CurrentElement();
    if (!reference) return;
    // The handles are taken off where they are before anything moves.
    panel.RemoveFrame();
    const MRect r = reference->GetBounds().Normalised();
    for (const auto& owned : panel.Elements()) {
        TBauteil* e = owned.get();
        if (e == reference || !e->GetSelected() || !e->NoReservedQuery()) continue;
        const MPoint d = AlignOffset(tag, r, e->GetBounds().Normalised());
        panel.InvalidateElement(e);
        e->Move(d);
        panel.InvalidateElement(e);
    }
    panel.UpdateSelectionFrame();
}

// --- Drehen ---

Real RotationStepDegrees(RotateTag tag, std::string_view text) {
    // A turn by a multiple of 360 degrees more is the same turn; reducing keeps the sine and
    // cosine of a huge typed number finite.
    const Real step = std::fmod(std::fabs(TextToNumber(text)), 360.0L);
    return tag == RotateTag::WinkelRechtsBtn ? -step : step;
}

void RotateStepCommand(TPlatine& panel, RotateTag tag, std::string_view text) {
    panel.SaveUndo(StepKind::Rotate);
    if (!panel.Sizer) return;
    const MRect frame = panel.Sizer->startRect;
    const MPoint centre = Midpoint({frame.x1, frame.y1}, {frame.x2, frame.y2});
    const Real degrees = RotationStepDegrees(tag, text);
    panel.RemoveFrame();
    ForEachSelected(panel, [&](TBauteil& e) {
        // An empty or unreadable step redraws the elements unchanged.
        if (degrees != 0) e.Rotate(centre, static_cast<double>(DegToRad(degrees)));
    });
    panel.UpdateSelectionFrame();
}

// --- Kontur and Fräsen ---

Real ContourAmountUnits(std::string_view text) {
    // A chamfer or rounding has a size, not a direction: a typed minus sign is ignored, and the
    // distance stays within the coordinate range.
    return std::min<Real>(std::fabs(TextToNumber(text)) * kUnitsPerMm, kCoordLimit);
}

void ContourCommand(TPlatine& panel, ContourTag tag, std::string_view text) {
    panel.SaveUndo(StepKind::Contour);
    const Real amount = ContourAmountUnits(text);
    ChangeSelectedContours(panel, [&](TBauteil& e) {
        switch (tag) {
            case ContourTag::sB_KonturNormal:
                e.SetGlaetten(false);
                break;
            case ContourTag::sb_Splines:
                e.SetGlaetten(true);
                e.SetGlaettenStil(glSpline);
                break;
            case ContourTag::sb_Fase:
            case ContourTag::sb_Runden:
                e.SetGlaetten(true);
                e.SetGlaettenStil(tag == ContourTag::sb_Fase ? glFase : glRundung);
                e.SetGlaettenBetrag(amount);
                break;
        }
    });
}

void MillingCommand(TPlatine& panel, MillingTag tag) {
    panel.SaveUndo(StepKind::Milling);
    ChangeSelectedContours(panel, [&](TBauteil& e) { e.SetFraesen(tag == MillingTag::sb_Fraesen); });
}

// --- Ansicht ---

void DisplaySwitchCommand(TPlatine& panel, DisplayTag tag, bool pressed) {
    switch (tag) {
        case DisplayTag::UmrissBtn:
            panel.SetUmrissModus(pressed);
            break;
        case DisplayTag::MasseBtn:
            panel.SetMitBemassung(pressed);
            break;
        case DisplayTag::BohrenBtn:
            panel.SetMitBohren(pressed);
            break;
        case DisplayTag::SymboleBtn:
            panel.SetMitSymbolen(pressed);
            break;
    }
}

bool ToggleGridCommand(TPlatine& panel) {
    panel.SaveUndo(StepKind::Grid);
    panel.GridVisible = !panel.GridVisible;
    panel.Repaint();
    return panel.GridVisible;
}

}  // namespace pw
