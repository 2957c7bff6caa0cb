#include "weather/climate.h"

#include <cmath>
#include <utility>

#include "model/fault.h"
#include "presentation/point_rows.h"
#include "weather/design_conditions.h"

namespace brumelle {

void Climate::Take(std::string file, WeatherYear read)
{
    path = std::move(file);
    year = std::move(read);
    yearConditions = DesignConditionsOfYear(year->hours);
    Recount();
}

void Climate::Close()
{
    Climate kept;
    kept.userZones = std::move(userZones);
    kept.comfort = comfort;
    kept.zones = std::move(zones);
    *this = std::move(kept);
    CountZones();
}

void Climate::Recount()
{
    cells = year ? CountCells(year->hours, filter) : HourCells{};
    CountZones();
}

void Climate::SetZones(std::vector<UserZone> user, const ComfortChoice &comfortChoice, uint32_t patmPa)
{
    userZones = std::move(user);
    comfort = comfortChoice;
    OutlineZones(patmPa);
    CountZones();
}

void Climate::UseChartPressure(long double patmPa)
{
    if (!zones.empty() && std::isfinite(patmPa) && patmPa >= 1.0L && patmPa <= 4294967295.0L)
        OutlineZones(static_cast<uint32_t>(std::llround(patmPa)));
    if (!year)
        return;
    const bool rebuilt = !year->rowsWithVapour.empty() && year->chartPatmPa != patmPa;
    brumelle::UseChartPressure(*year, patmPa);
    if (rebuilt) {
        // Those hours' wet bulbs moved with their pressure.
        yearConditions = DesignConditionsOfYear(year->hours);
        Recount();
    }
}

size_t Climate::Outside(const DisplayedRanges &ranges) const
{
    return year ? HoursOutside(year->hours, filter, ranges) : 0;
}

void Climate::OutlineZones(uint32_t patmPa)
{
    zones.clear();
    // A zone with no place at this pressure (water would boil in it) is not drawn.
    const auto outlined = [](auto outline) {
        try {
            return outline();
        } catch (const ComputeFault &) {
            return Outline{};
        }
    };
    for (const UserZone &z : userZones)
        zones.push_back({z.name, outlined([&] { return ZoneOutline(z, patmPa); }), std::nullopt});
    if (comfort.shown && InvalidComfortField(comfort.inputs) == ComfortField::None)
        zones.push_back({kComfortZoneName, outlined([&] { return ComfortZone(comfort.inputs).OutlineAt(patmPa); }),
                         std::nullopt});
}

void Climate::CountZones()
{
    for (size_t i = 0; i < zones.size(); ++i) {
        DrawnZone &z = zones[i];
        z.count.reset();
        if (!year)
            continue;
        if (i < userZones.size()) {
            z.count = CountHoursInZone(year->hours, filter, userZones[i]);
            continue;
        }
        try {
            z.count = ComfortZone(comfort.inputs).CountHours(year->hours, filter);
        } catch (const ComputeFault &) {
            // The comfort model did not settle for some hour: no count rather than a wrong one.
        }
    }
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

std::string DesignRow::Name() const { return kDesignConditionNames.at(static_cast<size_t>(condition.level)); }

std::vector<DesignRow> DesignRowsOf(const Climate &climate)
{
    std::vector<DesignRow> rows;
    if (!climate.year)
        return rows;
    for (const DesignCondition &c : climate.year->designConditions)
        rows.push_back({c, "fichier"});
    for (const DesignCondition &c : climate.yearConditions)
        rows.push_back({c, "année"});
    return rows;
}

OutdoorTexts OutdoorTextsOf(const DesignCondition &c, uint32_t patmPa, const NumberSeparators &sep)
{
    OutdoorTexts texts;
    texts.dryBulb = FormatFixed(c.dryBulbC, PointRowDecimals(kTsRow), sep);
    if (c.wetBulbC)
        texts.humidity =
            FormatFixed(RelativeHumidityFromWetBulb(c.dryBulbC, *c.wetBulbC, patmPa), PointRowDecimals(kHrRow), sep);
    return texts;
}

std::string SizingStatusText(const DesignRow &row, const OutdoorTexts &texts)
{
    std::string text = row.Name() + " (" + row.source + ") pour la CTA : température sèche extérieure " +
                       texts.dryBulb + " °C";
    if (!texts.humidity.empty())
        text += ", hygrométrie extérieure " + texts.humidity + " %";
    return text;
}

std::string ZoneCountText(const DrawnZone &zone, const NumberSeparators &sep)
{
    if (!zone.count)
        return "calcul impossible";
    return FormatFixed(static_cast<long double>(zone.count->inside), 0, sep) + " h (" +
           FormatFixed(SharePercent(*zone.count), 2, sep) + " %)";
}

} // namespace brumelle
