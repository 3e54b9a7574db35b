#pragma once
// Names taken from a file, made safe to show in a message line or on a terminal.

#include <string>
#include <string_view>

namespace pw {

// The name as it is when every byte of it prints as itself; otherwise (also when it is empty)
// in double quotes, with control characters (C0, DEL, C1) and bytes that are not UTF-8
// written as C escapes ("\n", "\x1b", "\u0085") and quotes and backslashes escaped.
std::string PrintableName(std::string_view name);

}  // namespace pw
