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

std::string StationPressureQuestion(uint32_t stationPa, const NumberSeparators &sep)
{
    const std::string digits = std::to_string(stationPa);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += sep.group;
        grouped += digits[i];
    }
    return "Utiliser la pression moyenne de la station (" + grouped + " Pa) pour le diagramme ?";
}

std::string SpanText(int from, int to) { return std::to_string(from) + " à " + std::to_string(to); }

} // namespace brumelle
