#pragma once
// What the chart draws of a site's climate besides its lines: the hours of
// the year, cell by cell, under the line families and over the background,
// with their legend where the chart has no lines (the top left of the plot).
// With nothing to draw, the chart is what it was without a climate.
#include "chart/canvas.h"
#include "chart/chart_settings.h"
#include "chart/geometry.h"
#include "weather/hour_cells.h"

namespace brumelle {

struct ClimateLayer {
    const HourCells *hours = nullptr; // the cells shown; none: no hours on the chart
};

// The ranges the chart displays now (its zoomed ones).
inline DisplayedRanges DisplayedRangesOf(const ChartSettings &s)
{
    return {static_cast<long double>(s.TS.Mini), static_cast<long double>(s.TS.Maxi),
            static_cast<long double>(s.R.Mini), static_cast<long double>(s.R.Maxi)};
}

// Each cell of 1 °C × 1 g/kgas filled with its count's colour, clipped to the plot.
void DrawHourCells(Canvas &canvas, const ChartGeometry &geometry, const HourCells &cells);
// "Heures", the scale from the fewest hours to the most, and those two counts.
void DrawHourLegend(Canvas &canvas, const ChartGeometry &geometry, const HourCells &cells);

} // namespace brumelle
