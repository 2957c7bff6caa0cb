#pragma once
// The hours shown on the chart: those the filter retains, counted in cells
// of 1 °C × 1 g/kgas.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "weather/weather_types.h"

namespace brumelle {

// Months and hours of the day shown. A span whose start is after its end
// wraps: months 11 to 2 are November to February, hours 22 to 6 the night.
struct HourFilter {
    int monthFrom = 1, monthTo = 12; // 1 to 12
    int hourFrom = 1, hourTo = 24;   // 1 to 24, the hour ending at that time
};

bool Retained(const WeatherHour &h, const HourFilter &filter);

// A non-empty cell: its lower bounds, floor(TS) and floor(R in g/kgas), and
// the hours in it.
struct HourCell {
    int32_t tsC = 0;
    int32_t rGKg = 0;
    int32_t hours = 0;
};

struct HourCells {
    std::vector<HourCell> cells; // sorted by TS, then R
    size_t retained = 0;         // retained hours, in cells or not (see CountCells)
    int32_t fewestHours = 0;     // the smallest and largest cell counts; 0 without cells
    int32_t mostHours = 0;

    // The count of the cell under (TS °C, R kg/kg), 0 when it is empty: a
    // binary search, for the cursor readout.
    int32_t HoursAt(long double tsC, long double rKgKg) const;
};

// The cells of the retained hours. An hour whose TS or R is not finite has
// no cell (ReadEpw gives none); coordinates beyond ±kCellBound are counted
// in the cell at the bound.
HourCells CountCells(const std::vector<WeatherHour> &hours, const HourFilter &filter);
constexpr int32_t kCellBound = 1000000000;

// The chart's displayed ranges, bounds inside.
struct DisplayedRanges {
    long double tsMinC = 0, tsMaxC = 0;
    long double rMinGKg = 0, rMaxGKg = 0;
};

// The retained hours whose TS or R lies outside the displayed ranges.
size_t HoursOutside(const std::vector<WeatherHour> &hours, const HourFilter &filter, const DisplayedRanges &ranges);

} // namespace brumelle
