#pragma once
#include <cstdint>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "calculators/calculation_context.h"
#include "calculators/calculation_steps.h"
#include "calculators/last_run.h"
#include "model/moist_air.h"
#include "presentation/drawing_flags.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"
#include "presentation/result_grid.h"

namespace brumelle {

// Contents of the evolutions window: the texts of its boxes exactly as shown,
// its six result grids, the radio buttons and the unit boxes. Lives for the
// whole run, so every box, grid and tick keeps its content.
struct EvolutionData {
    // Single point
    ResultGrid grille_un_point{2};
    // The cells of rows 1 to 7 given at the last "Calcul" on an editable grid
    // (empty: not given): a re-run solves from them, never from results.
    std::array<std::string, 7> pointGiven;
    std::string E_valeur_dep = "1";
    std::string E_valeur_arr;
    int C_unite_dep = 0; // 0 kg/s, 1 kg/h, 2 m3/s, 3 m3/h; -1 none selected
    int C_unite_arr = 0;
    long double conversionVolume = 1.0L;  // V for conversion, m3/kgas
    long double conversionFactor = 1.0L;

    // Heating coil
    ResultGrid grille_BC{3};
    std::string E_TS_Entree_BC = "20", E_HR_Entree_BC = "50", e_qm_bc = "1", E_deltat_bc = "10";
    std::string e_P_bc;

    // Mixing
    ResultGrid grille_melange{4};
    std::string E_TS1_mel = "20", E_HR1_mel = "50", E_qm1_mel = "1";
    std::string E_TS2_mel = "10", E_HR2_mel = "90", E_qm2_mel = "1";

    // Cooling coil
    ResultGrid grille_bfc{4};
    std::string E_TS_Entree_BFC = "20", E_HR_Entree_BFC = "50", E_qm_BFC = "1", E_deltat_BFC = "10",
                E_T_BFC = "9";
    std::string E_P_BFC, E_Efficacite_BFC, e_condensation_bfc;

    // Air washer
    ResultGrid grille_lav{4};
    std::string E_TS_Entree_Lav = "20", E_HR_Entree_Lav = "50", E_qm_Lav = "1", E_R_sortie_lav = "9";
    std::string E_efficacite_lav, E_qm_eau_lav;

    // Steam humidifier
    ResultGrid grille_vap{3};
    std::string E_TS_Entree_vap = "20", E_HR_Entree_vap = "50", E_qm_vap = "1", E_R_sortie_vap = "10";
    std::string E_qm_eau_vap;
    bool radio_vap_theorique = true; // else "Evolution réelle"

    // What each calculation last ran from, how it ended and what it showed.
    LastRun run_un_point, run_BC, run_melange, run_bfc, run_lav, run_vap;
};

// A document's single point: its dry bulb and relative humidity given in
// rows 1 and 2, the other rows emptied, the grid editable again.
void RestorePointInputs(EvolutionData &d, const std::string &tsText, const std::string &hrText);

// The calculations of the evolutions window. Each reads the texts of its
// boxes from EvolutionData, checks them in the program's order, writes its
// grid and result boxes, shows its messages (and keeps them in the record)
// and asks for repaints. The
// window's handlers call them.
class Evolutions {
public:
    Evolutions(EvolutionData &record, CalculationContext context, Messages &messages,
               std::function<void()> repaintMainWindow, NumberSeparators separators);

    // Grid frames (grid_frames.cpp): the headings and the pressure row of
    // every grid, as the window writes them each time it is shown.
    void WriteGridFrames();
    // Single point (point_solver.cpp): the point completed from the two or
    // more properties typed into grille_un_point, then the airflow converted.
    void SolvePoint();
    // Clears the single-point grid and makes it editable again.
    void NewPoint();
    // Pair test of the solver on a column of grille_un_point.
    bool CheckGivenPair(int col) const;

    // The five treatments (calculators.cpp).
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

    const NumberSeparators &Separators() const { return sep_; }

private:
    // Reads the pressure box into the pressure in use. A text that is not a
    // whole number shows the error box and returns false; 0 or less takes 101325.
    bool ReadPressure() { return ctx_.pressure.ReadInto(ctx_.patmPa, messages_); }
    void WritePoint(ResultGrid &grid, int col, const MoistAirState &p) const { WritePointColumn(grid, col, p, sep_); }
    long double BoxNumber(const std::string &text) { return brumelle::BoxNumber(text, messages_); }
    std::string Fixed(long double v, int decimals) const { return FormatFixed(v, decimals, sep_); }

    // One treatment: the pressure read, then `body` in the working point at
    // that pressure. A check that fails (StopRun) or a fault shows its
    // message and empties the grid and the result boxes; otherwise a ticked
    // "dessiner" box asks for a repaint.
    void Treat(RecordedRun &run, ResultGrid &grid, std::initializer_list<std::string *> resultBoxes,
               bool DrawingFlags::*drawn, const std::function<void(MoistAirState &p, uint32_t patmPa)> &body);
    // A point typed as its dry bulb and relative humidity: checked against
    // the chart's ranges, computed in p and written into column `col`.
    void TypedPoint(MoistAirState &p, uint32_t patmPa, const std::string &tsText, const std::string &hrText,
                    ResultGrid &grid, int col, const char *tsRefused, const char *hrRefused);

    // The single point's search from the typed values; false when the
    // pressure text cannot be read, which abandons the rest of the click.
    bool CompletePoint(RecordedRun &run);
    // A refused single point: message, grid emptied and editable, repaint.
    void RefusePoint(const std::string &message);

    EvolutionData &d_;
    CalculationContext ctx_;
    KeptMessages messages_;
    std::function<void()> repaint_;
    NumberSeparators sep_;
};

// --- Air-treatment calculators (calculators.cpp) ---
// Bound of the air washer's saturation search: 1000 K in steps of 0.001 K,
// far more than any line of the chart needs.
constexpr long kSaturationSearchMaxSteps = 1000000;
// Walks down the line of constant enthalpy hKJ from the point in p (TS, Pv,
// Pvs set) in steps of 0.001 K until Pv reaches Pvs, updating TS, R, Pv and
// Pvs; returns the number of steps. Throws ComputeFault past maxSteps.
long SaturationSearchOnEnthalpyLine(MoistAirState &p, long double hKJ, uint32_t patmPa,
                                    long maxSteps = kSaturationSearchMaxSteps);
// --- end of air-treatment calculators ---

} // namespace brumelle
