#include "panel/register_elements.h"

#include "core/registry.h"
#include "elements/bemassung.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/btmap.h"
#include "elements/gruppe.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/meta.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "elements/textlabel.h"
#include "scales/scale.h"
#include "scales/skale_bogen.h"

namespace pw {

namespace {
// Every element class the reader knows by name; each class adds itself here.
void RegisterEveryClass() {
    RegisterElementClass("TGruppe", &MakeElement<TGruppe>);
    RegisterElementClass("TBohrung", &MakeElement<TBohrung>);
    RegisterElementClass("TLinie", &MakeElement<TLinie>);
    RegisterElementClass("TRechteck", &MakeElement<TRechteck>);
    RegisterElementClass("TPolygon", &MakeElement<TPolygon>);
    RegisterElementClass("TKreis", &MakeElement<TKreis>);
    RegisterElementClass("TBogen", &MakeElement<TBogen>);
    RegisterElementClass("TScale", &MakeElement<TScale>);
    RegisterElementClass("TSkaleBogen", &MakeElement<TSkaleBogen>);
    RegisterElementClass("TTextLabel", &MakeElement<TTextLabel>);
    RegisterElementClass("TBemassung", &MakeElement<TBemassung>);
    RegisterElementClass("TBtmap", &MakeElement<TBtmap>);
    RegisterElementClass("TMeta", &MakeElement<TMeta>);
}
}  // namespace

void RegisterBuiltinElementClasses() {
    static const bool done = [] {
        RegisterEveryClass();
        return true;
    }();
    (void)done;
}

}  // namespace pw
