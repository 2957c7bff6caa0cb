#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calculations.h"
#include "presentation/point_rows.h"
#include "program_state.h"
#include "sizing/ahu_sizing.h"
#include "sizing/sizing_messages.h"
#include "support/recording_messages.h"

using namespace brumelle;
using brumelle::test::RecordingMessages;

namespace {

const std::string kNbsp = "\xE2\x80\xAF";
const std::vector<std::string> kRowHeadings(kSizingRowHeadings.begin(), kSizingRowHeadings.end());

class AhuSizingTest : public ::testing::Test {
protected:
    ProgramState state;
    AhuData &d = state.ahu;
    const ResultGrid &g = state.ahu.grille_resultats;
    RecordingMessages messages;
    int repaints = 0;
    AhuSizing sizing{state.ahu, SizingContext(state), messages, [this] { ++repaints; }, NumberSeparators{",", kNbsp}};

    void Run() { sizing.SizeAhu(); }
    void Select(AhuRadio fresh, AhuRadio humidifier)
    {
        SelectRadio(d, fresh);
        SelectRadio(d, humidifier);
    }
    std::vector<std::string> Row(int row) const
    {
        std::vector<std::string> cells;
        for (int col = 1; col < g.ColCount(); ++col)
            cells.push_back(g.Cell(col, row));
        return cells;
    }
    std::vector<std::string> Column(int col) const
    {
        std::vector<std::string> cells;
        for (int row = 1; row < g.RowCount(); ++row)
            cells.push_back(g.Cell(col, row));
        return cells;
    }
    // The equipment block as label=value lines, down to its last label.
    std::vector<std::string> Block() const
    {
        std::vector<std::string> lines;
        const int col = g.ColCount() - 2;
        for (int row = 1; row < g.RowCount() && !g.Cell(col, row).empty(); ++row)
            lines.push_back(g.Cell(col, row) + "=" + g.Cell(col + 1, row));
        return lines;
    }
    // The stop procedure: only the row headings of column 0 are left.
    void ExpectStopped(const std::string &message)
    {
        EXPECT_EQ(messages.texts().back(), message);
        EXPECT_EQ(messages.entries.back().kind, "information");
        for (int row = 0; row < g.RowCount(); ++row) {
            EXPECT_EQ(g.Cell(0, row), kRowHeadings[static_cast<size_t>(row)]);
            for (int col = 1; col < g.ColCount(); ++col)
                EXPECT_EQ(g.Cell(col, row), "") << col << "," << row;
        }
        EXPECT_EQ(repaints, 1);
    }
};

TEST_F(AhuSizingTest, DefaultsGiveAHeatingCoilAlone)
{
    Run();
    EXPECT_TRUE(messages.entries.empty());
    ASSERT_EQ(g.ColCount(), 7);
    for (int row = 0; row < 10; ++row)
        EXPECT_EQ(g.Cell(0, row), kRowHeadings[static_cast<size_t>(row)]);
    EXPECT_EQ(Row(0), (std::vector<std::string>{"Intérieur", "Soufflage", "Extérieur", "Mélange", "Caractéristiques",
                                                "des matériels"}));
    EXPECT_EQ(Block(), (std::vector<std::string>{"Puissance BC=4,00 [kW]", "Qm soufflage=0,26 [kg/s]",
                                                 "Qv soufflage=831,36 [m3/h]", "Qv air neuf=0,00 [m3/h]"}));
    EXPECT_EQ(Row(8), (std::vector<std::string>{"101325", "101325", "101325", "101325", "", ""}));
    EXPECT_EQ(Row(9), (std::vector<std::string>{"1", "2", "3", "4", "", ""}));
    EXPECT_EQ(g.Cell(1, 1), "20,00");
    EXPECT_EQ(g.Cell(1, 2), "50");
    EXPECT_EQ(g.Cell(2, 1), "35,00");
    EXPECT_EQ(g.Cell(2, 3), g.Cell(1, 3)) << "a dry load keeps the room's humidity ratio";
    EXPECT_EQ(Column(4)[0], "20,00") << "without fresh air the mixture is the room";
    EXPECT_EQ(d.FreshAirMode, 3);
    EXPECT_EQ(d.TreatmentMode, 2);
    EXPECT_EQ(state.settings.Patm, 101325u);
    EXPECT_EQ(g.ColWidth(5), 80);
    EXPECT_EQ(g.ColWidth(6), 75);
    EXPECT_EQ(g.ColWidth(4), 46) << "point columns keep their widths";
    EXPECT_EQ(repaints, 0) << "nothing to redraw while \"Dessiner\" is not ticked";
    state.flags.Check_dessin_CTA = true;
    Run();
    EXPECT_EQ(repaints, 1);
}

TEST_F(AhuSizingTest, HumidMixtureIsPreheatedInHundredthsOfADegree)
{
    d.E_QM_AN = "0.2";
    Run();
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(sizing.LastSearchSteps().preheating, 60);
    ASSERT_EQ(g.ColCount(), 9);
    EXPECT_EQ(g.Cell(4, 0), "Sortie Batterie Préchauffage");
    EXPECT_EQ(g.Cell(4, 1), "-10,40");
    EXPECT_EQ(g.Cell(4, 3), g.Cell(3, 3)) << "heated at the outdoor humidity ratio";
    EXPECT_EQ(g.Cell(5, 0), "Mélange");
    EXPECT_EQ(g.Cell(5, 1), "-3,18");
    EXPECT_EQ(g.Cell(5, 2), "95");
    EXPECT_EQ(g.Cell(6, 0), "Sortie BC") << "then heated and humidified by steam";
    EXPECT_EQ(Row(9), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "", ""}));
    EXPECT_EQ(d.FreshAirMode, 4);
    EXPECT_EQ(d.TreatmentMode, 1);
}

struct Documented {
    const char *name;
    std::vector<std::pair<std::string AhuData::*, const char *>> inputs;
    AhuRadio fresh, humidifier;
    std::vector<std::string> headings; // row 0 from column 1
    std::vector<std::pair<std::pair<int, int>, const char *>> cells;
    std::vector<std::string> block;
    std::vector<std::string> messages;
    int freshAirMode, treatmentMode;
};

TEST_F(AhuSizingTest, DocumentedCases)
{
    const Documented cases[] = {
        {"winter, exchanger and washer",
         {{&AhuData::E_charge_lat, "0,0005"}},
         AhuRadio::Echange_plaques,
         AhuRadio::Lav,
         {"Intérieur", "Soufflage", "Extérieur", "Sortie Echangeur à plaques", "Sortie BC", "Caractéristiques",
          "des matériels"},
         {{{2, 3}, "5,37"}, {{4, 1}, "4,50"}, {{5, 1}, "44,95"}},
         {"Puissance BC=10,77 [kW]", "Débit Laveur=3,72 [kge/h]", "Qm soufflage=0,26 [kg/s]",
          "Qv soufflage=", "Qv air neuf="},
         {},
         1,
         1},
        {"summer, all fresh air, surface raised",
         {{&AhuData::E_Charge_sens, "10"},
          {&AhuData::E_charge_lat, "0,001"},
          {&AhuData::E_TS_loc, "26"},
          {&AhuData::E_TS_ext, "32"},
          {&AhuData::E_HR_ext, "40"},
          {&AhuData::E_TS_sou, "16"}},
         AhuRadio::tout_AN,
         AhuRadio::Vap,
         {"Intérieur", "Soufflage", "Extérieur", "Surface BF", "Sortie BF", "Caractéristiques", "des matériels"},
         {{{4, 1}, "12,29"}, {{4, 2}, "100"}, {{4, 6}, "12,29"}, {{4, 7}, "12,29"}},
         {"Puissance BF=", "Qm soufflage=", "Qv soufflage=", "Qv air neuf=", "Efficacité BF="},
         {kSurfaceRaised},
         2,
         3},
        {"summer with reheat",
         {{&AhuData::E_Charge_sens, "5"},
          {&AhuData::E_charge_lat, "0,0005"},
          {&AhuData::E_TS_loc, "24"},
          {&AhuData::E_TS_ext, "30"},
          {&AhuData::E_HR_ext, "50"},
          {&AhuData::E_TS_sou, "17"}},
         AhuRadio::tout_AN,
         AhuRadio::Vap,
         {"Intérieur", "Soufflage", "Extérieur", "Surface BF", "Sortie BF", "Caractéristiques", "des matériels"},
         {{{2, 3}, "8,59"}, {{4, 1}, "8,00"}, {{5, 1}, "14,43"}},
         {"Puissance BF=19,48 [kW]", "Puissance BC=1,83 [kW]", "Qm soufflage=0,70 [kg/s]", "Qv soufflage=",
          "Qv air neuf=", "Efficacité BF=71 %"},
         {},
         2,
         3},
        {"summer with reheat, surface lowered to 95 %",
         {{&AhuData::E_Charge_sens, "5"},
          {&AhuData::E_charge_lat, "0,0005"},
          {&AhuData::E_TS_loc, "24"},
          {&AhuData::E_TS_ext, "30"},
          {&AhuData::E_HR_ext, "50"},
          {&AhuData::E_TS_sou, "17"},
          {&AhuData::E_T_Surface, "14"}},
         AhuRadio::tout_AN,
         AhuRadio::Vap,
         {"Intérieur", "Soufflage", "Extérieur", "Surface BF", "Sortie BF", "Caractéristiques", "des matériels"},
         {{{4, 1}, "11,30"}, {{5, 1}, "12,25"}},
         {"Puissance BF=21,04 [kW]", "Puissance BC=3,38 [kW]", "Qm soufflage=0,70 [kg/s]", "Qv soufflage=",
          "Qv air neuf=", "Efficacité BF=95 %"},
         {kSurfaceLowered},
         2,
         3},
    };
    for (const Documented &c : cases) {
        SCOPED_TRACE(c.name);
        ProgramState fresh;
        state = fresh;
        messages.entries.clear();
        for (const auto &[box, text] : c.inputs)
            d.*box = text;
        Select(c.fresh, c.humidifier);
        Run();
        EXPECT_EQ(messages.texts(), c.messages);
        EXPECT_EQ(Row(0), c.headings);
        for (const auto &[at, text] : c.cells)
            EXPECT_EQ(g.Cell(at.first, at.second), text) << at.first << "," << at.second;
        const std::vector<std::string> block = Block();
        ASSERT_EQ(block.size(), c.block.size());
        for (size_t i = 0; i < block.size(); ++i)
            EXPECT_EQ(block[i].substr(0, c.block[i].size()), c.block[i]);
        EXPECT_EQ(d.FreshAirMode, c.freshAirMode);
        EXPECT_EQ(d.TreatmentMode, c.treatmentMode);
    }
}

struct StopCase {
    const char *name;
    std::vector<std::pair<std::string AhuData::*, const char *>> inputs;
    std::vector<AhuRadio> radios; // selected in this order; empty: every button unchecked
    const char *message;
    int freshAirMode; // after the stop; 7 is the value before the run
    int treatmentMode = 7;
    long preheatingSteps = 0;
};

// Each check stops the run with its message and the stop procedure; the
// modes change only once the stage that sets them has run.
TEST_F(AhuSizingTest, StopsAndFaults)
{
    const StopCase cases[] = {
        {"room temperature", {{&AhuData::E_TS_loc, "50,01"}}, {}, kRoomTemperature, 7},
        {"room humidity", {{&AhuData::E_HR_loc, "101"}}, {}, kRoomHumidity, 7},
        {"supply temperature", {{&AhuData::E_TS_sou, "-50.5"}}, {}, kSupplyTemperature, 7},
        {"supply humidity below 0", {{&AhuData::E_charge_lat, "0,01"}}, {}, kSupplyHumidity, 7},
        {"outdoor humidity", {{&AhuData::E_HR_ext, "-1"}}, {}, kOutdoorHumidity, 7},
        {"outdoor temperature", {{&AhuData::E_TS_ext, "-51"}}, {}, kOutdoorTemperature, 7},
        {"exchanger efficiency", {{&AhuData::E_eff_echangeur, "101"}}, {AhuRadio::Echange_plaques},
         kExchangerEfficiency, 7},
        {"no fresh-air mode", {}, {}, kNoFreshAirMode, 7},
        {"negative fresh air", {{&AhuData::E_QM_AN, "-0,1"}}, {AhuRadio::melange}, kNegativeFreshAir, 7},
        {"no humidifier", {{&AhuData::E_QM_AN, "0,2"}}, {AhuRadio::melange}, kNoHumidifier, 4, 7, 60},
        {"zero loads", {{&AhuData::E_Charge_sens, "0"}}, {AhuRadio::melange}, kCannotCompute, 3},
        {"room line parallel to the supply",
         {{&AhuData::E_charge_lat, "0,5"}, {&AhuData::E_Charge_sens, "0"}, {&AhuData::E_TS_sou, "0"}},
         {AhuRadio::melange},
         kCannotCompute,
         7},
        {"preheating without end",
         {{&AhuData::E_HR_loc, "100"}, {&AhuData::E_QM_AN, "0,000001"}},
         {AhuRadio::melange, AhuRadio::Vap},
         kCannotCompute,
         3,
         7,
         kAhuSearchMaxSteps + 1},
        {"inlet at the coil surface",
         {{&AhuData::E_Charge_sens, "10"}, {&AhuData::E_TS_loc, "26"}, {&AhuData::E_TS_sou, "16"},
          {&AhuData::E_TS_ext, "25"}, {&AhuData::E_HR_ext, "100"}, {&AhuData::E_T_Surface, "25"}},
         {AhuRadio::tout_AN, AhuRadio::Vap},
         kCannotCompute,
         2},
        {"surface lowering without end",
         {{&AhuData::E_HR_loc, "0"}, {&AhuData::E_TS_sou, "15"}, {&AhuData::E_TS_ext, "30"}, {&AhuData::E_HR_ext, "50"}},
         {AhuRadio::tout_AN, AhuRadio::Vap},
         kCannotCompute,
         2},
    };
    for (const StopCase &c : cases) {
        SCOPED_TRACE(c.name);
        ProgramState fresh;
        state = fresh;
        Run(); // a result to clear
        ASSERT_EQ(g.ColCount(), 7);
        d.FreshAirMode = d.TreatmentMode = 7;
        messages.entries.clear();
        repaints = 0;
        d.R_melange = false;
        d.R_Vap = false;
        for (AhuRadio r : c.radios)
            SelectRadio(d, r);
        for (const auto &[box, text] : c.inputs)
            d.*box = text;
        Run();
        ExpectStopped(c.message);
        EXPECT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(g.ColCount(), 7) << "the column count stays";
        EXPECT_EQ(d.FreshAirMode, c.freshAirMode);
        EXPECT_EQ(d.TreatmentMode, c.treatmentMode);
        // The preheating ends at its bound rather than never.
        EXPECT_EQ(sizing.LastSearchSteps().preheating, c.preheatingSteps);
    }
}

// Each 0.01 K search gives up at its bound with the fault message: the
// documented summer cases, given one step fewer than they need.
TEST_F(AhuSizingTest, SearchesStopAtTheirBound)
{
    struct Case {
        const char *name;
        std::vector<std::pair<std::string AhuData::*, const char *>> inputs;
        long AhuSizing::SearchSteps::*steps;
        long needed; // steps the search takes without a bound
    };
    const Case cases[] = {
        {"raising",
         {{&AhuData::E_Charge_sens, "10"}, {&AhuData::E_charge_lat, "0,001"}, {&AhuData::E_TS_loc, "26"},
          {&AhuData::E_TS_ext, "32"}, {&AhuData::E_HR_ext, "40"}, {&AhuData::E_TS_sou, "16"}},
         &AhuSizing::SearchSteps::surfaceRaising,
         429},
        {"lowering",
         {{&AhuData::E_Charge_sens, "5"}, {&AhuData::E_charge_lat, "0,0005"}, {&AhuData::E_TS_loc, "24"},
          {&AhuData::E_TS_ext, "30"}, {&AhuData::E_HR_ext, "50"}, {&AhuData::E_TS_sou, "17"},
          {&AhuData::E_T_Surface, "14"}},
         &AhuSizing::SearchSteps::surfaceLowering,
         270},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (long bound : {c.needed, c.needed - 1}) {
            ProgramState fresh;
            state = fresh;
            messages.entries.clear();
            repaints = 0;
            for (const auto &[box, text] : c.inputs)
                d.*box = text;
            SelectRadio(d, AhuRadio::tout_AN);
            sizing.SetSearchBound(bound);
            Run();
            if (bound == c.needed) {
                EXPECT_EQ(sizing.LastSearchSteps().*c.steps, c.needed);
                EXPECT_EQ(messages.entries.size(), 1u) << "the adjustment's own message";
            } else {
                ExpectStopped(kCannotCompute);
            }
        }
    }
}

TEST_F(AhuSizingTest, BoundsAreInclusiveAndThePressureIsReadFirst)
{
    for (const char *ts : {"50", "-50"}) {
        d.E_TS_loc = ts;
        Run();
        for (const std::string &m : messages.texts())
            EXPECT_NE(m, kRoomTemperature) << ts;
    }
    ProgramState fresh;
    state = fresh;
    Run();
    messages.entries.clear();
    state.pressure.text = "abc";
    Run();
    EXPECT_EQ(messages.entries, (std::vector<RecordingMessages::Entry>{
                                    {"erreur", "'abc' n'est pas une valeur entière correcte"}}));
    EXPECT_EQ(g.Cell(1, 8), "abc") << "the frame is written first";
    EXPECT_EQ(g.Cell(1, 1), "20,00") << "nothing else";
    messages.entries.clear();
    state.pressure.text = "0";
    Run();
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(state.settings.Patm, 101325u);
    EXPECT_EQ(g.Cell(1, 8), "101325") << "the pressure the numbers are computed at";
}

TEST_F(AhuSizingTest, FreshAirArrangements)
{
    // Without fresh air nothing is preheated, even for a saturated room.
    d.E_HR_loc = "100";
    Run();
    EXPECT_EQ(Row(0)[3], "Mélange");
    EXPECT_EQ(d.FreshAirMode, 3);

    // More fresh air than supply air: capped, and the mixture is outdoor air.
    ProgramState fresh;
    state = fresh;
    d.E_QM_AN = "1";
    Run();
    EXPECT_EQ(messages.entries, (std::vector<RecordingMessages::Entry>{{"information", kFreshAirCapped}}));
    EXPECT_EQ(d.FreshAirMode, 4);
    EXPECT_EQ(g.Cell(4, 1), "-11,00");
    const std::vector<std::string> block = Block();
    EXPECT_EQ(block[block.size() - 1].substr(12), block[block.size() - 2].substr(13)) << "Qv air neuf = Qv soufflage";

    // The exchanger's outlet runs from the outdoor (0 %) to the room (100 %) temperature.
    for (const auto &[efficiency, ts] : {std::pair{"0", "-11,00"}, std::pair{"100", "20,00"}}) {
        state = fresh;
        SelectRadio(d, AhuRadio::Echange_plaques);
        d.E_eff_echangeur = efficiency;
        Run();
        EXPECT_EQ(g.Cell(4, 0), "Sortie Echangeur à plaques");
        EXPECT_EQ(g.Cell(4, 1), ts);
    }
}

TEST_F(AhuSizingTest, InletAlreadyAtTheSupplyNeedsNoEquipment)
{
    d.E_QM_AN = "0,2";
    Run();
    ASSERT_EQ(g.ColCount(), 9);
    // Mixing without fresh air: the inlet is the room, which is the supply.
    d.E_QM_AN = "0";
    d.E_TS_sou = "20";
    Run();
    EXPECT_TRUE(messages.entries.empty());
    ASSERT_EQ(g.ColCount(), 7) << "no column of the earlier run is left";
    EXPECT_EQ(d.TreatmentMode, 2);
    EXPECT_EQ(Block().size(), 3u);
    EXPECT_EQ(Block()[0].substr(0, 13), "Qm soufflage=");
    for (int row = 4; row <= 9; ++row)
        EXPECT_EQ(g.Cell(5, row) + g.Cell(6, row), "") << row;
}

// The equipment block's labels and the treatment columns, case by case.
TEST_F(AhuSizingTest, EquipmentByCase)
{
    struct Case {
        const char *name;
        std::vector<std::pair<std::string AhuData::*, const char *>> inputs;
        AhuRadio fresh, humidifier;
        std::vector<std::string> labels;
        const char *treatmentColumn; // heading of column 4 or 5, "" for none
        int treatmentMode;
    };
    const Case cases[] = {
        {"dry cooling then steam",
         {{&AhuData::E_eff_echangeur, "100"}, {&AhuData::E_TS_sou, "15"}},
         AhuRadio::Echange_plaques,
         AhuRadio::Vap,
         {"Puissance BFS", "Débit Vapeur", "Qm soufflage", "Qv soufflage", "Qv air neuf"},
         "Sortie BFS",
         1},
        {"steam alone",
         {{&AhuData::E_eff_echangeur, "100"}, {&AhuData::E_TS_sou, "20"}},
         AhuRadio::Echange_plaques,
         AhuRadio::Vap,
         {"Débit Vapeur", "Qm soufflage", "Qv soufflage", "Qv air neuf"},
         "",
         2},
        {"dry cooling then washer",
         {{&AhuData::E_Charge_sens, "4"}, {&AhuData::E_TS_loc, "24"}, {&AhuData::E_TS_sou, "20"},
          {&AhuData::E_TS_ext, "40"}, {&AhuData::E_HR_ext, "10"}},
         AhuRadio::tout_AN,
         AhuRadio::Lav,
         {"Puissance BFS", "Débit Laveur", "Qm soufflage", "Qv soufflage", "Qv air neuf"},
         "Sortie BFS",
         1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ProgramState fresh;
        state = fresh;
        for (const auto &[box, text] : c.inputs)
            d.*box = text;
        Select(c.fresh, c.humidifier);
        Run();
        EXPECT_TRUE(messages.entries.empty()) << messages.texts().front();
        std::vector<std::string> labels;
        for (const std::string &line : Block())
            labels.push_back(line.substr(0, line.find('=')));
        EXPECT_EQ(labels, c.labels);
        const int k = c.fresh == AhuRadio::Echange_plaques ? 5 : 4;
        EXPECT_EQ(g.ColCount(), k + (*c.treatmentColumn ? 3 : 2));
        if (*c.treatmentColumn) {
            EXPECT_EQ(g.Cell(k, 0), c.treatmentColumn);
        }
        EXPECT_EQ(d.TreatmentMode, c.treatmentMode);
    }
}

TEST(AhuWizardRules, RadioGroupsAndFreshAirEnabling)
{
    AhuData d;
    EXPECT_TRUE(d.E_QM_AN_Enabled && d.E_eff_echangeur_Enabled) << "both enabled until the rule first runs";
    const std::pair<AhuRadio, std::pair<bool, bool>> cases[] = {
        {AhuRadio::Echange_plaques, {false, true}},
        {AhuRadio::tout_AN, {false, false}},
        {AhuRadio::melange, {true, false}},
    };
    for (const auto &[button, enabled] : cases) {
        SelectRadio(d, button);
        ApplyFreshAirEnabling(d);
        EXPECT_EQ(d.E_QM_AN_Enabled, enabled.first);
        EXPECT_EQ(d.E_eff_echangeur_Enabled, enabled.second);
        EXPECT_EQ(d.R_tout_AN + d.R_Echange_plaques + d.R_melange, 1);
    }
    SelectRadio(d, AhuRadio::Lav);
    EXPECT_TRUE(d.R_Lav && !d.R_Vap && d.R_melange) << "the groups are independent";
}

} // namespace
