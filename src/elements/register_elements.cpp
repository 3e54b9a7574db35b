#include "core/registry.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/textlabel.h"

namespace pw {

// Every element class the reader knows by name; each class adds itself here.
void RegisterBuiltinElementClasses() {
    RegisterElementClass("TGruppe", &MakeElement<TGruppe>);
    RegisterElementClass("TBohrung", &MakeElement<TBohrung>);
    RegisterElementClass("TTextLabel", &MakeElement<TTextLabel>);
}

}  // namespace pw
