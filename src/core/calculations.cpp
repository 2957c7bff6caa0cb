#include "calculations.h"

#include "program_state.h"

namespace brumelle {

namespace {
bool HasResult(const ResultGrid &grid) { return !grid.Cell(1, 1).empty(); }
} // namespace

Calculations::Calculations(ProgramState &state, Messages &messages, std::function<void()> repaintMainWindow,
                           NumberSeparators separators)
    : state_(state), evolutions_(state, messages, repaintMainWindow, separators),
      sizing_(state, messages, repaintMainWindow, separators)
{
}

void Calculations::RerunAfterOpening()
{
    if (HasResult(state_.evolutions.grille_un_point))
        evolutions_.B_Calcul_pointClick();
    evolutions_.B_calcul_melangeClick();
    evolutions_.B_calcul_BCClick();
    evolutions_.B_calcul_BFCClick();
    evolutions_.B_calcul_LavClick();
    evolutions_.B_calcul_vapClick();
    sizing_.ComputeAhuSizing();
}

void Calculations::RerunAfterPressureChange()
{
    const EvolutionData &d = state_.evolutions;
    if (HasResult(d.grille_BC))
        evolutions_.B_calcul_BCClick();
    if (HasResult(d.grille_bfc))
        evolutions_.B_calcul_BFCClick();
    if (HasResult(d.grille_lav))
        evolutions_.B_calcul_LavClick();
    if (HasResult(d.grille_vap))
        evolutions_.B_calcul_vapClick();
    if (HasResult(d.grille_un_point))
        evolutions_.B_Calcul_pointClick();
    if (HasResult(d.grille_melange))
        evolutions_.B_calcul_melangeClick();
    if (HasResult(state_.ahu.grille_resultats))
        sizing_.ComputeAhuSizing();
}

} // namespace brumelle
