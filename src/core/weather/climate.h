#pragma once
// The site's climate as the study holds it: its weather file and year, which
// hours the chart shows, and their cells; the design conditions of the year;
// the user's zones and the comfort zone with their outlines and the hours
// inside. All of it is computed again when the year, the filter, the zones or
// the chart's pressure changes, never at a paint.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "presentation/number_format.h"
#include "weather/comfort.h"
#include "weather/epw.h"
#include "weather/hour_cells.h"
#include "weather/zone_shape.h"
#include "weather/zones.h"

namespace brumelle {

// The comfort zone's name, on the chart, in the note and on the command line.
constexpr const char *kComfortZoneName = "Confort ASHRAE 55";

struct ComfortChoice {
    ComfortInputs inputs;
    bool shown = false; // drawn and counted
};

// A zone as the chart draws it: the user's, or the comfort zone.
struct DrawnZone {
    std::string name;
    Outline outline;                // at the chart's pressure; empty when it has none there
    std::optional<HourCount> count; // of the retained hours; none without a year, or when it could not be counted
};

struct Climate {
    std::string path;                // the weather file, in the system's bytes; empty without one
    std::optional<WeatherYear> year; // read from it
    HourFilter filter;               // months and hours of the day retained
    bool shown = true;               // "Montrer les heures"
    HourCells cells;                 // of the retained hours
    std::vector<DesignCondition> yearConditions; // computed from every hour of the year
    bool conditionsShown = false;                // "Montrer sur le diagramme"

    std::vector<UserZone> userZones; // kept in the study with or without a weather file
    ComfortChoice comfort;
    std::vector<DrawnZone> zones; // the user's in their order, then the comfort zone when shown

    bool Loaded() const { return year.has_value(); }
    // A year read from `file`, its filter and showing kept, its cells, design
    // conditions and zone counts computed.
    void Take(std::string file, WeatherYear read);
    // The weather file closed; the zones stay.
    void Close();
    // The filter or the year changed: the cells and the zones' counts.
    void Recount();
    // New zones, outlined at the chart's pressure patmPa and counted.
    void SetZones(std::vector<UserZone> user, const ComfortChoice &comfortChoice, uint32_t patmPa);
    // The chart's pressure changed: the hours without a station pressure take
    // it, and the zones are outlined at it.
    void UseChartPressure(long double patmPa);
    // The cells the chart draws: none while no year is loaded, while the hours
    // are hidden, or when none is retained.
    const HourCells *Drawn() const { return Loaded() && shown && !cells.cells.empty() ? &cells : nullptr; }
    // The retained hours outside the chart's displayed ranges.
    size_t Outside(const DisplayedRanges &ranges) const;

private:
    void OutlineZones(uint32_t patmPa);
    void CountZones();
};

// Asked when a weather file's station pressure is not the chart's:
// "Utiliser la pression moyenne de la station (98 884 Pa) pour le diagramme ?",
// the pascals in groups of three.
std::string StationPressureQuestion(uint32_t stationPa, const NumberSeparators &sep);

// "1 à 12": a span of months or of hours of the day, as the dialog and the
// note say it.
std::string SpanText(int from, int to);

// A design condition as a table row and a chart label say it: its name, and
// "fichier" for the weather file's or "année" for the year's.
struct DesignRow {
    DesignCondition condition;
    const char *source = ""; // "fichier" or "année"
    std::string Name() const;
};
// The file's rows, then the year's.
std::vector<DesignRow> DesignRowsOf(const Climate &climate);

// What "Utiliser pour la CTA" puts into the sizing's outdoor boxes: the dry
// bulb, and the relative humidity of that dry bulb and wet bulb at chart
// pressure patmPa as "Un point" gives it (empty without a wet bulb), each
// with the decimals its row of a result grid shows. Throws ComputeFault when
// the point cannot exist.
struct OutdoorTexts {
    std::string dryBulb, humidity;
};
OutdoorTexts OutdoorTextsOf(const DesignCondition &condition, uint32_t patmPa, const NumberSeparators &sep);
// The status bar once they are in: "Refroidissement 0,4 % (année) pour la
// CTA : température sèche extérieure 32,20 °C, hygrométrie extérieure 45 %".
std::string SizingStatusText(const DesignRow &row, const OutdoorTexts &texts);
constexpr const char *kDesignConditionRefused =
    "Cette condition de base n'a pas d'état d'air à la pression du diagramme : le dimensionnement n'est pas modifié";

// "1 234 h (14,09 %)": a zone's retained hours inside and their share;
// "calcul impossible" when they could not be counted.
std::string ZoneCountText(const DrawnZone &zone, const NumberSeparators &sep);

} // namespace brumelle
