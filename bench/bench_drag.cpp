// Frame times of the mouse tools on a panel of 10 000 elements, on a canvas that draws nothing
// (the model's share of a frame): dragging 100 selected elements (ghost erased, elements
// moved, ghost drawn), hovering (elements near and under the pointer) and a full repaint.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_elements_grid.h"
#include "core/null_canvas.h"
#include "panel/platine.h"

namespace {

using pw::bench::kElements;
using pw::bench::kSelected;

struct Panel {
    pw::TPlatine panel;
    pw::NullCanvas canvas{{0, 0, 1200, 900}};
    Panel() {
        panel.ViewWidth = 1200;
        panel.ViewHeight = 900;
        panel.SnapSpacing = 50;
        panel.SetZoom(2);
        panel.SetCanvas(&canvas);
        for (int i = 0; i < kElements; ++i) {
            pw::TBauteil* e = panel.AddElement(pw::bench::MakeElement(i));
            if (pw::bench::IsSelected(i)) panel.SelectElement(e, true);
        }
    }
    static pw::MouseEvent At(int32_t x, int32_t y) {
        pw::MouseEvent e;
        e.pos = {x, y};
        return e;
    }
};

void BM_DragFrame(benchmark::State& state) {
    Panel p;
    p.panel.BeginSelectionDrag({600, 450});
    int32_t x = 600;
    for (auto _ : state) {
        x = x == 600 ? 620 : 600;  // 10 mm each frame: every frame moves
        p.panel.MouseMove(Panel::At(x, 450));
    }
    p.panel.EndSelectionDrag({x, 450}, false);
    state.SetItemsProcessed(state.iterations() * kSelected);
}
BENCHMARK(BM_DragFrame)->Unit(benchmark::kMillisecond);

void BM_HoverFrame(benchmark::State& state) {
    Panel p;
    int32_t x = 300;
    for (auto _ : state) {
        x = x == 300 ? 301 : 300;
        p.panel.MouseMove(Panel::At(x, 300));
    }
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_HoverFrame)->Unit(benchmark::kMillisecond);

void BM_RepaintView(benchmark::State& state) {
    Panel p;
    for (auto _ : state) p.panel.PaintView(p.canvas, {0, 0, 1200, 900});
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_RepaintView)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
