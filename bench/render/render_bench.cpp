// The full paint as the screen gets it: every family drawn through QPainter
// into the pixels of a large screen, 3840 × 2160. Either a window of that many
// client pixels, or a window of 1920 × 1080 on a screen scaled to 200 %, whose
// chart is computed and drawn at the screen's pixels: the second must cost no
// more than twice the first.
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "chart/paint.h"
#include "dense_settings.h"
#include "render/chart_image.h"
#include "render/qpainter_canvas.h"
#include "weather/climate.h"

namespace {

using namespace brumelle;

// A window of width × height client pixels (its status bar 18 high) on a
// screen of `ratio` pixels per client pixel; the climate's layer made at each
// paint, as the window makes it.
void PaintWindow(benchmark::State &state, const ChartSettings &s, int width, int height, qreal ratio,
                 const Climate *climate = nullptr)
{
    QImage image = NewChartImage(width, height, ratio);
    const ChartGeometry g = ChartGeometry::ForClient(width, height, 18, s);
    MoistAirState scratch;
    for (auto _ : state) {
        QPainter painter(&image);
        PaintChartAt(painter, SurfaceRatio(painter), kChartDpi, s, g, scratch, ZoomState{}, {},
                     climate ? ClimateLayerOf(*climate, s.Patm, NumberSeparators{}) : ClimateLayer{});
    }
}

// The example year (BRUMELLE_EPW names another), every hour shown.
const Climate &ExampleClimate()
{
    static const Climate climate = [] {
        const char *named = std::getenv("BRUMELLE_EPW");
        const std::string path = named && *named ? named : BRUMELLE_EXAMPLE_EPW;
        std::ifstream in(path, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        Climate c;
        if (auto year = ReadEpw(bytes, 101325))
            c.Take(path, std::move(*year));
        return c;
    }();
    return climate;
}

void BM_FullPaintDefaults(benchmark::State &state) { PaintWindow(state, ChartSettings{}, 3840, 2160, 1); }
BENCHMARK(BM_FullPaintDefaults)->Unit(benchmark::kMillisecond);

void BM_FullPaintEveryLineLabelled(benchmark::State &state)
{
    PaintWindow(state, bench::DenseSettings(), 3840, 2160, 1);
}
BENCHMARK(BM_FullPaintEveryLineLabelled)->Unit(benchmark::kMillisecond);

// The year's hours under the lines: within the 16 ms of a full paint.
void BM_FullPaintWithTheHours(benchmark::State &state)
{
    const Climate &climate = ExampleClimate();
    if (!climate.Drawn()) {
        state.SkipWithError("no example year");
        return;
    }
    PaintWindow(state, ChartSettings{}, 3840, 2160, 1, &climate);
}
BENCHMARK(BM_FullPaintWithTheHours)->Unit(benchmark::kMillisecond);

// And two zones, the comfort zone and the design conditions over the lines.
void BM_FullPaintWithZonesAndComfort(benchmark::State &state)
{
    Climate climate = ExampleClimate();
    if (!climate.Drawn()) {
        state.SkipWithError("no example year");
        return;
    }
    climate.SetZones({{"Bureaux", 20, 26, 30, 60}, {"Archives", 16, 20, 40, 55}}, {ComfortInputs{}, true}, 101325);
    climate.conditionsShown = true;
    PaintWindow(state, ChartSettings{}, 3840, 2160, 1, &climate);
}
BENCHMARK(BM_FullPaintWithZonesAndComfort)->Unit(benchmark::kMillisecond);

void BM_FullPaintDefaultsAtRatio2(benchmark::State &state) { PaintWindow(state, ChartSettings{}, 1920, 1080, 2); }
BENCHMARK(BM_FullPaintDefaultsAtRatio2)->Unit(benchmark::kMillisecond);

void BM_FullPaintEveryLineLabelledAtRatio2(benchmark::State &state)
{
    PaintWindow(state, bench::DenseSettings(), 1920, 1080, 2);
}
BENCHMARK(BM_FullPaintEveryLineLabelledAtRatio2)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Text needs a GUI application; no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
