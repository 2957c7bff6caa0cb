#include "model/standard_atmosphere.h"

#include <cmath>

namespace brumelle {

std::optional<uint32_t> StandardPressureAt(long double zM)
{
    if (!(zM >= kLowestAltitudeM && zM <= kHighestAltitudeM))
        return std::nullopt;
    const long double pPa = 101325.0L * std::pow(1.0L - 2.25577e-5L * zM, 5.2559L);
    return static_cast<uint32_t>(std::llround(pPa));
}

} // namespace brumelle
