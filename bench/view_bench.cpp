// How long the view takes to issue a full back-buffer redraw as canvas calls (the pixels
// themselves are the window's cost, measured there).
#include <benchmark/benchmark.h>

#include "tests/view/view_fakes.h"

namespace {

class CountingCanvas : public CCanvas {
public:
    long calls = 0;
    void Draw(int, int, int, const CCanvasRect&) override { ++calls; }
    void DrawTransparent(int, int, int, const CCanvasRect&) override { ++calls; }
    void Blend(int, int, int, int, int, int) override { ++calls; }
    void Fill(int, int, int, int, CanvasColour) override { ++calls; }
};

void Redraw(benchmark::State& state, int mode, int allFretboard) {
    ViewRig rig;
    rig.settings.plotMode = static_cast<ProgramMode>(mode);
    rig.settings.useAllFretboard = allFretboard;
    CFretquillView& view = rig.Start();
    CountingCanvas canvas;
    for (auto _ : state) {
        view.Redraw();
        view.DrawNeck(canvas);
    }
    state.counters["calls"] =
        benchmark::Counter(static_cast<double>(canvas.calls) / state.iterations());
}

void BM_RedrawChord(benchmark::State& state) {
    Redraw(state, 0, 0);
}
void BM_RedrawScaleSpan(benchmark::State& state) {
    Redraw(state, 2, 0);
}
void BM_RedrawScaleWholeNeck(benchmark::State& state) {
    Redraw(state, 2, 1);
}
BENCHMARK(BM_RedrawChord)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawScaleSpan)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawScaleWholeNeck)->Unit(benchmark::kMicrosecond);

}  // namespace
