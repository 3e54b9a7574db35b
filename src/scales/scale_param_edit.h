#pragma once
// Editing one scale parameter the way the assistant's grid does: a typed text committed to a
// numeric parameter through the range check, and the keys and the double click that set or
// toggle a yes/no parameter.

#include <string_view>

#include "scales/scale_param.h"

namespace pw {

enum class ParamCommit {
    Unchanged,  // the text gives the value already stored (or the parameter is yes/no)
    Changed,    // the new value lies within the allowed intervals
    Corrected,  // the new value was replaced by the nearest bound
};

// Commits a typed text to a numeric parameter. The text is read as a number with ',' or '.' as
// decimal point (an empty text or one that is no number reads as 0); a whole number takes it
// rounded to nearest, halves to even. A yes/no parameter is never changed this way.
ParamCommit CommitParamText(TScaleParam& p, std::string_view text);

// The space bar, J, Y and N in either case: the keys that set a yes/no parameter.
bool IsYesNoKey(char32_t key);

// A key typed on a yes/no parameter: the space bar toggles it, J and Y (either case) set yes,
// N sets no; other keys and numeric parameters are left alone. True when the value changed.
bool YesNoKey(TScaleParam& p, char32_t key);

// The double click: toggles a yes/no parameter; true when it did.
bool ToggleYesNo(TScaleParam& p);

}  // namespace pw
