#include "weather/zones.h"

#include <algorithm>
#include <cmath>

#include "model/fault.h"
#include "model/moist_air.h"
#include "presentation/number_format.h"

namespace brumelle {

namespace {

// The fields of an argument between its colons, empty ones included.
std::vector<std::string> SplitFields(const std::string &text)
{
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ':')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// A command-line number: a full stop for the decimals, whatever the locale.
std::optional<long double> ReadArgumentNumber(const std::string &field, std::string &error)
{
    const std::optional<long double> v = ReadFloat(field, NumberSeparators{".", ""});
    if (!v)
        error = "'" + field + "' n'est pas un nombre";
    return v;
}

} // namespace

std::string ZoneError(const UserZone &zone)
{
    if (zone.name.empty())
        return "La zone n'a pas de nom";
    for (long double bound : {zone.tsMinC, zone.tsMaxC, zone.hrMinPercent, zone.hrMaxPercent})
        if (!std::isfinite(bound))
            return "Une limite de la zone n'est pas un nombre";
    if (zone.tsMinC > zone.tsMaxC)
        return "TS mini est au-dessus de TS maxi";
    if (zone.hrMinPercent > zone.hrMaxPercent)
        return "HR mini est au-dessus de HR maxi";
    return {};
}

std::string ComfortError(const ComfortInputs &inputs)
{
    switch (InvalidComfortField(inputs)) {
    case ComfortField::Met: return "Le métabolisme doit être positif";
    case ComfortField::Clo: return "Les vêtements ne peuvent pas être négatifs";
    case ComfortField::AirSpeed:
        return "La vitesse d'air doit être comprise entre 0 et 0,2 m/s : au-delà, la norme demande la "
               "méthode SET, qui n'est pas disponible";
    case ComfortField::None: break;
    }
    return {};
}

bool InsideZone(const UserZone &zone, long double tsC, long double pvPa)
{
    if (tsC < zone.tsMinC || tsC > zone.tsMaxC)
        return false;
    const long double hr = RelativeHumidity(pvPa, tsC);
    return hr >= zone.hrMinPercent && hr <= zone.hrMaxPercent;
}

HourCount CountHoursInZone(const std::vector<WeatherHour> &hours, const HourFilter &retained, const UserZone &zone)
{
    return CountRetainedHours(hours, retained,
                              [&zone](const WeatherHour &h) { return InsideZone(zone, h.tsC, h.pvPa); });
}

Outline ZoneOutline(const UserZone &zone, uint32_t patmPa)
{
    // No air lies beyond saturation or below dry air: the outline keeps to them.
    const long double hrLow = std::max(zone.hrMinPercent, 0.0L), hrHigh = std::min(zone.hrMaxPercent, 100.0L);
    if (!(hrLow <= hrHigh) || !(zone.tsMinC <= zone.tsMaxC))
        return {};
    const long double patm = static_cast<long double>(patmPa);
    const auto point = [&](int i, long double hrPercent) {
        const int last = kZoneEdgePoints - 1;
        const long double tsC =
            i == last ? zone.tsMaxC : zone.tsMinC + (zone.tsMaxC - zone.tsMinC) * static_cast<long double>(i) / last;
        const long double pv = hrPercent / 100.0L * SaturationPressure(tsC);
        if (!(pv < patm))
            throw ComputeFault("ZoneOutline: vapour pressure at or above the chart pressure");
        return OutlinePoint{tsC, HumidityRatioFromPv(pv, patmPa)};
    };

    Outline outline;
    outline.reserve(2 * kZoneEdgePoints + 1);
    for (int i = 0; i < kZoneEdgePoints; ++i)
        outline.push_back(point(i, hrLow));
    for (int i = kZoneEdgePoints - 1; i >= 0; --i)
        outline.push_back(point(i, hrHigh));
    outline.push_back(outline.front());
    return outline;
}

ZoneArgument ParseZoneArgument(const std::string &text)
{
    ZoneArgument result;
    const std::vector<std::string> fields = SplitFields(text);
    if (fields.size() != 5) {
        result.error = "La zone doit s'écrire NOM:TSMIN:TSMAX:HRMIN:HRMAX";
        return result;
    }
    UserZone zone;
    zone.name = fields[0];
    long double *bounds[4] = {&zone.tsMinC, &zone.tsMaxC, &zone.hrMinPercent, &zone.hrMaxPercent};
    for (size_t i = 0; i < 4; ++i) {
        const std::optional<long double> v = ReadArgumentNumber(fields[i + 1], result.error);
        if (!v)
            return result;
        *bounds[i] = *v;
    }
    result.error = ZoneError(zone);
    if (result.error.empty())
        result.zone = zone;
    return result;
}

ComfortArgument ParseComfortArgument(const std::string &text)
{
    ComfortArgument result;
    const std::vector<std::string> fields = SplitFields(text);
    if (fields.size() != 3) {
        result.error = "Le confort doit s'écrire MET:CLO:V";
        return result;
    }
    ComfortInputs inputs;
    long double *values[3] = {&inputs.met, &inputs.clo, &inputs.airSpeedMs};
    for (size_t i = 0; i < 3; ++i) {
        const std::optional<long double> v = ReadArgumentNumber(fields[i], result.error);
        if (!v)
            return result;
        *values[i] = *v;
    }
    result.error = ComfortError(inputs);
    if (result.error.empty())
        result.inputs = inputs;
    return result;
}

} // namespace brumelle
