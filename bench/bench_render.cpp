// Painting a crowded panel onto the view's picture: 10 000 mixed elements (lines, contours,
// circles, drill holes and, every tenth, a text of ten characters) on a 300 x 200 mm panel,
// zoomed to fit a 1920 x 1080 RGB32 image; and the same picture with one element kind alone, to
// see what each kind costs.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "core/null_canvas.h"
#include "crowded_panel.h"
#include "render/panel_render.h"
#include "render/qt_canvas.h"

using namespace pw;

namespace {

using namespace pw::crowded;

// What a repaint of the view does: the whole panel through its own mapping into the picture,
// the elements unchanged since the last paint (the view repaints all of them after any change).
// The argument chooses the element kind (-1: all of them).
void BM_PaintPanelToScreenImage(benchmark::State& state) {
    auto panel = CrowdedPanel(static_cast<Kind>(state.range(0)));
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, QtCanvas::DeviceKind::Raster, {0, 0, kWidth, kHeight}, 96);
    panel->PrepareCanvas(canvas);
    panel->PaintPanel(canvas);  // flattens the polylines and keeps the shapes once
    for (auto _ : state) {
        panel->PrepareCanvas(canvas);
        panel->PaintPanel(canvas);
        benchmark::ClobberMemory();
    }
    state.counters["elements"] = static_cast<double>(panel->Elements().size());
}
// The whole panel, then each element kind alone.
void ByKind(benchmark::internal::Benchmark* b) {
    b->ArgName("kind");
    for (Kind k : {kAll, kLines, kContours, kCircles, kDrills, kTexts}) b->Arg(k);
}
BENCHMARK(BM_PaintPanelToScreenImage)->Apply(ByKind)->Unit(benchmark::kMillisecond);

// A repaint after every zoom step: nothing the elements kept from the last paint applies, so each
// shape is derived anew (the polylines stay flattened).
void BM_PaintPanelAfterZoomChange(benchmark::State& state) {
    auto panel = CrowdedPanel(static_cast<Kind>(state.range(0)));
    const double zoom = panel->Zoom();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, QtCanvas::DeviceKind::Raster, {0, 0, kWidth, kHeight}, 96);
    panel->PrepareCanvas(canvas);
    panel->PaintPanel(canvas);
    bool smaller = false;
    for (auto _ : state) {
        smaller = !smaller;
        panel->SetZoom(smaller ? zoom * 0.9 : zoom);
        panel->PrepareCanvas(canvas);
        panel->PaintPanel(canvas);
        benchmark::ClobberMemory();
    }
}
// Processor time of every thread (the shapes are derived on all cores), and wall time; the
// argument chooses the element kind as above.
BENCHMARK(BM_PaintPanelAfterZoomChange)
    ->Apply(ByKind)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The crowded panel in a view of the bench's size, repainted whole as the panel view repaints it.
struct CrowdedView {
    static constexpr IRect kWhole{0, 0, kWidth, kHeight};
    static constexpr IPoint kMiddle{kWidth / 2, kHeight / 2};
    std::unique_ptr<TPlatine> panel = CrowdedPanel();
    QImage image{kWidth, kHeight, QImage::Format_RGB32};
    QPainter painter{&image};
    QtCanvas canvas{painter, QtCanvas::DeviceKind::Raster, kWhole, 96};

    CrowdedView() {
        panel->ViewWidth = kWidth;
        panel->ViewHeight = kHeight;
        panel->SetCanvas(&canvas);
    }
    ~CrowdedView() { panel->SetCanvas(nullptr); }
    void Paint() { panel->PaintView(canvas, kWhole); }
    // Wheel notches in about the middle, or one about a point: four zoom steps each.
    void NotchesIn(int notches) {
        for (int i = 0; i < notches; ++i) NotchAt(kMiddle);
    }
    void NotchAt(IPoint at) {
        for (int i = 0; i < 4; ++i) panel->ZoomStep(at, true);
    }
};

// A notch of the wheel in the view. Argument 1: while the view rested before the notch it
// derived the shapes of that notch ahead (DeriveViewAhead, not timed), as the panel view does once
// it rests; 0: it did not, so the paint derives every shape; 2: it derived them for a notch at the
// middle, but the notch is turned a quarter of the view away from it (the pointer moved on before
// the view rested again), so that the shapes derived ahead apply only moved, and only those in
// both views. Zooms in notch after notch up to four times the start, then starts again there (not
// timed), so that no paint finds the shapes of an earlier one.
void BM_PaintViewAfterWheelNotch(benchmark::State& state) {
    const bool ahead = state.range(0) != 0;
    const IPoint at = state.range(0) == 2 ? IPoint{kWidth / 4, kHeight / 4} : CrowdedView::kMiddle;
    CrowdedView view;
    TPlatine& panel = *view.panel;
    const double start = panel.Zoom();
    view.Paint();
    for (auto _ : state) {
        state.PauseTiming();
        if (panel.Zoom() > 4 * start) {
            panel.SetZoom(start);
            panel.ScrollTo(0, 0);
            view.Paint();
        }
        if (ahead) panel.DeriveViewAhead(view.canvas, panel.ViewAfterZoomSteps(CrowdedView::kMiddle, 4));
        state.ResumeTiming();
        view.NotchAt(at);
        view.Paint();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintViewAfterWheelNotch)
    ->ArgName("ahead")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The view repainted, every shape kept, after the argument's number of wheel notches in: from the
// third on the panel reaches beyond the view on every side, and shapes cut by its edge are many.
void BM_PaintViewZoomedIn(benchmark::State& state) {
    CrowdedView view;
    view.NotchesIn(static_cast<int>(state.range(0)));
    view.Paint();
    for (auto _ : state) {
        view.Paint();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintViewZoomedIn)->ArgName("notches")->Arg(0)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

// A turn of the wheel without Ctrl: the view zoomed in three notches scrolls 60 pixels down
// (up again from the bottom) and is repainted.
void BM_PaintViewAfterWheelScroll(benchmark::State& state) {
    CrowdedView view;
    TPlatine& panel = *view.panel;
    view.NotchesIn(3);
    view.Paint();
    int step = 60;
    for (auto _ : state) {
        const int before = panel.ScrollY;
        panel.ScrollTo(panel.ScrollX, before + step);
        if (panel.ScrollY == before) {
            step = -step;
            panel.ScrollTo(panel.ScrollX, before + step);
        }
        view.Paint();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_PaintViewAfterWheelScroll)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The model's share of a repaint: the same panel onto a canvas that maps but draws nothing.
void BM_PaintPanelToNullCanvas(benchmark::State& state) {
    auto panel = CrowdedPanel();
    NullCanvas canvas({0, 0, kWidth, kHeight});
    panel->PrepareCanvas(canvas);
    panel->PaintPanel(canvas);
    for (auto _ : state) {
        panel->PrepareCanvas(canvas);
        panel->PaintPanel(canvas);
    }
}
BENCHMARK(BM_PaintPanelToNullCanvas)->Unit(benchmark::kMillisecond);

// The first paint after loading, when every contour is flattened for the first time. An opened
// document gets views of its own, so each paint is the first of a new canvas, as in the program.
void BM_FirstPaintAfterLoading(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    for (auto _ : state) {
        state.PauseTiming();
        auto panel = CrowdedPanel();
        auto canvas = std::make_unique<QtCanvas>(painter, QtCanvas::DeviceKind::Raster,
                                                 IRect{0, 0, kWidth, kHeight}, 96);
        state.ResumeTiming();
        panel->PrepareCanvas(*canvas);
        panel->PaintPanel(*canvas);
        state.PauseTiming();
        canvas.reset();
        panel.reset();
        state.ResumeTiming();
    }
}

// The same paint into a canvas that painted another document at the same mapping before (the
// undo of a large change in one view): the canvas takes the unchanged mapping for unchanged
// shapes and derives them on the painting thread alone.
void BM_FirstPaintInSameCanvas(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    QtCanvas canvas(painter, QtCanvas::DeviceKind::Raster, {0, 0, kWidth, kHeight}, 96);
    for (auto _ : state) {
        state.PauseTiming();
        auto panel = CrowdedPanel();
        state.ResumeTiming();
        panel->PrepareCanvas(canvas);
        panel->PaintPanel(canvas);
        state.PauseTiming();
        panel.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstPaintInSameCanvas)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstPaintAfterLoading)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

// Export: the same panel as a true-size picture at 150 dpi (1772 x 1181 pixels), again and again,
// so the shapes kept at that mapping apply; a single export after screen painting costs about
// what a repaint after a zoom step does.
void BM_RenderPanelImage150Dpi(benchmark::State& state) {
    auto panel = CrowdedPanel();
    RenderPanelImage(*panel, 150, true);
    for (auto _ : state) benchmark::DoNotOptimize(RenderPanelImage(*panel, 150, true));
}
BENCHMARK(BM_RenderPanelImage150Dpi)->Unit(benchmark::kMillisecond);

// Resident memory, in MB, of this process now and at its peak.
double ResidentMb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::atof(line.c_str() + std::strlen(field)) / 1024;
    return 0;
}

// Where the memory of the crowded panel on screen goes: resident memory before the panel is made,
// with the panel made, after its first paint onto the picture (the picture, the flattened
// outlines and the kept shapes), after a paint at another zoom, after deriving the shapes of the
// next wheel notch in ahead (kept beside the present ones), and the peak. Runs once; the argument
// is the number of threads that derive the shapes (run each in a process of its own).
void BM_ResidentMemory(benchmark::State& state) {
    for (auto _ : state) {
        const double base = ResidentMb("VmRSS:");
        auto panel = CrowdedPanel();
        const double made = ResidentMb("VmRSS:");
        QImage image(kWidth, kHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        QtCanvas canvas(painter, QtCanvas::DeviceKind::Raster, {0, 0, kWidth, kHeight}, 96);
        canvas.SetDeriveThreads(static_cast<int>(state.range(0)));
        panel->PrepareCanvas(canvas);
        panel->PaintPanel(canvas);
        const double painted = ResidentMb("VmRSS:");
        panel->SetZoom(panel->Zoom() * 1.03);
        panel->PrepareCanvas(canvas);
        panel->PaintPanel(canvas);
        const double zoomed = ResidentMb("VmRSS:");
        // The shapes of the next wheel notch in, derived ahead beside those kept now.
        panel->ViewWidth = kWidth;
        panel->ViewHeight = kHeight;
        panel->DeriveViewAhead(canvas, panel->ViewAfterZoomSteps({kWidth / 2, kHeight / 2}, 4));
        state.counters["base_MB"] = base;
        state.counters["panel_MB"] = made - base;
        state.counters["painted_MB"] = painted - made;
        state.counters["zoomed_MB"] = zoomed - painted;
        state.counters["ahead_MB"] = ResidentMb("VmRSS:") - zoomed;
        state.counters["peak_MB"] = ResidentMb("VmHWM:");
    }
}
BENCHMARK(BM_ResidentMemory)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
