#include "evolutions.h"

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
    const auto v = ReadInteger(state_.pressureText);
    if (!v) {
        messages_.error("'" + state_.pressureText + "' n'est pas une valeur entière correcte");
        return false;
    }
    // Every equation divides by the pressure: a pressure of 0 or less would
    // fault them all, so the standard atmosphere stands in for it.
    state_.settings.Patm = *v > 0 ? static_cast<uint32_t>(*v) : 101325u;
    return true;
}

void Evolutions::WritePoint(ResultGrid &grid, int col, const MoistAirState &p) const
{
    grid.SetCell(col, 1, Fixed(p.TS, 2));
    grid.SetCell(col, 2, Fixed(p.HR, 0));
    grid.SetCell(col, 3, Fixed(p.R * 1000.0L, 2));
    grid.SetCell(col, 4, Fixed(p.H, 2));
    grid.SetCell(col, 5, Fixed(p.V, 4));
    grid.SetCell(col, 6, Fixed(p.TH, 2));
    grid.SetCell(col, 7, Fixed(p.TR, 2));
}

long double Evolutions::BoxNumber(const std::string &text)
{
    return text.empty() ? 0.0L : ParseNumber(text, messages_);
}

} // namespace brumelle
