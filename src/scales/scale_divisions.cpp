// The divided scales (styles 0 to 5): the first division of ticks or dots, the running line
// and the second division between the first-division marks.

#include <algorithm>
#include <cmath>

#include "elements/bogen.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "scales/scale.h"
#include "scales/scale_build_support.h"

namespace pw {

Real TScale::FirstPosition(int i) const {
    const DivisionIndices L = DivisionLayout(style_);
    const int n = ClampedCount(*this, L.segments1);
    const bool invert = ParamBool(L.invert);
    const bool logarithmic = IsLogStyle(style_);
    const Real t = std::log10(9 * static_cast<Real>(i) / n + 1);
    if (IsStraightStyle(style_)) {
        const Real length = kUnitsPerMm * ParamReal(L.extent);
        if (logarithmic)
            return invert ? Centre.x + length / 2 - t * length : Centre.x - length / 2 + t * length;
        return invert ? Centre.x + length / 2 - (length / n) * i : Centre.x - length / 2 + (length / n) * i;
    }
    if (logarithmic) return invert ? end_ + t * span_ : start_ - t * span_;
    return invert ? end_ + (span_ / n) * i : start_ - (span_ / n) * i;
}

Real TScale::SecondPosition(int i, int j) const {
    const DivisionIndices L = DivisionLayout(style_);
    const int m = ClampedCount(*this, L.segments2);
    if (!IsLogStyle(style_)) {
        const Real a = FirstPosition(i), b = FirstPosition(i + 1);
        return a + ((b - a) / m) * j;
    }
    const int n = ClampedCount(*this, L.segments1);
    const bool invert = ParamBool(L.invert);
    const Real u = std::log10(9 * (static_cast<Real>(i) / n + (static_cast<Real>(j) / n) / m) + 1);
    if (IsStraightStyle(style_)) {
        const Real length = kUnitsPerMm * ParamReal(L.extent);
        return invert ? Centre.x + length / 2 - u * length : Centre.x - length / 2 + u * length;
    }
    return invert ? end_ + u * span_ : start_ - u * span_;
}

std::unique_ptr<TBauteil> TScale::MakeMark(Real position, Real size) const {
    MPoint base, outer;
    if (IsStraightStyle(style_)) {
        base = {position, Centre.y};
        outer = {position, Centre.y - size};
    } else {
        const Real radius = kUnitsPerMm * ParamReal(DivisionLayout(style_).diameter) / 2;
        base = PointAtAngle(Centre, radius, position);
        outer = PointAtAngle(Centre, radius + size, position);
    }
    if (IsTickStyle(style_)) {
        auto tick = std::make_unique<TLinie>();
        tick->AddPoint(base);
        tick->AddPoint(outer);
        return tick;
    }
    // A dot's radius is the entered value: the dot is twice as wide.
    auto dot = std::make_unique<TKreis>();
    dot->Centre = base;
    dot->RimPoint = {base.x + size, base.y};
    dot->SetStiftBreite(0);
    dot->BuildContour();
    return dot;
}

void TScale::BuildFirstDivision() {
    const DivisionIndices L = DivisionLayout(style_);
    const int n = ClampedCount(*this, L.segments1);
    const Real size = kUnitsPerMm * ParamReal(L.length1);
    TickGroup = AppendGroup();
    for (int i = 0; i <= n; ++i) {
        TickGroup->AddMember(MakeMark(FirstPosition(i), size));
        AppendDefaultInscriptions(static_cast<size_t>(i) + 1);
    }
}

void TScale::BuildRunningLine() {
    const DivisionIndices L = DivisionLayout(style_);
    if (!ParamBool(L.runningLine)) return;
    if (IsStraightStyle(style_)) {
        const Real length = kUnitsPerMm * ParamReal(L.extent);
        auto line = std::make_unique<TLinie>();
        line->AddPoint({Centre.x - length / 2, Centre.y});
        line->AddPoint({Centre.x + length / 2, Centre.y});
        AddMember(std::move(line));
        return;
    }
    const Real radius = kUnitsPerMm * ParamReal(L.diameter) / 2;
    auto arc = std::make_unique<TBogen>();
    arc->Centre = Centre;
    arc->RimPoint = {Centre.x, Centre.y + radius};
    arc->StartPoint = PointAtAngle(Centre, radius, start_);
    // A full turn ends on the very start point, so that the arc sees equal directions.
    arc->EndPoint = IsFullTurn(span_) ? arc->StartPoint : PointAtAngle(Centre, radius, end_);
    arc->BuildArc();
    AddMember(std::move(arc));
}

void TScale::BuildSecondDivision() {
    const DivisionIndices L = DivisionLayout(style_);
    if (!ParamBool(L.second)) return;
    const int n = ClampedCount(*this, L.segments1);
    const int m = ClampedCount(*this, L.segments2);
    const Real size = kUnitsPerMm * ParamReal(L.length2);
    SubTickGroup = AppendGroup();
    for (int i = 0; i < n; ++i)
        for (int j = 1; j < m; ++j) SubTickGroup->AddMember(MakeMark(SecondPosition(i, j), size));
}

}  // namespace pw
