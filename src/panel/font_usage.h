#pragma once
// The fonts the texts of a panel ask for that are not installed, with the family shown in
// their place, so the program can say so instead of silently drawing another font.

#include <string>
#include <vector>

#include "panel/platine.h"

namespace pw {

struct FontSubstitution {
    std::string requested;  // the family the texts name
    std::string shown;      // the installed family drawn instead
    friend bool operator==(const FontSubstitution&, const FontSubstitution&) = default;
};

// Each missing family once, in the order first met, through groups of any depth.
std::vector<FontSubstitution> MissingFonts(const std::vector<const TPlatine*>& panels);

}  // namespace pw
