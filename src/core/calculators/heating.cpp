// "Batterie chaude": sensible heating of the inlet air by a temperature rise.
#include "calculators/evolution_boxes.h"
#include "calculators/evolution_grids.h"
#include "calculators/treatment_messages.h"
#include "calculators/treatment_run.h"

namespace brumelle {

namespace {
const char *const kHeatingDeltaT = "L'écart de température n'est pas cohérent, le calcul est arrêté";
} // namespace

void Evolutions::Heating()
{
    RecordedRun run(messages_, d_.run_BC, CurrentInputs(d_, Evolution::Heating));
    Treat<HeatingResult>(
        run, d_.result_BC, d_.grille_BC, {&d_.e_P_bc}, &DrawingFlags::Check_dessin_BC,
        [&](MoistAirState &p, uint32_t patm, HeatingResult &r) {
            r.inlet = TypedPoint(p, patm, d_.E_TS_Entree_BC, d_.E_HR_Entree_BC, kInletTemperature, kInletHumidity);
            const long double hIn = p.H, tsIn = p.TS;

            if (!d_.E_deltat_bc.empty())
                p.TS = tsIn + ParseNumber(d_.E_deltat_bc, messages_);
            if (!(p.TS >= tsIn))
                throw StopRun{kHeatingDeltaT};

            // Sensible heating: the humidity ratio does not change.
            PointFromTsR(p, p.TS, p.R, patm);
            const long double hOut = p.H;
            r.outlet = Shown(p);

            const long double qm = BoxNumber(d_.e_qm_bc);
            if (!(qm >= 0.0L))
                throw StopRun{kNegativeAirflow};

            const long double powerKW = checked::finite((hOut - hIn) * qm, "heating power");
            r.powerW = checked::finite(powerKW * 1000.0L, "heating power");
        },
        [&](const HeatingResult &r) { ShowHeating(r, d_, sep_); });
}

} // namespace brumelle
