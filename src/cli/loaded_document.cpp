#include "cli/loaded_document.h"

#include <filesystem>

#include "cli/cli_options.h"
#include "core/stream.h"

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
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw UsageError(CannotOpenMessage(path));
    std::vector<uint8_t> data;
    try {
        data = ReadWholeFile(path);
    } catch (const FileError& e) {
        throw UsageError(e.what());
    }
    LoadedDocument doc;
    if (data.size() >= 41) doc.version = FormatVersion::FromHeader(data.data() + 37).text;
    doc.panels.push_back(std::make_unique<TPlatine>());
    try {
        ReadDocument(
            data, *doc.panels[0],
            [&]() -> TPlatine& { return *doc.panels.emplace_back(std::make_unique<TPlatine>()); }, doc.views);
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
