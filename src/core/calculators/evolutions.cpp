#include "calculators/evolutions.h"

namespace brumelle {

Evolutions::Evolutions(EvolutionData &record, CalculationContext context, Messages &messages,
                       std::function<void()> repaintMainWindow, NumberSeparators separators)
    : d_(record), ctx_(context), messages_(messages), repaint_(std::move(repaintMainWindow)),
      sep_(std::move(separators))
{
    // Every path may ask for a repaint; a caller without a chart gets a no-op.
    if (!repaint_)
        repaint_ = [] {};
}

} // namespace brumelle
