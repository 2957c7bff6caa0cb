// The "Un point" tab: any two properties of an air point typed into
// grille_un_point complete the point by a rule-driven fixed-point search.
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "calculators/calculation_steps.h"
#include "calculators/evolution_boxes.h"
#include "calculators/evolution_grids.h"
#include "calculators/evolutions.h"
#include "model/fault.h"
#include "presentation/point_rows.h"

namespace brumelle {

namespace {

// Rows of grille_un_point, by the names the rules use.
enum Row { kTS = kTsRow, kHR = kHrRow, kR = kRRow, kH = kHRow, kV = kVRow, kTH = kThRow, kTR = kTrRow };

// The pairs of given properties from which the rules can start (and V with
// TH, which passes although no rule starts from it).
const std::array<std::pair<int, int>, 13> kSolvablePairs = {{
    {kTS, kHR}, {kTS, kR}, {kTS, kH}, {kTS, kTH}, {kTS, kTR},
    {kH, kR}, {kH, kTR},
    {kR, kHR}, {kR, kV},
    {kTR, kHR}, {kTR, kV}, {kTR, kTH},
    {kV, kTH},
}};

constexpr int kMaxPasses = 1000;

struct Limit {
    long double lo, hi;
    const char *given;    // message for a typed value
    const char *computed; // message for a completed point
};

// Chart ranges, in the order of the rows 1 to 7 (R in g/kgas).
const std::array<Limit, 7> kLimits = {{
    {kChartMinTsC, kChartMaxTsC, "La température sèche demandée est en dehors des plages du diagramme, le calcul est arrêté",
     "La température sèche calculée est en dehors des plages du diagramme, le calcul est arrêté"},
    {0, 100, "L'hygrométrie demandée est en dehors des plages du diagramme, le calcul est arrêté",
     "L'hygrométrie calculée est en dehors des plages du diagramme, le calcul est arrêté"},
    {0, kChartMaxRGKg, "L'humidité spécifique demandée est en dehors des plages du diagramme, le calcul est arrêté",
     "L'humidité spécifique calculée est en dehors des plages du diagramme, le calcul est arrêté"},
    {-50, 120, "L'enthalpie demandée est en dehors des plages du diagramme, le calcul est arrêté",
     "L'enthalpie calculée est en dehors des plages du diagramme, le calcul est arrêté"},
    {0.6L, 0.96L, "Le volume spécifique demandé est en dehors des plages du diagramme, le calcul est arrêté",
     "Le volume spécifique calculé est en dehors des plages du diagramme, le calcul est arrêté"},
    {-50, 35, "La tempéraure humide demandée est en dehors des plages du diagramme, le calcul est arrêté",
     "La tempéraure humide calculée est en dehors des plages du diagramme, le calcul est arrêté"},
    {-50, 31, "La tempéraure de rosée demandée est en dehors des plages du diagramme, le calcul est arrêté",
     "La tempéraure de rosée calculée est en dehors des plages du diagramme, le calcul est arrêté"},
}};

const Limit &LimitOf(int row) { return kLimits[static_cast<size_t>(row - 1)]; }

// The field of a row, in the unit the solver works in (R in kg/kgas).
long double &Field(MoistAirState &s, int row)
{
    switch (row) {
    case kTS: return s.TS;
    case kHR: return s.HR;
    case kR: return s.R;
    case kH: return s.H;
    case kV: return s.V;
    case kTH: return s.TH;
    default: return s.TR;
    }
}

// One pass of the rules, in their order. A rule fills its target only when
// the target is still unknown (0) and its sources are known; what it
// computes is seen by the rules after it.
void ApplyRules(MoistAirState &s, uint32_t patmPa)
{
    if (s.Pvs == 0 && s.TS != 0) // 1
        s.Pvs = SaturationPressure(s.TS);
    if (s.Pv == 0 && s.Pvs != 0 && s.HR != 0) // 2
        s.Pv = checked::finite(s.Pvs * s.HR / 100.0L, "Pv from HR");
    if (s.R == 0 && s.Pv != 0) // 3
        s.R = HumidityRatioFromPv(s.Pv, patmPa);
    if (s.H == 0 && s.TS != 0 && s.R != 0) // 4
        s.H = Enthalpy(s.TS, s.R);
    if (s.V == 0 && s.TS != 0 && s.R != 0) // 5
        s.V = SpecificVolume(s.TS, s.R, patmPa);
    if (s.Pv == 0 && s.R != 0) // 6
        s.Pv = PvFromHumidityRatio(s.R, patmPa);
    if (s.HR == 0 && s.Pv != 0 && s.Pvs != 0) // 7: Pvs is then the saturation pressure at TS (rule 1)
        s.HR = RelativeHumidity(s.Pv, s.TS);
    if (s.TS == 0 && s.H != 0 && s.R != 0) // 8
        s.TS = DryBulbFromEnthalpy(s.H, s.R);
    if (s.TS == 0 && s.Pvs != 0) // 9: inverse of the saturation pressure
        s.TS = DewPointOf(s.Pvs);
    if (s.TS == 0 && s.V != 0 && s.R != 0) // 10
        s.TS = DryBulbFromVolume(s.V, s.R, patmPa);
    if (s.Pvs == 0 && s.Pv != 0 && s.HR != 0) // 11
        s.Pvs = checked::div(s.Pv * 100.0L, s.HR, "Pvs from HR");
    if (s.R == 0 && s.TS != 0 && s.V != 0) // 12
        s.R = HumidityRatioFromVolume(s.V, s.TS, patmPa);
    if (s.R == 0 && s.TS != 0 && s.H != 0) // 13
        s.R = HumidityRatioFromEnthalpy(s.H, s.TS);
    if (s.Pv == 0 && s.TR > 0) // 14: over water
        s.Pv = PvFromDewPoint(s.TR);
    if (s.Pv == 0 && s.TR < 0) // 15: over ice
        s.Pv = PvFromDewPoint(s.TR);
    if (s.Pv == 0 && s.TS != 0 && s.TH != 0) // 16
        s.Pv = PsychrometricPv(s.TS, s.TH, patmPa, PvPrecision::Double);
    if (s.TS == 0 && s.Pv != 0 && s.TH != 0) // 17
        DryBulbFromWetBulb(s, patmPa);
    if (s.TH == 0 && s.Pv != 0 && s.TS != 0) // 18
        WetBulbFromPv(s, patmPa, PvPrecision::Double);
    if (s.TR == 0 && s.Pv != 0) // 19
        DewPointFromPv(s);
}

bool Complete(const MoistAirState &s)
{
    return s.TS != 0 && s.HR != 0 && s.TH != 0 && s.R != 0 && s.H != 0 && s.V != 0 && s.TR != 0;
}

} // namespace

bool Evolutions::CheckGivenPair(int col) const
{
    const ResultGrid &g = d_.grille_un_point;
    auto given = [&](int row) { return !g.Cell(col, row).empty(); };
    int count = 0;
    for (int row = kTS; row <= kTR; ++row)
        count += given(row) ? 1 : 0;
    if (count < 2)
        return false;
    for (const auto &[a, b] : kSolvablePairs)
        if (given(a) && given(b))
            return true;
    return false;
}

void Evolutions::RefusePoint(const std::string &message)
{
    d_.grille_un_point.Enabled = true;
    d_.result_un_point.reset();
    StopCalculation(messages_, message, d_.grille_un_point, {}, repaint_);
}

void Evolutions::NewPoint()
{
    ClearGrid(d_.grille_un_point);
    d_.grille_un_point.Enabled = true;
    d_.pointGiven = {};
    d_.result_un_point.reset();
    d_.run_un_point = LastRun{};
}

void RestorePointInputs(EvolutionData &d, const std::string &tsText, const std::string &hrText)
{
    ResultGrid &g = d.grille_un_point;
    for (int row = kTS; row <= kTR; ++row)
        g.SetCell(1, row, row == kTS ? tsText : row == kHR ? hrText : std::string(), CellKind::Typed);
    g.Enabled = true;
    d.pointGiven = {};
    d.result_un_point.reset();
}

void Evolutions::SolvePoint()
{
    ResultGrid &g = d_.grille_un_point;
    // A locked grid shows results: a re-run ("Calcul" again, a document, a new
    // pressure) solves from the cells given at the last "Calcul" instead, so
    // no row is kept from an earlier point or another pressure.
    const bool rerun = !g.Enabled && std::any_of(d_.pointGiven.begin(), d_.pointGiven.end(),
                                                 [](const std::string &t) { return !t.empty(); });
    for (int row = kTS; row <= kTR; ++row) {
        std::string &given = d_.pointGiven[static_cast<size_t>(row - 1)];
        if (rerun)
            g.SetCell(1, row, given, CellKind::Typed);
        else
            given = g.Cell(1, row);
    }
    RecordedRun run(messages_, d_.run_un_point, CurrentInputs(d_, Evolution::Point));
    if (!CheckGivenPair(1)) {
        RefusePoint("Le programme ne peut pas calculer toutes les caractéristiques de l'air avec les points que "
                    "vous avez donnés, le calcul est arrêté");
        return;
    }

    MoistAirState &s = ctx_.point;
    s.TS = s.HR = s.R = s.H = s.V = s.TH = s.TR = 0;
    for (int row = kTS; row <= kTR; ++row) {
        const std::string &text = g.Cell(1, row);
        // An empty V would fail its range: V is checked only when typed.
        if (row == kV && text.empty())
            continue;
        const long double typed = BoxNumber(text); // R typed in g/kgas
        Field(s, row) = row == kR ? typed / 1000.0L : typed;
        const Limit &lim = LimitOf(row);
        if (!InRange(typed, lim.lo, lim.hi)) {
            RefusePoint(lim.given);
            return;
        }
    }

    // A typed zero is a known value: it takes a tiny non-zero stand-in.
    for (int row : {kTR, kTS, kHR, kR, kH, kV, kTH})
        if (g.Cell(1, row) == "0")
            Field(s, row) = row == kR ? 0.000000001L : 0.000001L;

    if (!CompletePoint(run))
        return;
    ConvertAirflow();
}

bool Evolutions::CompletePoint(RecordedRun &run)
{
    MoistAirState &s = ctx_.point;
    ResultGrid &g = d_.grille_un_point;
    s.Pvs = 0;
    s.Pv = 0;
    if (!ReadPressure()) {
        run.Abandoned();
        return false;
    }
    const uint32_t patm = ctx_.patmPa;
    d_.result_un_point.reset(); // until this run completes, the grid shows what was given

    bool solved = true;
    try {
        int passes = 0;
        while (!Complete(s)) {
            ++passes;
            ApplyRules(s, patm);
            if (passes >= kMaxPasses)
                return true; // no rule can complete the point: stop without a word
        }
        CheckPhysical(s);
    } catch (const ComputeFault &) {
        messages_.information(kCannotCompute);
        solved = false;
    }

    if (solved) {
        const std::array<long double, 7> shown = {s.TS, s.HR, s.R * 1000.0L, s.H, s.V, s.TH, s.TR};
        for (int row = kTS; row <= kTR; ++row) {
            const Limit &lim = LimitOf(row);
            if (!InRange(shown[static_cast<size_t>(row - 1)], lim.lo, lim.hi)) {
                RefusePoint(lim.computed);
                return true;
            }
        }
        const PointResult result{Shown(s), patm};
        ShowPoint(result, d_, sep_);
        d_.result_un_point = result;
        run.Completed();
    }

    if (ctx_.flags.Check_dessin_1point)
        repaint_();
    g.Enabled = false;
    return true;
}

} // namespace brumelle
