// The chart is recomputed at every paint and the readout at every pointer
// move; both must keep up on a large screen.
#include <benchmark/benchmark.h>

#include "chart/paint.h"
#include "chart/readout.h"
#include "dense_settings.h"
#include "model/moist_air.h"
#include "support/recording_canvas.h"

namespace {

using namespace brumelle;

// A maximised window on a 3840 × 2160 screen.
ChartGeometry LargePlot(const ChartSettings &s)
{
    ChartGeometry g;
    g.PlotWidth = 3770;
    g.PlotHeight = 2102;
    g.settings = &s;
    return g;
}

void Paint(benchmark::State &state, const ChartSettings &s)
{
    const ChartGeometry g = LargePlot(s);
    test::NullCanvas canvas;
    MoistAirState scratch;
    for (auto _ : state)
        PaintChart(canvas, s, g, scratch, ZoomState{});
}

void BM_PaintDefaults(benchmark::State &state) { Paint(state, ChartSettings{}); }
BENCHMARK(BM_PaintDefaults)->Unit(benchmark::kMillisecond);

void BM_PaintEveryLineLabelled(benchmark::State &state) { Paint(state, bench::DenseSettings()); }
BENCHMARK(BM_PaintEveryLineLabelled)->Unit(benchmark::kMillisecond);

// The enthalpy and volume lines alone, end row by bisection (0) or row by row (1).
void BM_EnthalpyAndVolumeLines(benchmark::State &state)
{
    const ChartSettings s = bench::DenseSettings();
    const ChartGeometry g = LargePlot(s);
    test::NullCanvas canvas;
    MoistAirState scratch;
    ChartPainter painter(canvas, s, g, scratch);
    painter.SetRowSearch(state.range(0) == 0 ? RowSearch::Bisection : RowSearch::Linear);
    for (auto _ : state) {
        painter.DrawEnthalpyLines();
        painter.DrawVolumeLines();
    }
}
BENCHMARK(BM_EnthalpyAndVolumeLines)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One pointer move over the middle of the large plot (77 wet-bulb
// corrections). Target: at or below PsychroLib in JavaScript doing the same
// work on the same machine (bench/compare_psychrolib.sh), about 4 µs.
void BM_ReadoutOnePointerMove(benchmark::State &state)
{
    const ChartSettings s;
    const ChartGeometry g = LargePlot(s);
    MoistAirState scratch;
    const NumberSeparators sep;
    for (auto _ : state)
        benchmark::DoNotOptimize(CursorReadout(s, g, 2000, 1400, scratch, sep));
}
BENCHMARK(BM_ReadoutOnePointerMove)->Unit(benchmark::kMicrosecond);

// The pointer over a grid of 31 × 21 pixels of the large plot, per move;
// pixels beyond saturation give an empty readout.
void BM_ReadoutAcrossThePlot(benchmark::State &state)
{
    const ChartSettings s;
    const ChartGeometry g = LargePlot(s);
    MoistAirState scratch;
    const NumberSeparators sep;
    for (auto _ : state)
        for (int32_t y = 20; y < 20 + g.PlotHeight; y += g.PlotHeight / 20)
            for (int32_t x = 20; x < 20 + g.PlotWidth; x += g.PlotWidth / 30)
                benchmark::DoNotOptimize(CursorReadout(s, g, x, y, scratch, sep));
    state.SetItemsProcessed(state.iterations() * 31 * 21);
}
BENCHMARK(BM_ReadoutAcrossThePlot)->Unit(benchmark::kMillisecond);

// The saturation pressure as the wet-bulb search calls it: each temperature
// waits for the previous result, so this is the latency of one call.
void BM_SaturationPressureChain(benchmark::State &state)
{
    long double t = 15.0L;
    for (auto _ : state)
        t = 15.0L + SaturationPressure(t) * 1e-6L; // 15 to 15.002 °C
    benchmark::DoNotOptimize(t);
}
BENCHMARK(BM_SaturationPressureChain);

} // namespace
