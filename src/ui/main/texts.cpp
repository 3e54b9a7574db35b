#include "ui/main/texts.h"

#include <cstring>

#include "core/language.h"
#include "ui/app/program_info.h"

namespace pw {

namespace {

struct Text {
    const char* name;
    const char* german;
    const char* english;
};

// Captions of the menu items, pop-up entries and buttons.
const Text kCaptions[] = {
    // Main menu.
    {"Datei1", "&Datei", "&File"},
    {"DateiNeuBtn", "&Neu", "&New"},
    {"ffnen2", "Ö&ffnen...", "&Open"},
    {"Speichern1", "&Speichern", "&Save"},
    {"Speichernals1", "Speichern &als..", "Save &as"},
    {"AutomatischesBackup1", "Autospeichern...", "&Backup"},
    {"Importieren1", "&Importieren...", "&Import"},
    {"Exportieren1", "&Exportieren...", "&Export"},
    {"Drucken1", "&Drucken...", "&Print"},
    {"Beenden1", "&Beenden", "&Quit"},
    {"Bearbeiten1", "&Bearbeiten", "&Edit"},
    {"Rckgngig1", "&Rückgängig", "&Undo"},
    {"Wiederherstellen1", "&Wiederherstellen", "&Redo"},
    {"Ausschneiden1", "A&usschneiden", "&Cut"},
    {"Kopieren1", "&Kopieren", "C&opy"},
    {"Einfgen1", "&Einfügen", "&Paste"},
    {"Duplizieren1", "&Duplizieren", "&Duplicate"},
    {"Allesauswhlen1", "&Alles auswählen", "Select &all"},
    {"Lschen1", "&Löschen", "&Delete"},
    {"Anordnen1", "&Anordnen", "&Arrange"},
    {"Nachvornesetzen1", "Nach &vorne setzen", "To &front"},
    {"Nachhintensetzen1", "Nach &hinten setzen", "To &back"},
    {"Gruppieren1", "&Gruppe bilden", "Build &group"},
    {"Gruppierungaufheben1", "Gruppe auf&lösen", "&Split group"},
    {"Bibliothek1", "B&ibliothek", "&Library"},
    {"zurBibliothekhinzufgen1", "zur Bibliothek &hinzufügen...", "&Add to library..."},
    {"neueRubrik1", "Seite &anlegen...", "&New page"},
    {"aktuelleRubriklschen1", "Seite &löschen", "&Delete page"},
    {"Seiteumbenennen1", "Seite &umbenennen", "&Rename page..."},
    {"Platine1", "&Frontplatte", "Front &panel"},
    {"Eigenschaften1", "&Eigenschaften...", "&Properties..."},
    {"Hinzufgen1", "&Hinzufügen...", "&Add front panel..."},
    {"Duplizieren2", "&Duplizieren", "&Duplicate front panel"},
    {"Lschen3", "&Löschen", "&Delete front panel"},
    {"Dateihinzufgen2", "Da&tei hinzufügen...", "&Import from file..."},
    {"Platinenachvorne1", "Frontplatte nach &vorne", "To &top"},
    {"Platinenachhinten1", "Frontplatte nach hi&nten", "To &bottom"},
    {"Option", "&Optionen", "&Options"},
    {"Raster1", "&Raster einrichten...", "&Grid"},
    {"Ursprungsetzen1", "&Ursprung setzen", "Set &origin"},
    {"SkalenAssistent1", "&Skalen-Assistent...", "&Scale assistant"},
    {"WerkzeugeAnzeigen1", "Werkzeuge anzeigen", "Show &tools"},
    {"Alleanzeigen1", "Alle anzeigen", "&Show all"},
    {"Hilfe1", "&Hilfe", "&Help"},
    {"Bedienungsanleitung1", "&Anleitung", "&Contents"},
    {"Info1", "&Info", "&Info"},
    // BauteilMenu, the pop-up menu of the panel.
    {"Ausschneiden2", "Ausschneiden", "Cut"},
    {"Kopieren", "Kopieren", "Copy"},
    {"Einfgen", "Einfügen", "Paste"},
    {"Duplizieren", "Duplizieren", "Dublicate"},
    {"Lschen2", "Löschen", "Delete"},
    {"NachVorne", "Nach vorne setzen", "To front"},
    {"nachhinten", "Nach hinten setzen", "To back"},
    {"Eigenschften", "Eigenschaften", "Properties"},
    {"zurBibliothekhinzufgen2", "zur Bibliothek hinzufügen", "Add to library"},
    // BordPopup, the pop-up menu of the tab strip.
    {"Platinehinzufgen1", "Frontplatte hinzufügen", "Add new front panel"},
    {"Platineduplizieren1", "Frontplatte duplizieren", "Dublicate front panel"},
    {"Platinelschen1", "Frontplatte löschen", "Delete front panel"},
    {"Platineumbenennen1", "Frontplatte umbenennen", "Rename front panel"},
    {"Dateihinzufgen1", "Datei hinzufügen...", "Import from file..."},
    {"nachvornesortieren1", "Frontplatte nach vorne", "To top"},
    {"nachhintensortiren1", "Frontplatte nach hinten", "To bottom"},
    // Side area.
    {"SymbolBtn", "S&ymbole", "&Symbols"},
    {"StiftBtn", "&Stift", "Pe&n"},
    {"FuellBtn", "&Füllung", "&Brush"},
    {"FontBtn", "&Font", "Fon&t"},
    {"AnsichtBtn", "A&nsicht", "&View"},
    // Units.
    {"Label1", "Grad", "deg."},
    {"EinheitLabel", "mm", "mm"},
};

const Text kHints[] = {
    {"sb_neu", "Datei neu", "File new"},
    {"sb_save", "Datei speichern", "File save"},
    {"sb_load", "Datei öffnen", "File open"},
    {"sb_Print", "Drucken", "Print"},
    {"sb_gruppieren", "Gruppe bilden", "Build group"},
    {"sb_GruppeAufloesen", "Gruppe auflösen", "Split group"},
    {"an_vorne", "Nach vorne setzen", "To front"},
    {"an_Hinten", "Nach hinten setzen", "To back"},
    {"sb_copy", "Kopieren", "Copy"},
    {"sb_Cut", "Ausschneiden", "Cut"},
    {"sb_insert", "Einfügen", "Paste"},
    {"sb_Dub", "Duplizieren", "Duplicate"},
    {"SB_Del", "Löschen", "Delete"},
    {"ar_links", "Links ausrichten", "Left"},
    {"ar_rechts", "Rechts ausrichten", "Right"},
    {"ar_oben", "Oben ausrichten", "Top"},
    {"ar_unten", "Unten ausrichten", "Bottom"},
    {"ar_vMitte", "Horizontal mittig ausrichten", "Horizontal"},
    {"ar_hMitte", "Vertikal mittig ausrichten", "Vertical"},
    {"an_vertikal", "Horizontal spiegeln", "mirror horizontal"},
    {"an_Horizontal", "Vertikal spiegeln", "mirror vertical"},
    {"RasterBtn", "Raster anzeigen", "Show grid"},
    {"UmrissBtn", "S/W-Darstellung", "Coloured / b&w mode"},
    {"MasseBtn", "Bemaßungen ein-/ausblenden", "Show / hide measures"},
    {"BohrenBtn", "gefräßte Konturen ein-/ausblenden", "Show / hide millings & drillings"},
    {"SymboleBtn", "sonstige Objekte und Symbole ein-/ausblenden", "Show / hide other objects"},
    {"sb_Normal", "Normale Kontur", "Original contour"},
    {"sb_Fraesen", "Kontur fräsen", "Milling"},
    {"sB_KonturNormal", "Ursprüngliche Kontur zuweisen", "Original contour"},
    {"sb_Splines", "Kontur mit B-Splines interpolieren", "Interpolation with b-splines"},
    {"sb_Fase", "Kontur mit Fasen versehen", "Chamfer"},
    {"sb_Runden", "Kontur mit Rundungen versehen", "Rounding"},
    {"L_Edit", "Maß für Fasen und Rundungen", "Amount"},
    {"WinkelLinksBtn", "Rotieren gegen den Uhrzeigersinn", "Rotate anticlockwise"},
    {"WinkelRechtsBtn", "Rotieren im Uhrzeigersinn", "Rotate clockwise"},
    {"Winkel_Edit", "Winkelschritt", "Angle"},
    {"DisplayPanel", "Informationsanzeige", "Display"},
    {"StandardBtn", "Markieren,Bearbeiten,Verschieben, Ändern", "Select, edit, move ..."},
    {"DrehenBtn", "Rotieren", "Rotate"},
    {"ZoomBtn", "Zoom (Lupe)", "Zoom"},
    {"LinieBtn", "Linien zeichnen", "Lines"},
    {"RectBtn", "Rechteck zeichnen", "Rectangles"},
    {"KreisBtn", "Kreis zeichnen", "Circles"},
    {"PolygonBtn", "geschlossenes Polygon zeichnen", "Polygons"},
    {"BogenBtn", "Bogen zeichnen", "Arcs"},
    {"VieleckBtn", "gleichmäßiges Vieleck erzeugen...", "Regular polygons"},
    {"TextBtn", "Frontplatte beschriften", "Text labels"},
    {"BohrBtn", "Bohrung setzen", "Drillings"},
    {"SkaleBtn", "Skalen-Assisstent", "Scales"},
    {"MassBtn", "Bemaßung zeichnen", "Measures"},
    {"BitmapBtn", "Bild importieren...", "Import picture"},
    {"UrsprungBtn", "Ursprung setzen", "Set origin"},
    {"SymbolBtn", "Symbolbibliothek anzeigen", "Show symbol library"},
    {"StiftBtn", "Stiftmanager anzeigen", "Show pens"},
    {"FuellBtn", "Füllungen anzeigen", "Show brushes"},
    {"AnsichtBtn", "Ansichtmanager anzeigen", "Show views"},
    {"FontBtn", "Schriften anzeigen", "Show fonts"},
    {"LibCombo", "Bibliothekseite aufrufen", "Choose library page"},
    {"LibScrollBox", "Bauteilauswahl", "Symbol choice"},
};

const Text kToolWindows[kToolWindowCount] = {
    {"Anordnen2", "Anordnen", "Arrange"},  {"Ansicht1", "Ansicht", "View"},
    {"Anzeige1", "Anzeige", "Display"},    {"Ausrichten1", "Ausrichten", "Adjust"},
    {"Bearbeiten2", "Bearbeiten", "Edit"}, {"Datei2", "Datei", "File"},
    {"Drehen1", "Drehen", "Rotate"},       {"Fraesen1", "Fräsen", "Millings"},
    {"Kontur1", "Kontur", "Contour"},
};

template <size_t N>
const Text* Find(const Text (&table)[N], const char* name) {
    for (const Text& t : table)
        if (std::strcmp(t.name, name) == 0) return &t;
    return nullptr;
}

QString Pick(const char* german, const char* english) {
    return QString::fromUtf8(Tr(german, english));
}

QString Quoted(const char* text) {
    return QStringLiteral("\"") + QString::fromUtf8(text) + QStringLiteral("\"");
}

}  // namespace

QString Caption(const char* name) {
    const Text* t = Find(kCaptions, name);
    return t ? Pick(t->german, t->english) : QString::fromUtf8(name);
}

QString Hint(const char* name) {
    const Text* t = Find(kHints, name);
    return t ? Pick(t->german, t->english) : QString();
}

QString ToolWindowCaption(int number) {
    const Text& t = kToolWindows[number - 1];
    return Pick(t.german, t.english);
}

QString ToolWindowMenuEntry(int number) {
    const Text& t = kToolWindows[number - 1];
    if (!IsEnglish()) return Quoted(t.german);
    if (number == 2) return QStringLiteral("&View");
    return Quoted(t.english);
}

namespace msg {

QString AppTitle() {
    return QStringLiteral("Plattenwerk ") + QString::fromLatin1(ProgramVersion());
}

QString SaveChanges() {
    return Pick("Möchten Sie die Änderungen der aktuellen Datei speichern?",
                "Save changes to current project file?");
}

QString DeletePanel(const QString& name) {
    const QString quoted = QStringLiteral("\"") + name + QStringLiteral("\"");
    if (IsEnglish()) return QStringLiteral("Delete front panel ") + quoted + QStringLiteral(" from project?");
    return QStringLiteral("Möchten Sie die Frontplatte ") + quoted +
           QStringLiteral(" endgültig aus dem Projekt entfernen?");
}

QString DeletePanelTitle() {
    return Pick("Frontplatte löschen", "Delete front panel");
}

QString ColourDepth() {
    return Pick(
        "Sie sollten Ihre Grafikkarte auf mehr Farben einstellen, da es sonst zu Farbverfälschungen kommen "
        "kann!",
        "Insufficient colour resolution!");
}

QString ColourDepthTitle() {
    return Pick("Hinweis", "Remark");
}

QString FileFilter() {
    return Pick("Frontplatten (*.fpl)", "Front panel (*.fpl)");
}

QString OpenTitle() {
    return Pick("Öffnen", "Open");
}

QString SaveAsTitle() {
    return Pick("Speichern unter", "Save as");
}

QString FontsTitle() {
    return Pick("Schriften", "Fonts");
}

QString FontsReplaced(const QString& lines) {
    if (IsEnglish())
        return QStringLiteral("These fonts of the document are not installed; the texts are shown and printed "
                              "in another font until they are:\n\n%1")
            .arg(lines);
    return QStringLiteral("Diese Schriften des Dokuments sind nicht installiert; bis sie es sind, werden die "
                          "Texte in einer anderen Schrift gezeigt und gedruckt:\n\n%1")
        .arg(lines);
}

QString ReadErrorTitle() {
    return Pick("Fehler beim Lesen", "Read error");
}

QString WriteErrorTitle() {
    return Pick("Fehler beim Speichern", "Write error");
}

QString PartialLoad(const QString& path, const QString& reason) {
    if (IsEnglish())
        return QStringLiteral(
                   "The file %1 could not be read completely:\n%2\n\nWhat was read is opened as an "
                   "unnamed document, so that saving does not overwrite the file.")
            .arg(path, reason);
    return QStringLiteral(
               "Die Datei %1 konnte nicht vollständig gelesen werden:\n%2\n\nDer gelesene Teil wird als "
               "unbenanntes Dokument geöffnet, damit Speichern die Datei nicht überschreibt.")
        .arg(path, reason);
}

QString ImportIncomplete(const QString& path, const QString& reason) {
    if (IsEnglish())
        return QStringLiteral(
                   "The file %1 could not be read completely:\n%2\n\nWhat was read has been added.")
            .arg(path, reason);
    return QStringLiteral(
               "Die Datei %1 konnte nicht vollständig gelesen werden:\n%2\n\nDer gelesene Teil wurde "
               "hinzugefügt.")
        .arg(path, reason);
}

QString BackupFailed(const QString& path, const QString& reason) {
    if (IsEnglish()) return QStringLiteral("The backup %1 could not be written:\n%2").arg(path, reason);
    return QStringLiteral("Die Sicherungskopie %1 konnte nicht geschrieben werden:\n%2").arg(path, reason);
}

QString NotAvailable() {
    return Pick("Dieses Fenster gibt es in dieser Version noch nicht.", "This window is not available yet.");
}

QString ManualMissing(const QString& path) {
    if (IsEnglish()) return QStringLiteral("The manual %1 was not found.").arg(path);
    return QStringLiteral("Die Anleitung %1 wurde nicht gefunden.").arg(path);
}

QString MissingDocumentTitle() {
    return Pick("Datei nicht gefunden", "File not found");
}

QString MissingDocument(const QString& path) {
    if (IsEnglish())
        return QStringLiteral("The document %1 was not found; the program starts without it.").arg(path);
    return QStringLiteral("Das Dokument %1 wurde nicht gefunden; das Programm startet ohne es.").arg(path);
}

QString CopyOf(const QString& name) {
    QString copy = IsEnglish() ? name + QStringLiteral(" (copy)") : QStringLiteral("Kopie von ") + name;
    return copy.left(40);
}

}  // namespace msg

}  // namespace pw
