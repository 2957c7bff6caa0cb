#pragma once
// The design conditions of a year of hours, and the relative humidity the
// sizing takes from a design dry bulb and its wet bulb.
#include <cstdint>
#include <vector>

#include "weather/weather_types.h"

namespace brumelle {

// The value at q % of values sorted ascending: position q / 100 × (N − 1),
// interpolated linearly between its two neighbours. N must not be 0.
long double Percentile(const std::vector<long double> &sortedAscending, long double qPercent);

// Hours whose dry bulb lies within this of the design dry bulb (bounds
// included) give its mean coincident wet bulb.
constexpr long double kCoincidentWindowK = 0.5L;

// The five design conditions of the year, in the order of
// kDesignConditionNames, over every hour given (each has a usable state):
// the dry bulb at 0.4 % and 1 % for heating, at 99.6 %, 99 % and 98 % for
// cooling, and the mean wet bulb of the hours within kCoincidentWindowK of
// it, or the nearest hour's when none is. An hour's wet bulb is the
// evolutions' double-precision search at its pressure rounded to whole
// pascals; an hour whose search faults is left out (a row has no wet bulb
// only when every hour's search faults). Empty when there is no hour.
std::vector<DesignCondition> DesignConditionsOfYear(const std::vector<WeatherHour> &hours);

// The relative humidity in % of dry bulb tsC and wet bulb thC at chart
// pressure patmPa, by the arithmetic of the "Un point" calculation (the
// psychrometric vapour pressure in double precision, then 100 × Pv / Pvs(TS)).
// Throws ComputeFault when the vapour pressure is not positive: the
// calculation refuses that point.
long double RelativeHumidityFromWetBulb(long double tsC, long double thC, uint32_t patmPa);

} // namespace brumelle
