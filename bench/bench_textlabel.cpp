// Speed of painting text: 1 000 text labels of ten characters each, drawn from their glyph
// outlines at 4 pixels per millimetre, with the font engine's caches cold (every font, face and
// glyph read again) and warm; and the same onto a recording canvas that keeps every polygon.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "core/null_canvas.h"
#include "core/recording_canvas.h"
#include "elements/textlabel.h"
#include "text/font_engine.h"

namespace {

using namespace pw;

constexpr int kLabels = 1000;

// Ten characters each, upright, in rows over a 600 mm panel; every fifth one turned.
std::vector<std::unique_ptr<TTextLabel>> MakeLabels() {
    std::vector<std::unique_ptr<TTextLabel>> labels;
    for (int i = 0; i < kLabels; ++i) {
        char text[16];
        std::snprintf(text, sizeof text, "Kanal %04d", i);
        const MPoint at{static_cast<Real>(500 + (i % 20) * 1400), static_cast<Real>(500 + (i / 20) * 580)};
        auto t = std::make_unique<TTextLabel>(FontSpec{"Arial", 200, 0}, text, at);
        t->SetBrushStyle(bsSolid);
        if (i % 5 == 0) t->Rotate(at, 0.5);
        labels.push_back(std::move(t));
    }
    return labels;
}

// Model units to pixels at 4 pixels per millimetre.
void MapAtFourPixelsPerMillimetre(Canvas& c) {
    c.SetMapMode(MapMode::Anisotropic);
    c.SetWindowExt(50, 50);
    c.SetViewportExt(4, 4);
}

void PaintAll(benchmark::State& state, Canvas& canvas, bool cold, RecordingCanvas* recording) {
    auto labels = MakeLabels();
    MapAtFourPixelsPerMillimetre(canvas);
    FontEngine& engine = FontEngine::Instance();
    for (auto _ : state) {
        if (cold) engine.ClearCaches();
        if (recording) recording->Clear();
        for (auto& t : labels) t->Paint(canvas);
    }
    state.SetItemsProcessed(state.iterations() * kLabels);
    state.counters["chars/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kLabels * 10,
                                                   benchmark::Counter::kIsRate);
}

void BM_PaintTextsCold(benchmark::State& state) {
    NullCanvas canvas({0, 0, 2400, 2400});
    PaintAll(state, canvas, true, nullptr);
}

void BM_PaintTextsWarm(benchmark::State& state) {
    NullCanvas canvas({0, 0, 2400, 2400});
    PaintAll(state, canvas, false, nullptr);
}

void BM_PaintTextsWarmRecorded(benchmark::State& state) {
    RecordingCanvas canvas({0, 0, 2400, 2400});
    PaintAll(state, canvas, false, &canvas);
}

}  // namespace

BENCHMARK(BM_PaintTextsCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintTextsWarm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintTextsWarmRecorded)->Unit(benchmark::kMillisecond);
