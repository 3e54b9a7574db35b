#include "core/storable_text.h"

#include "core/cp1252.h"
#include "core/language.h"

namespace pw {

std::string StorableText(std::string_view utf8) {
    return Cp1252ToUtf8(Utf8ToCp1252(utf8));
}

std::u32string UnstorableCharacters(std::string_view utf8) {
    std::u32string out;
    for (char32_t c : Utf8ToUtf32(utf8)) {
        const std::string one = Utf32ToUtf8(std::u32string_view(&c, 1));
        if (StorableText(one) != one && out.find(c) == std::u32string::npos) out.push_back(c);
    }
    return out;
}

std::string UnstorableCharactersWarning(std::string_view utf8) {
    const std::u32string chars = UnstorableCharacters(utf8);
    if (chars.empty()) return {};
    std::string list;
    for (char32_t c : chars) {
        if (!list.empty()) list += ' ';
        list += Utf32ToUtf8(std::u32string_view(&c, 1));
    }
    const bool one = chars.size() == 1;
    return Tr("Nicht speicherbare Zeichen: ", "Characters that cannot be stored: ") + list +
           (one ? Tr(" (wird zu ?)", " (becomes ?)") : Tr(" (werden zu ?)", " (become ?)"));
}

}  // namespace pw
