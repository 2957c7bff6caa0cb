#pragma once
// Weather files read through the program's bounded reader.
#include <optional>
#include <string>

#include "presentation/messages.h"
#include "weather/epw.h"

namespace brumelle {

// A year of hours, even at ten-minute steps, is a few tens of megabytes at
// most; anything larger is not a weather file.
constexpr size_t kMaxWeatherFileBytes = 64u * 1024u * 1024u;

// The year of the EPW file at `path`, its rows without a station pressure at
// chartPatmPa. Nothing, with kEpwRefused shown in a plain box, when the file
// cannot be read whole or is not an EPW file.
std::optional<WeatherYear> LoadWeatherYear(const std::string &path, long double chartPatmPa, Messages &messages);

} // namespace brumelle
