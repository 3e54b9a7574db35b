// Frame times of the panel view widget on its real picture: an RGB32 image of the view's size
// drawn through the Qt canvas, copied to the (offscreen) screen by paintEvent. The panel holds
// 10 000 elements, 100 of them selected, zoomed so that the view shows nearly all of it.
// - DragFrame: one mouse move while the selection is dragged: the ghost erased, the elements
//   moved, the ghost drawn, the picture copied to the screen;
// - DragStartAndEnd: the first step of a drag (the dragged elements hidden, their areas
//   repainted) and the release (shown again, repainted), each copied;
// - HoverFrame: one mouse move in the resting mode (status texts and cursor);
// - CrosshairFrame: one mouse move in the line tool (crosshair erased and drawn);
// - RepaintFrame: the whole picture painted afresh and copied;
// - ZoomStepFrame: one zoom step of the wheel about the pointer (in and out in turn), the whole
//   picture painted at the new zoom and copied; processor time of every thread;
// - WheelSpin: three notches of the wheel at once (a fast spin), up to the picture copied.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdlib>
#include <memory>

#include "bench_elements_grid.h"
#include "panel/platine.h"
#include "ui/panel/panel_view.h"

namespace {

using namespace pw;

class ViewFixture {
  public:
    ViewFixture() {
        auto panel = std::make_unique<TPlatine>();
        panel->SnapSpacing = 50;
        for (int i = 0; i < bench::kElements; ++i) {
            TBauteil* e = panel->AddElement(bench::MakeElement(i));
            if (bench::IsSelected(i)) panel->SelectElement(e, true);
        }
        view = std::make_unique<PanelView>(std::move(panel));
        view->resize(1220, 920);
        view->show();
        QApplication::processEvents();
        view->Panel().SetZoom(2);
        view->SyncScrollBars();
        view->RepaintPanel();
        QApplication::processEvents();
    }
    void MoveTo(int x, int y, Qt::MouseButtons held) {
        const QPoint pos(x, y);
        QMouseEvent e(QEvent::MouseMove, pos, view->viewport()->mapToGlobal(pos), Qt::NoButton, held, {});
        QApplication::sendEvent(view->viewport(), &e);
    }
    // The picture to the screen, now.
    void Copy() { view->viewport()->repaint(); }

    std::unique_ptr<PanelView> view;
};

void BM_ViewDragFrame(benchmark::State& state) {
    ViewFixture f;
    TPlatine& p = f.view->Panel();
    p.BeginSelectionDrag({600, 450});
    int x = 600;
    for (auto _ : state) {
        x = x == 600 ? 620 : 600;  // 10 mm each frame: every frame moves
        f.MoveTo(x, 450, Qt::LeftButton);
        f.Copy();
    }
    if (!p.State.ghostShown || p.State.selectionVisible) state.SkipWithError("the selection was not dragged");
    p.EndSelectionDrag({x, 450}, false);
    state.counters["view_px"] = p.ViewWidth * p.ViewHeight;
    state.SetItemsProcessed(state.iterations() * bench::kSelected);
}
BENCHMARK(BM_ViewDragFrame)->Unit(benchmark::kMillisecond);

void BM_ViewDragStartAndEnd(benchmark::State& state) {
    ViewFixture f;
    TPlatine& p = f.view->Panel();
    int x = 600;
    for (auto _ : state) {
        p.BeginSelectionDrag({600, 450});
        x = x == 600 ? 620 : 600;
        f.MoveTo(x, 450, Qt::LeftButton);
        f.Copy();
        p.EndSelectionDrag({x, 450}, false);
        f.view->Flush();
        f.Copy();
    }
}
BENCHMARK(BM_ViewDragStartAndEnd)->Unit(benchmark::kMillisecond);

void BM_ViewHoverFrame(benchmark::State& state) {
    ViewFixture f;
    int x = 300;
    for (auto _ : state) {
        x = x == 300 ? 301 : 300;
        f.MoveTo(x, 300, Qt::NoButton);
        f.Copy();
    }
}
BENCHMARK(BM_ViewHoverFrame)->Unit(benchmark::kMillisecond);

void BM_ViewCrosshairFrame(benchmark::State& state) {
    ViewFixture f;
    f.view->Panel().SetEditMode(emLinie);
    int x = 300;
    for (auto _ : state) {
        x = x == 300 ? 310 : 300;
        f.MoveTo(x, 300, Qt::NoButton);
        f.Copy();
    }
}
BENCHMARK(BM_ViewCrosshairFrame)->Unit(benchmark::kMillisecond);

void BM_ViewRepaintFrame(benchmark::State& state) {
    ViewFixture f;
    for (auto _ : state) {
        f.view->RepaintPanel();
        f.Copy();
    }
}
BENCHMARK(BM_ViewRepaintFrame)->Unit(benchmark::kMillisecond);

void BM_ViewZoomStepFrame(benchmark::State& state) {
    ViewFixture f;
    bool in = true;
    for (auto _ : state) {
        f.view->Panel().ZoomStep({600, 450}, in);
        in = !in;
        f.view->Flush();
        f.Copy();
    }
}
BENCHMARK(BM_ViewZoomStepFrame)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// Three notches of the wheel that arrive together, as the notches of a fast spin do while the
// view paints: handled as they come, up to the picture at the last one's zoom copied to the
// screen; in three notches, out three notches, in turn.
void BM_ViewWheelSpin(benchmark::State& state) {
    ViewFixture f;
    QWidget* area = f.view->viewport();
    const QPoint pos(600, 450);
    int angle = 120;
    for (auto _ : state) {
        for (int i = 0; i < 3; ++i)
            QApplication::postEvent(
                area, new QWheelEvent(pos, area->mapToGlobal(pos), QPoint(), QPoint(0, angle), Qt::NoButton,
                                      Qt::ControlModifier, Qt::NoScrollPhase, false));
        QApplication::sendPostedEvents();
        QApplication::sendPostedEvents();
        f.Copy();
        angle = -angle;
    }
}
BENCHMARK(BM_ViewWheelSpin)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
