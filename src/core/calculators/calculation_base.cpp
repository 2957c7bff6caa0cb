#include "calculators/calculation_base.h"

#include <utility>


namespace brumelle {

CalculationBase::CalculationBase(CalculationContext context, Messages &messages,
                                 std::function<void()> repaintMainWindow, NumberSeparators separators)
    : ctx_(context), messages_(messages), repaint_(std::move(repaintMainWindow)), sep_(std::move(separators))
{
    if (!repaint_)
        repaint_ = [] {};
}

void CalculationBase::ShowStop(const StopRun &stop)
{
    if (stop.plainBox)
        messages_.message(stop.message);
    else
        messages_.information(stop.message);
}

} // namespace brumelle
