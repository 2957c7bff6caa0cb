#include "calculators/calculation_base.h"

#include <utility>

#include "model/fault.h"

namespace brumelle {

CalculationBase::CalculationBase(CalculationContext context, Messages &messages,
                                 std::function<void()> repaintMainWindow, NumberSeparators separators)
    : ctx_(context), messages_(messages), repaint_(std::move(repaintMainWindow)), sep_(std::move(separators))
{
    if (!repaint_)
        repaint_ = [] {};
}

bool CalculationBase::Guarded(const std::function<void()> &body, const std::function<void()> &emptyResults)
{
    try {
        body();
        return true;
    } catch (const StopRun &stop) {
        if (stop.plainBox)
            messages_.message(stop.message);
        else
            messages_.information(stop.message);
    } catch (const ComputeFault &) {
        messages_.information(kCannotCompute);
    }
    emptyResults();
    return false;
}

} // namespace brumelle
