#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculations.h"
#include "calculators/evolutions.h"
#include "calculators/treatment_messages.h"
#include "model/fault.h"
#include "program_state.h"
#include "support/recording_messages.h"

using namespace brumelle;
using Entry = test::RecordingMessages::Entry;

namespace {

const std::string kNbsp = "\xE2\x80\xAF"; // French group separator
const std::string kCannot = kCannotCompute;
const std::string kUnreadable = kUnreadableNumber;
const std::string kTs = kInletTemperature;
const std::string kHr = kInletHumidity;
const std::string kCoilOutlet =
    "La température de sortie de la batterie froide n'est pas cohérente, le calcul est arrêté ";
const std::string kCoilWarning =
    "Attention, l'hygrométrie en sortie de batterie est en dehors des plages du diagramme";
const std::string kWasherOutlet =
    "L'hygrométrie en sortie de laveur est en dehors des plages du diagramme, le calcul est arrêté";

Entry Info(const std::string &t) { return {"information", t}; }

using Column = std::vector<std::string>; // rows 1 to 7

Column ColumnOf(const ResultGrid &g, int col)
{
    Column c;
    for (int row = 1; row <= 7; ++row)
        c.push_back(g.Cell(col, row));
    return c;
}

bool ValuesEmpty(const ResultGrid &g)
{
    for (int row = 1; row < g.RowCount(); ++row)
        for (int col = 1; col < g.ColCount(); ++col)
            if (!g.Cell(col, row).empty())
                return false;
    return true;
}

// Grid, result boxes and drawing flag of one tab.
struct Tab {
    const char *name;
    void (Evolutions::*click)();
    ResultGrid EvolutionData::*grid;
    std::vector<std::string EvolutionData::*> results;
    bool DrawingFlags::*flag;
};

const Tab kBC{"BC", &Evolutions::Heating, &EvolutionData::grille_BC, {&EvolutionData::e_P_bc},
              &DrawingFlags::Check_dessin_BC};
const Tab kBFC{"BFC",
               &Evolutions::Cooling,
               &EvolutionData::grille_bfc,
               {&EvolutionData::E_P_BFC, &EvolutionData::E_Efficacite_BFC, &EvolutionData::e_condensation_bfc},
               &DrawingFlags::Check_dessin_BFC};
const Tab kLav{"Lav",
               &Evolutions::AirWasher,
               &EvolutionData::grille_lav,
               {&EvolutionData::E_efficacite_lav, &EvolutionData::E_qm_eau_lav},
               &DrawingFlags::Check_dessin_Lav};
const Tab kVap{"Vap", &Evolutions::SteamHumidifier, &EvolutionData::grille_vap, {&EvolutionData::E_qm_eau_vap},
               &DrawingFlags::Check_dessin_vap};
const Tab kMel{"Mel", &Evolutions::Mixing, &EvolutionData::grille_melange, {},
               &DrawingFlags::Check_dessin_melange};
const Tab *const kTabs[] = {&kBC, &kBFC, &kLav, &kVap, &kMel};

class Calculators : public ::testing::Test {
protected:
    ProgramState state;
    EvolutionData &d = state.evolutions;
    test::RecordingMessages msgs;
    int repaints = 0;
    Evolutions ev{state.evolutions, EvolutionsContext(state), msgs, [this] { ++repaints; }, NumberSeparators{",", kNbsp}};

    void Run(const Tab &t) { (ev.*(t.click))(); }
    // Runs the tab with its defaults, then forgets what that showed.
    void RunDefaultsThenReset(const Tab &t)
    {
        Run(t);
        ASSERT_TRUE(msgs.entries.empty()) << t.name;
        ASSERT_FALSE(ValuesEmpty(d.*(t.grid))) << t.name;
        (d.*(t.grid)).SetCell(1, 8, "101325"); // as the window's activation writes it
        repaints = 0;
    }
    void ExpectFailurePath(const Tab &t, const std::vector<Entry> &expected)
    {
        EXPECT_EQ(msgs.entries, expected) << t.name;
        EXPECT_TRUE(ValuesEmpty(d.*(t.grid))) << t.name;
        for (auto box : t.results)
            EXPECT_EQ(d.*box, "") << t.name;
        EXPECT_EQ(repaints, 1) << t.name;
    }
};

// ---- Heating coil ----

TEST_F(Calculators, HeatingCoilDefaults)
{
    ev.Heating();
    EXPECT_TRUE(msgs.entries.empty());
    EXPECT_EQ(ColumnOf(d.grille_BC, 1), (Column{"20,00", "50", "7,27", "38,57", "0,8397", "13,82", "9,27"}));
    EXPECT_EQ(ColumnOf(d.grille_BC, 2), (Column{"30,00", "28", "7,27", "48,76", "0,8684", "17,51", "9,27"}));
    EXPECT_EQ(d.e_P_bc, "10" + kNbsp + "193");
    EXPECT_EQ(repaints, 0); // not ticked
}

TEST_F(Calculators, HeatingCoilEdgeInputs)
{
    d.E_deltat_bc = "";
    ev.Heating();
    EXPECT_EQ(ColumnOf(d.grille_BC, 2), ColumnOf(d.grille_BC, 1));
    EXPECT_EQ(d.e_P_bc, "0");

    d.E_deltat_bc = "10";
    d.e_qm_bc = "0";
    ev.Heating();
    EXPECT_EQ(d.e_P_bc, "0");

    d.E_TS_Entree_BC = "45";
    d.e_qm_bc = "1";
    ev.Heating();
    EXPECT_EQ(d.grille_BC.Cell(2, 1), "55,00"); // no range check on the outlet
    EXPECT_TRUE(msgs.entries.empty());
}

// ---- Cooling coil ----

TEST_F(Calculators, CoolingCoilDefaults)
{
    ev.Cooling();
    EXPECT_TRUE(msgs.entries.empty());
    EXPECT_EQ(ColumnOf(d.grille_bfc, 2), (Column{"10,00", "94", "7,15", "28,07", "0,8109", "9,46", "9,03"}));
    EXPECT_EQ(ColumnOf(d.grille_bfc, 3), (Column{"9,00", "100", "7,14", "27,02", "0,8080", "8,99", "9,00"}));
    EXPECT_EQ(d.E_P_BFC, "10" + kNbsp + "502");
    EXPECT_EQ(d.E_Efficacite_BFC, "91");
    EXPECT_EQ(d.e_condensation_bfc, "441,66");
}

TEST_F(Calculators, CoolingCoilAboveDewPointCoolsDry)
{
    d.E_T_BFC = "12";
    d.E_deltat_BFC = "5";
    ev.Cooling();
    EXPECT_TRUE(msgs.entries.empty());
    EXPECT_EQ(d.grille_bfc.Cell(2, 1), "15,00");
    EXPECT_EQ(d.grille_bfc.Cell(2, 3), "7,27"); // keeps the inlet's R
    EXPECT_EQ(d.grille_bfc.Cell(3, 3), "7,27"); // surface R limited
    EXPECT_EQ(d.grille_bfc.Cell(3, 2), "100");  // but the surface stays saturated
    EXPECT_EQ(d.grille_bfc.Cell(3, 7), "12,00");
    EXPECT_EQ(d.e_condensation_bfc, "0,00");
    EXPECT_EQ(d.E_Efficacite_BFC, "63"); // 5 / 8
}

TEST_F(Calculators, CoolingCoilZeroDropAndNegativeFlow)
{
    d.E_deltat_BFC = "0";
    ev.Cooling();
    EXPECT_EQ(ColumnOf(d.grille_bfc, 2), ColumnOf(d.grille_bfc, 1));
    EXPECT_EQ(d.E_P_BFC, "0");
    EXPECT_EQ(d.E_Efficacite_BFC, "0");

    d.E_deltat_BFC = "10";
    d.E_qm_BFC = "-1";
    ev.Cooling();
    EXPECT_TRUE(msgs.entries.empty());
    EXPECT_EQ(d.E_P_BFC, "-10" + kNbsp + "502");
    EXPECT_EQ(d.e_condensation_bfc, "-441,66");
}

TEST_F(Calculators, CoolingCoilOverSaturatedOutletWarnsOnceAndWrites)
{
    d.E_HR_Entree_BFC = "95";
    d.E_deltat_BFC = "5";
    state.flags.Check_dessin_BFC = true;
    ev.Cooling();
    EXPECT_EQ(msgs.entries, (std::vector<Entry>{Info(kCoilWarning)}));
    EXPECT_EQ(d.grille_bfc.Cell(2, 1), "15,00");
    EXPECT_EQ(d.grille_bfc.Cell(2, 2), "102");
    EXPECT_FALSE(d.E_P_BFC.empty());
    EXPECT_EQ(repaints, 1);
}

// ---- Air washer ----

TEST_F(Calculators, AirWasherDefaults)
{
    ev.AirWasher();
    EXPECT_TRUE(msgs.entries.empty());
    EXPECT_EQ(ColumnOf(d.grille_lav, 2), (Column{"15,71", "81", "9,00", "38,57", "0,8297", "13,75", "12,44"}));
    EXPECT_EQ(ColumnOf(d.grille_lav, 3), (Column{"13,72", "100", "9,80", "38,57", "0,8251", "13,71", "13,72"}));
    EXPECT_EQ(d.E_efficacite_lav, "68%");
    EXPECT_EQ(d.E_qm_eau_lav, "6" + kNbsp + "227,52");
}

TEST_F(Calculators, SaturationSearchStepsAndBound)
{
    const uint32_t patm = 101325;
    const long double rIn = HumidityRatioFromPv(SaturationPressure(20) * 0.5L, patm);
    const long double hIn = Enthalpy(20, rIn);
    auto washerOutlet = [&] {
        MoistAirState p;
        p.TS = DryBulbFromEnthalpy(hIn, 0.009L);
        p.Pv = PvFromHumidityRatio(0.009L, patm);
        p.Pvs = SaturationPressure(p.TS);
        return p;
    };
    MoistAirState p = washerOutlet();
    const long steps = SaturationSearchOnEnthalpyLine(p, hIn, patm);
    EXPECT_NEAR(steps, 1984, 2);
    EXPECT_NEAR(static_cast<double>(p.TS), 13.72, 0.005);
    EXPECT_GE(p.Pv, p.Pvs);

    MoistAirState q = washerOutlet();
    EXPECT_THROW(SaturationSearchOnEnthalpyLine(q, hIn, patm, 1000), ComputeFault);
}

TEST_F(Calculators, AirWasherEmptyOutletTakesZeroAfterTheMessage)
{
    d.E_R_sortie_lav = "";
    ev.AirWasher();
    // R_out = 0 keeps HR at 0 (inside the range): the washer runs on, drying the air.
    EXPECT_EQ(msgs.entries, (std::vector<Entry>{Info(kUnreadable)}));
    EXPECT_EQ(ColumnOf(d.grille_lav, 2), (Column{"38,34", "0", "0,00", "38,57", "0,8819", "14,16", "-151,77"}));
    EXPECT_EQ(d.grille_lav.Cell(3, 1), "13,72");
    EXPECT_EQ(d.E_efficacite_lav, "-287%");
    EXPECT_EQ(d.E_qm_eau_lav, "-26" + kNbsp + "172,48");
}

// ---- Steam humidifier ----

TEST_F(Calculators, SteamHumidifierBothEvolutions)
{
    ev.SteamHumidifier();
    EXPECT_TRUE(msgs.entries.empty());
    const Column inlet = ColumnOf(d.grille_vap, 1);
    EXPECT_EQ(ColumnOf(d.grille_vap, 2), (Column{"20,00", "68", "10,00", "45,50", "0,8434", "16,26", "14,03"}));
    EXPECT_EQ(d.E_qm_eau_vap, "9" + kNbsp + "827,52");

    d.radio_vap_theorique = false;
    ev.SteamHumidifier();
    EXPECT_EQ(ColumnOf(d.grille_vap, 1), inlet);
    EXPECT_EQ(d.grille_vap.Cell(2, 1), "20,39");
    EXPECT_EQ(d.grille_vap.Cell(2, 4), "45,90");
    EXPECT_EQ(d.E_qm_eau_vap, "9" + kNbsp + "827,52");
}

// ---- Mixing ----

TEST_F(Calculators, MixingDefaultsAndOneEmptyFlow)
{
    ev.Mixing();
    EXPECT_TRUE(msgs.entries.empty());
    EXPECT_EQ(ColumnOf(d.grille_melange, 3), (Column{"15,00", "67", "7,07", "32,96", "0,8251", "11,58", "8,86"}));

    d.E_qm2_mel = "0";
    ev.Mixing();
    EXPECT_EQ(ColumnOf(d.grille_melange, 3), ColumnOf(d.grille_melange, 1));
}

TEST_F(Calculators, MixingAboveSaturationIsWrittenWithoutMessage)
{
    d.E_TS1_mel = "-10";
    d.E_HR1_mel = "100";
    d.E_TS2_mel = "30";
    d.E_HR2_mel = "100";
    ev.Mixing();
    EXPECT_TRUE(msgs.entries.empty());
    EXPECT_EQ(d.grille_melange.Cell(3, 1), "10,45");
    EXPECT_EQ(d.grille_melange.Cell(3, 2), "182");
}

// ---- Shared behaviour ----

TEST_F(Calculators, TickedTabsRepaintOnceAfterSuccess)
{
    for (const Tab *t : kTabs) {
        state.flags.*(t->flag) = true;
        repaints = 0;
        Run(*t);
        EXPECT_TRUE(msgs.entries.empty()) << t->name;
        EXPECT_EQ(repaints, 1) << t->name;
    }
}

TEST_F(Calculators, UnreadablePressureChangesNothing)
{
    for (const Tab *t : kTabs) {
        RunDefaultsThenReset(*t);
        const ResultGrid grid = d.*(t->grid);
        std::vector<std::string> boxes;
        for (auto box : t->results)
            boxes.push_back(d.*box);
        const long double ts = state.EvolutionState.TS;
        state.pressure.text = "abc";
        state.settings.Patm = 90000;
        (d.*(t->grid)).SetCell(1, 1, "typed"); // any change would overwrite it
        Run(*t);
        EXPECT_EQ(msgs.entries, (std::vector<Entry>{{"erreur", "'abc' n'est pas une valeur entière correcte"}}))
            << t->name;
        EXPECT_EQ((d.*(t->grid)).Cell(1, 1), "typed") << t->name;
        for (int row = 2; row <= 8; ++row)
            EXPECT_EQ((d.*(t->grid)).Cell(1, row), grid.Cell(1, row)) << t->name;
        for (size_t i = 0; i < boxes.size(); ++i)
            EXPECT_EQ(d.*(t->results[i]), boxes[i]) << t->name;
        EXPECT_EQ(state.EvolutionState.TS, ts);
        EXPECT_EQ(state.settings.Patm, 90000u);
        EXPECT_EQ(repaints, 0);
        msgs.entries.clear();
        state.pressure.text = "101325";
    }
}

struct FailureCase {
    const Tab *tab;
    std::vector<std::pair<std::string EvolutionData::*, std::string>> inputs;
    std::vector<Entry> expected;
};

TEST_F(Calculators, FailuresShowTheirMessageInOrderAndEmptyTheTab)
{
    using D = EvolutionData;
    const std::string kDeltaT = "L'écart de température n'est pas cohérent, le calcul est arrêté";
    const std::string kFlow = kNegativeAirflow;
    const std::string kBelow =
        "Le poids d'eau en sortie d'humidificateur en inférieur au poids d'entrée, le calcul est arrêté";
    const std::string kSteamHr =
        "L'hygrométrie en sortie d'humidificateur est en dehors des plages du diagramme, le calcul est arrêté";
    auto mix = [](int n, const char *what) {
        return std::string(what) + " du point " + std::to_string(n) +
               " est en dehors des plages du diagramme, le calcul est arrêté";
    };
    const std::string kBig = "1" + std::string(4930, '0'); // readable, but its products overflow
    const std::vector<FailureCase> cases = {
        // Heating coil
        {&kBC, {{&D::E_TS_Entree_BC, "51"}, {&D::E_HR_Entree_BC, "101"}}, {Info(kTs)}},
        {&kBC, {{&D::E_HR_Entree_BC, "-1"}}, {Info(kHr)}},
        {&kBC, {{&D::E_HR_Entree_BC, "x"}, {&D::E_deltat_bc, "-1"}}, {Info(kUnreadable), Info(kDeltaT)}},
        {&kBC, {{&D::e_qm_bc, "-1"}}, {Info(kFlow)}},
        {&kBC, {{&D::e_qm_bc, kBig}}, {Info(kCannot)}},
        // Cooling coil: the coherence failure is a plain box
        {&kBFC, {{&D::E_TS_Entree_BFC, "60"}}, {Info(kTs)}},
        {&kBFC, {{&D::E_HR_Entree_BFC, "120"}}, {Info(kHr)}},
        {&kBFC, {{&D::E_deltat_BFC, "15"}}, {{"message", kCoilOutlet}}},
        {&kBFC, {{&D::E_T_BFC, "12"}}, {{"message", kCoilOutlet}}},
        {&kBFC, {{&D::E_deltat_BFC, "-1"}}, {{"message", kCoilOutlet}}},
        {&kBFC, {{&D::E_T_BFC, "20"}, {&D::E_deltat_BFC, "0"}}, {Info(kCannot)}}, // coil at the inlet temperature
        {&kBFC, {{&D::E_qm_BFC, kBig}}, {Info(kCannot)}},
        // Air washer
        {&kLav, {{&D::E_TS_Entree_Lav, "99"}}, {Info(kTs)}},
        {&kLav, {{&D::E_HR_Entree_Lav, "101"}}, {Info(kHr)}},
        {&kLav, {{&D::E_R_sortie_lav, "11"}}, {Info(kWasherOutlet)}},
        {&kLav, {{&D::E_R_sortie_lav, "-1"}}, {Info(kWasherOutlet)}},
        {&kLav, {{&D::E_R_sortie_lav, "-1000"}}, {Info(kCannot)}},
        {&kLav, {{&D::E_qm_Lav, kBig}}, {Info(kCannot)}},
        // Steam humidifier
        {&kVap, {{&D::E_TS_Entree_vap, "51"}}, {Info(kTs)}},
        {&kVap, {{&D::E_HR_Entree_vap, "101"}}, {Info(kHr)}},
        {&kVap, {{&D::E_R_sortie_vap, "7"}}, {Info(kBelow)}},
        {&kVap, {{&D::E_R_sortie_vap, ""}}, {Info(kUnreadable), Info(kBelow)}},
        {&kVap, {{&D::E_R_sortie_vap, "16"}}, {Info(kSteamHr)}},
        {&kVap, {{&D::E_qm_vap, kBig}}, {Info(kCannot)}},
        // Mixing
        {&kMel, {{&D::E_TS1_mel, "60"}}, {Info(mix(1, "La température sèche"))}},
        {&kMel, {{&D::E_HR1_mel, "-5"}}, {Info(mix(1, "L'hygrométrie"))}},
        {&kMel, {{&D::E_TS2_mel, "-60"}}, {Info(mix(2, "La température sèche"))}},
        {&kMel, {{&D::E_HR2_mel, "200"}}, {Info(mix(2, "L'hygrométrie"))}},
        {&kMel, {{&D::E_qm2_mel, "-1"}}, {Info("Le débit massique 2 est inférieur à 0, le calcul est arrêté")}},
        {&kMel,
         {{&D::E_qm1_mel, "-1"}, {&D::E_qm2_mel, "-1"}},
         {Info("Le débit massique 1 est inférieur à 0, le calcul est arrêté")}},
        {&kMel, {{&D::E_qm1_mel, "0"}, {&D::E_qm2_mel, ""}}, {Info(kCannot)}},
    };
    int i = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE("case " + std::to_string(i++));
        ProgramState fresh;
        state = fresh;
        msgs.entries.clear();
        RunDefaultsThenReset(*c.tab);
        for (const auto &[box, text] : c.inputs)
            d.*box = text;
        Run(*c.tab);
        ExpectFailurePath(*c.tab, c.expected);
    }
}

} // namespace
