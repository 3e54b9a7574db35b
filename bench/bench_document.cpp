// Writing and reading a document of 100 000 elements.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "core/registry.h"
#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "panel/document.h"

namespace {

constexpr int kElements = 100000;

void Fill(pw::TPlatine& p) {
    for (int i = 0; i < kElements; ++i) {
        if (i % 10 == 9) {
            auto g = std::make_unique<pw::TGruppe>();
            for (int k = 0; k < 3; ++k) {
                auto d = std::make_unique<pw::TBohrung>();
                d->Centre = {static_cast<pw::Real>(i % 300) * 100 + k, static_cast<pw::Real>(i / 300) * 90};
                g->AddMember(std::move(d));
            }
            p.AddElement(std::move(g));
        } else {
            auto d = std::make_unique<pw::TBohrung>();
            d->Centre = {static_cast<pw::Real>(i % 300) * 100, static_cast<pw::Real>(i / 300) * 90};
            p.AddElement(std::move(d));
        }
    }
}

void BM_WriteDocument(benchmark::State& state) {
    pw::TPlatine p;
    Fill(p);
    size_t bytes = 0;
    for (auto _ : state) {
        std::vector<uint8_t> out;
        pw::WriteDocument(out, {&p}, {});
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_WriteDocument)->Unit(benchmark::kMillisecond);

void BM_ReadDocument(benchmark::State& state) {
    pw::TPlatine p;
    Fill(p);
    std::vector<uint8_t> bytes;
    pw::WriteDocument(bytes, {&p}, {});
    for (auto _ : state) {
        pw::TPlatine q;
        std::vector<std::unique_ptr<pw::TPlatine>> more;
        std::vector<pw::TView> views;
        pw::ReadDocument(bytes, q, [&]() -> pw::TPlatine& { return *more.emplace_back(new pw::TPlatine); }, views);
        benchmark::DoNotOptimize(q.ElementCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    state.SetItemsProcessed(state.iterations() * kElements);
}
BENCHMARK(BM_ReadDocument)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
