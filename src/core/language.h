#pragma once
// The language byte of the user interface: 0 German, 1 English. Read at start-up; every user
// text exists in both languages.

#include <string>

namespace pw {

enum class Language { German = 0, English = 1 };

Language CurrentLanguage();
void SetLanguage(Language language);
inline bool IsEnglish() { return CurrentLanguage() == Language::English; }

// The German or the English text, by the current language.
inline const char* Tr(const char* german, const char* english) { return IsEnglish() ? english : german; }

// Decimal separator of numbers shown to the user: ',' in German, '.' in English.
char DecimalSeparator();

}  // namespace pw
