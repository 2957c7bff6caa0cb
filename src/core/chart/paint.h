#pragma once
#include <cstdint>
#include <functional>

#include "chart/canvas.h"
#include "chart/chart_settings.h"
#include "chart/climate_layer.h"
#include "chart/geometry.h"
#include "chart/saturation_rows.h"
#include "chart/zoom.h"
#include "model/moist_air.h"

namespace brumelle {

// Draws the seven line families. Each works from the settings at every call
// and uses `scratch` as its working point.
class ChartPainter {
public:
    ChartPainter(Canvas &canvas, const ChartSettings &settings, const ChartGeometry &geometry,
                 MoistAirState &scratch);

    void DrawHumidityRatioLines();    // R
    void DrawWetBulbLines();          // TH
    void DrawDewPointLines();         // TR
    void DrawRelativeHumidityCurves(); // HR
    void DrawDryBulbLines();          // TS
    void DrawEnthalpyLines();         // H
    void DrawVolumeLines();           // V

    // How the enthalpy and volume lines find the row where they meet the
    // saturation curve; both give the same drawing.
    void SetRowSearch(RowSearch search) { rowSearch_ = search; }

private:
    // The wet-bulb family's steps: its bounds, then each line from the bottom
    // edge or from the right edge.
    struct WetBulbBounds;
    WetBulbBounds WetBulbFamilyBounds();
    void DrawWetBulbFromBottom(int64_t thC, long double pvBottomPa);
    void DrawWetBulbFromRight(int64_t thC, long double pvTopPa);

    // The wet bulb of (tsC, pvPa) and the dry bulb of (thC, pvPa), in °C,
    // found in the working point, which keeps the inputs and the result.
    long double WetBulbAt(long double tsC, long double pvPa);
    long double DryBulbAt(long double thC, long double pvPa);

    Canvas &canvas_;
    const ChartSettings &settings_;
    const ChartGeometry &geometry_;
    MoistAirState &workingPoint_;
    RowSearch rowSearch_ = RowSearch::Bisection;
};

// Families stepping through more values than this draw nothing in that paint.
constexpr int64_t kMaxFamilyValues = 10000;

// The chart itself: the background, a climate's hours, the families in the
// order R, TH, TR, HR, TS, H, V, then the two axes and the hours' legend, in
// the pixels of `geometry`: the client's, or a finer surface's
// (ChartGeometry::AtRatio). A plot that cannot be drawn gets the background
// and nothing else from the families.
void PaintChartLines(Canvas &canvas, const ChartSettings &settings, const ChartGeometry &geometry,
                     MoistAirState &scratch, const ClimateLayer &climate = {});

// What is drawn over the chart in client pixels: the zoom rectangle while one
// is dragged, then the overlay.
void PaintChartOverlays(Canvas &canvas, const ZoomState &zoom, const std::function<void(Canvas &)> &overlay);

// The whole paint in client pixels: the chart, then what is drawn over it.
void PaintChart(Canvas &canvas, const ChartSettings &settings, const ChartGeometry &geometry,
                MoistAirState &scratch, const ZoomState &zoom, const std::function<void(Canvas &)> &overlay = {},
                const ClimateLayer &climate = {});

} // namespace brumelle
