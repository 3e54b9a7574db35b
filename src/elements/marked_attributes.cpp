#include "elements/marked_attributes.h"

#include <algorithm>

#include "core/numbers.h"
#include "elements/textlabel.h"

namespace pw {

PenValues PenOf(const TBauteil& e) {
    return {std::max(0, RoundToInt(e.StiftBreite())), e.StiftFarbe(), e.StiftPattern()};
}

BrushValues BrushOf(const TBauteil& e) {
    return {e.BrushFarbe(), e.BrushStyle()};
}

std::optional<FontValues> FontOf(const TBauteil& e) {
    const auto* text = dynamic_cast<const TTextLabel*>(&e);
    if (!text) return std::nullopt;
    return FontValues{text->LabelFont(), text->StiftFarbe()};
}

}  // namespace pw
