#include "weather/climate.h"

#include <utility>

namespace brumelle {

void Climate::Take(std::string file, WeatherYear read)
{
    path = std::move(file);
    year = std::move(read);
    Recount();
}

void Climate::Recount() { cells = year ? CountCells(year->hours, filter) : HourCells{}; }

void Climate::UseChartPressure(long double patmPa)
{
    if (!year)
        return;
    const bool rebuilt = !year->rowsWithVapour.empty() && year->chartPatmPa != patmPa;
    brumelle::UseChartPressure(*year, patmPa);
    if (rebuilt)
        Recount();
}

size_t Climate::Outside(const DisplayedRanges &ranges) const
{
    return year ? HoursOutside(year->hours, filter, ranges) : 0;
}

std::string SpanText(int from, int to) { return std::to_string(from) + " à " + std::to_string(to); }

} // namespace brumelle
