#include <gtest/gtest.h>

#include "calculations.h"
#include "calculators/treatment_messages.h"
#include "note/calculation_note.h"
#include "program_state.h"
#include "sizing/sizing_messages.h"
#include "support/recording_messages.h"

using namespace brumelle;

namespace {

// A study with a result in every calculation: the windows' initial inputs,
// the point solved from 20 °C and 50 %, and more fresh air than the supply
// flow, which the sizing caps with a message.
class NoteStudy : public ::testing::Test {
protected:
    ProgramState state;
    test::RecordingMessages messages;
    Calculations calculations{state, messages, {}, NumberSeparators{}};
    Evolutions &evolutions = calculations.evolutions();

    void SetUp() override
    {
        evolutions.WriteGridFrames();
        state.evolutions.grille_un_point.SetCell(1, 1, "20");
        state.evolutions.grille_un_point.SetCell(1, 2, "50");
        evolutions.SolvePoint();
        evolutions.Heating();
        evolutions.Mixing();
        evolutions.Cooling();
        evolutions.AirWasher();
        evolutions.SteamHumidifier();
        state.ahu.E_QM_AN = "5";
        calculations.sizing().SizeAhu();
    }

    CalculationNote note(const std::string &document = "/études/hiver.brm") const
    {
        return BuildCalculationNote(state.evolutions, state.ahu, 101325, {document, 2026, 12, 9});
    }
};

std::vector<std::string> Texts(const std::vector<NoteCell> &cells)
{
    std::vector<std::string> texts;
    for (const NoteCell &c : cells)
        texts.push_back(c.text);
    return texts;
}

std::vector<std::string> GridRow(const ResultGrid &g, int row)
{
    std::vector<std::string> cells;
    for (int col = 0; col < g.ColCount(); ++col)
        cells.push_back(g.Cell(col, row));
    return cells;
}

} // namespace

TEST_F(NoteStudy, HoldsEveryCalculationInTheWindowsOrder)
{
    const CalculationNote n = note();
    EXPECT_EQ(n.title, "Note de calcul");
    EXPECT_EQ(n.document, "hiver.brm");
    EXPECT_EQ(n.date, "9 décembre 2026");
    EXPECT_EQ(n.program, std::string("Brumelle ") + BRUMELLE_VERSION);
    EXPECT_EQ(n.pressure.caption + " " + n.pressure.text, "Pression atmosphérique en Pa 101325");

    const EvolutionData &e = state.evolutions;
    struct Expected {
        const char *title;
        const ResultGrid *grid;
        NoteField input, result; // one of each, by its place; no caption: none expected
        size_t inputIndex;
    };
    const Expected sections[] = {
        {"Un point", &e.grille_un_point, {"Hygrometrie en %", "50"}, {}, 1},
        {"Batterie chaude", &e.grille_BC, {"Ecart de température", "10"}, {"Puissance en Watts", e.e_P_bc}, 3},
        {"Mélange", &e.grille_melange, {"Débit d'air 2 en kgas/s", "1"}, {}, 5},
        {"Batterie froide", &e.grille_bfc, {"Température batterie", "9"},
         {"Condensation ge/h", e.e_condensation_bfc}, 4},
        {"Laveur d'air", &e.grille_lav, {"Poids d'eau sortie g/kgas", "9"}, {"Débit d'eau en g/h", e.E_qm_eau_lav}, 3},
        {"Humidificateur vapeur", &e.grille_vap, {"", "Evolution théorique"},
         {"Débit d'eau en g/h", e.E_qm_eau_vap}, 4},
        {"Dimensionnement CTA", &state.ahu.grille_resultats, {"Débit d'air neuf minimum en kgas/s", "5"}, {}, 8},
    };
    ASSERT_EQ(n.sections.size(), std::size(sections));
    for (size_t i = 0; i < std::size(sections); ++i) {
        const NoteSection &s = n.sections[i];
        const Expected &x = sections[i];
        SCOPED_TRACE(x.title);
        EXPECT_EQ(s.title, x.title);
        ASSERT_EQ(s.rows.size(), static_cast<size_t>(x.grid->RowCount()));
        EXPECT_EQ(s.rows[0][0].text, "Points");
        EXPECT_EQ(Texts(s.rows[2]), GridRow(*x.grid, 2)); // each row as the window's, cells in its order
        EXPECT_FALSE(s.rows[2].back().text.empty());
        EXPECT_TRUE(s.rows[2][1].number); // set right by its kind
        if (!x.input.caption.empty() || !x.input.text.empty()) {
            ASSERT_GT(s.inputs.size(), x.inputIndex);
            EXPECT_EQ(s.inputs[x.inputIndex].caption, x.input.caption);
            EXPECT_EQ(s.inputs[x.inputIndex].text, x.input.text);
        }
        if (!x.result.caption.empty()) {
            ASSERT_FALSE(s.results.empty());
            EXPECT_EQ(s.results.back().caption, x.result.caption);
            EXPECT_EQ(s.results.back().text, x.result.text);
        }
    }
    // The sizing reads the exchanger's box only with "Echangeur à plaques".
    const NoteSection &ahu = n.sections.back();
    EXPECT_EQ(ahu.inputs.back().caption + " " + ahu.inputs.back().text, "Air neuf Mélange");
    for (const NoteField &f : ahu.inputs)
        EXPECT_NE(f.caption, "Efficacité de l'échangeur");
    EXPECT_EQ(ahu.messages, std::vector<std::string>{kFreshAirCapped});
    EXPECT_TRUE(n.sections[1].messages.empty());
}

// Results computed, then a box changed without "Calcul": the note prints the
// inputs of the run with its results and says the boxes have changed; a
// stopped run shows its inputs and its message; one never run stays out.
TEST_F(NoteStudy, PrintsTheInputsEachResultCameFromAndWhatStopped)
{
    state.evolutions.E_HR_Entree_BC = "120";
    evolutions.Heating(); // stopped: its grid emptied
    state.evolutions.E_HR_Entree_BC = "60";
    state.evolutions.E_TS1_mel = "25"; // the mixture stays computed from 20 °C
    state.ahu.E_QM_AN = "0";
    calculations.sizing().SizeAhu(); // a run without a message clears the last one's
    evolutions.NewPoint(); // typed, not solved
    state.evolutions.grille_un_point.SetCell(1, 1, "20");

    const CalculationNote n = note("");
    EXPECT_EQ(n.document, "Sans titre");
    std::vector<std::string> titles;
    for (const NoteSection &s : n.sections)
        titles.push_back(s.title);
    EXPECT_EQ(titles, (std::vector<std::string>{"Batterie chaude", "Mélange", "Batterie froide", "Laveur d'air",
                                                "Humidificateur vapeur", "Dimensionnement CTA"}));
    const NoteSection &heating = n.sections[0];
    EXPECT_EQ(heating.inputs[1], (NoteField{"Hygrométrie entrée", "120"}));
    EXPECT_EQ(heating.messages,
              std::vector<std::string>{kInletHumidity});
    EXPECT_TRUE(heating.rows.empty() && heating.results.empty());
    EXPECT_TRUE(heating.inputsChanged);
    const NoteSection &mixing = n.sections[1];
    EXPECT_EQ(mixing.inputs[0], (NoteField{"Température 1", "20"}));
    EXPECT_EQ(mixing.rows[1][1].text, "20,00");
    EXPECT_TRUE(mixing.inputsChanged);
    EXPECT_FALSE(n.sections[2].inputsChanged);
    EXPECT_TRUE(n.sections.back().messages.empty());
    EXPECT_EQ(FrenchDate(2027, 1, 1), "1 janvier 2027");
}
