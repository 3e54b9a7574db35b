#pragma once
// Guards for the program-wide hooks a test installs: each sets its hook for as long as it
// lives and takes it back afterwards, also when a failed assertion ends the test early.

#include <functional>
#include <utility>

#include "core/bauteil.h"
#include "core/language.h"

namespace pw {

// The user-interface language for one scope; the language before it comes back.
class LanguageGuard {
  public:
    explicit LanguageGuard(Language language) : saved_(CurrentLanguage()) { SetLanguage(language); }
    ~LanguageGuard() { SetLanguage(saved_); }
    LanguageGuard(const LanguageGuard&) = delete;
    LanguageGuard& operator=(const LanguageGuard&) = delete;

  private:
    Language saved_;
};

// A beep handler for one scope; afterwards nothing sounds, as without the program's handler.
class BeepGuard {
  public:
    explicit BeepGuard(std::function<void()> handler) { SetBeepHandler(std::move(handler)); }
    ~BeepGuard() { SetBeepHandler(nullptr); }
    BeepGuard(const BeepGuard&) = delete;
    BeepGuard& operator=(const BeepGuard&) = delete;
};

// The properties dialog of one element class (TBohrung, TBogen, TTextLabel) for one scope;
// afterwards the class has none.
template <class Element>
class DialogGuard {
  public:
    explicit DialogGuard(typename Element::DialogFunction dialog) { Element::SetDialog(std::move(dialog)); }
    ~DialogGuard() { Element::SetDialog(nullptr); }
    DialogGuard(const DialogGuard&) = delete;
    DialogGuard& operator=(const DialogGuard&) = delete;
};

}  // namespace pw
