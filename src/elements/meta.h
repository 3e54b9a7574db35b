#pragma once
// TMeta: a metafile picture on the panel, kept as the bytes of an enhanced metafile (EMF) and
// played stretched into its rectangle while the rectangle is upright; turned or sheared, or
// where it cannot be played, it shows as the grey hatched placeholder. An imported WMF is
// converted to EMF, the only form documents store.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/metafile.h"
#include "elements/rechteck.h"

namespace pw {

class TMeta : public TRechteck {
  public:
    TMeta();
    const char* ClassName() const override { return "TMeta"; }

    void Paint(Canvas& canvas) override;
    std::string KindName() override;
    void Write(TWriter& w) override;
    void Read(TReader& r) override;
    void SetGlaetten(bool) override { TRechteck::SetGlaetten(false); }

    // Takes the bytes of a metafile file: an EMF as it is, a WMF converted to EMF. False, with
    // the reason in error, when they are neither; the element is then unchanged.
    bool LoadFile(const std::vector<uint8_t>& file, std::string* error = nullptr);

    const std::vector<uint8_t>& FileBytes() const { return emf_; }
    // What the metafile's header says (frame, records, length).
    MetafileInfo Header() const { return ReadMetafileInfo(emf_.data(), emf_.size()); }

  private:
    std::vector<uint8_t> emf_;
};

}  // namespace pw
