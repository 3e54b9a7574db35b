// Painting a crowded panel onto the view's picture: 10 000 mixed elements (lines, contours,
// circles, drill holes and, every tenth, a text of ten characters) on a 300 x 200 mm panel,
// zoomed to fit a 1920 x 1080 RGB32 image; and the same picture with one element kind alone, to
// see what each kind costs.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <random>

#include "core/null_canvas.h"
#include "elements/bohrung.h"
#include "elements/kreis.h"
#include "elements/linie.h"
#include "elements/polygon.h"
#include "elements/rechteck.h"
#include "elements/textlabel.h"
#include "panel/platine.h"
#include "render/panel_render.h"
#include "render/qt_canvas.h"

using namespace pw;

namespace {

constexpr int kElements = 10000;
constexpr int kWidth = 1920, kHeight = 1080;

// The element kinds of the crowded panel; kAll keeps every one of them.
enum Kind { kAll = -1, kLines, kContours, kCircles, kDrills, kTexts };

// Element i of the crowded panel, of kind KindOf(i), drawn from the generator.
Kind KindOf(int i) {
    return i % 10 == 9 ? kTexts : static_cast<Kind>(i % 4);
}

std::unique_ptr<TBauteil> MakeElement(int i, std::mt19937& rng) {
    std::uniform_real_distribution<double> x(200, 14800), y(200, 9800), size(100, 500);
    std::uniform_int_distribution<int> brush(0, 7), colour(0, 0xFFFFFF);
    MPoint at{x(rng), y(rng)};
    Real s = size(rng);
    switch (KindOf(i)) {
        case kLines: {
            auto line = std::make_unique<TLinie>();
            line->AddPoint(at);
            line->AddPoint({at.x + s, at.y + s / 3});
            line->AddPoint({at.x + s / 2, at.y + s});
            line->SetStiftBreite(i % 8 == 0 ? 0 : 25);
            line->SetStiftFarbe(static_cast<Color>(colour(rng)));
            return line;
        }
        case kContours: {
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
            return contour;
        }
        case kCircles: {
            auto circle = std::make_unique<TKreis>();
            circle->Centre = at;
            circle->RimPoint = {at.x + s / 2, at.y};
            circle->BuildContour();
            circle->SetFuellenFlag(i % 8 == 2);
            circle->SetBrushFarbe(static_cast<Color>(colour(rng)));
            return circle;
        }
        case kTexts: {
            // Ten characters, 1 to 5 mm high; every fifth text turned.
            char text[16];
            std::snprintf(text, sizeof text, "Kanal %04d", i / 10);
            auto label = std::make_unique<TTextLabel>(FontSpec{"Arial", RoundToInt(s / 2), 0}, text, at);
            label->SetBrushStyle(bsSolid);
            label->SetBrushFarbe(static_cast<Color>(colour(rng)));
            if (i % 50 == 9) label->Rotate(at, 0.5);
            return label;
        }
        default: {
            auto drill = std::make_unique<TBohrung>();
            drill->Centre = at;
            drill->Diameter = s;
            return drill;
        }
    }
}

// The crowded panel, or only its elements of one kind (at the same places).
std::unique_ptr<TPlatine> CrowdedPanel(Kind only = kAll) {
    auto panel = std::make_unique<TPlatine>();
    panel->Width = 15000;  // 300 mm
    panel->Height = 10000;
    panel->GridVisible = true;
    panel->SnapSpacing = 500;
    std::mt19937 rng(4711);
    for (int i = 0; i < kElements; ++i) {
        std::unique_ptr<TBauteil> e = MakeElement(i, rng);
        if (only == kAll || KindOf(i) == only) panel->AddElement(std::move(e));
    }
    // Fit the panel into the picture, as zoom-to-panel does in the view.
    panel->SetZoom(std::min(kWidth / (panel->Width / 50), kHeight / (panel->Height / 50)) * 0.98);
    return panel;
}

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
BENCHMARK(BM_PaintPanelToScreenImage)
    ->ArgName("kind")
    ->Arg(kAll)
    ->Arg(kLines)
    ->Arg(kContours)
    ->Arg(kCircles)
    ->Arg(kDrills)
    ->Arg(kTexts)
    ->Unit(benchmark::kMillisecond);

// A repaint after every zoom step: nothing the elements kept from the last paint applies, so each
// shape is derived anew (the polylines stay flattened).
void BM_PaintPanelAfterZoomChange(benchmark::State& state) {
    auto panel = CrowdedPanel();
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
BENCHMARK(BM_PaintPanelAfterZoomChange)->Unit(benchmark::kMillisecond);

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

// Export: the same panel as a true-size picture at 150 dpi (1772 x 1181 pixels), again and again,
// so the shapes kept at that mapping apply; a single export after screen painting costs about
// what a repaint after a zoom step does.
void BM_RenderPanelImage150Dpi(benchmark::State& state) {
    auto panel = CrowdedPanel();
    RenderPanelImage(*panel, 150, true);
    for (auto _ : state) benchmark::DoNotOptimize(RenderPanelImage(*panel, 150, true));
}
BENCHMARK(BM_RenderPanelImage150Dpi)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
