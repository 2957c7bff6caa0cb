// What the five treatments share: the inlet typed as a dry bulb and a
// relative humidity. Their run itself is in treatment_run.h.
#include <utility>

#include "calculators/calculation_steps.h"
#include "calculators/evolutions.h"

namespace brumelle {

Evolutions::Evolutions(EvolutionData &record, CalculationContext context, Messages &messages,
                       std::function<void()> repaintMainWindow, NumberSeparators separators)
    : CalculationBase(context, messages, std::move(repaintMainWindow), std::move(separators)), d_(record)
{
}

MoistAirState Evolutions::TypedPoint(MoistAirState &p, uint32_t patmPa, const std::string &tsText,
                                     const std::string &hrText, const char *tsRefused, const char *hrRefused)
{
    const long double ts = BoxNumber(tsText);
    if (!InChartTemperature(ts))
        throw StopRun{tsRefused};
    const long double hr = BoxNumber(hrText);
    if (!InPercent(hr))
        throw StopRun{hrRefused};
    PointFromTsHr(p, ts, hr, patmPa);
    return Shown(p);
}

} // namespace brumelle
