#include "core/printable_name.h"

#include <cstdio>

namespace pw {

namespace {

// Length of the well-formed UTF-8 sequence at i, or 0 when the byte there starts none.
size_t SequenceLength(std::string_view s, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    size_t n = b < 0x80                 ? 1
               : b >= 0xC2 && b <= 0xDF ? 2
               : b >= 0xE0 && b <= 0xEF ? 3
               : b >= 0xF0 && b <= 0xF4 ? 4
                                        : 0;
    if (n == 0 || i + n > s.size()) return 0;
    for (size_t k = 1; k < n; ++k)
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    if ((b == 0xE0 && byte(i + 1) < 0xA0) || (b == 0xED && byte(i + 1) >= 0xA0) ||
        (b == 0xF0 && byte(i + 1) < 0x90) || (b == 0xF4 && byte(i + 1) >= 0x90))
        return 0;
    return n;
}

bool IsC1(std::string_view s, size_t i, size_t n) {
    return n == 2 && static_cast<unsigned char>(s[i]) == 0xC2 && static_cast<unsigned char>(s[i + 1]) < 0xA0;
}

std::string Hex(const char* format, unsigned value) {
    char buf[8];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

// The escape for the character at i (n bytes, 0 for a stray byte), or "" when it prints as itself.
std::string EscapeOf(std::string_view s, size_t i, size_t n) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    if (n == 0) return Hex("\\x%02x", b);
    if (IsC1(s, i, n)) return Hex("\\u%04x", static_cast<unsigned char>(s[i + 1]));
    if (n > 1) return "";
    switch (b) {
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            return b < 0x20 || b == 0x7F ? Hex("\\x%02x", b) : "";
    }
}

}  // namespace

std::string PrintableName(std::string_view name) {
    std::string quoted = "\"";
    bool escaped = name.empty();
    for (size_t i = 0; i < name.size();) {
        size_t n = SequenceLength(name, i);
        std::string escape = EscapeOf(name, i, n);
        escaped = escaped || !escape.empty();
        if (name[i] == '"' || name[i] == '\\') quoted += '\\';
        quoted += escape.empty() ? std::string(name.substr(i, n)) : escape;
        i += n == 0 ? 1 : n;
    }
    return escaped ? quoted + '"' : std::string(name);
}

}  // namespace pw
