#pragma once
// What the pen, brush and font lists share about their INI files and their number fields:
// counts that never exceed the sections present, values kept within their ranges, the strict
// reading of a typed number and the writing of a list file in one piece.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/color.h"
#include "core/ini_file.h"
#include "core/numbers.h"

namespace pw {

// The count under key "Anzahl" of countSection, reduced to the entry sections prefix0,
// prefix1, ... that follow one another without a gap.
int StoredCount(const IniFile& ini, std::string_view countSection, std::string_view entryPrefix);

// The section of entry i: prefix followed by the decimal index ("Stift0").
std::string EntrySection(std::string_view prefix, int i);

// An integer kept within lo .. hi; def when the key is missing or no integer.
int ReadClamped(const IniFile& ini, std::string_view section, std::string_view key, int def, int lo, int hi);

// A colour 0x00BBGGRR stored as a decimal integer, kept within 0 .. 0xFFFFFF.
Color ReadColour(const IniFile& ini, std::string_view section, std::string_view key);

// A whole field read as a decimal number with ',' or '.' as separator, blanks around it
// allowed; nothing when the text is not one number or the number times `scale` does not fit a
// 32-bit integer.
std::optional<Real> ReadNumberField(std::string_view text, Real scale);

// Model units as the millimetres a number field shows: the shortest general form with the
// language's decimal separator ("3,5").
std::string MillimetreText(Real units);

// Reads the file at path (what it holds stays, sections of former longer lists too), lets
// `write` put the list in and writes it back through a temporary file that replaces the old
// one when complete. False when it could not be written.
bool RewriteListFile(const std::string& path, const std::function<void(IniFile&)>& write);

}  // namespace pw
