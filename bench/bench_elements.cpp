// Speed of the drawing elements on the hover path: a panel of 10 000 mixed elements asked, front
// to back, which element lies under one pointer position (bounds first, then the element's hit
// test), with warm and with dropped polyline caches; and the bounds of smoothed contours, cached
// and after a change.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "core/null_canvas.h"
#include "elements/bogen.h"
#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "panel/platine.h"

namespace {

using namespace pw;

constexpr int kElements = 10000;
constexpr double kZoom = 4;  // pixels per mm

std::unique_ptr<TBauteil> MakeElement(std::mt19937& rng, int kind) {
    std::uniform_real_distribution<double> pos(500, 29500), size(100, 1500);
    const MPoint at{pos(rng), pos(rng)};
    const Real s = size(rng);
    switch (kind) {
        case 0: {  // a line of a few vertices, every second one smoothed
            auto l = std::make_unique<TLinie>();
            for (int i = 0; i < 2 + static_cast<int>(rng() % 4); ++i)
                l->AddPoint({at.x + s * (i % 2), at.y + s * i / 3});
            if (rng() % 2) {
                l->SetGlaetten(true);
                l->SetGlaettenStil(glSpline);
            }
            return l;
        }
        case 1: {  // a rectangle, some filled, some with rounded corners
            auto r = std::make_unique<TRechteck>();
            for (MPoint p : {MPoint{0, 0}, MPoint{s, 0}, MPoint{s, s / 2}, MPoint{0, s / 2}})
                r->AddPoint(at + p);
            r->SetFuellenFlag(rng() % 2);
            if (rng() % 3 == 0) {
                r->SetGlaetten(true);
                r->SetGlaettenStil(glRundung);
                r->SetGlaettenBetrag(s / 5);
            }
            return r;
        }
        case 2: {
            auto k = std::make_unique<TKreis>();
            k->Centre = at;
            k->RimPoint = {at.x + s / 2, at.y};
            k->BuildContour();
            return k;
        }
        case 3: {
            auto b = std::make_unique<TBogen>();
            b->Centre = at;
            b->RimPoint = b->StartPoint = {at.x + s / 2, at.y};
            b->EndPoint = {at.x, at.y - s};
            b->SetStil(static_cast<int>(rng() % 3));
            b->BuildArc();
            return b;
        }
        case 4: {
            auto p = std::make_unique<TPolygon>();
            for (int i = 0; i < 6; ++i) p->AddPoint({at.x + s * (i % 3) / 2, at.y + s * (i / 3)});
            p->SetClosed(true);
            return p;
        }
        default: {
            auto h = std::make_unique<TBohrung>();
            h->Centre = at;
            return h;
        }
    }
}

struct Panel {
    TPlatine panel;
    NullCanvas canvas{{0, 0, 4000, 4000}};
    Panel() {
        std::mt19937 rng(20240601);
        for (int i = 0; i < kElements; ++i) panel.AddElement(MakeElement(rng, i % 6));
        panel.SetZoom(kZoom);
        panel.PrepareCanvas(canvas);
    }
    // The hover: front to back, elements whose bounds lie within 4 mm of the pointer are asked
    // for a hit; the first hit wins.
    TBauteil* Hover(IPoint pixel) {
        const IPoint m = canvas.DPtoLP(pixel);
        const Real x = m.x, y = m.y;
        const auto& list = panel.Elements();
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            const MRect b = NormaliseRect((*it)->GetBounds());
            if (x < b.x1 - 200 || x > b.x2 + 200 || y < b.y1 - 200 || y > b.y2 + 200) continue;
            if ((*it)->HitTest(pixel, canvas)) return it->get();
        }
        return nullptr;
    }
    // Elements whose bounds pass the 4 mm test at a pixel.
    int Candidates(IPoint pixel) {
        const IPoint m = canvas.DPtoLP(pixel);
        int n = 0;
        for (const auto& e : panel.Elements()) {
            const MRect b = NormaliseRect(e->GetBounds());
            n += !(m.x < b.x1 - 200 || m.x > b.x2 + 200 || m.y < b.y1 - 200 || m.y > b.y2 + 200);
        }
        return n;
    }
    // The pixel of a coarse grid over the panel that hits nothing and asks most elements for a
    // hit: the slowest hover.
    IPoint WorstMiss() {
        IPoint worst{1, 1};
        int most = -1;
        for (int y = 20; y < 2400; y += 60)
            for (int x = 20; x < 2400; x += 60) {
                if (Hover({x, y})) continue;
                const int n = Candidates({x, y});
                if (n > most) most = n, worst = {x, y};
            }
        return worst;
    }
    void DropCaches() {
        for (const auto& e : panel.Elements()) {
            if (auto* l = dynamic_cast<TLinie*>(e.get())) l->PointsChanged();
            if (auto* k = dynamic_cast<TKreis*>(e.get())) k->InnerContour().PointsChanged();
        }
    }
};

Panel& SharedPanel() {
    static Panel p;
    return p;
}

// Pointer positions: 0 over an empty corner (every bounds test fails), 1 over the middle of an
// element from the middle of the list, 2 the slowest miss found on a grid over the panel.
void BM_Hover(benchmark::State& state) {
    Panel& p = SharedPanel();
    IPoint pixel{1, 1};
    if (state.range(0) == 1) {
        const MRect b = NormaliseRect(p.panel.Element(kElements / 2)->GetBounds());
        pixel = p.canvas.LPtoDP(RoundPoint(Midpoint({b.x1, b.y1}, {b.x2, b.y2})));
    } else if (state.range(0) == 2) {
        static const IPoint worst = p.WorstMiss();
        pixel = worst;
    }
    p.Hover(pixel);
    state.counters["candidates"] = p.Candidates(pixel);
    int hits = 0;
    for (auto _ : state) {
        if (state.range(1)) {
            state.PauseTiming();
            p.DropCaches();
            state.ResumeTiming();
        }
        hits += p.Hover(pixel) != nullptr;
    }
    benchmark::DoNotOptimize(hits);
    state.counters["hit"] = hits > 0;
}
BENCHMARK(BM_Hover)
    ->ArgNames({"pointer", "caches_dropped"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Unit(benchmark::kMicrosecond);

std::vector<std::unique_ptr<TKreis>> Circles(int n) {
    std::vector<std::unique_ptr<TKreis>> v;
    for (int i = 0; i < n; ++i) {
        auto k = std::make_unique<TKreis>();
        k->Centre = {1000.0L + i, 2000};
        k->RimPoint = {1500.0L + i, 2000};
        k->BuildContour();
        v.push_back(std::move(k));
    }
    return v;
}

// GetBounds of 1000 smoothed circles: from the cache, and after each was moved.
void BM_SmoothedBounds(benchmark::State& state) {
    auto circles = Circles(1000);
    Real sum = 0;
    for (auto _ : state) {
        for (auto& k : circles) {
            if (state.range(0)) k->Move({0.5L, 0});
            sum += k->GetBounds().x1;
        }
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations() * 1000);
}
BENCHMARK(BM_SmoothedBounds)->ArgName("after_change")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
