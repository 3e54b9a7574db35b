// Font attributes applied to selected texts.
#include "core/platine.h"

namespace pw {

// Texts take the current font's name, height, colour or style here once the text element
// exists; other elements have no font.
void TPlatine::ApplyFontAttribute(TBauteil&, Attribute) {}

void TPlatine::AdoptConfirmedText(TBauteil&) {}

}  // namespace pw
