#pragma once
// Text as the file holds it. Documents store text in Windows-1252, so a character outside it
// reads back as '?'. Text entering the model is made storable at once, so what the user sees
// is what a save keeps; editors warn about the characters that change.

#include <string>
#include <string_view>

namespace pw {

// The text as it reads back from a file: every character Windows-1252 cannot hold is '?'.
std::string StorableText(std::string_view utf8);
// The different characters of the text that Windows-1252 cannot hold, in order of appearance.
std::u32string UnstorableCharacters(std::string_view utf8);
// "Nicht speicherbare Zeichen: Ω (wird zu ?)" / "Characters that cannot be stored: Ω
// (becomes ?)", in the current language; empty when the whole text can be stored.
std::string UnstorableCharactersWarning(std::string_view utf8);

}  // namespace pw
