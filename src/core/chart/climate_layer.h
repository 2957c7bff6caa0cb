#pragma once
// What the chart draws of a site's climate besides its lines: the hours of
// the year, cell by cell, under the line families and over the background;
// over the lines, the zones' outlines with their names and the design
// conditions as labelled markers; the legend where the chart has no lines
// (the top left of the plot). With nothing to draw, the chart is what it was
// without a climate.
#include <cstdint>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/chart_settings.h"
#include "chart/geometry.h"
#include "presentation/number_format.h"
#include "weather/climate.h"
#include "weather/hour_cells.h"
#include "weather/zone_shape.h"

namespace brumelle {

struct ZoneLayer {
    const Outline *outline = nullptr;
    std::string name;
    int32_t colour = 0;
    std::string count; // its legend line; empty without a year
};

struct MarkerLayer {
    long double tsC = 0, rKgKg = 0;
    std::string label;
    bool fromFile = false; // the weather file's (a square) or the year's (a disc)
};

struct ClimateLayer {
    const HourCells *hours = nullptr; // the cells shown; none: no hours on the chart
    std::vector<ZoneLayer> zones;
    std::vector<MarkerLayer> markers;

    bool Empty() const { return !hours && zones.empty() && markers.empty(); }
};

// What the chart at pressure patmPa draws of the climate: its cells, its
// zones, and its design conditions with a wet bulb while they are shown.
ClimateLayer ClimateLayerOf(const Climate &climate, uint32_t patmPa, const NumberSeparators &sep);

// The ranges the chart displays now (its zoomed ones).
inline DisplayedRanges DisplayedRangesOf(const ChartSettings &s)
{
    return {static_cast<long double>(s.TS.Mini), static_cast<long double>(s.TS.Maxi),
            static_cast<long double>(s.R.Mini), static_cast<long double>(s.R.Maxi)};
}

// Each cell of 1 °C × 1 g/kgas filled with its count's colour, clipped to the plot.
void DrawHourCells(Canvas &canvas, const ChartGeometry &geometry, const HourCells &cells);
// The zones' outlines, clipped to the plot, and their names; the markers and
// their labels, a label moved down or up rather than over another.
void DrawZonesAndMarkers(Canvas &canvas, const ChartGeometry &geometry, const ClimateLayer &layer);
// "Heures", the scale from the fewest hours to the most and those two
// counts; below, each zone's line and count.
void DrawClimateLegend(Canvas &canvas, const ChartGeometry &geometry, const ClimateLayer &layer);

} // namespace brumelle
