#pragma once
// Stored text is single-byte Windows-1252; in memory it is UTF-8.

#include <string>
#include <string_view>

namespace pw {

// Characters that Windows-1252 cannot hold become '?'. Invalid UTF-8 bytes also become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view bytes);
// Number of characters (code points) of a UTF-8 text.
size_t Utf8Length(std::string_view utf8);
// The first n characters of a UTF-8 text.
std::string Utf8Left(std::string_view utf8, size_t n);
// Decodes UTF-8 into code points (invalid bytes give U+FFFD).
std::u32string Utf8ToUtf32(std::string_view utf8);
std::string Utf32ToUtf8(std::u32string_view text);

}  // namespace pw
