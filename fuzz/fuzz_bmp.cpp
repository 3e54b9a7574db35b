// Feeds arbitrary bytes to the bitmap codec as a document hands it an embedded picture: the
// file length first, then the headers and the pixels of that length. Checks what the codec
// promises: a length within the bytes, a picture of exactly its pixel count.
#include <cstdint>
#include <cstdlib>

#include "core/bmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string error;
    std::optional<size_t> length = pw::BmpFileLength(data, size, &error);
    if (!length) return 0;
    if (*length > size) std::abort();
    pw::ReadBmpInfo(data, *length);
    std::optional<pw::Image> image = pw::DecodeBmp(data, *length, &error);
    if (image &&
        (image->IsNull() || image->pixels.size() != static_cast<size_t>(image->width) * image->height))
        std::abort();
    return 0;
}
