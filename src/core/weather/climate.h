#pragma once
// The site's climate as the study holds it: its weather file and year, which
// hours the chart shows, and their cells, counted again when the year, the
// filter or the chart's pressure changes, never at a paint.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "presentation/number_format.h"
#include "weather/epw.h"
#include "weather/hour_cells.h"

namespace brumelle {

struct Climate {
    std::string path;                // the weather file, in the system's bytes; empty without one
    std::optional<WeatherYear> year; // read from it
    HourFilter filter;               // months and hours of the day retained
    bool shown = true;               // "Montrer les heures"
    HourCells cells;                 // of the retained hours

    bool Loaded() const { return year.has_value(); }
    // A year read from `file`, its filter and showing kept, its cells counted.
    void Take(std::string file, WeatherYear read);
    void Close() { *this = Climate{}; }
    // The filter or the year changed.
    void Recount();
    // The chart's pressure changed: the hours without a station pressure take it.
    void UseChartPressure(long double patmPa);
    // The cells the chart draws: none while no year is loaded, while the hours
    // are hidden, or when none is retained.
    const HourCells *Drawn() const { return Loaded() && shown && !cells.cells.empty() ? &cells : nullptr; }
    // The retained hours outside the chart's displayed ranges.
    size_t Outside(const DisplayedRanges &ranges) const;
};

// Asked when a weather file's station pressure is not the chart's:
// "Utiliser la pression moyenne de la station (98 884 Pa) pour le diagramme ?",
// the pascals in groups of three.
std::string StationPressureQuestion(uint32_t stationPa, const NumberSeparators &sep);

// "1 à 12": a span of months or of hours of the day, as the dialog and the
// note say it.
std::string SpanText(int from, int to);

} // namespace brumelle
