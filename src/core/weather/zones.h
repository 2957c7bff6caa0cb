#pragma once
// The user's zones: a dry-bulb span and a relative-humidity span, drawn on the
// chart and counted over the retained hours; and the command line's zone and
// comfort arguments.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "weather/comfort.h"
#include "weather/weather_types.h"
#include "weather/zone_shape.h"

namespace brumelle {

struct UserZone {
    std::string name;              // UTF-8
    long double tsMinC = 0;        // dry bulb, bounds included
    long double tsMaxC = 0;
    long double hrMinPercent = 0;  // relative humidity, bounds included
    long double hrMaxPercent = 0;
};

// What is wrong with a zone, in French; empty when it can be kept: a name,
// finite bounds, neither span's minimum above its maximum.
std::string ZoneError(const UserZone &zone);

// Asked when "Ok" closes the zones' dialog over a zone typed and not added.
constexpr const char *kZoneNotAddedQuestion = "La zone saisie n'a pas été ajoutée à la liste. L'ajouter ?";

// What is wrong with the comfort zone's inputs, in French; empty when they are valid.
std::string ComfortError(const ComfortInputs &inputs);

// An air state is inside when its dry bulb and its relative humidity
// 100 × Pv / Pvs(TS) lie within the spans.
bool InsideZone(const UserZone &zone, long double tsC, long double pvPa);
HourCount CountHoursInZone(const std::vector<WeatherHour> &hours, const HourFilter &retained, const UserZone &zone);

// Points on each relative-humidity edge of a zone's outline.
constexpr int kZoneEdgePoints = 32;

// The zone's outline at chart pressure patmPa in (dry bulb, humidity ratio):
// along the lower relative humidity from TS mini to TS maxi, up the vertical
// edge, back along the upper one. The humidity spans are held to 0..100 %:
// empty when nothing of the span is left. Throws ComputeFault when a vapour
// pressure of the outline reaches patmPa or a dry bulb has no saturation
// pressure.
Outline ZoneOutline(const UserZone &zone, uint32_t patmPa);

// The command line's arguments; an empty value comes with the French text of
// what is wrong, and the caller then prints its usage message.
struct ZoneArgument {
    std::optional<UserZone> zone;
    std::string error;
};
struct ComfortArgument {
    std::optional<ComfortInputs> inputs;
    std::string error;
};

// "NAME:TSMIN:TSMAX:HRMIN:HRMAX", decimals with a full stop.
ZoneArgument ParseZoneArgument(const std::string &text);
// "MET:CLO:V", decimals with a full stop, V at most kComfortMaxAirSpeedMs.
ComfortArgument ParseComfortArgument(const std::string &text);

} // namespace brumelle
