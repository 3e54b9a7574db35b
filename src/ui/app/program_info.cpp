#include "ui/app/program_info.h"

namespace pw {

const char* ProgramVersion() {
    return PW_VERSION;
}

std::string LicenceNote(bool german) {
    if (german)
        return "Freie Software unter der GNU General Public License, Version 3 oder später "
               "(Datei LICENSE); ohne jede Gewährleistung.";
    return "Free software under the GNU General Public License, version 3 or later (file LICENSE); "
           "without any warranty.";
}

std::string ProgramUsageText(bool german, const std::string& home, const std::string& data) {
    const std::string none = german ? "(keins gefunden)" : "(none found)";
    const std::string dataShown = data.empty() ? none : data;
    if (german)
        return "Aufruf: plattenwerk [--home VERZEICHNIS] [DOKUMENT.fpl]\n"
               "Öffnet das Dokument, sonst das zuletzt bearbeitete, sonst das Beispiel.\n"
               "  --home VERZEICHNIS  Programmverzeichnis mit Einstellungen und Listen\n"
               "                      (sonst $PLATTENWERK_HOME, sonst $XDG_CONFIG_HOME/plattenwerk)\n"
               "  --version           zeigt die Version\n"
               "  --help              zeigt diesen Text\n"
               "Programmverzeichnis: " +
               home + "\nDatenverzeichnis: " + dataShown + "\n";
    return "Usage: plattenwerk [--home DIR] [DOCUMENT.fpl]\n"
           "Opens the document, else the one worked on last, else the example.\n"
           "  --home DIR   program directory with the settings and lists\n"
           "               (else $PLATTENWERK_HOME, else $XDG_CONFIG_HOME/plattenwerk)\n"
           "  --version    shows the version\n"
           "  --help       shows this text\n"
           "Program directory: " +
           home + "\nData directory: " + dataShown + "\n";
}

}  // namespace pw
