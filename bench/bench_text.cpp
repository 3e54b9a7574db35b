// Speed of the font engine: glyph outlines read fresh from the font and from the cache, and
// text measurement.
#include <benchmark/benchmark.h>

#include "core/geometry.h"
#include "text/font_engine.h"

namespace {

using pw::FontEngine;
using pw::FontSpec;
using pw::GlyphMatrix;
using pw::GlyphPoint;

// Counts what it receives, so that nothing is optimised away.
class CountingSink : public pw::GlyphSink {
  public:
    int64_t points = 0;
    void StartContour(GlyphPoint) override { ++points; }
    void LineRun(const GlyphPoint*, size_t n) override { points += static_cast<int64_t>(n); }
    void QuadraticRun(const GlyphPoint*, size_t n) override { points += static_cast<int64_t>(n); }
    void CloseContour() override {}
};

constexpr char32_t kTen[] = U"Frontplatt";  // ten characters, as a text element draws them
const FontSpec kFont{"Arial", 200, 0};
const GlyphMatrix kMatrix{pw::ToFixed16(0.9L), 0, pw::ToFixed16(0.1L), pw::ToFixed16(-1)};

void OutlineTen(benchmark::State& state, bool cold) {
    FontEngine& engine = FontEngine::Instance();
    CountingSink sink;
    for (auto _ : state) {
        // Cold: nothing known, not even the font; the lookup, the face and every glyph are read.
        if (cold) engine.ClearCaches();
        for (size_t i = 0; i < 10; ++i) engine.Outline(kFont, kTen[i], kMatrix, sink);
    }
    benchmark::DoNotOptimize(sink.points);
    state.SetItemsProcessed(state.iterations() * 10);
}

void BM_OutlineTenCold(benchmark::State& state) {
    OutlineTen(state, true);
}
void BM_OutlineTenWarm(benchmark::State& state) {
    OutlineTen(state, false);
}

// Cold glyphs of a font already found: the cost of the first paint after the face is open.
void BM_OutlineTenColdGlyphs(benchmark::State& state) {
    FontEngine& engine = FontEngine::Instance();
    CountingSink sink;
    for (auto _ : state) {
        state.PauseTiming();
        engine.ClearCaches();
        engine.Metrics(kFont);  // finds the font and opens the face again
        state.ResumeTiming();
        for (size_t i = 0; i < 10; ++i) engine.Outline(kFont, kTen[i], kMatrix, sink);
    }
    benchmark::DoNotOptimize(sink.points);
    state.SetItemsProcessed(state.iterations() * 10);
}

// Alternating heights reuse the glyphs: only the scaling is redone.
void BM_OutlineTenWarmTwoHeights(benchmark::State& state) {
    FontEngine& engine = FontEngine::Instance();
    CountingSink sink;
    FontSpec fonts[2] = {kFont, {"Arial", 137, 0}};
    int k = 0;
    for (auto _ : state) {
        for (size_t i = 0; i < 10; ++i) engine.Outline(fonts[k], kTen[i], kMatrix, sink);
        k ^= 1;
    }
    benchmark::DoNotOptimize(sink.points);
    state.SetItemsProcessed(state.iterations() * 10);
}

void BM_TextWidthWarm(benchmark::State& state) {
    FontEngine& engine = FontEngine::Instance();
    int64_t sum = 0;
    for (auto _ : state) sum += engine.TextWidth(kFont, "Frontplatte 12,5 mm");
    benchmark::DoNotOptimize(sum);
}

void BM_FontLookupCold(benchmark::State& state) {
    FontEngine& engine = FontEngine::Instance();
    for (auto _ : state) {
        engine.ClearCaches();
        benchmark::DoNotOptimize(engine.IsFallback(kFont));
    }
}

}  // namespace

BENCHMARK(BM_OutlineTenCold);
BENCHMARK(BM_OutlineTenColdGlyphs);
BENCHMARK(BM_OutlineTenWarm);
BENCHMARK(BM_OutlineTenWarmTwoHeights);
BENCHMARK(BM_TextWidthWarm);
BENCHMARK(BM_FontLookupCold);
