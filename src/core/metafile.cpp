// Placeholder until the metafile player lands: no metafile is readable yet, so pictures of
// this kind show as their hatched placeholder.
#include "core/metafile.h"

namespace pw {

MetafileInfo ReadMetafileInfo(const uint8_t*, size_t) {
    MetafileInfo info;
    info.error = "metafiles cannot be read yet";
    return info;
}

bool PlayMetafile(Canvas&, const uint8_t*, size_t, const IRect&, std::string* error) {
    if (error) *error = "metafiles cannot be played yet";
    return false;
}

std::optional<std::vector<uint8_t>> ConvertWmfToEmf(const uint8_t*, size_t, std::string* error) {
    if (error) *error = "metafiles cannot be converted yet";
    return std::nullopt;
}

}  // namespace pw
