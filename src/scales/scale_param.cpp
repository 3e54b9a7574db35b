#include "scales/scale_param.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace pw {

void TScaleParam::SetNumericValue(Real v) {
    switch (ParamType) {
        case spYesNo:
            BoolValue = v != 0;
            break;
        case spWhole: {
            const int64_t limit = std::numeric_limits<int32_t>::max();
            IntValue = static_cast<int32_t>(std::clamp<int64_t>(RoundToInt64(v), -limit - 1, limit));
            break;
        }
        case spNumber:
            RealValue = v;
            break;
    }
}

std::string TScaleParam::DisplayName() const {
    return ParamUnit.empty() ? ParamName : ParamName + " [" + ParamUnit + "]";
}

bool CheckRange(TScaleParam& p) {
    if (!p.IsNumeric()) return true;
    const Real v = p.NumericValue();
    if (p.Range1.Contains(v) || p.Range2.Contains(v)) return true;

    std::vector<Real> bounds{p.Range1.low, p.Range1.high};
    if (p.Range2.Used()) {
        bounds.push_back(p.Range2.low);
        bounds.push_back(p.Range2.high);
    }
    const auto [lowest, highest] = std::minmax_element(bounds.begin(), bounds.end());
    Real corrected = bounds.front();
    if (std::isnan(v)) {
        // No side and no distance: the first bound.
    } else if (v <= *lowest) {
        // Far from the intervals every distance rounds to the same number; the nearest bound of
        // a value below them all is the lowest one (and of one above, the highest).
        corrected = *lowest;
    } else if (v >= *highest) {
        corrected = *highest;
    } else {
        Real nearest = std::numeric_limits<Real>::infinity();
        for (Real b : bounds) nearest = std::min(nearest, std::fabs(v - b));
        for (Real b : bounds)
            if (std::fabs(v - b) == nearest) corrected = b;
    }
    if (p.ParamType == spWhole)
        p.IntValue = RoundToInt(corrected);
    else
        p.RealValue = corrected;
    return false;
}

std::string ParamValueText(const TScaleParam& p, char decimalSeparator, const std::string& yesText,
                           const std::string& noText) {
    switch (p.ParamType) {
        case spYesNo:
            return p.BoolValue ? yesText : noText;
        case spWhole:
            return std::to_string(p.IntValue);
        case spNumber:
            break;
    }
    return FormatGeneral(p.RealValue, 15, decimalSeparator);
}

}  // namespace pw
