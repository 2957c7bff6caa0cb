// "Batterie froide": cooling along the straight line from the inlet to the
// coil's saturated surface, with the water it condenses.
#include "calculators/evolution_boxes.h"
#include "calculators/evolution_grids.h"
#include "calculators/treatment_messages.h"
#include "calculators/treatment_run.h"

namespace brumelle {

namespace {
// Shown in a plain box, with its trailing blank.
const char *const kCoolingOutlet =
    "La température de sortie de la batterie froide n'est pas cohérente, le calcul est arrêté ";
const char *const kCoolingOutletHumidity =
    "Attention, l'hygrométrie en sortie de batterie est en dehors des plages du diagramme";
} // namespace

void Evolutions::Cooling()
{
    RecordedRun run(messages_, d_.run_bfc, CurrentInputs(d_, Evolution::Cooling));
    Treat<CoolingResult>(
        run, d_.result_bfc, d_.grille_bfc, {&d_.E_P_BFC, &d_.E_Efficacite_BFC, &d_.e_condensation_bfc},
        &DrawingFlags::Check_dessin_BFC,
        [&](MoistAirState &p, uint32_t patm, CoolingResult &r) {
            r.inlet =
                TypedPoint(p, patm, d_.E_TS_Entree_BFC, d_.E_HR_Entree_BFC, kInletTemperature, kInletHumidity);
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
            r.surface = Shown(p);

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
            r.outlet = Shown(p);

            const long double qm = BoxNumber(d_.E_qm_BFC);
            r.powerW = checked::finite((hIn - hOut) * qm * 1000.0L, "cooling power");
            r.efficiencyPercent = checked::finite(checked::div(hIn - hOut, hIn - hS, "coil efficiency") * 100.0L,
                                                  "coil efficiency");
            r.condensationGH = checked::finite((rIn - rOut) * qm * 1000.0L * 3600.0L, "condensation");
        },
        [&](const CoolingResult &r) { ShowCooling(r, d_, sep_); });
}

} // namespace brumelle
