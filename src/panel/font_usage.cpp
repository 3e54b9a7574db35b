#include "panel/font_usage.h"

#include <algorithm>

#include "elements/gruppe.h"
#include "elements/textlabel.h"
#include "text/font_engine.h"

namespace pw {

namespace {

void Collect(const TBauteil& e, std::vector<FontSubstitution>& out) {
    if (const auto* g = dynamic_cast<const TGruppe*>(&e)) {
        for (const auto& m : g->Members()) Collect(*m, out);
        return;
    }
    const auto* t = dynamic_cast<const TTextLabel*>(&e);
    if (!t) return;
    FontEngine& engine = FontEngine::Instance();
    const FontSpec& font = t->LabelFont();
    if (!engine.IsFallback(font)) return;
    bool known = std::any_of(out.begin(), out.end(),
                             [&](const FontSubstitution& s) { return s.requested == font.name; });
    if (!known) out.push_back({font.name, engine.ResolvedFamily(font)});
}

}  // namespace

std::vector<FontSubstitution> MissingFonts(const std::vector<const TPlatine*>& panels) {
    std::vector<FontSubstitution> out;
    for (const TPlatine* p : panels)
        for (const auto& e : p->Elements()) Collect(*e, out);
    return out;
}

}  // namespace pw
