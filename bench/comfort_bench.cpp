// The comfort count, the zones and the design conditions are computed again
// whenever their inputs change (the filters, the zones, the comfort inputs):
// a year of hours must keep that well under a frame.
#include <cmath>
#include <vector>

#include <benchmark/benchmark.h>

#include "model/moist_air.h"
#include "weather/comfort.h"
#include "weather/design_conditions.h"
#include "weather/zones.h"

namespace {

using namespace brumelle;

// 8760 hours of a temperate year: a seasonal and a daily swing of the dry
// bulb, the relative humidity higher at night.
std::vector<WeatherHour> SyntheticYear()
{
    constexpr long double kPi = 3.14159265358979323846L;
    std::vector<WeatherHour> hours;
    hours.reserve(8760);
    for (int i = 0; i < 8760; ++i) {
        WeatherHour h;
        const int day = i / 24;
        h.month = day * 12 / 365 + 1;
        h.day = day % 30 + 1;
        h.hour = i % 24 + 1;
        const long double daily = std::sin(2 * kPi * (h.hour - 9) / 24);
        h.tsC = 11 - 13 * std::cos(2 * kPi * day / 365) + 5 * daily + 2 * std::sin(0.7L * i);
        const long double rh = 65 - 20 * daily + 10 * std::sin(0.3L * i);
        h.pvPa = rh / 100 * SaturationPressure(h.tsC);
        h.patmPa = 101325;
        h.rKgKg = HumidityRatioFromPv(h.pvPa, 101325);
        hours.push_back(h);
    }
    return hours;
}

void BM_ComfortCountOfAYear(benchmark::State &state)
{
    const std::vector<WeatherHour> year = SyntheticYear();
    const HourFilter all;
    for (auto _ : state) {
        const ComfortZone zone{ComfortInputs{}};
        benchmark::DoNotOptimize(zone.CountHours(year, all));
    }
}
BENCHMARK(BM_ComfortCountOfAYear)->Unit(benchmark::kMillisecond);

void BM_ComfortOutline(benchmark::State &state)
{
    const ComfortZone zone{ComfortInputs{}};
    for (auto _ : state)
        benchmark::DoNotOptimize(zone.OutlineAt(101325));
}
BENCHMARK(BM_ComfortOutline)->Unit(benchmark::kMillisecond);

void BM_ZoneCountAndOutline(benchmark::State &state)
{
    const std::vector<WeatherHour> year = SyntheticYear();
    const UserZone zone{"Bureau", 20, 26, 30, 60};
    for (auto _ : state) {
        benchmark::DoNotOptimize(CountHoursInZone(year, {}, zone));
        benchmark::DoNotOptimize(ZoneOutline(zone, 101325));
    }
}
BENCHMARK(BM_ZoneCountAndOutline)->Unit(benchmark::kMillisecond);

void BM_DesignConditionsOfAYear(benchmark::State &state)
{
    const std::vector<WeatherHour> year = SyntheticYear();
    for (auto _ : state)
        benchmark::DoNotOptimize(DesignConditionsOfYear(year));
}
BENCHMARK(BM_DesignConditionsOfAYear)->Unit(benchmark::kMillisecond);

} // namespace
