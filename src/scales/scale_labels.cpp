// The inscriptions of the divided scales and the empirical scale: one centred text per
// first-division mark or segment boundary.

#include <algorithm>

#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/textlabel.h"
#include "scales/scale.h"
#include "scales/skale_bogen.h"

namespace pw {

namespace {

// The point on the ray from `from` through `to` at distance |to - from| + extra from `from`.
MPoint Beyond(MPoint from, MPoint to, Real extra) {
    const Real dist = Distance(from, to);
    if (dist == 0) return to;
    return from + (to - from) * ((extra + dist) / dist);
}

// A text of the given font centred on p and turned by tau about its centre.
std::unique_ptr<TTextLabel> CentredLabel(const FontSpec& font, const std::string& text, MPoint p, Real tau) {
    auto label = std::make_unique<TTextLabel>(font, text, p);
    MRect b = label->GetBounds();
    label->Move({-(b.x2 - b.x1) / 2, -(b.y2 - b.y1) / 2});
    b = label->GetBounds();
    label->Rotate({(b.x1 + b.x2) / 2, (b.y1 + b.y2) / 2}, static_cast<double>(tau));
    return label;
}

}  // namespace

void TScale::AppendDefaultInscriptions(size_t count) {
    while (Inscriptions.size() < count) Inscriptions.push_back(std::to_string(Inscriptions.size()));
}

MPoint TScale::LabelCentre(size_t i) const {
    const Real distance = kUnitsPerMm * ParamReal(static_cast<size_t>(LabelLayout(style_)->distance));
    if (style_ == ssEmpirical) {
        // The outer corner at the start of segment i, or at the end of the last segment.
        const MPoint q1 = i < bands_.size() ? bands_[i]->Point(0) : bands_.back()->Point(16);
        return Beyond(Centre, q1, distance);
    }
    const TBauteil* mark = TickGroup->Member(i);
    if (IsTickStyle(style_)) {
        const auto* tick = static_cast<const TLinie*>(mark);
        return Beyond(tick->Point(0), tick->Point(tick->PointCount() - 1), distance);
    }
    const MPoint dot = static_cast<const TKreis*>(mark)->Centre;
    if (IsStraightStyle(style_)) return {dot.x, Centre.y - distance};
    return Beyond(Centre, dot, distance);
}

void TScale::BuildInscriptions() {
    const std::optional<LabelIndices> layout = LabelLayout(style_);
    if (!layout || !ParamBool(static_cast<size_t>(layout->on))) return;
    size_t count = 0;
    if (style_ == ssEmpirical) {
        count = bands_.size() + 1;
        // The segment boundaries are numbered like the marks of the divided styles when the
        // list holds fewer texts.
        AppendDefaultInscriptions(count);
    } else {
        count = TickGroup->MemberCount();
    }
    FontSpec font = TextFont;
    // A font height of 0 would mean "any height"; the smallest text is one unit high.
    font.height = std::max(1, RoundToInt(kUnitsPerMm * ParamReal(static_cast<size_t>(layout->height))));
    const Real tau = DegToRad(ParamReal(static_cast<size_t>(layout->angle)));
    LabelGroup = AppendGroup();
    for (size_t i = 0; i < count; ++i)
        LabelGroup->AddMember(CentredLabel(font, Inscriptions[i], LabelCentre(i), tau));
}

}  // namespace pw
