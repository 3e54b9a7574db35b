#include "core/language.h"

namespace pw {

namespace {
Language gLanguage = Language::German;
}

Language CurrentLanguage() { return gLanguage; }
void SetLanguage(Language language) { gLanguage = language; }
char DecimalSeparator() { return gLanguage == Language::English ? '.' : ','; }

}  // namespace pw
