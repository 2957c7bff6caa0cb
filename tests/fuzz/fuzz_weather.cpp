// The EPW reader on any bytes: every hour it keeps is a possible state read
// by the format's rules, the counts add up, a change of chart pressure and
// back gives the same hours, and the cells count every retained hour once.
//
// Input: the file's bytes; its length chooses the chart pressure and the
// filter, so that the bytes stay a file.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "fuzz_support.h"
#include "storage/text_codecs.h"
#include "weather/epw.h"
#include "weather/hour_cells.h"
#include "weather/hour_colours.h"

using namespace brumelle;
using namespace brumelle::fuzz;

namespace {

const long double kChartPressuresPa[] = {101325, 30000, 120000, 1, 0, 5e9L};

std::string Where(const WeatherHour &h)
{
    char buf[160];
    std::snprintf(buf, sizeof buf, "%d/%d %d h, TS %Lg, Pv %Lg, P %Lg, R %Lg", h.month, h.day, h.hour, h.tsC, h.pvPa,
                  h.patmPa, h.rKgKg);
    return buf;
}

void CheckHours(const WeatherYear &y)
{
    FUZZ_CHECK(y.hours.size() + y.missingHours == y.rowsRead, std::to_string(y.rowsRead));
    for (const WeatherHour &h : y.hours)
        FUZZ_CHECK(h.month >= 1 && h.month <= 12 && h.day >= 1 && h.day <= 31 && h.hour >= 1 && h.hour <= 24 &&
                       h.tsC > kAbsoluteZero && h.tsC < 99.9L && h.pvPa >= 0 && h.pvPa < h.patmPa &&
                       (h.stationPressure ? h.patmPa >= 30000 && h.patmPa <= 120000 : h.patmPa == y.chartPatmPa) &&
                       std::isfinite(h.rKgKg) && h.rKgKg == 0.622L * h.pvPa / (h.patmPa - h.pvPa),
                   Where(h));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const long double chartPa = kChartPressuresPa[size % 6];
    const std::optional<WeatherYear> read = ReadEpw(bytes, chartPa);
    if (!read)
        return 0;
    FUZZ_CHECK(read->rowsRead > 0, "a file without a readable row is refused");
    CheckHours(*read);
    FUZZ_CHECK(std::isfinite(read->stationPressurePa) && read->stationPressurePa > 0,
               std::to_string(static_cast<double>(read->stationPressurePa)));
    const EpwLocation &l = read->location;
    const auto control = [](char c) { return (c >= 0 && c < 0x20) || c == 0x7F; };
    for (const std::string *text : {&l.city, &l.state, &l.country, &l.source, &l.wmo})
        FUZZ_CHECK(IsValidUtf8(*text) && std::none_of(text->begin(), text->end(), control), Quoted(*text));
    for (size_t i = 0; i < read->designConditions.size(); ++i) {
        const DesignCondition &c = read->designConditions[i];
        FUZZ_CHECK(i == 0 || read->designConditions[i - 1].level < c.level, "design conditions in order");
        FUZZ_CHECK(std::isfinite(c.dryBulbC) && (!c.wetBulbC || std::isfinite(*c.wetBulbC)), "finite design values");
        FUZZ_CHECK(c.level >= DesignLevel::Cooling04 || !c.wetBulbC, "heating without a wet bulb");
    }

    WeatherYear y = *read;
    UseChartPressure(y, kChartPressuresPa[(size + 1) % 6]);
    CheckHours(y);
    UseChartPressure(y, chartPa);
    FUZZ_CHECK(y.hours.size() == read->hours.size() && y.missingHours == read->missingHours, "pressure and back");
    for (size_t i = 0; i < y.hours.size(); ++i) {
        const WeatherHour &a = y.hours[i], &b = read->hours[i];
        FUZZ_CHECK(a.month == b.month && a.day == b.day && a.hour == b.hour && a.tsC == b.tsC && a.pvPa == b.pvPa &&
                       a.patmPa == b.patmPa && a.rKgKg == b.rKgKg,
                   Where(a) + " / " + Where(b));
    }

    const HourFilter filter{static_cast<int>(size % 12) + 1, static_cast<int>(size / 12 % 12) + 1,
                            static_cast<int>(size % 24) + 1, static_cast<int>(size / 24 % 24) + 1};
    const HourCells cells = CountCells(y.hours, filter);
    size_t counted = 0;
    for (size_t i = 0; i < cells.cells.size(); ++i) {
        const HourCell &c = cells.cells[i];
        FUZZ_CHECK(c.hours >= cells.fewestHours && c.hours <= cells.mostHours && c.hours > 0, "cell count bounds");
        FUZZ_CHECK(i == 0 || cells.cells[i - 1].tsC < c.tsC ||
                       (cells.cells[i - 1].tsC == c.tsC && cells.cells[i - 1].rGKg < c.rGKg),
                   "cells sorted by TS then R");
        FUZZ_CHECK((HourCellColour(c.hours, cells.fewestHours, cells.mostHours) & ~0xFFFFFF) == 0, "24-bit colour");
        counted += static_cast<size_t>(c.hours);
    }
    FUZZ_CHECK(counted == cells.retained, std::to_string(counted) + " of " + std::to_string(cells.retained));
    for (const WeatherHour &h : y.hours)
        FUZZ_CHECK(!Retained(h, filter) || cells.HoursAt(h.tsC, h.rKgKg) > 0, Where(h));
    return 0;
}
