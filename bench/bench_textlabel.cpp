// Speed of painting text: 1 000 text labels of ten characters each, drawn from their glyph
// outlines at 4 pixels per millimetre. The first paint of new labels reads and samples every
// outline, with the font engine's caches cold (every font, face and glyph read again) or warm;
// a repaint draws the polygons the labels keep; and the same onto a recording canvas that keeps
// every polygon.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "core/null_canvas.h"
#include "elements/textlabel.h"
#include "support/recording_canvas.h"
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

void Count(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kLabels);
    state.counters["chars/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * kLabels * 10,
                                                   benchmark::Counter::kIsRate);
}

// New labels every time (made outside the timing): the first paint.
void FirstPaint(benchmark::State& state, bool cold) {
    NullCanvas canvas({0, 0, 2400, 2400});
    MapAtFourPixelsPerMillimetre(canvas);
    FontEngine& engine = FontEngine::Instance();
    for (auto _ : state) {
        state.PauseTiming();
        auto labels = MakeLabels();
        if (cold) engine.ClearCaches();
        state.ResumeTiming();
        for (auto& t : labels) t->Paint(canvas);
        state.PauseTiming();
        labels.clear();
        state.ResumeTiming();
    }
    Count(state);
}

void Repaint(benchmark::State& state, Canvas& canvas, RecordingCanvas* recording) {
    auto labels = MakeLabels();
    MapAtFourPixelsPerMillimetre(canvas);
    for (auto& t : labels) t->Paint(canvas);
    for (auto _ : state) {
        if (recording) recording->Clear();
        for (auto& t : labels) t->Paint(canvas);
    }
    Count(state);
}

void BM_PaintTextsCold(benchmark::State& state) {
    FirstPaint(state, true);
}

void BM_PaintTextsWarm(benchmark::State& state) {
    FirstPaint(state, false);
}

void BM_RepaintTexts(benchmark::State& state) {
    NullCanvas canvas({0, 0, 2400, 2400});
    Repaint(state, canvas, nullptr);
}

void BM_RepaintTextsRecorded(benchmark::State& state) {
    RecordingCanvas canvas({0, 0, 2400, 2400});
    Repaint(state, canvas, &canvas);
}

}  // namespace

BENCHMARK(BM_PaintTextsCold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintTextsWarm)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintTextsRecorded)->Unit(benchmark::kMillisecond);
