// The five air-treatment calculators of the evolutions window: heating coil,
// cooling coil, air washer, steam humidifier and mixing. Each handler reads
// its boxes, checks them in the program's order, computes its points in
// EvolutionState, writes its grid and result boxes and, when its "dessiner"
// box is ticked, asks the main window to repaint.
#include "evolutions.h"

#include "calculation_steps.h"

#include "model/fault.h"
#include "program_state.h"

namespace brumelle {

namespace {

const char *const kInletTemperature =
    "La température sèche est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kInletHumidity = "L'hygrométrie est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kHeatingDeltaT = "L'écart de température n'est pas cohérent, le calcul est arrêté";
const char *const kNegativeAirflow = "Le débit d'air est inférieur à 0, le calcul est arrêté";
// Shown in a plain box, with its trailing blank.
const char *const kCoolingOutlet =
    "La température de sortie de la batterie froide n'est pas cohérente, le calcul est arrêté ";
const char *const kCoolingOutletHumidity =
    "Attention, l'hygrométrie en sortie de batterie est en dehors des plages du diagramme";
const char *const kWasherOutletHumidity =
    "L'hygrométrie en sortie de laveur est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kSteamBelowInlet =
    "Le poids d'eau en sortie d'humidificateur en inférieur au poids d'entrée, le calcul est arrêté";
const char *const kSteamOutletHumidity =
    "L'hygrométrie en sortie d'humidificateur est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kMixTemperature1 =
    "La température sèche du point 1 est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kMixHumidity1 =
    "L'hygrométrie du point 1 est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kMixTemperature2 =
    "La température sèche du point 2 est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kMixHumidity2 =
    "L'hygrométrie du point 2 est en dehors des plages du diagramme, le calcul est arrêté";
const char *const kMixAirflow1 = "Le débit massique 1 est inférieur à 0, le calcul est arrêté";
const char *const kMixAirflow2 = "Le débit massique 2 est inférieur à 0, le calcul est arrêté";

constexpr long double kSteamEnthalpyKJKg = 2684.0L;
constexpr long double kSaturationStepK = 0.001L;

// Written so that a NaN fails them.
bool InChartTemperature(long double tsC) { return tsC >= -50.0L && tsC <= 50.0L; }
bool InPercent(long double hrPct) { return hrPct >= 0.0L && hrPct <= 100.0L; }

long double HumidityOf(const MoistAirState &p) { return checked::div(p.Pv * 100.0L, p.Pvs, "relative humidity"); }

// TS, Pv and R of p are set: the volume, the dew point and the wet bulb follow.
void FinishPoint(MoistAirState &p, uint32_t patmPa)
{
    p.V = SpecificVolume(p.TS, p.R, patmPa);
    DewPointFromPv(p);
    WetBulbFromPv(p, patmPa, PvPrecision::Double);
}

} // namespace

long SaturationSearchOnEnthalpyLine(MoistAirState &p, long double hKJ, uint32_t patmPa, long maxSteps)
{
    long steps = 0;
    while (p.Pv < p.Pvs) {
        // The line always meets the saturation curve within the chart; a
        // search that runs this far has left any meaningful state.
        if (steps >= maxSteps)
            throw ComputeFault("saturation search on the enthalpy line: no end");
        ++steps;
        p.TS = p.TS - kSaturationStepK;
        p.R = HumidityRatioFromEnthalpy(hKJ, p.TS);
        p.Pv = PvFromHumidityRatio(p.R, patmPa);
        p.Pvs = SaturationPressure(p.TS);
    }
    return steps;
}

void Evolutions::B_calcul_BCClick()
{
    if (!ReadPressure())
        return;
    const uint32_t patm = state_.settings.Patm;
    MoistAirState &p = state_.EvolutionState;
    ResultGrid &grid = d_.grille_BC;
    auto fail = [&](const char *text) { StopCalculation(messages_, text, grid, {&d_.e_P_bc}, repaint_); };

    try {
        const long double ts = BoxNumber(d_.E_TS_Entree_BC);
        if (!InChartTemperature(ts))
            return fail(kInletTemperature);
        const long double hr = BoxNumber(d_.E_HR_Entree_BC);
        if (!InPercent(hr))
            return fail(kInletHumidity);

        PointFromTsHr(p, ts, hr, patm);
        const long double hIn = p.H, tsIn = p.TS;
        WritePoint(grid, 1, p);

        if (!d_.E_deltat_bc.empty())
            p.TS = tsIn + ParseNumber(d_.E_deltat_bc, messages_);
        if (!(p.TS >= tsIn))
            return fail(kHeatingDeltaT);

        // Sensible heating: the humidity ratio does not change.
        PointFromTsR(p, p.TS, p.R, patm);
        const long double hOut = p.H;
        WritePoint(grid, 2, p);

        const long double qm = BoxNumber(d_.e_qm_bc);
        if (!(qm >= 0.0L))
            return fail(kNegativeAirflow);

        const long double powerKW = checked::finite((hOut - hIn) * qm, "heating power");
        d_.e_P_bc = Fixed(checked::finite(powerKW * 1000.0L, "heating power"), 0);
    } catch (const ComputeFault &) {
        return fail(kCannotCompute);
    }

    if (state_.flags.Check_dessin_BC)
        repaint_();
}

void Evolutions::B_calcul_BFCClick()
{
    if (!ReadPressure())
        return;
    const uint32_t patm = state_.settings.Patm;
    MoistAirState &p = state_.EvolutionState;
    ResultGrid &grid = d_.grille_bfc;
    auto failPath = [&]() { EmptyResults(grid, {&d_.E_P_BFC, &d_.E_Efficacite_BFC, &d_.e_condensation_bfc}, repaint_); };
    auto fail = [&](const char *text) {
        messages_.information(text);
        failPath();
    };

    try {
        const long double ts = BoxNumber(d_.E_TS_Entree_BFC);
        if (!InChartTemperature(ts))
            return fail(kInletTemperature);
        const long double hr = BoxNumber(d_.E_HR_Entree_BFC);
        if (!InPercent(hr))
            return fail(kInletHumidity);

        PointFromTsHr(p, ts, hr, patm);
        const long double tsIn = p.TS, rIn = p.R, hIn = p.H;
        WritePoint(grid, 1, p);

        // Coil surface: saturated at the coil temperature, but never wetter
        // than the inlet air (a surface above the dew point does not add water).
        p.TS = BoxNumber(d_.E_T_BFC);
        p.HR = 100.0L;
        p.Pvs = SaturationPressure(p.TS);
        p.Pv = p.Pvs * p.HR / 100.0L;
        p.R = HumidityRatioFromPv(p.Pv, patm);
        if (p.R > rIn)
            p.R = rIn;
        p.H = Enthalpy(p.TS, p.R);
        FinishPoint(p, patm);
        const long double tsS = p.TS, rS = p.R, hS = p.H;
        WritePoint(grid, 3, p);

        const long double tsOut =
            d_.E_deltat_BFC.empty() ? tsIn : tsIn - ParseNumber(d_.E_deltat_BFC, messages_);
        if (!(tsOut >= tsS && tsOut <= tsIn)) {
            messages_.message(kCoolingOutlet);
            return failPath();
        }

        // Outlet on the straight line from the inlet to the coil surface.
        p.TS = tsOut;
        p.Pvs = SaturationPressure(p.TS);
        const long double slope = checked::div(rIn - rS, tsIn - tsS, "cooling coil line");
        const long double rOut = checked::finite(slope * (tsOut - tsS) + rS, "cooling coil line");
        p.R = rOut;
        p.Pv = PvFromHumidityRatio(rOut, patm);
        p.HR = HumidityOf(p);
        if (!InPercent(p.HR))
            messages_.information(kCoolingOutletHumidity);
        p.H = Enthalpy(p.TS, rOut);
        FinishPoint(p, patm);
        const long double hOut = p.H;
        WritePoint(grid, 2, p);

        const long double qm = BoxNumber(d_.E_qm_BFC);
        const long double powerW = checked::finite((hIn - hOut) * qm * 1000.0L, "cooling power");
        const long double efficiency =
            checked::finite(checked::div(hIn - hOut, hIn - hS, "coil efficiency") * 100.0L, "coil efficiency");
        const long double condensation =
            checked::finite((rIn - rOut) * qm * 1000.0L * 3600.0L, "condensation");
        d_.E_P_BFC = Fixed(powerW, 0);
        d_.E_Efficacite_BFC = Fixed(efficiency, 0);
        d_.e_condensation_bfc = Fixed(condensation, 2);
    } catch (const ComputeFault &) {
        return fail(kCannotCompute);
    }

    if (state_.flags.Check_dessin_BFC)
        repaint_();
}

void Evolutions::B_calcul_LavClick()
{
    if (!ReadPressure())
        return;
    const uint32_t patm = state_.settings.Patm;
    MoistAirState &p = state_.EvolutionState;
    ResultGrid &grid = d_.grille_lav;
    auto fail = [&](const char *text) {
        StopCalculation(messages_, text, grid, {&d_.E_qm_eau_lav, &d_.E_efficacite_lav}, repaint_);
    };

    try {
        const long double ts = BoxNumber(d_.E_TS_Entree_Lav);
        if (!InChartTemperature(ts))
            return fail(kInletTemperature);
        const long double hr = BoxNumber(d_.E_HR_Entree_Lav);
        if (!InPercent(hr))
            return fail(kInletHumidity);

        PointFromTsHr(p, ts, hr, patm);
        const long double rIn = p.R, hIn = p.H;
        WritePoint(grid, 1, p);

        // Read even when empty: the program then shows its message and takes 0.
        const long double rOut = ParseNumber(d_.E_R_sortie_lav, messages_) / 1000.0L;

        // Adiabatic humidification: along the line of constant enthalpy.
        p.TS = DryBulbFromEnthalpy(hIn, rOut);
        p.Pvs = SaturationPressure(p.TS);
        p.R = rOut;
        p.Pv = PvFromHumidityRatio(rOut, patm);
        p.HR = HumidityOf(p);
        // A negative outlet humidity ratio gives a negative humidity: as
        // meaningless as one above saturation.
        if (!InPercent(p.HR))
            return fail(kWasherOutletHumidity);
        p.H = hIn;
        FinishPoint(p, patm);
        WritePoint(grid, 2, p);

        SaturationSearchOnEnthalpyLine(p, hIn, patm);
        p.V = SpecificVolume(p.TS, p.R, patm);
        p.HR = HumidityOf(p);
        DewPointFromPv(p);
        WetBulbFromPv(p, patm, PvPrecision::Double);
        const long double rMax = p.R;
        WritePoint(grid, 3, p);

        const long double qm = BoxNumber(d_.E_qm_Lav);
        const long double efficiency =
            checked::finite(checked::div(rOut - rIn, rMax - rIn, "washer efficiency") * 100.0L, "washer efficiency");
        const long double waterGH = checked::finite((rOut - rIn) * qm * 1000.0L * 3600.0L, "washer water");
        d_.E_efficacite_lav = Fixed(efficiency, 0) + "%";
        d_.E_qm_eau_lav = Fixed(waterGH, 2);
    } catch (const ComputeFault &) {
        return fail(kCannotCompute);
    }

    if (state_.flags.Check_dessin_Lav)
        repaint_();
}

void Evolutions::B_calcul_vapClick()
{
    if (!ReadPressure())
        return;
    const uint32_t patm = state_.settings.Patm;
    MoistAirState &p = state_.EvolutionState;
    ResultGrid &grid = d_.grille_vap;
    auto fail = [&](const char *text) { StopCalculation(messages_, text, grid, {&d_.E_qm_eau_vap}, repaint_); };

    try {
        const long double ts = BoxNumber(d_.E_TS_Entree_vap);
        if (!InChartTemperature(ts))
            return fail(kInletTemperature);
        const long double hr = BoxNumber(d_.E_HR_Entree_vap);
        if (!InPercent(hr))
            return fail(kInletHumidity);

        PointFromTsHr(p, ts, hr, patm);
        const long double rIn = p.R, hIn = p.H;
        WritePoint(grid, 1, p);

        // Read even when empty: the program then shows its message and takes 0.
        const long double rOut = ParseNumber(d_.E_R_sortie_vap, messages_) / 1000.0L;
        if (!(rOut >= rIn))
            return fail(kSteamBelowInlet);

        p.R = rOut;
        if (d_.radio_vap_theorique) {
            // Isothermal injection: TS stays the inlet's.
            p.Pvs = SaturationPressure(p.TS);
            p.Pv = PvFromHumidityRatio(rOut, patm);
            p.H = Enthalpy(p.TS, rOut);
            p.HR = HumidityOf(p);
        } else {
            // The steam brings its own enthalpy.
            p.H = checked::finite(hIn + (rOut - rIn) * kSteamEnthalpyKJKg, "steam enthalpy");
            p.TS = DryBulbFromEnthalpy(p.H, rOut);
            p.Pvs = SaturationPressure(p.TS);
            p.Pv = PvFromHumidityRatio(rOut, patm);
            p.HR = HumidityOf(p);
        }
        if (!InPercent(p.HR))
            return fail(kSteamOutletHumidity);

        FinishPoint(p, patm);
        WritePoint(grid, 2, p);

        const long double qm = BoxNumber(d_.E_qm_vap);
        d_.E_qm_eau_vap = Fixed(checked::finite((rOut - rIn) * qm * 1000.0L * 3600.0L, "steam flow"), 2);
    } catch (const ComputeFault &) {
        return fail(kCannotCompute);
    }

    if (state_.flags.Check_dessin_vap)
        repaint_();
}

void Evolutions::B_calcul_melangeClick()
{
    if (!ReadPressure())
        return;
    const uint32_t patm = state_.settings.Patm;
    MoistAirState &p = state_.EvolutionState;
    ResultGrid &grid = d_.grille_melange;
    auto fail = [&](const char *text) { StopCalculation(messages_, text, grid, {}, repaint_); };

    try {
        long double ts = BoxNumber(d_.E_TS1_mel);
        if (!InChartTemperature(ts))
            return fail(kMixTemperature1);
        long double hr = BoxNumber(d_.E_HR1_mel);
        if (!InPercent(hr))
            return fail(kMixHumidity1);
        PointFromTsHr(p, ts, hr, patm);
        const long double h1 = p.H, r1 = p.R;
        WritePoint(grid, 1, p);

        ts = BoxNumber(d_.E_TS2_mel);
        if (!InChartTemperature(ts))
            return fail(kMixTemperature2);
        hr = BoxNumber(d_.E_HR2_mel);
        if (!InPercent(hr))
            return fail(kMixHumidity2);
        PointFromTsHr(p, ts, hr, patm);
        const long double h2 = p.H, r2 = p.R;
        WritePoint(grid, 2, p);

        // Both flows are read before either is checked.
        const long double qm1 = BoxNumber(d_.E_qm1_mel);
        const long double qm2 = BoxNumber(d_.E_qm2_mel);
        if (!(qm1 >= 0.0L))
            return fail(kMixAirflow1);
        if (!(qm2 >= 0.0L))
            return fail(kMixAirflow2);

        // Flow-weighted means; two zero flows leave nothing to mix. No range
        // check on the result: a fog mixture shows above 100 %.
        PointFromHR(p, checked::div(qm1 * h1 + qm2 * h2, qm1 + qm2, "mixture enthalpy"),
                    checked::div(qm1 * r1 + qm2 * r2, qm1 + qm2, "mixture humidity ratio"), patm);
        WritePoint(grid, 3, p);
    } catch (const ComputeFault &) {
        return fail(kCannotCompute);
    }

    if (state_.flags.Check_dessin_melange)
        repaint_();
}

} // namespace brumelle
