// Painting a crowded panel onto the view's picture: 10 000 mixed elements (lines, contours,
// circles, drill holes) on a 300 x 200 mm panel, zoomed to fit a 1920 x 1080 RGB32 image.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <random>

#include "core/null_canvas.h"
#include "core/platine.h"
#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "render/panel_render.h"
#include "render/qt_canvas.h"

using namespace pw;

namespace {

constexpr int kElements = 10000;
constexpr int kWidth = 1920, kHeight = 1080;

std::unique_ptr<TPlatine> CrowdedPanel() {
    auto panel = std::make_unique<TPlatine>();
    panel->Width = 15000;  // 300 mm
    panel->Height = 10000;
    panel->GridVisible = true;
    panel->SnapSpacing = 500;
    std::mt19937 rng(4711);
    std::uniform_real_distribution<double> x(200, 14800), y(200, 9800), size(100, 500);
    std::uniform_int_distribution<int> brush(0, 7), colour(0, 0xFFFFFF);
    for (int i = 0; i < kElements; ++i) {
        MPoint at{x(rng), y(rng)};
        Real s = size(rng);
        switch (i % 4) {
            case 0: {
                auto line = std::make_unique<TLinie>();
                line->AddPoint(at);
                line->AddPoint({at.x + s, at.y + s / 3});
                line->AddPoint({at.x + s / 2, at.y + s});
                line->SetStiftBreite(i % 8 == 0 ? 0 : 25);
                line->SetStiftFarbe(static_cast<Color>(colour(rng)));
                panel->AddElement(std::move(line));
                break;
            }
            case 1: {
                std::unique_ptr<TRechteck> contour =
                    i % 8 == 1 ? std::make_unique<TRechteck>() : std::make_unique<TPolygon>();
                contour->AddPoint(at);
                contour->AddPoint({at.x + s, at.y});
                contour->AddPoint({at.x + s, at.y + s / 2});
                contour->AddPoint({at.x, at.y + s / 2});
                contour->SetClosed(true);
                contour->SetBrushStyle(static_cast<TBrushStyle>(brush(rng)));
                contour->SetBrushFarbe(static_cast<Color>(colour(rng)));
                contour->SetFuellenFlag(true);
                contour->SetGlaetten(i % 16 == 1);
                panel->AddElement(std::move(contour));
                break;
            }
            case 2: {
                auto circle = std::make_unique<TKreis>();
                circle->Centre = at;
                circle->RimPoint = {at.x + s / 2, at.y};
                circle->BuildContour();
                circle->SetFuellenFlag(i % 8 == 2);
                circle->SetBrushFarbe(static_cast<Color>(colour(rng)));
                panel->AddElement(std::move(circle));
                break;
            }
            default: {
                auto drill = std::make_unique<TBohrung>();
                drill->Centre = at;
                drill->Diameter = s;
                panel->AddElement(std::move(drill));
                break;
            }
        }
    }
    // Fit the panel into the picture, as zoom-to-panel does in the view.
    panel->SetZoom(std::min(kWidth / (panel->Width / 50), kHeight / (panel->Height / 50)) * 0.98);
    return panel;
}

// What a repaint of the view does: the whole panel through its own mapping into the picture.
void BM_PaintPanelToScreenImage(benchmark::State& state) {
    auto panel = CrowdedPanel();
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QtCanvas canvas(painter, QtCanvas::DeviceKind::Raster, {0, 0, kWidth, kHeight}, 96);
    panel->PrepareCanvas(canvas);
    panel->PaintPanel(canvas);  // builds the cached polylines once
    for (auto _ : state) {
        panel->PrepareCanvas(canvas);
        panel->PaintPanel(canvas);
        benchmark::ClobberMemory();
    }
    state.counters["elements"] = kElements;
}
BENCHMARK(BM_PaintPanelToScreenImage)->Unit(benchmark::kMillisecond);

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

// The first paint after loading, when every contour is flattened for the first time.
void BM_FirstPaintAfterLoading(benchmark::State& state) {
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
BENCHMARK(BM_FirstPaintAfterLoading)->Unit(benchmark::kMillisecond);

// Export: the same panel as a true-size picture at 150 dpi (1772 x 1181 pixels).
void BM_RenderPanelImage150Dpi(benchmark::State& state) {
    auto panel = CrowdedPanel();
    RenderPanelImage(*panel, 150, true);
    for (auto _ : state) benchmark::DoNotOptimize(RenderPanelImage(*panel, 150, true));
}
BENCHMARK(BM_RenderPanelImage150Dpi)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
