#include "moist_air.h"

#include "fault.h"

namespace brumelle {

long double SaturationPressure(long double tC)
{
    const long double e = 2.7858L + checked::div(tC, 31.559L + 0.1354L * tC, "SaturationPressure");
    return checked::pow10(e, "SaturationPressure");
}

} // namespace brumelle
