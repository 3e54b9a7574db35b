#include "scales/scale_param_edit.h"

namespace pw {

ParamCommit CommitParamText(TScaleParam& p, std::string_view text) {
    if (!p.IsNumeric()) return ParamCommit::Unchanged;
    TScaleParam typed = p;
    typed.SetNumericValue(TextToNumber(text));
    if (typed.NumericValue() == p.NumericValue()) return ParamCommit::Unchanged;
    p = typed;
    return CheckRange(p) ? ParamCommit::Changed : ParamCommit::Corrected;
}

bool IsYesNoKey(char32_t key) {
    switch (key) {
        case U' ':
        case U'J':
        case U'j':
        case U'Y':
        case U'y':
        case U'N':
        case U'n':
            return true;
        default:
            return false;
    }
}

bool YesNoKey(TScaleParam& p, char32_t key) {
    if (p.IsNumeric()) return false;
    const bool before = p.BoolValue;
    switch (key) {
        case U' ':
            p.BoolValue = !p.BoolValue;
            break;
        case U'J':
        case U'j':
        case U'Y':
        case U'y':
            p.BoolValue = true;
            break;
        case U'N':
        case U'n':
            p.BoolValue = false;
            break;
        default:
            break;
    }
    return p.BoolValue != before;
}

bool ToggleYesNo(TScaleParam& p) {
    return YesNoKey(p, U' ');
}

}  // namespace pw
