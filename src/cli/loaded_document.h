#pragma once
// A document file read as a whole: its panels, its views and the format version of its first
// record. Reading errors are kept apart from a file that cannot be opened.

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "panel/document.h"

namespace pw::cli {

// The document could not be read; what() is the reader's message (exit status 1).
class ReadFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct LoadedDocument {
    std::vector<std::unique_ptr<TPlatine>> panels;
    std::vector<TView> views;
    std::string version;

    std::vector<TPlatine*> PanelPointers() const;
};

// Reads the file through the bounded document file reader; a library page (.Lib in any letter
// case) is read as its one panel record, without views; a file that is missing, unreadable,
// not a regular file or too large fails with UsageError, bad contents with ReadFailure. Every
// element ends up deselected.
LoadedDocument LoadDocument(const std::string& path);

// Writes the document (all panels and views) to bytes as the program saves it.
std::vector<uint8_t> DocumentBytes(const LoadedDocument& doc);

// Writes bytes to the path as the program saves a document (WriteWholeFile); fails with
// UsageError (exit status 2).
void SaveOutput(const std::string& path, const char* data, size_t size);

}  // namespace pw::cli
