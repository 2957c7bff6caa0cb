// The full paint as the screen gets it: every family drawn through QPainter
// into a 3840 × 2160 image (a maximised window on a large screen).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include "chart/paint.h"
#include "dense_settings.h"
#include "render/chart_image.h"
#include "render/qpainter_canvas.h"

namespace {

using namespace brumelle;

void PaintImage(benchmark::State &state, const ChartSettings &s)
{
    QImage image = NewChartImage(3840, 2160);
    ChartGeometry g;
    g.PlotWidth = 3770;
    g.PlotHeight = 2102;
    g.settings = &s;
    MoistAirState scratch;
    for (auto _ : state) {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        PaintChart(canvas, s, g, scratch, ZoomState{});
    }
}

void BM_FullPaintDefaults(benchmark::State &state) { PaintImage(state, ChartSettings{}); }
BENCHMARK(BM_FullPaintDefaults)->Unit(benchmark::kMillisecond);

void BM_FullPaintEveryLineLabelled(benchmark::State &state) { PaintImage(state, bench::DenseSettings()); }
BENCHMARK(BM_FullPaintEveryLineLabelled)->Unit(benchmark::kMillisecond);

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
