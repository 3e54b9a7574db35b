// Speed of the scale generator: Build of the default scale of every style, as the assistant's
// preview runs it after every keystroke, and the same followed by the preview's bounds query
// and a paint (flattening every contour and text) on a canvas that draws nothing.
#include <benchmark/benchmark.h>

#include "core/null_canvas.h"
#include "panel/platine.h"
#include "scales/scale.h"

namespace {

using namespace pw;

void BM_ScaleBuild(benchmark::State& state) {
    TScale scale;
    scale.SetStyle(static_cast<uint8_t>(state.range(0)));
    scale.Build();  // font metrics and glyph caches warm, as in the running assistant
    for (auto _ : state) {
        scale.Build();
        benchmark::DoNotOptimize(scale.MemberCount());
    }
    state.SetLabel(ScaleStyleCaption(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_ScaleBuild)->DenseRange(0, kScaleStyleCount - 1)->Unit(benchmark::kMicrosecond);

void BM_ScaleBuildBoundsAndPaint(benchmark::State& state) {
    TScale scale;
    scale.SetStyle(static_cast<uint8_t>(state.range(0)));
    scale.Build();
    TPlatine panel;
    panel.SetZoom(2);
    NullCanvas canvas({0, 0, 1200, 1200});
    panel.PrepareCanvas(canvas);
    for (auto _ : state) {
        scale.Build();
        benchmark::DoNotOptimize(scale.GetBounds());
        scale.Paint(canvas);
    }
}
BENCHMARK(BM_ScaleBuildBoundsAndPaint)->DenseRange(0, kScaleStyleCount - 1)->Unit(benchmark::kMicrosecond);

}  // namespace
