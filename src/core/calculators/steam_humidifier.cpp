// "Humidificateur vapeur": steam injected at the inlet's dry bulb, or
// bringing its own enthalpy.
#include "calculators/evolution_boxes.h"
#include "calculators/evolution_grids.h"
#include "calculators/treatment_messages.h"
#include "calculators/treatment_run.h"

namespace brumelle {

namespace {
const char *const kSteamBelowInlet =
    "Le poids d'eau en sortie d'humidificateur en inférieur au poids d'entrée, le calcul est arrêté";
const char *const kSteamOutletHumidity =
    "L'hygrométrie en sortie d'humidificateur est en dehors des plages du diagramme, le calcul est arrêté";
constexpr long double kSteamEnthalpyKJKg = 2684.0L;
} // namespace

void Evolutions::SteamHumidifier()
{
    RecordedRun run(messages_, d_.run_vap, CurrentInputs(d_, Evolution::Steam));
    Treat<SteamResult>(
        run, d_.result_vap, d_.grille_vap, {&d_.E_qm_eau_vap}, &DrawingFlags::Check_dessin_vap,
        [&](MoistAirState &p, uint32_t patm, SteamResult &r) {
            r.inlet =
                TypedPoint(p, patm, d_.E_TS_Entree_vap, d_.E_HR_Entree_vap, kInletTemperature, kInletHumidity);
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
            r.outlet = Shown(p);

            const long double qm = BoxNumber(d_.E_qm_vap);
            r.waterGH = checked::finite((rOut - rIn) * qm * 1000.0L * 3600.0L, "steam flow");
        },
        [&](const SteamResult &r) { ShowSteam(r, d_, sep_); });
}

} // namespace brumelle
