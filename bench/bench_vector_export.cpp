// Exporting the crowded panel of the painting benchmarks (10 000 mixed elements on a 300 x 200 mm
// panel) as an SVG drawing and as a PDF page, the whole panel with its surface: processor time
// per export and the size of the file, as the counter "bytes". The argument chooses the element
// kind (-1: all of them), to see what each kind costs.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QGuiApplication>
#include <vector>

#include "crowded_panel.h"
#include "render/panel_render.h"

using namespace pw;

namespace {

using namespace pw::crowded;

// The whole panel, then each kind of element on its own.
void EveryKind(benchmark::internal::Benchmark* b) {
    for (Kind k : {kAll, kLines, kContours, kCircles, kDrills, kTexts}) b->Arg(k);
}

void BM_ExportSvg(benchmark::State& state) {
    auto panel = CrowdedPanel(static_cast<Kind>(state.range(0)));
    QByteArray svg;
    for (auto _ : state) {
        svg = RenderPanelSvg(*panel, true);
        benchmark::DoNotOptimize(svg.data());
    }
    state.counters["bytes"] = static_cast<double>(svg.size());
}
BENCHMARK(BM_ExportSvg)->Apply(EveryKind)->Unit(benchmark::kMillisecond);

void BM_ExportPdf(benchmark::State& state) {
    auto panel = CrowdedPanel(static_cast<Kind>(state.range(0)));
    const std::vector<const TPlatine*> panels{panel.get()};
    QByteArray pdf;
    for (auto _ : state) {
        pdf = RenderPanelsPdf(panels, true);
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["bytes"] = static_cast<double>(pdf.size());
}
BENCHMARK(BM_ExportPdf)->Apply(EveryKind)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // The PDF writer needs a GUI application (fonts, paint devices).
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
