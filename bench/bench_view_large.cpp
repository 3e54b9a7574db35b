// The panel view on a document of 100 000 elements (drill holes, every tenth a group of three,
// on a 600 x 600 mm panel; every thousandth selected):
// - OpenAndShow: the document's bytes read into a panel, the view made, zoomed to the panel,
//   painted and copied to the (offscreen) screen;
// - HoverFrame: one mouse move in the resting mode;
// - DragFrame: one mouse move while the selection is dragged.
// Processor time of every thread, and wall time.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <cstdlib>
#include <memory>
#include <vector>

#include "elements/bohrung.h"
#include "elements/gruppe.h"
#include "panel/document.h"
#include "panel/register_elements.h"
#include "ui/panel/panel_view.h"

namespace {

using namespace pw;

constexpr int kElements = 100000;

const std::vector<uint8_t>& DocumentBytes() {
    static const std::vector<uint8_t> bytes = [] {
        TPlatine p;
        for (int i = 0; i < kElements; ++i) {
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
        std::vector<uint8_t> out;
        WriteDocument(out, {&p}, {});
        return out;
    }();
    return bytes;
}

std::unique_ptr<PanelView> OpenAndShow() {
    auto panel = std::make_unique<TPlatine>();
    std::vector<std::unique_ptr<TPlatine>> more;
    std::vector<TView> views;
    ReadDocument(
        DocumentBytes(), *panel, [&]() -> TPlatine& { return *more.emplace_back(new TPlatine); }, views);
    auto view = std::make_unique<PanelView>(std::move(panel));
    view->resize(1220, 920);
    view->show();
    view->Panel().ZoomToPanel();
    view->SyncScrollBars();
    view->Flush();
    view->viewport()->repaint();
    return view;
}

void MoveTo(PanelView& view, int x, int y, Qt::MouseButtons held) {
    const QPoint pos(x, y);
    QMouseEvent e(QEvent::MouseMove, pos, view.viewport()->mapToGlobal(pos), Qt::NoButton, held, {});
    QApplication::sendEvent(view.viewport(), &e);
}

void BM_Large_OpenAndShow(benchmark::State& state) {
    DocumentBytes();
    for (auto _ : state) {
        auto view = OpenAndShow();
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Large_OpenAndShow)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Large_HoverFrame(benchmark::State& state) {
    auto view = OpenAndShow();
    int x = 300;
    for (auto _ : state) {
        x = x == 300 ? 301 : 300;
        MoveTo(*view, x, 300, Qt::NoButton);
        view->viewport()->repaint();
    }
}
BENCHMARK(BM_Large_HoverFrame)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Large_DragFrame(benchmark::State& state) {
    auto view = OpenAndShow();
    TPlatine& p = view->Panel();
    for (size_t i = 0; i < p.Elements().size(); i += 1000) p.SelectElement(p.Elements()[i].get(), true);
    view->Flush();
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
BENCHMARK(BM_Large_DragFrame)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

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
