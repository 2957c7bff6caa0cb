#pragma once
// What every zone of the chart gives, the user's zones and the comfort zone
// alike: the outline the chart draws and the count of the hours inside.
#include <cstddef>
#include <vector>

#include "weather/hour_cells.h"
#include "weather/weather_types.h"

namespace brumelle {

// A corner of an outline in the chart's coordinates.
struct OutlinePoint {
    long double tsC = 0;   // dry bulb
    long double rKgKg = 0; // humidity ratio
};

// A closed outline: the last point repeats the first. Empty when the zone
// has nothing to draw.
using Outline = std::vector<OutlinePoint>;


struct HourCount {
    std::size_t inside = 0;   // retained hours inside the zone
    std::size_t retained = 0; // retained hours
};

// Share of the retained hours that lie inside, in %; 0 when none is retained.
inline long double SharePercent(const HourCount &count)
{
    if (count.retained == 0)
        return 0.0L;
    return 100.0L * static_cast<long double>(count.inside) / static_cast<long double>(count.retained);
}

// Counts the retained hours (the months and hours of the day the user chose)
// and those of them for which inside(hour) holds.
template <typename Inside>
HourCount CountRetainedHours(const std::vector<WeatherHour> &hours, const HourFilter &retained, Inside inside)
{
    HourCount count;
    for (const WeatherHour &h : hours) {
        if (!Retained(h, retained))
            continue;
        ++count.retained;
        if (inside(h))
            ++count.inside;
    }
    return count;
}

} // namespace brumelle
