#pragma once
// Every text of the main window in both languages, side by side: the captions of its menu
// items, pop-up entries and buttons, the hints of its tool buttons and fields, the captions of
// the tool windows and the texts of its message boxes. Items are looked up by the name of the
// component that shows them.

#include <QString>

namespace pw {

// Caption of a menu item, pop-up entry or button in the current language; the name itself
// when it is not in the table.
QString Caption(const char* name);
// Hint (tool tip) of a tool button or field in the current language; empty when it has none.
QString Hint(const char* name);

// The nine tool windows, numbered 1 to 9.
constexpr int kToolWindowCount = 9;
// Caption in the current language; also the tool window's section in the settings file.
QString ToolWindowCaption(int number);
// The entry of the "Werkzeuge anzeigen" submenu for the tool window.
QString ToolWindowMenuEntry(int number);

namespace msg {
QString AppTitle();     // "Plattenwerk 2.0": the name and the version
QString SaveChanges();  // the save prompt's question
QString DeletePanel(const QString& name);
QString DeletePanelTitle();
QString ColourDepth();
QString ColourDepthTitle();
QString FileFilter();  // "Frontplatten (*.fpl)"
QString OpenTitle();
QString SaveAsTitle();
QString ReadErrorTitle();
QString WriteErrorTitle();
// A document could not be read completely: what was read is opened as an unnamed document.
QString PartialLoad(const QString& path, const QString& reason);
QString FontsTitle();
// One line "requested → shown" per missing font.
QString FontsReplaced(const QString& lines);
// An imported document could not be read completely; what was read was added.
QString ImportIncomplete(const QString& path, const QString& reason);
QString BackupFailed(const QString& path, const QString& reason);
QString NotAvailable();  // the side windows of later versions
QString ManualMissing(const QString& path);
// The document to open at the start (the last one edited, or the one named on the command
// line) is not there.
QString MissingDocumentTitle();
QString MissingDocument(const QString& path);
QString CopyOf(const QString& name);  // the name of a duplicated panel
}  // namespace msg

}  // namespace pw
