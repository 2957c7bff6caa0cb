// "Laveur d'air": adiabatic humidification along the line of constant
// enthalpy, and the saturated point that line reaches.
#include "calculators/evolution_boxes.h"
#include "calculators/evolution_grids.h"
#include "calculators/treatment_messages.h"
#include "calculators/treatment_run.h"
#include "model/fault.h"

namespace brumelle {

namespace {
const char *const kWasherOutletHumidity =
    "L'hygrométrie en sortie de laveur est en dehors des plages du diagramme, le calcul est arrêté";
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

void Evolutions::AirWasher()
{
    RecordedRun run(messages_, d_.run_lav, CurrentInputs(d_, Evolution::Washer));
    Treat<WasherResult>(
        run, d_.result_lav, d_.grille_lav, {&d_.E_qm_eau_lav, &d_.E_efficacite_lav}, &DrawingFlags::Check_dessin_Lav,
        [&](MoistAirState &p, uint32_t patm, WasherResult &r) {
            r.inlet =
                TypedPoint(p, patm, d_.E_TS_Entree_Lav, d_.E_HR_Entree_Lav, kInletTemperature, kInletHumidity);
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
            r.outlet = Shown(p);

            SaturationSearchOnEnthalpyLine(p, hIn, patm);
            FinishFromPv(p, patm);
            const long double rMax = p.R;
            r.saturated = Shown(p);

            const long double qm = BoxNumber(d_.E_qm_Lav);
            r.efficiencyPercent = checked::finite(
                checked::div(rOut - rIn, rMax - rIn, "washer efficiency") * 100.0L, "washer efficiency");
            r.waterGH = checked::finite((rOut - rIn) * qm * 1000.0L * 3600.0L, "washer water");
        },
        [&](const WasherResult &r) { ShowWasher(r, d_, sep_); });
}

} // namespace brumelle
