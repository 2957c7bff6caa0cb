#pragma once
// The plain data the weather units share: an hour of a year with a usable
// moist-air state, and a design condition (the weather file's or the year's).
#include <array>
#include <optional>

namespace brumelle {

struct WeatherHour {
    int month = 0; // 1 to 12
    int day = 0;   // 1 to 31
    int hour = 0;  // 1 to 24, the hour ending at that time
    long double tsC = 0;    // dry bulb
    long double pvPa = 0;   // vapour pressure
    long double patmPa = 0; // the hour's station pressure, or the chart's when the row has none
    bool stationPressure = true; // false: patmPa is the chart's, taken again when it changes
    long double rKgKg = 0;  // humidity ratio, 0.622 × Pv / (P − Pv)
};

// The five design conditions, in this order everywhere (tables, files, output).
enum class DesignLevel { Heating996, Heating99, Cooling04, Cooling1, Cooling2 };
constexpr std::array<const char *, 5> kDesignConditionNames = {
    "Chauffage 99,6 %", "Chauffage 99 %", "Refroidissement 0,4 %", "Refroidissement 1 %", "Refroidissement 2 %"};

struct DesignCondition {
    DesignLevel level = DesignLevel::Heating996;
    long double dryBulbC = 0;
    std::optional<long double> wetBulbC; // mean coincident wet bulb; none for the file's heating rows
};

} // namespace brumelle
