#pragma once
// The crowded panel of the drag benchmarks: 10 000 elements in a grid of 100 x 100 cells of
// 5.8 mm (rectangles, lines, circles, drill holes in turn), every hundredth one selected.

#include <memory>

#include "core/bauteil.h"
#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/rechteck.h"

namespace pw::bench {

constexpr int kElements = 10000;
constexpr int kSelected = 100;

inline std::unique_ptr<TBauteil> MakeElement(int i) {
    const Real x = static_cast<Real>(i % 100) * 290 + 200, y = static_cast<Real>(i / 100) * 290 + 200;
    switch (i % 4) {
        case 0: {
            auto r = std::make_unique<TRechteck>();
            for (MPoint p : {MPoint{x, y}, {x + 200, y}, {x + 200, y + 120}, {x, y + 120}}) r->AddPoint(p);
            r->SetStiftBreite(25);
            return r;
        }
        case 1: {
            auto l = std::make_unique<TLinie>();
            for (MPoint p : {MPoint{x, y}, {x + 150, y + 80}, {x + 220, y + 10}}) l->AddPoint(p);
            l->SetStiftBreite(25);
            return l;
        }
        case 2: {
            auto k = std::make_unique<TKreis>();
            k->Centre = {x + 100, y + 100};
            k->RimPoint = {x + 180, y + 100};
            k->BuildContour();
            return k;
        }
        default: {
            auto d = std::make_unique<TBohrung>();
            d->Centre = {x + 100, y + 100};
            d->Diameter = 150;
            return d;
        }
    }
}

inline bool IsSelected(int i) {
    return i % (kElements / kSelected) == 0;
}

}  // namespace pw::bench
