#include "panel/dialog_commands.h"

#include "core/language.h"
#include "elements/bohrung.h"
#include "elements/textlabel.h"

namespace pw {

// --- Element properties ---

bool EditElementProperties(TPlatine& panel, TBauteil& element) {
    panel.SaveUndo(StepKind::Properties);
    panel.RemoveFrame();
    panel.InvalidateElement(&element);
    const bool confirmed = element.EditProperties();
    if (confirmed) {
        if (auto* text = dynamic_cast<TTextLabel*>(&element)) {
            text->ApplyEditedText();
            panel.CurrentFont = text->LabelFont();
        } else if (auto* drill = dynamic_cast<TBohrung*>(&element)) {
            panel.LastDrillDiameter = drill->Diameter;
        }
    }
    panel.InvalidateElement(&element);
    panel.UpdateSelectionFrame();
    return confirmed;
}

PropertiesOutcome ElementPropertiesCommand(TPlatine& panel) {
    if (!panel.HasSelection()) return PropertiesOutcome::PanelProperties;
    TBauteil* current = panel.CurrentElement();
    if (!current || !current->GetSelected()) return PropertiesOutcome::Nothing;
    return EditElementProperties(panel, *current) ? PropertiesOutcome::Confirmed
                                                  : PropertiesOutcome::Cancelled;
}

// --- Regular polygon ---

TPolygon* RegularPolygonCommand(TPlatine& panel, const RegularPolygonInput& values) {
    std::unique_ptr<TPolygon> polygon = BuildRegularPolygonFor(panel, values);
    panel.SaveUndo(StepKind::RegularPolygon);
    panel.SelectAll(false);
    // Drawn like its neighbours in the outline view.
    polygon->SetUmrissFlag(panel.UmrissModus());
    auto* added = static_cast<TPolygon*>(panel.AddElement(std::move(polygon)));
    panel.SelectElement(added, true);
    panel.InvalidateElement(added);
    panel.Repaint();
    panel.UpdateSelectionFrame();
    return added;
}

// --- Grid dialog ---

GridDialogValues GridDialogValuesOf(const TPlatine& panel) {
    const char sep = DecimalSeparator();
    GridDialogValues v;
    v.originX = FormatGeneral(panel.GridOrigin.x / kUnitsPerMm, 15, sep);
    v.originY = FormatGeneral(panel.GridOrigin.y / kUnitsPerMm, 15, sep);
    v.spacing = FormatGeneral(panel.SnapSpacing / kUnitsPerMm, 15, sep);
    v.visible = panel.GridVisible;
    return v;
}

GridFieldRange RangeOf(GridField field) {
    return field == GridField::FangEdit ? GridFieldRange{1, 1000} : GridFieldRange{0, kMaxPanelSide};
}

std::optional<GridField> RejectedGridField(const GridDialogValues& values) {
    const std::pair<GridField, const std::string*> fields[] = {{GridField::UrsprungXEdit, &values.originX},
                                                               {GridField::UrsprungYEdit, &values.originY},
                                                               {GridField::FangEdit, &values.spacing}};
    for (const auto& [field, text] : fields) {
        const Real units = TextToNumber(*text) * kUnitsPerMm;
        const GridFieldRange range = RangeOf(field);
        if (units < range.minimum || units > range.maximum) return field;
    }
    return std::nullopt;
}

bool ApplyGridDialogValues(TPlatine& panel, const GridDialogValues& values) {
    if (RejectedGridField(values)) return false;
    const Real x = TextToNumber(values.originX) * kUnitsPerMm;
    const Real y = TextToNumber(values.originY) * kUnitsPerMm;
    const Real s = TextToNumber(values.spacing) * kUnitsPerMm;
    panel.SnapSpacing = s;
    panel.GridOrigin = {RoundEven(x), RoundEven(y)};
    panel.GridVisible = values.visible;
    return true;
}

bool GridCommand(TPlatine& panel, const GridDialogFunction& showDialog, const GridRejection& rejected) {
    panel.SaveUndo(StepKind::GridSettings);
    GridDialogValues shown = GridDialogValuesOf(panel);
    while (true) {
        std::optional<GridDialogValues> entered = showDialog(shown);
        if (!entered) return false;
        if (ApplyGridDialogValues(panel, *entered)) break;
        if (rejected) rejected(*RejectedGridField(*entered));
        shown = *entered;
    }
    panel.Repaint();
    return true;
}

}  // namespace pw
