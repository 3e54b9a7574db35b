#include "ui/main/undo_texts.h"

#include "core/language.h"

namespace pw {

namespace {

struct StepText {
    StepKind kind;
    const char* german;
    const char* english;
};

const StepText kStepNames[] = {
    {StepKind::Cut, "Ausschneiden", "Cut"},
    {StepKind::Paste, "Einfügen", "Paste"},
    {StepKind::Duplicate, "Duplizieren", "Duplicate"},
    {StepKind::Delete, "Löschen", "Delete"},
    {StepKind::ToFront, "Nach vorne setzen", "To front"},
    {StepKind::ToBack, "Nach hinten setzen", "To back"},
    {StepKind::Group, "Gruppe bilden", "Build group"},
    {StepKind::Ungroup, "Gruppe auflösen", "Split group"},
    {StepKind::Mirror, "Spiegeln", "Mirror"},
    {StepKind::Align, "Ausrichten", "Align"},
    {StepKind::Rotate, "Rotieren", "Rotate"},
    {StepKind::Contour, "Kontur", "Contour"},
    {StepKind::Milling, "Fräsen", "Milling"},
    {StepKind::Grid, "Raster anzeigen", "Show grid"},
    {StepKind::Pen, "Stift", "Pen"},
    {StepKind::Brush, "Füllung", "Brush"},
    {StepKind::Font, "Font", "Font"},
    {StepKind::Properties, "Eigenschaften", "Properties"},
    {StepKind::PanelProperties, "Frontplatte ändern", "Front panel properties"},
    {StepKind::GridSettings, "Raster einrichten", "Grid"},
    {StepKind::Origin, "Ursprung setzen", "Set origin"},
    {StepKind::Move, "Verschieben", "Move"},
    {StepKind::Resize, "Größe ändern", "Resize"},
    {StepKind::Draw, "Zeichnen", "Draw"},
    {StepKind::Text, "Beschriftung", "Inscription"},
    {StepKind::DrillHole, "Bohrung", "Drill hole"},
    {StepKind::RegularPolygon, "Vieleck", "Regular polygon"},
    {StepKind::Scale, "Skala", "Scale"},
    {StepKind::Symbol, "Symbol", "Symbol"},
};

QString Pick(const char* german, const char* english) {
    return QString::fromUtf8(IsEnglish() ? english : german);
}

}  // namespace

QString StepName(StepKind kind) {
    for (const StepText& t : kStepNames)
        if (t.kind == kind) return Pick(t.german, t.english);
    return {};
}

QString UndoCaption(StepKind kind) {
    const QString name = StepName(kind);
    if (name.isEmpty()) return Pick("&Rückgängig", "&Undo");
    return IsEnglish() ? QStringLiteral("&Undo ") + name : QString::fromUtf8("&Rückgängig: ") + name;
}

QString RedoCaption(StepKind kind) {
    const QString name = StepName(kind);
    if (name.isEmpty()) return Pick("&Wiederherstellen", "&Redo");
    return IsEnglish() ? QStringLiteral("&Redo ") + name : QStringLiteral("&Wiederherstellen: ") + name;
}

QString StepFailedTitle() {
    return Pick("Rückgängig", "Undo");
}

QString StepFailed() {
    return Pick(
        "Der Schritt konnte nicht wiederhergestellt werden, es fehlt Speicher. Die Frontplatte "
        "und ihre Schritte bleiben, wie sie waren.",
        "The step could not be restored: not enough memory. The front panel and its steps stay "
        "as they were.");
}

}  // namespace pw
