#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "calculators/calculation_base.h"
#include "calculators/calculation_context.h"
#include "calculators/last_run.h"
#include "calculators/treatment_results.h"
#include "model/moist_air.h"
#include "presentation/drawing_flags.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"
#include "presentation/result_grid.h"

namespace brumelle {

// Contents of the evolutions window: the texts of its boxes exactly as shown
// (their captions, file keys and initial texts are in evolution_boxes.h), its
// six result grids, what each calculation last computed and ran from, the
// radio buttons and the unit boxes. Lives for the whole run, so every box,
// grid and tick keeps its content.
struct EvolutionData {
    EvolutionData(); // every input box at its initial text

    // Single point
    ResultGrid grille_un_point{2};
    // The cells of rows 1 to 7 given at the last "Calcul" on an editable grid
    // (empty: not given): a re-run solves from them, never from results.
    std::array<std::string, 7> pointGiven;
    std::string E_valeur_dep = "1";
    std::string E_valeur_arr;
    int C_unite_dep = 0; // 0 kg/s, 1 kg/h, 2 m3/s, 3 m3/h; -1 none selected
    int C_unite_arr = 0;
    long double conversionVolume = 1.0L; // V for conversion, m3/kgas
    long double conversionFactor = 1.0L;

    // Heating coil
    ResultGrid grille_BC{3};
    std::string E_TS_Entree_BC, E_HR_Entree_BC, e_qm_bc, E_deltat_bc;
    std::string e_P_bc;

    // Mixing
    ResultGrid grille_melange{4};
    std::string E_TS1_mel, E_HR1_mel, E_qm1_mel, E_TS2_mel, E_HR2_mel, E_qm2_mel;

    // Cooling coil
    ResultGrid grille_bfc{4};
    std::string E_TS_Entree_BFC, E_HR_Entree_BFC, E_qm_BFC, E_deltat_BFC, E_T_BFC;
    std::string E_P_BFC, E_Efficacite_BFC, e_condensation_bfc;

    // Air washer
    ResultGrid grille_lav{4};
    std::string E_TS_Entree_Lav, E_HR_Entree_Lav, E_qm_Lav, E_R_sortie_lav;
    std::string E_efficacite_lav, E_qm_eau_lav;

    // Steam humidifier
    ResultGrid grille_vap{3};
    std::string E_TS_Entree_vap, E_HR_Entree_vap, E_qm_vap, E_R_sortie_vap;
    std::string E_qm_eau_vap;
    bool radio_vap_theorique = true; // else "Evolution réelle"

    // What each calculation last computed (nothing once it stopped), what it
    // ran from, how it ended and what it showed.
    std::optional<PointResult> result_un_point;
    std::optional<HeatingResult> result_BC;
    std::optional<MixingResult> result_melange;
    std::optional<CoolingResult> result_bfc;
    std::optional<WasherResult> result_lav;
    std::optional<SteamResult> result_vap;
    LastRun run_un_point, run_BC, run_melange, run_bfc, run_lav, run_vap;
};

// A document's single point: its dry bulb and relative humidity given in
// rows 1 and 2, the other rows emptied, the grid editable again.
void RestorePointInputs(EvolutionData &d, const std::string &tsText, const std::string &hrText);

// The calculations of the evolutions window. Each reads the texts of its
// boxes from EvolutionData, checks them in the program's order, computes its
// result, shows it in its grid and result boxes, shows its messages (and
// keeps them in the record) and asks for repaints. The window's handlers
// call them.
class Evolutions : public CalculationBase {
public:
    Evolutions(EvolutionData &record, CalculationContext context, Messages &messages,
               std::function<void()> repaintMainWindow, NumberSeparators separators);

    // The headings and the pressure row of every grid, as the window writes
    // them each time it is shown (evolution_grids.cpp).
    void WriteGridFrames();
    // Single point (point_solver.cpp): the point completed from the two or
    // more properties typed into grille_un_point, then the airflow converted.
    void SolvePoint();
    // Clears the single-point grid and makes it editable again.
    void NewPoint();
    // Pair test of the solver on a column of grille_un_point.
    bool CheckGivenPair(int col) const;

    // The five treatments, one file each.
    void Heating();
    void Cooling();
    void AirWasher();
    void SteamHumidifier();
    void Mixing();

    // Airflow converter (airflow_conversion.cpp): both units back to kg/s,
    // then the conversion.
    void ResetAirflowUnits();
    // The factor between the two units, then the converted value.
    void ConvertAirflow();

private:
    // One treatment (treatment_run.h): the pressure read, then `body`
    // (MoistAirState &p, uint32_t patmPa, Result &r) computes its result in
    // the working point at that pressure; the result
    // is kept and shown (`show`) when it completes. A check that fails
    // (StopRun) or a fault shows its message, forgets the result and empties
    // the grid and the result boxes; otherwise a ticked "dessiner" box asks
    // for a repaint.
    template <class Result, class Body, class ShowResult>
    void Treat(RecordedRun &run, std::optional<Result> &kept, ResultGrid &grid,
               std::initializer_list<std::string *> resultBoxes, bool DrawingFlags::*drawn, Body &&body,
               ShowResult &&show);
    // A point typed as its dry bulb and relative humidity: checked against
    // the chart's ranges, computed in p, and returned as it is shown.
    MoistAirState TypedPoint(MoistAirState &p, uint32_t patmPa, const std::string &tsText, const std::string &hrText,
                             const char *tsRefused, const char *hrRefused);

    // The single point's search from the typed values; false when the
    // pressure text cannot be read, which abandons the rest of the click.
    bool CompletePoint(RecordedRun &run);
    // A refused single point: message, grid emptied and editable, repaint.
    void RefusePoint(const std::string &message);

    EvolutionData &d_;
};

// A point as a result keeps it: the computed state, which must be able to
// exist (a ComputeFault otherwise, as before anything is shown).
inline MoistAirState Shown(const MoistAirState &p)
{
    CheckPhysical(p);
    return p;
}

// Bound of the air washer's saturation search: 1000 K in steps of 0.001 K,
// far more than any line of the chart needs.
constexpr long kSaturationSearchMaxSteps = 1000000;
// Walks down the line of constant enthalpy hKJ from the point in p (TS, Pv,
// Pvs set) in steps of 0.001 K until Pv reaches Pvs, updating TS, R, Pv and
// Pvs; returns the number of steps. Throws ComputeFault past maxSteps.
long SaturationSearchOnEnthalpyLine(MoistAirState &p, long double hKJ, uint32_t patmPa,
                                    long maxSteps = kSaturationSearchMaxSteps);

} // namespace brumelle
