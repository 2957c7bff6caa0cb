#include "calculations.h"

#include "program_state.h"

namespace brumelle {

CalculationContext EvolutionsContext(ProgramState &state)
{
    return {state.pressure, state.settings.Patm, state.EvolutionState, state.flags};
}

CalculationContext SizingContext(ProgramState &state)
{
    return {state.pressure, state.settings.Patm, state.chartPoint, state.flags};
}

Calculations::Calculations(ProgramState &state, Messages &messages, std::function<void()> repaintMainWindow,
                           NumberSeparators separators)
    : state_(state), messages_(messages),
      evolutions_(state.evolutions, EvolutionsContext(state), messages, repaintMainWindow, separators),
      sizing_(state.ahu, SizingContext(state), messages, repaintMainWindow, separators)
{
}

void Calculations::RerunAfterOpening()
{
    if (HasResult(state_.evolutions.grille_un_point))
        evolutions_.SolvePoint();
    evolutions_.Mixing();
    evolutions_.Heating();
    evolutions_.Cooling();
    evolutions_.AirWasher();
    evolutions_.SteamHumidifier();
    sizing_.SizeAhu();
}

void Calculations::RerunAfterPressureChange()
{
    // The climate's hours without a station pressure are at the chart's.
    state_.climate.UseChartPressure(state_.settings.Patm);
    const EvolutionData &d = state_.evolutions;
    if (HasResult(d.grille_BC))
        evolutions_.Heating();
    if (HasResult(d.grille_bfc))
        evolutions_.Cooling();
    if (HasResult(d.grille_lav))
        evolutions_.AirWasher();
    if (HasResult(d.grille_vap))
        evolutions_.SteamHumidifier();
    if (HasResult(d.grille_un_point))
        evolutions_.SolvePoint();
    if (HasResult(d.grille_melange))
        evolutions_.Mixing();
    if (HasResult(state_.ahu.grille_resultats))
        sizing_.SizeAhu();
}

void Calculations::PressureSetBySettings(uint32_t patmBeforePa)
{
    state_.pressure.Show(state_.settings.Patm);
    if (state_.settings.Patm != patmBeforePa)
        RerunAfterPressureChange();
}

void Calculations::PressureTyped(const std::string &typed)
{
    const uint32_t patmBeforePa = state_.settings.Patm;
    if (state_.pressure.Type(typed, state_.settings.Patm, messages_) && state_.settings.Patm != patmBeforePa)
        RerunAfterPressureChange();
}

} // namespace brumelle
