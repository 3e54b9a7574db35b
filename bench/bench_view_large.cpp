// The panel view on a document of 100 000 elements, and of 10 000 to show how the times grow
// (drill holes, every tenth a group of three, 300 to a row on a 600 x 600 mm panel; every
// thousandth selected for dragging):
// - OpenAndShow: the document's bytes read into a panel, the view made, zoomed to the panel,
//   painted and copied to the (offscreen) screen;
// - HoverFrame: one mouse move in the resting mode;
// - DragFrame: one mouse move while the selection is dragged;
// - DragFirstFrame: the first mouse move of a drag, which takes the dragged elements off the
//   picture (their areas repainted) and draws their ghost.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "panel/document.h"
#include "panel/register_elements.h"
#include "ui/panel/panel_view.h"

namespace {

using namespace pw;

const std::vector<uint8_t>& DocumentBytes(int elements) {
    static std::map<int, std::vector<uint8_t>> documents;
    std::vector<uint8_t>& bytes = documents[elements];
    if (bytes.empty()) {
        TPlatine p;
        for (int i = 0; i < elements; ++i) {
            const MPoint at{static_cast<Real>(i % 300) * 100 + 50, static_cast<Real>(i / 300) * 90 + 50};
            if (i % 10 == 9) {
                auto g = std::make_unique<TGruppe>();
                for (int k = 0; k < 3; ++k) {
                    auto d = std::make_unique<TBohrung>();
                    d->Centre = {at.x + 20 * k, at.y};
                    d->Diameter = 40;
                    g->AddMember(std::move(d));
                }
                p.AddElement(std::move(g));
            } else {
                auto d = std::make_unique<TBohrung>();
                d->Centre = at;
                d->Diameter = 60;
                p.AddElement(std::move(d));
            }
        }
        WriteDocument(bytes, {&p}, {});
    }
    return bytes;
}

std::unique_ptr<PanelView> OpenAndShow(int elements) {
    auto panel = std::make_unique<TPlatine>();
    std::vector<std::unique_ptr<TPlatine>> more;
    std::vector<TView> views;
    ReadDocument(
        DocumentBytes(elements), *panel, [&]() -> TPlatine& { return *more.emplace_back(new TPlatine); },
        views);
    auto view = std::make_unique<PanelView>(std::move(panel));
    view->resize(1220, 920);
    view->show();
    view->Panel().ZoomToPanel();
    view->SyncScrollBars();
    view->Flush();
    view->viewport()->repaint();
    return view;
}

// Each case with 10 000 and with 100 000 elements; processor time of every thread, and wall time.
void BothSizes(benchmark::internal::Benchmark* b) {
    b->Arg(10000)->Arg(100000)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
}

void MoveTo(PanelView& view, int x, int y, Qt::MouseButtons held) {
    const QPoint pos(x, y);
    QMouseEvent e(QEvent::MouseMove, pos, view.viewport()->mapToGlobal(pos), Qt::NoButton, held, {});
    QApplication::sendEvent(view.viewport(), &e);
}

void BM_Large_OpenAndShow(benchmark::State& state) {
    DocumentBytes(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto view = OpenAndShow(static_cast<int>(state.range(0)));
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Large_OpenAndShow)->Apply(BothSizes);

void BM_Large_HoverFrame(benchmark::State& state) {
    auto view = OpenAndShow(static_cast<int>(state.range(0)));
    int x = 300;
    for (auto _ : state) {
        x = x == 300 ? 301 : 300;
        MoveTo(*view, x, 300, Qt::NoButton);
        view->viewport()->repaint();
    }
}
BENCHMARK(BM_Large_HoverFrame)->Apply(BothSizes);

// Reading a document selects what it reads; opening one in the program leaves nothing selected.
void SelectEveryThousandth(PanelView& view) {
    TPlatine& p = view.Panel();
    p.SelectAll(false);
    for (size_t i = 0; i < p.Elements().size(); i += 1000) p.SelectElement(p.Elements()[i].get(), true);
    view.Flush();
}

void BM_Large_DragFrame(benchmark::State& state) {
    auto view = OpenAndShow(static_cast<int>(state.range(0)));
    TPlatine& p = view->Panel();
    SelectEveryThousandth(*view);
    p.BeginSelectionDrag({600, 450});
    int x = 600;
    for (auto _ : state) {
        x = x == 600 ? 620 : 600;
        MoveTo(*view, x, 450, Qt::LeftButton);
        view->viewport()->repaint();
    }
    if (!p.State.ghostShown) state.SkipWithError("the selection was not dragged");
    p.EndSelectionDrag({x, 450}, false);
}
BENCHMARK(BM_Large_DragFrame)->Apply(BothSizes);

void BM_Large_DragFirstFrame(benchmark::State& state) {
    auto view = OpenAndShow(static_cast<int>(state.range(0)));
    TPlatine& p = view->Panel();
    SelectEveryThousandth(*view);
    int x = 600;
    for (auto _ : state) {
        state.PauseTiming();
        p.BeginSelectionDrag({x, 450});
        view->Flush();
        x = x == 600 ? 620 : 600;
        state.ResumeTiming();
        MoveTo(*view, x, 450, Qt::LeftButton);
        view->viewport()->repaint();
        state.PauseTiming();
        if (!p.State.ghostShown) state.SkipWithError("the selection was not dragged");
        p.EndSelectionDrag({x, 450}, false);
        view->Flush();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Large_DragFirstFrame)->Apply(BothSizes);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    RegisterBuiltinElementClasses();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
