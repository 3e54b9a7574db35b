#include "panel/attribute_commands.h"

namespace pw {

std::vector<Attribute> AppliedAttributes(SideWindow window, int code) {
    using A = Attribute;
    switch (window) {
        case SideWindow::Pen:
            switch (code) {
                case 0:
                    return {A::PenColor, A::PenWidth, A::Pattern};
                case 1:
                    return {A::PenColor};
                case 2:
                    return {A::PenWidth};
                case 3:
                    return {A::Pattern};
            }
            break;
        case SideWindow::Brush:
            switch (code) {
                case 0:
                    return {A::BrushColor, A::BrushStyle};
                case 1:
                    return {A::BrushColor};
                case 2:
                    return {A::BrushStyle};
            }
            break;
        case SideWindow::Font:
            switch (code) {
                case 0:
                    return {A::FontName, A::FontHeight, A::FontColor, A::FontStyle};
                case 1:
                    return {A::FontName};
                case 2:
                    return {A::FontHeight};
                case 3:
                    return {A::FontColor};
                case 4:
                    return {A::FontStyle};
            }
            break;
    }
    return {};
}

void TakePen(TPlatine& panel, const PenValues& pen) {
    panel.CurrentPenWidth = pen.width;
    panel.CurrentPenColor = pen.color;
    panel.CurrentPattern = pen.pattern;
}

void TakeBrush(TPlatine& panel, const BrushValues& brush) {
    panel.CurrentBrushColor = brush.color;
    panel.CurrentBrushStyle = brush.style;
    panel.CurrentFill = brush.style != bsClear;
}

void TakeFont(TPlatine& panel, const FontValues& font) {
    panel.CurrentFont = font.font;
    panel.CurrentFontColor = font.color;
}

namespace {

void ApplyAll(TPlatine& panel, SideWindow window, int code) {
    for (Attribute a : AppliedAttributes(window, code)) panel.ApplyAttribute(a);
}

}  // namespace

void AssignPen(TPlatine& panel, int code, const PenValues& pen) {
    panel.SaveUndo(StepKind::Pen);
    TakePen(panel, pen);
    ApplyAll(panel, SideWindow::Pen, code);
}

void AssignBrush(TPlatine& panel, int code, const BrushValues& brush) {
    panel.SaveUndo(StepKind::Brush);
    TakeBrush(panel, brush);
    ApplyAll(panel, SideWindow::Brush, code);
}

void AssignFont(TPlatine& panel, int code, const FontValues& font) {
    panel.SaveUndo(StepKind::Font);
    TakeFont(panel, font);
    ApplyAll(panel, SideWindow::Font, code);
}

}  // namespace pw
