// display_texts: prints every text the user would see for a fixed, large set
// of inputs, one line each, so that two builds of the core can be compared
// with diff. scripts/compare_texts.sh builds it at two revisions and requires
// identical output.
//
// Usage: brumelle_display_texts [readout|chart|calculators|sizing]...
//        (all four sections when none is named)
//
//   readout      the cursor readout at every pixel of the default 730 × 542
//                plot at 80 000, 90 000, 101 325 and 110 000 Pa, and at every
//                third pixel of the 1530 × 960 plot at 101 325 Pa
//   chart        every canvas call of the default chart and of a chart with
//                every line at 80 000, 101 325 and 110 000 Pa
//   calculators  the six calculators of the evolutions window, 3000 random
//                inputs each: every grid cell, result box and message
//   sizing       the air-handling unit sizing, 10 000 random inputs: the
//                result grid, both modes and the messages
//
// The random inputs come from a fixed seed and are written as texts with
// integer arithmetic, so that both builds see the same boxes.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "calculations.h"
#include "chart/geometry.h"
#include "chart/paint.h"
#include "chart/readout.h"
#include "program_state.h"
#include "support/recording_canvas.h"
#include "support/recording_messages.h"

namespace {

using namespace brumelle;

const NumberSeparators kFrench{",", "\xE2\x80\xAF"};

void Line(const std::string &s)
{
    std::fwrite(s.data(), 1, s.size(), stdout);
    std::fputc('\n', stdout);
}

// ---- readout --------------------------------------------------------------

long ReadoutGrid(uint32_t patmPa, int w, int h, int stride)
{
    ChartSettings s;
    s.Patm = patmPa;
    ChartGeometry g;
    g.PlotWidth = w;
    g.PlotHeight = h;
    g.settings = &s;
    MoistAirState scratch;
    long count = 0;
    for (int y = 0; y < h + 40; y += stride)
        for (int x = 0; x < w + 70; x += stride) {
            Line("readout " + std::to_string(patmPa) + " " + std::to_string(w) + "x" + std::to_string(h) + " " +
                 std::to_string(x) + " " + std::to_string(y) + " " + CursorReadout(s, g, x, y, scratch, kFrench));
            ++count;
        }
    return count;
}

long Readouts()
{
    long count = 0;
    for (uint32_t p : {80000u, 90000u, 101325u, 110000u})
        count += ReadoutGrid(p, 730, 542, 1);
    count += ReadoutGrid(101325, 1530, 960, 3);
    return count;
}

// ---- chart ----------------------------------------------------------------

long Charts()
{
    long count = 0;
    for (bool dense : {false, true})
        for (uint32_t p : {80000u, 101325u, 110000u}) {
            ChartSettings s;
            s.Patm = p;
            if (dense)
                for (FamilySettings *f : {&s.TS, &s.R, &s.HR, &s.TH, &s.TR, &s.H, &s.V}) {
                    f->Montrer = 1;
                    f->Montrer_texte = 1;
                }
            ChartGeometry g;
            g.PlotWidth = 1530;
            g.PlotHeight = 960;
            g.settings = &s;
            test::RecordingCanvas canvas;
            MoistAirState scratch;
            PaintChart(canvas, s, g, scratch, ZoomState{});
            const std::string head = std::string("chart ") + (dense ? "dense " : "default ") + std::to_string(p);
            for (const test::CanvasOp &op : canvas.ops) {
                Line(head + " " + std::to_string(op.kind) + " " + std::to_string(op.x1) + " " +
                     std::to_string(op.y1) + " " + std::to_string(op.x2) + " " + std::to_string(op.y2) + " " +
                     std::to_string(op.penColor) + " " + std::to_string(int(op.penStyle)) + " " + op.text);
                ++count;
            }
        }
    return count;
}

// ---- random box texts -------------------------------------------------------

class Inputs {
public:
    explicit Inputs(uint32_t seed) : random_(seed) {}

    // A number from lo to hi with `decimals` decimals, French separator.
    std::string Number(int lo, int hi, int decimals)
    {
        long scale = 1;
        for (int i = 0; i < decimals; ++i)
            scale *= 10;
        const long v = Between(long(lo) * scale, long(hi) * scale);
        const long a = v < 0 ? -v : v;
        std::string t = std::to_string(a / scale);
        if (decimals > 0) {
            std::string frac = std::to_string(a % scale);
            t += "," + std::string(size_t(decimals) - frac.size(), '0') + frac;
        }
        return v < 0 ? "-" + t : t;
    }
    long Between(long lo, long hi) { return std::uniform_int_distribution<long>(lo, hi)(random_); }
    bool Chance(int percent) { return Between(1, 100) <= percent; }
    // Mostly the standard pressure, else any pressure of the chart's range.
    std::string Pressure() { return Chance(40) ? "101325" : std::to_string(Between(75000, 112000)); }

private:
    std::mt19937 random_;
};

// ---- calculators --------------------------------------------------------------

void Grid(const std::string &head, const ResultGrid &g)
{
    for (int row = 0; row < g.RowCount(); ++row) {
        std::string line = head + " row " + std::to_string(row);
        for (int col = 0; col < g.ColCount(); ++col)
            line += " | " + g.Cell(col, row);
        Line(line);
    }
}

void PrintMessages(const std::string &head, test::RecordingMessages &m)
{
    for (const auto &e : m.entries)
        Line(head + " " + e.kind + ": " + e.text);
    m.entries.clear();
}

long CalculatorRuns(int runs)
{
    Inputs in(20240611);
    long count = 0;
    for (int i = 0; i < runs; ++i) {
        // A fresh window for every run: a refused run must not show the last one's grid.
        ProgramState state;
        test::RecordingMessages messages;
        Calculations calc(state, messages, [] {}, kFrench);
        Evolutions &evo = calc.evolutions();
        EvolutionData &d = state.evolutions;
        state.pressure.text = in.Pressure();
        evo.WriteGridFrames();
        evo.ResetAirflowUnits();
        const std::string head = "calc " + std::to_string(i) + " " + state.pressure.text;

        // Single point: one of the thirteen accepted pairs, now and then any pair.
        const char *const ranges[7][3] = {{"-15", "50", "2"}, {"1", "100", "0"}, {"0", "28", "2"},
                                          {"-10", "110", "2"}, {"0", "0", "4"},  {"-15", "35", "2"},
                                          {"-20", "30", "2"}};
        static const int pairs[13][2] = {{1, 2}, {1, 3}, {1, 4}, {1, 6}, {1, 7}, {4, 3}, {4, 7},
                                         {3, 2}, {3, 5}, {7, 2}, {7, 5}, {7, 6}, {5, 6}};
        int a, b;
        if (in.Chance(90)) {
            const auto &p = pairs[in.Between(0, 12)];
            a = p[0];
            b = p[1];
        } else {
            a = int(in.Between(1, 7));
            b = int(in.Between(1, 7));
        }
        for (int row : {a, b}) {
            const auto &r = ranges[row - 1];
            const std::string text = row == 5 ? "0," + std::to_string(in.Between(7400, 9800))
                                              : in.Number(std::stoi(r[0]), std::stoi(r[1]), std::stoi(r[2]));
            d.grille_un_point.SetCell(1, row, text);
        }
        evo.SolvePoint();
        Grid(head + " point", d.grille_un_point);
        PrintMessages(head + " point", messages);

        d.E_TS_Entree_BC = in.Number(-20, 50, 1);
        d.E_HR_Entree_BC = in.Number(0, 100, 0);
        d.e_qm_bc = in.Number(0, 10, 2);
        d.E_deltat_bc = in.Number(-30, 40, 1);
        evo.Heating();
        Grid(head + " BC", d.grille_BC);
        Line(head + " BC P " + d.e_P_bc);
        PrintMessages(head + " BC", messages);

        d.E_TS_Entree_BFC = in.Number(-5, 50, 1);
        d.E_HR_Entree_BFC = in.Number(5, 100, 0);
        d.E_qm_BFC = in.Number(0, 10, 2);
        d.E_deltat_BFC = in.Number(-5, 30, 1);
        d.E_T_BFC = in.Number(-5, 25, 1);
        evo.Cooling();
        Grid(head + " BFC", d.grille_bfc);
        Line(head + " BFC " + d.E_P_BFC + " | " + d.E_Efficacite_BFC + " | " + d.e_condensation_bfc);
        PrintMessages(head + " BFC", messages);

        d.E_TS_Entree_Lav = in.Number(-5, 50, 1);
        d.E_HR_Entree_Lav = in.Number(5, 100, 0);
        d.E_qm_Lav = in.Number(0, 10, 2);
        d.E_R_sortie_lav = in.Number(0, 25, 2);
        evo.AirWasher();
        Grid(head + " lav", d.grille_lav);
        Line(head + " lav " + d.E_efficacite_lav + " | " + d.E_qm_eau_lav);
        PrintMessages(head + " lav", messages);

        d.E_TS_Entree_vap = in.Number(-10, 50, 1);
        d.E_HR_Entree_vap = in.Number(5, 100, 0);
        d.E_qm_vap = in.Number(0, 10, 2);
        d.E_R_sortie_vap = in.Number(0, 25, 2);
        d.radio_vap_theorique = in.Chance(50);
        evo.SteamHumidifier();
        Grid(head + " vap", d.grille_vap);
        Line(head + " vap " + d.E_qm_eau_vap);
        PrintMessages(head + " vap", messages);

        d.E_TS1_mel = in.Number(-20, 50, 1);
        d.E_HR1_mel = in.Number(0, 100, 0);
        d.E_qm1_mel = in.Number(0, 10, 2);
        d.E_TS2_mel = in.Number(-20, 50, 1);
        d.E_HR2_mel = in.Number(0, 100, 0);
        d.E_qm2_mel = in.Number(0, 10, 2);
        evo.Mixing();
        Grid(head + " mel", d.grille_melange);
        PrintMessages(head + " mel", messages);

        // A pressure change re-runs every calculation that holds a result.
        state.pressure.text = in.Pressure();
        evo.WriteGridFrames();
        evo.ResetAirflowUnits();
        calc.RerunAfterPressureChange();
        const std::string again = head + " rerun " + state.pressure.text;
        for (const ResultGrid *g : {&d.grille_un_point, &d.grille_BC, &d.grille_bfc, &d.grille_lav, &d.grille_vap,
                                    &d.grille_melange})
            Grid(again, *g);
        PrintMessages(again, messages);
        count += 7;
    }
    return count;
}

// ---- AHU sizing -----------------------------------------------------------------

long SizingRuns(int runs)
{
    Inputs in(1013250);
    for (int i = 0; i < runs; ++i) {
        ProgramState state;
        test::RecordingMessages messages;
        Calculations calc(state, messages, [] {}, kFrench);
        AhuData &a = state.ahu;
        state.pressure.text = in.Pressure();
        a.E_Charge_sens = in.Number(-30, 30, 2);
        a.E_charge_lat = "0,00" + std::to_string(in.Between(0, 60));
        a.E_TS_loc = in.Number(14, 30, 1);
        a.E_HR_loc = in.Number(20, 80, 0);
        a.E_TS_ext = in.Number(-20, 40, 1);
        a.E_HR_ext = in.Number(10, 100, 0);
        a.E_TS_sou = in.Number(10, 45, 1);
        a.E_T_Surface = in.Number(0, 16, 1);
        a.E_QM_AN = in.Number(0, 3, 2);
        a.E_eff_echangeur = in.Number(0, 95, 0);
        SelectRadio(a, in.Chance(50) ? AhuRadio::Vap : AhuRadio::Lav);
        const AhuRadio fresh[3] = {AhuRadio::tout_AN, AhuRadio::Echange_plaques, AhuRadio::melange};
        SelectRadio(a, fresh[in.Between(0, 2)]);
        ApplyFreshAirEnabling(a);
        calc.sizing().SizeAhu();
        const std::string head = "ahu " + std::to_string(i) + " " + state.pressure.text + " " + a.E_Charge_sens +
                                 " " + a.E_charge_lat;
        Grid(head, a.grille_resultats);
        Line(head + " modes " + std::to_string(a.FreshAirMode) + " " + std::to_string(a.TreatmentMode));
        PrintMessages(head, messages);
    }
    return runs;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<std::string> sections(argv + 1, argv + argc);
    if (sections.empty())
        sections = {"readout", "chart", "calculators", "sizing"};
    for (const std::string &s : sections) {
        long cases;
        if (s == "readout")
            cases = Readouts();
        else if (s == "chart")
            cases = Charts();
        else if (s == "calculators")
            cases = CalculatorRuns(3000);
        else if (s == "sizing")
            cases = SizingRuns(10000);
        else {
            std::fprintf(stderr, "usage: brumelle_display_texts [readout|chart|calculators|sizing]...\n");
            return 2;
        }
        std::fprintf(stderr, "%s: %ld cases\n", s.c_str(), cases);
    }
    return 0;
}
