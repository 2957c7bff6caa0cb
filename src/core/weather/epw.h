#pragma once
// The EPW weather file (EnergyPlus): eight header lines, then one row of 35
// fields per hour of the year. Read from the file's bytes; the caller reads
// the file through its bounded reader.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "weather/weather_types.h"

namespace brumelle {

// Shown in a plain box for a file that has no LOCATION first line or no
// readable data row.
constexpr const char *kEpwRefused = "Le fichier n'est pas un fichier météo EPW reconnu";

// The header's LOCATION line. Texts are UTF-8 (Latin-1 bytes converted),
// without surrounding blanks and double quotes; a number the line lacks or
// that is not one is left empty.
struct EpwLocation {
    std::string city, state, country, source, wmo;
    std::optional<long double> latitudeDeg, longitudeDeg, timeZoneH, elevationM;
};

struct WeatherYear {
    EpwLocation location;
    // The header's design conditions, in the order of kDesignConditionNames;
    // the heating ones without a wet bulb. Empty when the header holds none.
    std::vector<DesignCondition> designConditions;
    // The rows with a usable state at chartPatmPa, in the file's order.
    std::vector<WeatherHour> hours;
    size_t rowsRead = 0;       // rows whose used fields could be read: hours plus missing
    size_t missingHours = 0;   // rows read without a usable state
    size_t unreadableRows = 0; // rows skipped
    // The mean of the rows' valid station pressures; without any, the
    // standard atmosphere at the header's elevation (at sea level when the
    // elevation is unknown or beyond the standard atmosphere's bounds).
    long double stationPressurePa = 0;
    long double chartPatmPa = 0; // the pressure of the rows that have none
    // Every row with a dry bulb and a vapour pressure, in the file's order,
    // kept only when some of them lack a station pressure: UseChartPressure
    // rebuilds `hours` from them. Empty otherwise.
    std::vector<WeatherHour> rowsWithVapour;
};

// The file's year, or nothing when it is refused (show kEpwRefused). Rows
// without a station pressure take chartPatmPa, the chart's pressure.
std::optional<WeatherYear> ReadEpw(const std::string &bytes, long double chartPatmPa);

// The chart's pressure changed: the hours without a station pressure take the
// new one (and those whose vapour pressure it no longer exceeds are missing).
// Does nothing when every row had a station pressure.
void UseChartPressure(WeatherYear &year, long double patmPa);

} // namespace brumelle
