#include "panel/document_state.h"

#include <string_view>

namespace pw {

namespace {

// FNV-1a over 64 bits, continued from `h`.
uint64_t Mix(uint64_t h, const uint8_t* data, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        h ^= data[i];
        h *= 0x100000001b3ULL;
    }
    return h;
}

uint64_t Mix(uint64_t h, uint64_t v) {
    uint8_t bytes[8];
    for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(v >> (8 * i));
    return Mix(h, bytes, 8);
}

constexpr uint64_t kSeed = 0xcbf29ce484222325ULL;

}  // namespace

uint64_t DocumentState::PanelFingerprint(TPlatine& panel) {
    PanelPrint& known = panels_[&panel];
    if (known.print != 0 && known.version == panel.ContentVersion()) return known.print;
    std::vector<uint8_t> record;
    panel.WritePanel(record, false);
    known.version = panel.ContentVersion();
    known.print = Mix(Mix(kSeed, record.data(), record.size()), record.size()) | 1;
    return known.print;
}

uint64_t DocumentState::Fingerprint(const std::vector<TPlatine*>& panels, const std::vector<TView>& views) {
    uint64_t h = Mix(kSeed, panels.size());
    for (TPlatine* p : panels) h = Mix(h, PanelFingerprint(*p));
    // The views as the file holds them, after the first panel's record.
    std::vector<uint8_t> viewBytes;
    {
        TWriter w(viewBytes);
        for (const TView& v : views) WriteViewRecord(w, v);
    }
    h = Mix(Mix(h, views.size()), viewBytes.data(), viewBytes.size());
    // Panels no longer in the document are forgotten.
    for (auto it = panels_.begin(); it != panels_.end();) {
        bool present = false;
        for (TPlatine* p : panels) present = present || p == it->first;
        it = present ? std::next(it) : panels_.erase(it);
    }
    return h;
}

void DocumentState::MarkSaved(const std::vector<TPlatine*>& panels, const std::vector<TView>& views) {
    saved_ = Fingerprint(panels, views);
}

bool DocumentState::Changed(const std::vector<TPlatine*>& panels, const std::vector<TView>& views) {
    return Fingerprint(panels, views) != saved_;
}

}  // namespace pw
