// The scale assistant's preview per keystroke: a value committed to the first parameter (it
// changes every time, so every commit rebuilds), the scale built anew, the preview zoomed to it,
// painted into the view's picture at the dialog's preview size and copied to the (offscreen)
// screen. One benchmark per style; a frame is 16 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <memory>

#include "core/language.h"
#include "panel/scale_assistant.h"
#include "ui/panel/panel_view.h"

namespace {

using namespace pw;

void BM_PreviewPerKeystroke(benchmark::State& state) {
    ScaleAssistant assistant;
    PanelView view(assistant.Preview());
    view.resize(249, 277);
    view.show();
    QApplication::processEvents();
    assistant.ChangeStyle(static_cast<int>(state.range(0)));
    assistant.Show();
    view.Flush();

    const TScaleParam first = assistant.Scale().Params().front();
    const std::string values[2] = {FormatGeneral(first.NumericValue(), 15, DecimalSeparator()),
                                   FormatGeneral(first.NumericValue() * 0.9L, 15, DecimalSeparator())};
    int k = 0;
    for (auto _ : state) {
        k = 1 - k;
        if (assistant.CommitCurrent(values[k]) != ParamCommit::Changed) {
            state.SkipWithError("the value did not change");
            break;
        }
        view.Flush();
        view.viewport()->repaint();
    }
    // The preview was really painted: the scale's black (or red and green) shows in it.
    const QImage picture = view.Picture();
    int drawn = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) drawn += qGreen(picture.pixel(x, y)) < 0x80;
    if (drawn == 0) state.SkipWithError("the preview shows no scale");
    state.counters["drawn_px"] = drawn;
    state.SetLabel(ScaleStyleCaption(static_cast<int>(state.range(0))));
}
BENCHMARK(BM_PreviewPerKeystroke)->DenseRange(0, kScaleStyleCount - 1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
