// Font attributes applied to selected texts.
#include "elements/textlabel.h"
#include "panel/platine.h"

namespace pw {

// Texts take the current font's name, height, colour or style; other elements have no font.
// A new name or height fits the text's frame to the new size, keeping its reference corner,
// direction, mirroring and stretch; the old area is repainted too, as the text may shrink. A new
// style keeps the frame.
void TPlatine::ApplyFontAttribute(TBauteil& e, Attribute which) {
    auto* text = dynamic_cast<TTextLabel*>(&e);
    if (!text) return;
    FontSpec font = text->LabelFont();
    switch (which) {
        case Attribute::FontName:
            InvalidateElement(text);
            font.name = CurrentFont.name;
            text->ChangeFont(font);
            break;
        case Attribute::FontHeight:
            InvalidateElement(text);
            font.height = CurrentFont.height;
            text->ChangeFont(font);
            break;
        case Attribute::FontColor:
            text->SetStiftFarbe(CurrentFontColor);
            text->SetBrushFarbe(CurrentFontColor);
            break;
        case Attribute::FontStyle:
            font.style = CurrentFont.style;
            text->SetLabelFont(font);
            break;
        default:
            break;
    }
}

void TPlatine::AdoptConfirmedText(TBauteil& e) {
    auto* text = dynamic_cast<TTextLabel*>(&e);
    if (!text) return;
    InvalidateElement(text);
    text->ApplyEditedText();
    CurrentFont = text->LabelFont();
}

}  // namespace pw
