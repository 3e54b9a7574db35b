#include "panel/document.h"

#include <fstream>
#include <iterator>

#include "core/language.h"
#include "core/safe_save.h"

namespace pw {

void WriteViewRecord(TWriter& w, const TView& v) {
    w.WriteRawExtended(v.left);
    w.WriteRawExtended(v.top);
    w.WriteRawExtended(v.width);
    w.WriteRawExtended(v.height);
    w.WriteRawInt32(v.panel);
    w.WriteString(v.name);
}

void WriteDocument(std::vector<uint8_t>& out, const std::vector<TPlatine*>& panels,
                   const std::vector<TView>& views) {
    if (panels.empty()) return;
    panels[0]->WritePanel(out, false);
    TWriter w(out);
    w.WriteInteger(static_cast<int64_t>(views.size()));
    for (const TView& v : views) WriteViewRecord(w, v);
    w.WriteInteger(static_cast<int64_t>(panels.size()));
    for (size_t i = 1; i < panels.size(); ++i) panels[i]->WritePanel(out, false);
}

void ReadDocument(std::span<const uint8_t> data, TPlatine& first, const std::function<TPlatine&()>& addPanel,
                  std::vector<TView>& views) {
    TReader r(data, StreamSource::File);
    first.ReadPanel(r);
    bool old = r.Version().value < 2.0L;
    int32_t count = r.ReadInteger();
    for (int32_t i = 0; i < count; ++i) {
        TView v;
        v.left = r.ReadRawExtended();
        v.top = r.ReadRawExtended();
        v.width = r.ReadRawExtended();
        v.height = r.ReadRawExtended();
        v.panel = old ? 0 : r.ReadRawInt32();
        v.name = r.ReadString();
        views.push_back(std::move(v));
    }
    int32_t panels = old ? 1 : r.ReadInteger();
    // A count beyond the records present does not make empty tabs.
    for (int32_t i = 1; i < panels && r.Remaining() >= 2; ++i) addPanel().ReadPanel(r);
}

std::string CannotOpenMessage(const std::string& path) {
    return IsEnglish() ? "Cannot open file " + path : "Datei " + path + " kann nicht geöffnet werden";
}

std::string CannotCreateMessage(const std::string& path) {
    return IsEnglish() ? "Cannot create file " + path : "Datei " + path + " kann nicht erstellt werden";
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileError(CannotOpenMessage(path));
    std::vector<uint8_t> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw FileError(CannotOpenMessage(path));
    return data;
}

void WriteWholeFile(const std::string& path, std::span<const uint8_t> data) {
    try {
        SaveFile(path, data);
    } catch (const SaveError& e) {
        throw FileError(CannotCreateMessage(path) + ": " + e.what());
    }
}

}  // namespace pw
