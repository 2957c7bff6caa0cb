// The five air-treatment calculators of the evolutions window: heating coil,
// cooling coil, air washer, steam humidifier and mixing. Each reads its
// boxes, checks them in the program's order, computes its points in the
// working point, writes its grid and result boxes and, when its "dessiner"
// box is ticked, asks the main window to repaint.
#include "calculators/calculation_steps.h"
#include "calculators/evolution_boxes.h"
#include "calculators/evolutions.h"
#include "model/fault.h"

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

void Evolutions::Treat(RecordedRun &run, ResultGrid &grid, std::initializer_list<std::string *> resultBoxes,
                       bool DrawingFlags::*drawn, const std::function<void(MoistAirState &p, uint32_t patmPa)> &body)
{
    if (!ReadPressure()) {
        run.Abandoned();
        return;
    }
    try {
        body(ctx_.point, ctx_.patmPa);
    } catch (const StopRun &stop) {
        if (stop.plainBox)
            messages_.message(stop.message);
        else
            messages_.information(stop.message);
        EmptyResults(grid, resultBoxes, repaint_);
        return;
    } catch (const ComputeFault &) {
        StopCalculation(messages_, kCannotCompute, grid, resultBoxes, repaint_);
        return;
    }
    run.Completed();
    if (ctx_.flags.*drawn)
        repaint_();
}

void Evolutions::TypedPoint(MoistAirState &p, uint32_t patmPa, const std::string &tsText, const std::string &hrText,
                            ResultGrid &grid, int col, const char *tsRefused, const char *hrRefused)
{
    const long double ts = BoxNumber(tsText);
    if (!InChartTemperature(ts))
        throw StopRun{tsRefused};
    const long double hr = BoxNumber(hrText);
    if (!InPercent(hr))
        throw StopRun{hrRefused};
    PointFromTsHr(p, ts, hr, patmPa);
    WritePoint(grid, col, p);
}

void Evolutions::Heating()
{
    RecordedRun run(messages_, d_.run_BC, CurrentInputs(d_, Evolution::Heating));
    ResultGrid &grid = d_.grille_BC;
    Treat(run, grid, {&d_.e_P_bc}, &DrawingFlags::Check_dessin_BC, [&](MoistAirState &p, uint32_t patm) {
        TypedPoint(p, patm, d_.E_TS_Entree_BC, d_.E_HR_Entree_BC, grid, 1, kInletTemperature, kInletHumidity);
        const long double hIn = p.H, tsIn = p.TS;

        if (!d_.E_deltat_bc.empty())
            p.TS = tsIn + ParseNumber(d_.E_deltat_bc, messages_);
        if (!(p.TS >= tsIn))
            throw StopRun{kHeatingDeltaT};

        // Sensible heating: the humidity ratio does not change.
        PointFromTsR(p, p.TS, p.R, patm);
        const long double hOut = p.H;
        WritePoint(grid, 2, p);

        const long double qm = BoxNumber(d_.e_qm_bc);
        if (!(qm >= 0.0L))
            throw StopRun{kNegativeAirflow};

        const long double powerKW = checked::finite((hOut - hIn) * qm, "heating power");
        d_.e_P_bc = Fixed(checked::finite(powerKW * 1000.0L, "heating power"), 0);
    });
}

void Evolutions::Cooling()
{
    RecordedRun run(messages_, d_.run_bfc, CurrentInputs(d_, Evolution::Cooling));
    ResultGrid &grid = d_.grille_bfc;
    Treat(run, grid, {&d_.E_P_BFC, &d_.E_Efficacite_BFC, &d_.e_condensation_bfc}, &DrawingFlags::Check_dessin_BFC,
          [&](MoistAirState &p, uint32_t patm) {
              TypedPoint(p, patm, d_.E_TS_Entree_BFC, d_.E_HR_Entree_BFC, grid, 1, kInletTemperature,
                         kInletHumidity);
              const long double tsIn = p.TS, rIn = p.R, hIn = p.H;

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
              if (!(tsOut >= tsS && tsOut <= tsIn))
                  throw StopRun{kCoolingOutlet, true};

              // Outlet on the straight line from the inlet to the coil surface.
              p.TS = tsOut;
              p.Pvs = SaturationPressure(p.TS);
              const long double slope = checked::div(rIn - rS, tsIn - tsS, "cooling coil line");
              const long double rOut = checked::finite(slope * (tsOut - tsS) + rS, "cooling coil line");
              p.R = rOut;
              p.Pv = PvFromHumidityRatio(rOut, patm);
              p.HR = RelativeHumidity(p.Pv, p.TS);
              if (!InPercent(p.HR))
                  messages_.information(kCoolingOutletHumidity);
              p.H = Enthalpy(p.TS, rOut);
              FinishPoint(p, patm);
              const long double hOut = p.H;
              WritePoint(grid, 2, p);

              const long double qm = BoxNumber(d_.E_qm_BFC);
              const long double powerW = checked::finite((hIn - hOut) * qm * 1000.0L, "cooling power");
              const long double efficiency = checked::finite(
                  checked::div(hIn - hOut, hIn - hS, "coil efficiency") * 100.0L, "coil efficiency");
              const long double condensation =
                  checked::finite((rIn - rOut) * qm * 1000.0L * 3600.0L, "condensation");
              d_.E_P_BFC = Fixed(powerW, 0);
              d_.E_Efficacite_BFC = Fixed(efficiency, 0);
              d_.e_condensation_bfc = Fixed(condensation, 2);
          });
}
void Evolutions::AirWasher()
{
    RecordedRun run(messages_, d_.run_lav, CurrentInputs(d_, Evolution::Washer));
    ResultGrid &grid = d_.grille_lav;
    Treat(run, grid, {&d_.E_qm_eau_lav, &d_.E_efficacite_lav}, &DrawingFlags::Check_dessin_Lav,
          [&](MoistAirState &p, uint32_t patm) {
              TypedPoint(p, patm, d_.E_TS_Entree_Lav, d_.E_HR_Entree_Lav, grid, 1, kInletTemperature,
                         kInletHumidity);
              const long double rIn = p.R, hIn = p.H;

              // Read even when empty: the program then shows its message and takes 0.
              const long double rOut = ParseNumber(d_.E_R_sortie_lav, messages_) / 1000.0L;

              // Adiabatic humidification: along the line of constant enthalpy.
              p.TS = DryBulbFromEnthalpy(hIn, rOut);
              p.Pvs = SaturationPressure(p.TS);
              p.R = rOut;
              p.Pv = PvFromHumidityRatio(rOut, patm);
              p.HR = RelativeHumidity(p.Pv, p.TS);
              // A negative outlet humidity ratio gives a negative humidity: as
              // meaningless as one above saturation.
              if (!InPercent(p.HR))
                  throw StopRun{kWasherOutletHumidity};
              p.H = hIn;
              FinishPoint(p, patm);
              WritePoint(grid, 2, p);

              SaturationSearchOnEnthalpyLine(p, hIn, patm);
              FinishFromPv(p, patm);
              const long double rMax = p.R;
              WritePoint(grid, 3, p);

              const long double qm = BoxNumber(d_.E_qm_Lav);
              const long double efficiency = checked::finite(
                  checked::div(rOut - rIn, rMax - rIn, "washer efficiency") * 100.0L, "washer efficiency");
              const long double waterGH = checked::finite((rOut - rIn) * qm * 1000.0L * 3600.0L, "washer water");
              d_.E_efficacite_lav = Fixed(efficiency, 0) + "%";
              d_.E_qm_eau_lav = Fixed(waterGH, 2);
          });
}

void Evolutions::SteamHumidifier()
{
    RecordedRun run(messages_, d_.run_vap, CurrentInputs(d_, Evolution::Steam));
    ResultGrid &grid = d_.grille_vap;
    Treat(run, grid, {&d_.E_qm_eau_vap}, &DrawingFlags::Check_dessin_vap, [&](MoistAirState &p, uint32_t patm) {
        TypedPoint(p, patm, d_.E_TS_Entree_vap, d_.E_HR_Entree_vap, grid, 1, kInletTemperature, kInletHumidity);
        const long double rIn = p.R, hIn = p.H;

        // Read even when empty: the program then shows its message and takes 0.
        const long double rOut = ParseNumber(d_.E_R_sortie_vap, messages_) / 1000.0L;
        if (!(rOut >= rIn))
            throw StopRun{kSteamBelowInlet};

        p.R = rOut;
        if (d_.radio_vap_theorique) {
            // Isothermal injection: TS stays the inlet's.
            p.Pvs = SaturationPressure(p.TS);
            p.Pv = PvFromHumidityRatio(rOut, patm);
            p.H = Enthalpy(p.TS, rOut);
        } else {
            // The steam brings its own enthalpy.
            p.H = checked::finite(hIn + (rOut - rIn) * kSteamEnthalpyKJKg, "steam enthalpy");
            p.TS = DryBulbFromEnthalpy(p.H, rOut);
            p.Pvs = SaturationPressure(p.TS);
            p.Pv = PvFromHumidityRatio(rOut, patm);
        }
        p.HR = RelativeHumidity(p.Pv, p.TS);
        if (!InPercent(p.HR))
            throw StopRun{kSteamOutletHumidity};

        FinishPoint(p, patm);
        WritePoint(grid, 2, p);

        const long double qm = BoxNumber(d_.E_qm_vap);
        d_.E_qm_eau_vap = Fixed(checked::finite((rOut - rIn) * qm * 1000.0L * 3600.0L, "steam flow"), 2);
    });
}

void Evolutions::Mixing()
{
    RecordedRun run(messages_, d_.run_melange, CurrentInputs(d_, Evolution::Mixing));
    ResultGrid &grid = d_.grille_melange;
    Treat(run, grid, {}, &DrawingFlags::Check_dessin_melange, [&](MoistAirState &p, uint32_t patm) {
        TypedPoint(p, patm, d_.E_TS1_mel, d_.E_HR1_mel, grid, 1, kMixTemperature1, kMixHumidity1);
        const long double h1 = p.H, r1 = p.R;
        TypedPoint(p, patm, d_.E_TS2_mel, d_.E_HR2_mel, grid, 2, kMixTemperature2, kMixHumidity2);
        const long double h2 = p.H, r2 = p.R;

        // Both flows are read before either is checked.
        const long double qm1 = BoxNumber(d_.E_qm1_mel);
        const long double qm2 = BoxNumber(d_.E_qm2_mel);
        if (!(qm1 >= 0.0L))
            throw StopRun{kMixAirflow1};
        if (!(qm2 >= 0.0L))
            throw StopRun{kMixAirflow2};

        // No range check on the result: a fog mixture shows above 100 %.
        const Mixture m = Mix(qm1, h1, r1, qm2, h2, r2);
        PointFromHR(p, m.hKJ, m.rKgKg, patm);
        WritePoint(grid, 3, p);
    });
}

} // namespace brumelle
