// Text as a document stores it: which characters change, and the warning that names them.
#include "core/storable_text.h"

#include <gtest/gtest.h>

#include "core/language.h"

using namespace pw;

namespace {

TEST(StorableText, CharactersOutsideWindows1252BecomeQuestionMarks) {
    EXPECT_EQ(StorableText("Lautstärke ±5 Ω"), "Lautstärke ±5 ?");
    // The upper half of Windows-1252 and its undefined bytes are kept.
    EXPECT_EQ(StorableText("€ „x“ Œ ™ \u0081"), "€ „x“ Œ ™ \u0081");
    EXPECT_EQ(StorableText("a\xFF"
                           "b"),
              "a?b");
    EXPECT_EQ(UnstorableCharacters("Ω ≈ Ω 日 €"), U"Ω≈日");
    EXPECT_TRUE(UnstorableCharacters("Größe € ± µ").empty());
}

TEST(StorableText, TheWarningNamesEachCharacterOnceInTheCurrentLanguage) {
    EXPECT_EQ(UnstorableCharactersWarning("Größe €"), "");
    EXPECT_EQ(UnstorableCharactersWarning("Lautstärke ±5 Ω"), "Nicht speicherbare Zeichen: Ω (wird zu ?)");
    EXPECT_EQ(UnstorableCharactersWarning("Ω≈Ω"), "Nicht speicherbare Zeichen: Ω ≈ (werden zu ?)");
    SetLanguage(Language::English);
    EXPECT_EQ(UnstorableCharactersWarning("±5 Ω"), "Characters that cannot be stored: Ω (becomes ?)");
    EXPECT_EQ(UnstorableCharactersWarning("→ ←"), "Characters that cannot be stored: → ← (become ?)");
    SetLanguage(Language::German);
}

}  // namespace
