#include "core/short_string.h"

#include <algorithm>

#include "core/cp1252.h"

namespace pw {

std::string ShortString40::Text() const {
    size_t n = std::min<size_t>(bytes[0], kCapacity);
    return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data() + 1), n));
}

void ShortString40::SetText(std::string_view utf8) {
    std::string raw = Utf8ToCp1252(utf8);
    size_t n = std::min(raw.size(), kCapacity);
    bytes[0] = static_cast<uint8_t>(n);
    std::copy_n(raw.begin(), n, bytes.begin() + 1);
}

}  // namespace pw
