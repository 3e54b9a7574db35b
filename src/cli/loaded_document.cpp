#include "cli/loaded_document.h"

#include "cli/cli_options.h"
#include "core/stream.h"
#include "panel/document_file.h"
#include "panel/library_directory.h"

namespace pw::cli {

std::vector<TPlatine*> LoadedDocument::PanelPointers() const {
    std::vector<TPlatine*> out;
    for (const auto& p : panels) out.push_back(p.get());
    return out;
}

namespace {
// The version warning is one line: its carriage return becomes nothing.
std::string OneLine(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '\r' && c != '\n') out += c;
    return out;
}
}  // namespace

LoadedDocument LoadDocument(const std::string& path) {
    std::vector<uint8_t> data;
    try {
        data = ReadDocumentFileBytes(path);
    } catch (const FileError& e) {
        throw UsageError(e.what());
    }
    LoadedDocument doc;
    doc.panels.push_back(std::make_unique<TPlatine>());
    try {
        if (IsLibraryPageName(path)) {
            // A library page is one panel record: the page and its symbols.
            TReader r(data, StreamSource::File);
            doc.panels[0]->ReadPanel(r);
        } else {
            ReadDocument(
                data, *doc.panels[0],
                [&]() -> TPlatine& { return *doc.panels.emplace_back(std::make_unique<TPlatine>()); },
                doc.views);
        }
        // The reader has judged the header by now: its version is one this program knows.
        if (data.size() >= kPanelHeaderBytes)
            doc.version = FormatVersion::FromHeader(data.data() + kPanelHeaderBytes - 4).text;
    } catch (const VersionError& e) {
        throw ReadFailure(OneLine(e.Text()));
    } catch (const StreamError& e) {
        throw ReadFailure(e.what());
    }
    for (auto& p : doc.panels) p->SelectAll(false);
    return doc;
}

std::vector<uint8_t> DocumentBytes(const LoadedDocument& doc) {
    std::vector<uint8_t> out;
    WriteDocument(out, doc.PanelPointers(), doc.views);
    return out;
}

void SaveOutput(const std::string& path, const char* data, size_t size) {
    try {
        WriteWholeFile(path, std::span(reinterpret_cast<const uint8_t*>(data), size));
    } catch (const FileError& e) {
        throw UsageError(e.what());
    }
}

}  // namespace pw::cli
