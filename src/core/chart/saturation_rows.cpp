#include "chart/saturation_rows.h"

#include "model/fault.h"
#include "model/moist_air.h"

namespace brumelle {

SaturationRows::SaturationRows(const ChartGeometry &g, uint32_t patmPa, RowSearch search)
    : g_(g), patmPa_(patmPa), search_(search)
{
}

// A column not known yet: sized on the first column asked for, then filled.
long double ColumnPressures::Compute(int32_t x)
{
    if (g_.PlotWidth >= kMaxCached)
        return SaturationPressure(g_.TSAtPixel(x));
    if (state_.empty()) {
        pvs_.resize(size_t(g_.PlotWidth) + 1);
        state_.resize(size_t(g_.PlotWidth) + 1, Unknown);
    }
    const size_t i = size_t(x - g_.Margin);
    if (state_[i] == Unknown) {
        try {
            pvs_[i] = SaturationPressure(g_.TSAtPixel(x));
            state_[i] = Known;
        } catch (const ComputeFault &) {
            state_[i] = Faulted;
        }
    }
    if (state_[i] == Faulted)
        throw ComputeFault("SaturationPressure");
    return pvs_[i];
}

} // namespace brumelle
