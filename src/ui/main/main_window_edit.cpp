// The edit commands on the current panel: each runs the command of the model and refreshes the
// states of the menu items and buttons after it.
#include <QAction>
#include <QLineEdit>

#include "panel/attribute_commands.h"
#include "panel/dialog_commands.h"
#include "panel/scale_assistant_command.h"
#include "scales/scale_memory.h"
#include "ui/dialogs/decimal_validator.h"
#include "ui/dialogs/raster_dlg.h"
#include "ui/main/main_window.h"
#include "ui/main/texts.h"
#include "ui/main/tool_palette.h"
#include "ui/main/user_prompts.h"
#include "ui/main/window_dialogs.h"
#include "ui/panel/panel_view.h"

namespace pw {

template <class F>
void MainWindow::Edit(F f) {
    if (tabs_.empty()) return;
    f(CurrentPanel());
    // The status line follows what the command changed under the pointer.
    CurrentPanel().RefreshStatus();
    RefreshCommandStates();
}

std::optional<QString> MainWindow::FieldNumber(QLineEdit* field, const char* hintName, const char* unitName) {
    if (field->hasAcceptableInput()) return field->text();
    const auto* range = static_cast<const DecimalValidator*>(field->validator());
    prompts_->Warning(this, InvalidInputTitle(),
                      RangeMessage(Hint(hintName), range->Minimum(), range->Maximum(), Caption(unitName)));
    field->setFocus();
    return std::nullopt;
}

std::optional<QString> MainWindow::ContourAmountText() {
    return FieldNumber(lEdit_, "L_Edit", "EinheitLabel");
}

std::optional<QString> MainWindow::AngleText() {
    return FieldNumber(winkelEdit_, "Winkel_Edit", "Label1");
}

void MainWindow::CutSlot() {
    Edit([this](TPlatine& p) { CutCommand(p, clipboard_); });
}

void MainWindow::CopySlot() {
    Edit([this](TPlatine& p) { CopyCommand(p, clipboard_); });
}

void MainWindow::PasteSlot() {
    Edit([this](TPlatine& p) { PasteCommand(p, clipboard_); });
}

void MainWindow::DuplicateSlot() {
    Edit([this](TPlatine& p) { DuplicateCommand(p, clipboard_); });
}

void MainWindow::SelectAllSlot() {
    Edit([](TPlatine& p) { SelectAllCommand(p); });
}

void MainWindow::DeleteSlot() {
    Edit([](TPlatine& p) { DeleteCommand(p); });
}

void MainWindow::ToFrontSlot() {
    Edit([](TPlatine& p) { ToFrontCommand(p); });
}

void MainWindow::ToBackSlot() {
    Edit([](TPlatine& p) { ToBackCommand(p); });
}

void MainWindow::GroupSlot() {
    Edit([](TPlatine& p) { GroupCommand(p); });
}

void MainWindow::UngroupSlot() {
    Edit([](TPlatine& p) { UngroupCommand(p); });
}

void MainWindow::MirrorSlot(int button) {
    Edit([button](TPlatine& p) { MirrorCommand(p, static_cast<MirrorButton>(button)); });
}

void MainWindow::AlignSlot(int tag) {
    Edit([tag](TPlatine& p) { AlignCommand(p, static_cast<AlignTag>(tag)); });
}

void MainWindow::RotateSlot(int tag) {
    const std::optional<QString> text = AngleText();
    if (!text) return;
    const std::string angle = text->toStdString();
    Edit([tag, &angle](TPlatine& p) { RotateStepCommand(p, static_cast<RotateTag>(tag), angle); });
}

void MainWindow::ContourSlot(int tag) {
    // Only a chamfer and a rounding take the amount.
    const bool withAmount =
        tag == static_cast<int>(ContourTag::sb_Fase) || tag == static_cast<int>(ContourTag::sb_Runden);
    const std::optional<QString> text = withAmount ? ContourAmountText() : std::optional<QString>(QString());
    if (!text) return;
    const std::string amount = text->toStdString();
    Edit([tag, &amount](TPlatine& p) { ContourCommand(p, static_cast<ContourTag>(tag), amount); });
}

void MainWindow::MillingSlot(int tag) {
    Edit([tag](TPlatine& p) { MillingCommand(p, static_cast<MillingTag>(tag)); });
}

void MainWindow::DisplaySlot(int tag, bool pressed) {
    Edit([tag, pressed](TPlatine& p) { DisplaySwitchCommand(p, static_cast<DisplayTag>(tag), pressed); });
    CurrentView().RepaintPanel();
}

void MainWindow::GridButtonSlot() {
    bool shown = false;
    Edit([&shown](TPlatine& p) { shown = ToggleGridCommand(p); });
    Action("RasterBtn")->setChecked(shown);
    CurrentView().RepaintPanel();
}

void MainWindow::ElementPropertiesSlot() {
    PropertiesOutcome outcome = PropertiesOutcome::Nothing;
    RunModal([this, &outcome] { outcome = ElementPropertiesCommand(CurrentPanel()); });
    if (outcome == PropertiesOutcome::PanelProperties) {
        PanelPropertiesCommand();
        return;
    }
    RefreshCommandStates();
}

void MainWindow::PenChanged(const PenValues& pen) {
    Edit([&pen](TPlatine& p) { TakePen(p, pen); });
}

void MainWindow::BrushChanged(const BrushValues& brush) {
    Edit([&brush](TPlatine& p) { TakeBrush(p, brush); });
}

void MainWindow::FontChanged(const FontValues& font) {
    Edit([&font](TPlatine& p) { TakeFont(p, font); });
}

void MainWindow::PenApplied(int code, const PenValues& pen) {
    Edit([code, &pen](TPlatine& p) { AssignPen(p, code, pen); });
}

void MainWindow::BrushApplied(int code, const BrushValues& brush) {
    Edit([code, &brush](TPlatine& p) { AssignBrush(p, code, brush); });
}

void MainWindow::FontApplied(int code, const FontValues& font) {
    Edit([code, &font](TPlatine& p) { AssignFont(p, code, font); });
}

void MainWindow::GridDialogCommand() {
    RunModal([this] {
        const bool accepted = GridCommand(
            CurrentPanel(), [this](const GridDialogValues& shown) { return dialogs_->Grid(this, shown); },
            [this](GridField field) {
                prompts_->Warning(this, InvalidInputTitle(),
                                  GridRangeMessage(field, Caption("EinheitLabel")));
            });
        if (!accepted) return;
        UpdateRulers(true);
        RefreshCommandStates();
        CurrentView().RepaintPanel();
    });
}

void MainWindow::SetOriginCommand() {
    Edit([](TPlatine& p) { p.SetEditMode(emUrsprung); });
    palette_->ShowPressed(ToolPalette::kUrsprung);
}

void MainWindow::RegularPolygonCommand() {
    RunModal([this] {
        if (std::optional<RegularPolygonInput> input = dialogs_->RegularPolygon(this))
            pw::RegularPolygonCommand(CurrentPanel(), *input);
    });
    // The new polygon is selected; the selecting tool takes over.
    CurrentPanel().SetEditMode(emStandard);
    palette_->ShowPressed(ToolPalette::kStandard);
    RefreshCommandStates();
}

void MainWindow::ScaleAssistantCommand() {
    if (tabs_.empty()) return;
    RunModal([this] {
        pw::ScaleAssistantCommand(CurrentPanel(), clipboard_, *scaleAssistant_, [this] {
            return dialogs_->RunScaleAssistant(this, *scaleAssistant_, *prompts_);
        });
        // Kept for the next run; written with the other settings when the program closes.
        RememberScale(scaleAssistant_->Scale(), settings_.Ini());
    });
    RefreshCommandStates();
}

}  // namespace pw
