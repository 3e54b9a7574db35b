#pragma once
// The assistant's scale across runs of the program: its style, the values of its parameters and
// its inscription texts, kept in one section of the settings file.
//
//   [Skalen-Assistent]
//   Stil=1
//   Parameter0=270            numbers exactly (21 digits, '.'), switches 1 or 0
//   Beschriftungen=11
//   Beschriftung0="0"         in quotes, so that blanks at either end survive

#include <cstddef>

#include "core/ini_file.h"
#include "scales/scale.h"

namespace pw {

inline constexpr const char* kScaleAssistantSection = "Skalen-Assistent";
// More inscription texts than this are not read back.
inline constexpr size_t kMaxRememberedInscriptions = 1000;

// Replaces the section by the scale's style, parameter values and inscription texts.
void RememberScale(const TScale& scale, IniFile& ini);

// Gives the scale what RememberScale wrote. Without the section, or with a style outside 0 to
// 12, the scale stays as it is. A missing parameter keeps its default; a value outside its
// intervals is corrected by the range check.
void RecallScale(TScale& scale, const IniFile& ini);

}  // namespace pw
