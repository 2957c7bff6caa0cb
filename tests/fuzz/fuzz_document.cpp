// A document of any bytes, opened as "Ouvrir..." opens it: every calculator
// and the AHU sizing run on its inputs. No grid cell or result box may show
// NaN or infinity, every point a grid shows must be possible for real air,
// the overlay must draw from the grids, and the document written back must
// reopen with the same inputs and the same results.
#include <cstdint>
#include <string>
#include <vector>

#include "calculations.h"
#include "chart/overlay.h"
#include "document_opening.h"
#include "fuzz_support.h"
#include "program_state.h"
#include "study_overlay.h"
#include "support/recording_canvas.h"
#include "support/recording_messages.h"

using namespace brumelle;
using namespace brumelle::fuzz;

namespace {

// What a document holds: the pressure, the boxes of both windows, the
// single-point cells, the drawing boxes and the wizard's radio buttons.
struct Inputs {
    uint32_t patm = 0;
    std::vector<std::string> texts;
    std::vector<bool> ticks;
    bool operator==(const Inputs &o) const { return patm == o.patm && texts == o.texts && ticks == o.ticks; }
};

Inputs InputsOf(const ProgramState &s)
{
    const EvolutionData &e = s.evolutions;
    const AhuData &a = s.ahu;
    const DrawingFlags &f = s.flags;
    Inputs in;
    in.patm = s.settings.Patm;
    in.texts = {e.grille_un_point.Cell(1, 1), e.grille_un_point.Cell(1, 2),
                e.E_TS_Entree_BC, e.E_HR_Entree_BC, e.e_qm_bc, e.E_deltat_bc,
                e.E_TS1_mel, e.E_HR1_mel, e.E_qm1_mel, e.E_TS2_mel, e.E_HR2_mel, e.E_qm2_mel,
                e.E_TS_Entree_BFC, e.E_HR_Entree_BFC, e.E_qm_BFC, e.E_deltat_BFC, e.E_T_BFC,
                e.E_TS_Entree_Lav, e.E_HR_Entree_Lav, e.E_qm_Lav, e.E_R_sortie_lav,
                e.E_TS_Entree_vap, e.E_HR_Entree_vap, e.E_qm_vap, e.E_R_sortie_vap,
                a.E_Charge_sens, a.E_charge_lat, a.E_TS_loc, a.E_HR_loc, a.E_TS_ext, a.E_HR_ext,
                a.E_TS_sou, a.E_T_Surface, a.E_QM_AN, a.E_eff_echangeur};
    in.ticks = {f.Check_dessin_1point, f.Check_dessin_BC, f.Check_dessin_melange, f.Check_dessin_BFC,
                f.Check_dessin_Lav, f.Check_dessin_vap, f.Check_dessin_CTA,
                a.R_Vap, a.R_Lav, a.R_tout_AN, a.R_Echange_plaques, a.R_melange};
    return in;
}

std::string Describe(const Inputs &in)
{
    std::string out = "P=" + std::to_string(in.patm);
    for (const std::string &t : in.texts)
        out += " " + Quoted(t);
    out += " ticks=";
    for (bool t : in.ticks)
        out += t ? '1' : '0';
    return out;
}

// What the calculations show, the single point's conversion aside (the
// single point solves from its own shown values once written back).
struct Results {
    std::vector<std::string> cells;
    bool operator==(const Results &o) const { return cells == o.cells; }
};

Results ResultsOf(const ProgramState &s)
{
    const EvolutionData &e = s.evolutions;
    Results r;
    for (const ResultGrid *g : {&e.grille_BC, &e.grille_melange, &e.grille_bfc, &e.grille_lav, &e.grille_vap})
        for (int col = 0; col < g->ColCount(); ++col)
            for (int row = 0; row < g->RowCount(); ++row)
                r.cells.push_back(g->Cell(col, row));
    // Row 8 of the sizing's grid holds the pressure text as typed.
    const ResultGrid &g = s.ahu.grille_resultats;
    for (int col = 0; col < g.ColCount(); ++col)
        for (int row = 0; row < g.RowCount(); ++row)
            if (row != 8)
                r.cells.push_back(g.Cell(col, row));
    for (const std::string *box : {&e.e_P_bc, &e.E_P_BFC, &e.E_Efficacite_BFC, &e.e_condensation_bfc,
                                   &e.E_efficacite_lav, &e.E_qm_eau_lav, &e.E_qm_eau_vap})
        r.cells.push_back(*box);
    return r;
}

// Rows 1 to 7 of a point column: all empty, or a point real air can have.
void CheckPointColumn(const ResultGrid &g, int col, const NumberSeparators &sep, const std::string &grid)
{
    const std::string where = grid + " column " + std::to_string(col);
    bool anyEmpty = false, anyFilled = false;
    for (int row = 1; row <= 7; ++row)
        (g.Cell(col, row).empty() ? anyEmpty : anyFilled) = true;
    FUZZ_CHECK(!(anyEmpty && anyFilled), where + ": a point shown in part");
    if (!anyFilled)
        return;
    ShownPoint p;
    long double *fields[7] = {&p.TS, &p.HR, &p.R, &p.H, &p.V, &p.TH, &p.TR};
    const int decimals[7] = {p.dTS, p.dHR, p.dR, p.dH, p.dV, p.dTH, p.dTR};
    for (int row = 1; row <= 7; ++row) {
        const std::string &cell = g.Cell(col, row);
        CheckFinite(cell, where + " row " + std::to_string(row));
        const auto v = ShownNumber(cell, decimals[row - 1], sep);
        FUZZ_CHECK(v.has_value(), where + " row " + std::to_string(row) + ": not a shown number: " + Quoted(cell));
        *fields[row - 1] = *v;
    }
    const std::string wrong = ImpossibleIn(p);
    FUZZ_CHECK(wrong.empty(), where + ": impossible point (" + wrong + "): " + fuzz::Describe(p));
}

void CheckShown(const ProgramState &s, const NumberSeparators &sep, const std::string &when)
{
    const EvolutionData &e = s.evolutions;
    // The single-point grid holds what the document typed until a solve
    // writes the whole column, the pressure row included.
    if (!e.grille_un_point.Cell(1, 8).empty())
        CheckPointColumn(e.grille_un_point, 1, sep, when + ", single point");
    const std::pair<const ResultGrid *, const char *> grids[] = {
        {&e.grille_BC, "heating coil"}, {&e.grille_melange, "mixing"}, {&e.grille_bfc, "cooling coil"},
        {&e.grille_lav, "air washer"},  {&e.grille_vap, "steam humidifier"}};
    for (const auto &[g, name] : grids)
        for (int col = 1; col < g->ColCount(); ++col)
            CheckPointColumn(*g, col, sep, when + ", " + name);

    const std::pair<const std::string *, const char *> boxes[] = {
        {&e.e_P_bc, "heating power"},         {&e.E_P_BFC, "cooling power"},
        {&e.E_Efficacite_BFC, "coil efficiency"}, {&e.e_condensation_bfc, "condensation"},
        {&e.E_efficacite_lav, "washer efficiency"}, {&e.E_qm_eau_lav, "washer water"},
        {&e.E_qm_eau_vap, "steam flow"},       {&e.E_valeur_arr, "converted flow"}};
    for (const auto &[box, name] : boxes)
        CheckFinite(*box, when + ", " + name);

    // The sizing's grid: every cell; its point columns carry their column
    // number in row 9, the equipment block does not.
    const ResultGrid &g = s.ahu.grille_resultats;
    for (int col = 0; col < g.ColCount(); ++col)
        for (int row = 0; row < g.RowCount(); ++row)
            CheckFinite(g.Cell(col, row), when + ", sizing cell " + std::to_string(col) + "," + std::to_string(row));
    for (int col = 1; col < g.ColCount(); ++col)
        if (g.RowCount() > 9 && g.Cell(col, 9) == std::to_string(col))
            CheckPointColumn(g, col, sep, when + ", sizing");
}

void CheckOverlay(const ProgramState &s, const NumberSeparators &sep, const std::string &when)
{
    const ChartGeometry geometry{730, 542, &s.settings};
    test::RecordingCanvas canvas;
    DrawEvolutionOverlay(canvas, geometry, OverlayOf(s, sep), s.settings.Fenetre.Couleur);
    for (const std::string &t : canvas.texts())
        CheckFinite(t, when + ", overlay label");
}

struct Session {
    ProgramState state;
    test::RecordingMessages messages;
    Calculations calculations;
    explicit Session(const NumberSeparators &sep) : calculations(state, messages, [] {}, sep) {}
    DocumentOpening Open(const IniFile &file) { return OpenDocument(file, state, calculations, messages, [] {}); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const NumberSeparators sep = French();
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const IniFile file = IniFile::FromBytes(bytes);

    Session first(sep);
    const Inputs untouched = InputsOf(first.state);
    const DocumentOpening opening = first.Open(file);
    if (opening == DocumentOpening::NotRecognised) {
        FUZZ_CHECK(first.messages.texts() == std::vector<std::string>{kNotADocument},
                   "a file not recognised shows another message");
        FUZZ_CHECK(InputsOf(first.state) == untouched, "a file not recognised changed the inputs");
        return 0;
    }
    if (opening == DocumentOpening::Stopped) {
        FUZZ_CHECK(first.messages.entries.size() == 1 && first.messages.entries[0].kind == "erreur",
                   "a pressure not whole shows another message");
        FUZZ_CHECK(InputsOf(first.state) == untouched, "a pressure not whole changed the inputs");
        return 0;
    }
    CheckShown(first.state, sep, "opened");
    CheckOverlay(first.state, sep, "opened");

    // Written back, as "Enregistrer sous..." writes it into a new file or
    // over the file it came from, it reopens to the same inputs and results.
    const bool overTheFile = size % 2 == 0;
    IniFile written = overTheFile ? file : IniFile();
    WriteDocument(written, first.state);
    const std::string writtenBytes = written.ToBytes();

    Session second(sep);
    FUZZ_CHECK(second.Open(IniFile::FromBytes(writtenBytes)) == DocumentOpening::Opened,
               "the document written back is not opened: " + Quoted(writtenBytes));
    CheckShown(second.state, sep, "reopened");
    const Inputs before = InputsOf(first.state), after = InputsOf(second.state);
    FUZZ_CHECK(before == after, std::string("written back ") + (overTheFile ? "over the file" : "to a new file") +
                                    ", the inputs change from\n" + Describe(before) + "\nto\n" + Describe(after) +
                                    "\nwritten: " + Quoted(writtenBytes));
    FUZZ_CHECK(ResultsOf(first.state) == ResultsOf(second.state),
               "the same inputs give other results once written back: " + Quoted(writtenBytes));
    return 0;
}
