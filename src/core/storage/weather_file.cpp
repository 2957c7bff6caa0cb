#include "storage/weather_file.h"

#include "storage/bounded_file.h"

namespace brumelle {

std::optional<WeatherYear> LoadWeatherYear(const std::string &path, long double chartPatmPa, Messages &messages)
{
    const BoundedFile file = ReadBoundedFile(path, kMaxWeatherFileBytes);
    std::optional<WeatherYear> year;
    if (file.status == FileReadStatus::Read)
        year = ReadEpw(file.bytes, chartPatmPa);
    if (!year)
        messages.message(kEpwRefused);
    return year;
}

} // namespace brumelle
