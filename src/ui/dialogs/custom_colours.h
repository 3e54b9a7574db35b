#pragma once
// The custom colours of the colour dialog, shared by every window that opens it through the
// text file Colors.dat in the writable program directory: one line per entry, "ColorA=BBGGRR"
// to "ColorP=BBGGRR", the colour as six hexadecimal digits of its 0x00BBGGRR value.

#include <QString>
#include <array>
#include <optional>

#include "core/color.h"

class QWidget;

namespace pw {

using CustomColours = std::array<Color, 16>;

// The entries of the file; a missing file, a missing entry and an entry that is no colour give
// white.
CustomColours ReadCustomColours(const QString& path);
// Writes all sixteen entries (replacing the file only once it is complete); false on failure.
bool WriteCustomColours(const QString& path, const CustomColours& colours);

// The file's path in a program directory.
QString CustomColoursPath(const QString& programDir);

// Opens the colour dialog with the colour, its custom colours loaded from Colors.dat before;
// after a confirmed choice the custom colours are written back (the file is created when it
// was missing). The chosen colour, nothing when cancelled.
std::optional<Color> ChooseColour(QWidget* parent, Color initial, const QString& programDir);

}  // namespace pw
