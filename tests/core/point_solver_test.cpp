#include <string>
#include <utility>
#include <vector>

#include <gmock/gmock.h>

#include "single_point_fixture.h"

namespace brumelle::test {
namespace {

using Column8 = std::array<std::string, 8>;
using ::testing::ElementsAre;

const char *kPairRefused = "Le programme ne peut pas calculer toutes les caractéristiques de l'air avec les points "
                           "que vous avez donnés, le calcul est arrêté";

TEST_F(SinglePointTest, DryBulbAndHumidityCompleteThePointAndLockTheGrid)
{
    Type({"20", "50", "", "", "", "", ""});
    evo.SolvePoint();
    // HR without decimals, V with 4, TH by the wet-bulb search, Patm as an integer.
    EXPECT_EQ(Column(), (Column8{"20,00", "50", "7,27", "38,57", "0,8397", "13,82", "9,27", "101325"}));
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_FALSE(grid.Enabled);
    EXPECT_EQ(repaints, 0); // "dessiner" not ticked

    state.flags.Check_dessin_1point = true;
    evo.SolvePoint();
    EXPECT_EQ(repaints, 1);
}

TEST_F(SinglePointTest, AcceptedPairsCompleteThePoint)
{
    struct Case { std::array<std::string, 7> typed; Column8 expected; };
    const Case cases[] = {
        {{"30", "", "", "", "", "20", ""}, {"30,00", "39", "10,44", "56,86", "0,8727", "20,00", "14,68", "101325"}},
        {{"", "", "", "45", "", "", "12"}, {"22,59", "51", "8,76", "45,00", "0,8491", "16,14", "12,00", "101325"}},
        {{"", "", "", "", "", "10", "5"}, {"15,29", "50", "5,42", "29,09", "0,8238", "10,00", "5,00", "101325"}},
        {{"", "", "8", "", "0,85", "", ""}, {"23,24", "45", "8,00", "43,73", "0,8500", "15,72", "10,68", "101325"}},
        {{"", "", "8", "40", "", "", ""}, {"19,59", "56", "8,00", "40,00", "0,8395", "14,34", "10,68", "101325"}},
        {{"", "", "", "", "0,8", "", "-10"}, {"8,67", "23", "1,60", "12,76", "0,8000", "2,01", "-10,00", "101325"}},
        // The upper bounds are inside the ranges.
        {{"50", "10", "", "", "", "", ""}, {"50,00", "10", "7,65", "70,13", "0,9262", "23,92", "10,02", "101325"}},
    };
    for (const Case &c : cases) {
        evo.NewPoint();
        Type(c.typed);
        evo.SolvePoint();
        EXPECT_EQ(Column(), c.expected) << c.typed[0] << "|" << c.typed[2] << "|" << c.typed[5];
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(SinglePointTest, OnlyATypedZeroCountsAsKnown)
{
    Type({"0", "50", "", "", "", "", ""});
    evo.SolvePoint();
    EXPECT_EQ(Column(), (Column8{"0,00", "50", "1,88", "4,70", "0,7757", "-2,84", "-9,13", "101325"}));

    // Written in full, the zero stays unknown and HR alone completes nothing:
    // the passes run out without a word, the typed texts stay and can be edited.
    evo.NewPoint();
    Type({"0,0", "50", "", "", "", "", ""});
    evo.SolvePoint();
    EXPECT_EQ(Column(), (Column8{"0,0", "50", "", "", "", "", "", ""}));
    EXPECT_TRUE(grid.Enabled);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(repaints, 0);
}

TEST_F(SinglePointTest, PairTestAcceptsThirteenOfTheTwentyOnePairs)
{
    const char *names[] = {"TS", "HR", "R", "H", "V", "TH", "TR"};
    const std::vector<std::pair<int, int>> accepted = {
        {1, 2}, {1, 3}, {1, 4}, {1, 6}, {1, 7}, {4, 3}, {4, 7}, {3, 2}, {3, 5}, {7, 2}, {7, 5}, {7, 6}, {5, 6}};
    int count = 0;
    for (int a = 1; a <= 7; ++a)
        for (int b = a + 1; b <= 7; ++b) {
            ClearGrid(grid);
            grid.SetCell(1, a, "1");
            grid.SetCell(1, b, " "); // any text, even a blank, is given
            bool expected = false;
            for (auto [x, y] : accepted)
                expected = expected || (x == a && y == b) || (x == b && y == a);
            EXPECT_EQ(evo.CheckGivenPair(1), expected) << names[a - 1] << "-" << names[b - 1];
            count += expected;
        }
    EXPECT_EQ(count, 13);

    ClearGrid(grid);
    grid.SetCell(1, 1, "20");
    EXPECT_FALSE(evo.CheckGivenPair(1)); // one value is not enough
    grid.SetCell(1, 5, "0,85");
    grid.SetCell(1, 2, "50"); // a refused pair plus a listed one passes
    EXPECT_TRUE(evo.CheckGivenPair(1));
}

TEST_F(SinglePointTest, RefusedPairClearsTheWholeColumnAndRepaints)
{
    grid.SetCell(1, 8, "101325");
    Type({"20", "", "", "", "0,85", "", ""});
    evo.SolvePoint();
    EXPECT_THAT(messages.texts(), ElementsAre(kPairRefused));
    EXPECT_EQ(messages.entries[0].kind, "information");
    EXPECT_TRUE(ValueCellsEmpty());
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(grid.Enabled);
}

TEST_F(SinglePointTest, WetBulbWithVolumePassesThePairTestButNeverCompletes)
{
    d.E_valeur_arr = "before";
    Type({"", "", "", "", "0,85", "10", ""});
    evo.SolvePoint();
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(Column(), (Column8{"", "", "", "", "0,85", "10", "", ""}));
    EXPECT_TRUE(grid.Enabled);
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(d.E_valeur_arr, "1"); // the conversion is refreshed all the same
}

TEST_F(SinglePointTest, TypedValuesOutsideTheChartAreRefusedInRowOrder)
{
    struct Case { std::array<std::string, 7> typed; std::string message; };
    const Case cases[] = {
        {{"50,01", "50", "", "", "", "", ""},
         "La température sèche demandée est en dehors des plages du diagramme, le calcul est arrêté"},
        {{"20", "101", "", "", "", "", ""},
         "L'hygrométrie demandée est en dehors des plages du diagramme, le calcul est arrêté"},
        {{"20", "", "41", "", "", "", ""},
         "L'humidité spécifique demandée est en dehors des plages du diagramme, le calcul est arrêté"},
        {{"20", "", "", "-51", "", "", ""},
         "L'enthalpie demandée est en dehors des plages du diagramme, le calcul est arrêté"},
        // A typed zero for V fails before zeros become known values.
        {{"20", "50", "", "", "0", "", ""},
         "Le volume spécifique demandé est en dehors des plages du diagramme, le calcul est arrêté"},
        {{"20", "", "", "", "", "36", ""},
         "La tempéraure humide demandée est en dehors des plages du diagramme, le calcul est arrêté"},
        {{"20", "", "", "", "", "", "32"},
         "La tempéraure de rosée demandée est en dehors des plages du diagramme, le calcul est arrêté"},
        // TS is checked before HR.
        {{"-60", "200", "", "", "", "", ""},
         "La température sèche demandée est en dehors des plages du diagramme, le calcul est arrêté"},
    };
    for (const Case &c : cases) {
        messages.entries.clear();
        repaints = 0;
        Type(c.typed);
        evo.SolvePoint();
        EXPECT_THAT(messages.texts(), ElementsAre(c.message));
        EXPECT_TRUE(ValueCellsEmpty()) << c.message;
        EXPECT_EQ(repaints, 1);
    }
}

TEST_F(SinglePointTest, ComputedValuesOutsideTheChartHaveTheirOwnMessage)
{
    Type({"45", "80", "", "", "", "", ""}); // about 51 g/kgas
    evo.SolvePoint();
    EXPECT_THAT(messages.texts(),
                ElementsAre("L'humidité spécifique calculée est en dehors des plages du diagramme, le calcul est "
                            "arrêté"));
    EXPECT_TRUE(ValueCellsEmpty());
    EXPECT_EQ(repaints, 1);
    EXPECT_TRUE(grid.Enabled);
}

TEST_F(SinglePointTest, UnreadableCellShowsTheMessageAndCountsAsUnknown)
{
    Type({"20", "cinquante", "", "", "", "", ""});
    evo.SolvePoint();
    // Given in the pair test, 0 afterwards: only TS is known and the passes run out.
    EXPECT_THAT(messages.texts(), ElementsAre("Une des valeurs entrées n'est pas reconnue par le programme"));
    EXPECT_TRUE(grid.Enabled);
}

TEST_F(SinglePointTest, CalculTwiceShowsTheSameTexts)
{
    Type({"20", "50", "", "", "", "", ""});
    evo.SolvePoint();
    const Column8 first = Column();
    evo.SolvePoint();
    EXPECT_EQ(Column(), first);
    EXPECT_FALSE(grid.Enabled);
    EXPECT_TRUE(messages.entries.empty());
}

// A re-run on the locked grid (a new pressure, "Calcul" again) solves from the
// cells given at the last "Calcul", never from the results beside them.
TEST_F(SinglePointTest, AReRunAtANewPressureComputesEveryRowAtThatPressure)
{
    state.pressure.text = "90000";
    Type({"20", "", "", "", "", "", "9"});
    evo.SolvePoint();
    const Column8 typedAt90000 = Column();
    evo.NewPoint();
    state.pressure.text = "101325";
    Type({"20", "", "", "", "", "", "9"});
    evo.SolvePoint();
    state.pressure.text = "90000";
    evo.SolvePoint();
    EXPECT_EQ(Column(), typedAt90000);
    EXPECT_EQ(Column()[7], "90000");
}

TEST_F(SinglePointTest, ArithmeticFaultKeepsTheTypedValuesAndLocksTheGrid)
{
    state.flags.Check_dessin_1point = true;
    Type({"50", "", "", "", "", "5", ""}); // a negative Pv, then its logarithm
    evo.SolvePoint();
    EXPECT_THAT(messages.texts(), ElementsAre(kCannotCompute));
    EXPECT_EQ(messages.entries[0].kind, "information");
    EXPECT_EQ(Column(), (Column8{"50", "", "", "", "", "5", "", ""}));
    EXPECT_FALSE(grid.Enabled);
    EXPECT_EQ(repaints, 1);
}

TEST_F(SinglePointTest, PressureTextIsReadAtEverySolve)
{
    state.pressure.text = "90000";
    Type({"20", "50", "", "", "", "", ""});
    evo.SolvePoint();
    EXPECT_EQ(Column(), (Column8{"20,00", "50", "8,20", "40,92", "0,9468", "13,54", "9,27", "90000"}));
    EXPECT_EQ(state.settings.Patm, 90000u);

    // A pressure of 0 would fault every equation: the standard atmosphere stands in.
    state.pressure.text = "0";
    evo.NewPoint();
    Type({"20", "50", "", "", "", "", ""});
    evo.SolvePoint();
    EXPECT_EQ(Column(), (Column8{"20,00", "50", "7,27", "38,57", "0,8397", "13,82", "9,27", "101325"}));
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(SinglePointTest, UnreadablePressureAbandonsTheClick)
{
    state.pressure.text = "abc";
    state.flags.Check_dessin_1point = true;
    d.E_valeur_arr = "before";
    Type({"20", "50", "", "", "", "", ""});
    evo.SolvePoint();
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].kind, "erreur");
    EXPECT_EQ(messages.entries[0].text, "'abc' n'est pas une valeur entière correcte");
    EXPECT_EQ(Column(), (Column8{"20", "50", "", "", "", "", "", ""}));
    EXPECT_TRUE(grid.Enabled);
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(d.E_valeur_arr, "before"); // no conversion either
}

TEST_F(SinglePointTest, SolveRefreshesTheConversionWithTheNewVolume)
{
    d.C_unite_dep = 0; // kg/s
    d.C_unite_arr = 3; // m3/h
    Type({"20", "50", "", "", "", "", ""});
    evo.SolvePoint();
    EXPECT_EQ(d.E_valeur_arr, "3022,92"); // 3600 x 0,8397
}

} // namespace
} // namespace brumelle::test
