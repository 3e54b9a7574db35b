#pragma once
// The attributes of an element as the pen, brush and font windows show them when the element
// becomes the panel's current element, so that the next apply starts from them.

#include <optional>

#include "core/drawing_values.h"

namespace pw {

class TBauteil;

PenValues PenOf(const TBauteil& e);
BrushValues BrushOf(const TBauteil& e);
// A text's font and its pen colour; nothing for other elements.
std::optional<FontValues> FontOf(const TBauteil& e);

}  // namespace pw
