#include "core/registry.h"
#include "elements/bemassung.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "elements/textlabel.h"

namespace pw {

// Every element class the reader knows by name; each class adds itself here.
void RegisterBuiltinElementClasses() {
    RegisterElementClass("TGruppe", &MakeElement<TGruppe>);
    RegisterElementClass("TBohrung", &MakeElement<TBohrung>);
    RegisterElementClass("TLinie", &MakeElement<TLinie>);
    RegisterElementClass("TRechteck", &MakeElement<TRechteck>);
    RegisterElementClass("TPolygon", &MakeElement<TPolygon>);
    RegisterElementClass("TKreis", &MakeElement<TKreis>);
    RegisterElementClass("TBogen", &MakeElement<TBogen>);
    RegisterElementClass("TTextLabel", &MakeElement<TTextLabel>);
    RegisterElementClass("TBemassung", &MakeElement<TBemassung>);
}

}  // namespace pw
