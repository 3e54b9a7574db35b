// Undo on the crowded panel of 10 000 elements: the snapshot a command takes, one undo with its
// redo (each reads a whole panel back and writes the one it leaves), and the changed state.
#include <benchmark/benchmark.h>

#include "bench_elements_grid.h"
#include "panel/document_state.h"
#include "panel/platine.h"
#include "panel/register_elements.h"

namespace {

struct CrowdedPanel {
    pw::TPlatine panel;
    pw::TBackupStream undo;
    CrowdedPanel() {
        pw::RegisterBuiltinElementClasses();
        panel.Width = panel.Height = 30000;
        panel.UndoStream = &undo;
        for (int i = 0; i < pw::bench::kElements; ++i) {
            pw::TBauteil* e = panel.AddElement(pw::bench::MakeElement(i));
            if (pw::bench::IsSelected(i)) e->SetSelected(true);
        }
    }
};

void BM_SnapshotOf10000Elements(benchmark::State& state) {
    CrowdedPanel p;
    for (auto _ : state) {
        p.panel.SaveUndo(pw::StepKind::Move);
        benchmark::DoNotOptimize(p.undo.bytes.data());
    }
    state.counters["record_bytes"] = static_cast<double>(p.undo.bytes.size());
    state.counters["steps_kept"] = static_cast<double>(p.panel.History().UndoCount());
}
BENCHMARK(BM_SnapshotOf10000Elements)->Unit(benchmark::kMillisecond);

void BM_UndoAndRedoOf10000Elements(benchmark::State& state) {
    CrowdedPanel p;
    p.panel.SaveUndo(pw::StepKind::Move);
    for (auto _ : state) {
        p.panel.Undo();
        p.panel.Redo();
        benchmark::DoNotOptimize(p.panel.ElementCount());
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_UndoAndRedoOf10000Elements)->Unit(benchmark::kMillisecond);

// The changed state after an input: the record of the panel that moved is fingerprinted again.
void BM_ChangedStateOf10000Elements(benchmark::State& state) {
    CrowdedPanel p;
    pw::DocumentState document;
    document.MarkSaved({&p.panel}, {});
    for (auto _ : state) {
        p.panel.NoteContentChange();
        benchmark::DoNotOptimize(document.Changed({&p.panel}, {}));
    }
}
BENCHMARK(BM_ChangedStateOf10000Elements)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
