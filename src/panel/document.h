#pragma once
// The document file: the first panel's record, the list of stored views, the number of panels
// and the records of the further panels.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "panel/platine.h"

namespace pw {

// A stored view: the visible area of one panel (tab).
struct TView {
    Real left = 0;    // mm
    Real top = 0;     // mm
    Real width = 0;   // model units
    Real height = 0;  // model units
    int32_t panel = 0;
    std::string name;
    friend bool operator==(const TView&, const TView&) = default;
};

// One view as the document file holds it.
void WriteViewRecord(TWriter& w, const TView& v);

void WriteDocument(std::vector<uint8_t>& out, const std::vector<TPlatine*>& panels,
                   const std::vector<TView>& views);

// Reads panel 0 into first, the views, then every further panel into a panel made by addPanel.
// Reading stops at the first error with a StreamError; what was read so far stays.
void ReadDocument(std::span<const uint8_t> data, TPlatine& first, const std::function<TPlatine&()>& addPanel,
                  std::vector<TView>& views);

// Whole files. Reading fails with "Datei %s kann nicht geöffnet werden"; writing goes through
// SaveFile (links followed, mode kept, the old file untouched on failure) and fails with
// "Datei %s kann nicht erstellt werden" and the reason. The messages are in the current language.
// Document files are read through ReadDocumentFileBytes (document_file.h).
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};
std::vector<uint8_t> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, std::span<const uint8_t> data);
std::string CannotOpenMessage(const std::string& path);
std::string CannotCreateMessage(const std::string& path);

}  // namespace pw
