// The saturation pressure as it was first written, 10 to the power e through
// powl. Linked ahead of brumelle_core, it takes the place of the core's own
// definition, so that the texts of both can be compared.
#include "model/fault.h"
#include "model/moist_air.h"

namespace brumelle {

long double SaturationPressure(long double tC)
{
    const long double e = 2.7858L + checked::div(tC, 31.559L + 0.1354L * tC, "SaturationPressure");
    return checked::pow10(e, "SaturationPressure");
}

} // namespace brumelle
