#pragma once
// Whether a document changed since it was opened or saved. The document's content is what its
// file would hold: every panel's record (elements and settings, the name included), the number
// and order of the panels and the stored views. At a save or an open the tracker notes a
// fingerprint of that content; the document is changed while its fingerprint differs, so an
// edit that is undone again leaves it unchanged. A panel's record is fingerprinted again only
// when its ContentVersion moved.

#include <cstdint>
#include <map>
#include <vector>

#include "panel/document.h"

namespace pw {

class DocumentState {
  public:
    // The document as it is now is the saved one.
    void MarkSaved(const std::vector<TPlatine*>& panels, const std::vector<TView>& views);
    bool Changed(const std::vector<TPlatine*>& panels, const std::vector<TView>& views);
    // The fingerprint of the document's content.
    uint64_t Fingerprint(const std::vector<TPlatine*>& panels, const std::vector<TView>& views);

  private:
    struct PanelPrint {
        uint64_t version = 0;
        uint64_t print = 0;
    };
    uint64_t PanelFingerprint(TPlatine& panel);

    uint64_t saved_ = 0;
    std::map<const TPlatine*, PanelPrint> panels_;
};

}  // namespace pw
