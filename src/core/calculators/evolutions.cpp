#include "evolutions.h"

#include "model/pressure.h"
#include "program_state.h"

namespace brumelle {

Evolutions::Evolutions(ProgramState &state, Messages &messages, std::function<void()> repaintMainWindow,
                       NumberSeparators separators)
    : state_(state), d_(state.evolutions), messages_(messages), repaint_(std::move(repaintMainWindow)),
      sep_(std::move(separators))
{
    // Every path may ask for a repaint; a caller without a chart gets a no-op.
    if (!repaint_)
        repaint_ = [] {};
}

bool Evolutions::ReadPressure()
{
    const auto patm = ReadPressureText(state_.pressureText, messages_);
    if (patm)
        state_.settings.Patm = *patm;
    return patm.has_value();
}

} // namespace brumelle
