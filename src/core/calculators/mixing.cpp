// "Mélange": two airflows mixed, by their flow-weighted enthalpy and
// humidity ratio.
#include "calculators/evolution_boxes.h"
#include "calculators/evolution_grids.h"
#include "calculators/treatment_run.h"

namespace brumelle {

namespace {
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
} // namespace

void Evolutions::Mixing()
{
    RecordedRun run(messages_, d_.run_melange, CurrentInputs(d_, Evolution::Mixing));
    Treat<MixingResult>(
        run, d_.result_melange, d_.grille_melange, {}, &DrawingFlags::Check_dessin_melange,
        [&](MoistAirState &p, uint32_t patm, MixingResult &r) {
            r.air1 = TypedPoint(p, patm, d_.E_TS1_mel, d_.E_HR1_mel, kMixTemperature1, kMixHumidity1);
            const long double h1 = p.H, r1 = p.R;
            r.air2 = TypedPoint(p, patm, d_.E_TS2_mel, d_.E_HR2_mel, kMixTemperature2, kMixHumidity2);
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
            r.mixture = Shown(p);
        },
        [&](const MixingResult &r) { ShowMixing(r, d_, sep_); });
}

} // namespace brumelle
