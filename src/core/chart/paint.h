#pragma once
#include "canvas.h"
#include "chart_settings.h"
#include "geometry.h"
#include "model/moist_air.h"
#include "zoom.h"

#include <cstdint>
#include <functional>

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
    // saturation curve. Both give the same drawing; the row-by-row search is
    // the reference the bisection is checked against.
    enum class RowSearch { Bisection, Linear };
    void SetRowSearch(RowSearch search) { rowSearch_ = search; }

private:
    Canvas &c_;
    const ChartSettings &s_;
    const ChartGeometry &g_;
    MoistAirState &m_;
    RowSearch rowSearch_ = RowSearch::Bisection;
};

// Families stepping through more values than this draw nothing in that paint.
constexpr int64_t kMaxFamilyValues = 10000;

// The whole paint: background, the families in the order R, TH, TR, HR, TS,
// H, V, the two axes, the zoom rectangle while one is dragged, then the
// overlay. A plot that cannot be drawn gets the background and nothing else
// from the families.
void PaintChart(Canvas &canvas, const ChartSettings &settings, const ChartGeometry &geometry,
                MoistAirState &scratch, const ZoomState &zoom,
                const std::function<void(Canvas &)> &overlay = {});

} // namespace brumelle
