// The single-point tab's airflow converter.
#include <string>

#include <gmock/gmock.h>

#include "single_point_fixture.h"

namespace brumelle::test {
namespace {

using ::testing::ElementsAre;

TEST_F(SinglePointTest, ConverterFollowsTheUnitTable)
{
    struct Case { int from, to; std::string text; };
    // With V = 0,8500 m3/kgas and a flow of 1; only the fraction is rounded.
    const Case cases[] = {
        {0, 3, "3060"},     {1, 0, "0,000278"}, {0, 1, "3600"},     {0, 2, "0,85"},
        {1, 3, "0,85"},     {1, 2, "0,000236"}, {2, 0, "1,176"},     {2, 1, "4235,294"},
        {3, 0, "0,000327"}, {3, 1, "1,176"},     {3, 2, "0,000278"}, {2, 3, "3600"},
        {2, 2, "1"},
    };
    grid.SetCell(1, 5, "0,8500");
    for (const Case &c : cases) {
        d.C_unite_dep = c.from;
        d.C_unite_arr = c.to;
        evo.ConvertAirflow();
        EXPECT_EQ(d.E_valeur_arr, c.text) << c.from << "->" << c.to;
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(SinglePointTest, ConverterWithoutVolumeConvertsOneToOne)
{
    d.C_unite_dep = 0;
    d.C_unite_arr = 3;
    d.E_valeur_dep = "2";
    evo.ConvertAirflow();
    EXPECT_EQ(d.E_valeur_arr, "7200");
    grid.SetCell(1, 5, "0"); // a zero volume counts as 1 too
    evo.ConvertAirflow();
    EXPECT_EQ(d.E_valeur_arr, "7200");
}

TEST_F(SinglePointTest, UnitBoxWithoutSelectionKeepsThePreviousFactor)
{
    d.C_unite_dep = 0;
    d.C_unite_arr = 1;
    evo.ConvertAirflow();
    d.C_unite_dep = -1;
    d.E_valeur_dep = "2";
    evo.ConvertAirflow();
    EXPECT_EQ(d.E_valeur_arr, "7200");
}

TEST_F(SinglePointTest, ConverterReadsTheFlowStrictly)
{
    d.E_valeur_arr = "1";
    // Not ParseNumber: only the locale's separator, no unit, no stray letters.
    for (const std::string text : {"abc", "1.5", "2 kg/s", ""}) {
        messages.entries.clear();
        d.E_valeur_dep = text;
        evo.ConvertAirflow();
        ASSERT_EQ(messages.entries.size(), 1u) << text;
        EXPECT_EQ(messages.entries[0].kind, "erreur");
        EXPECT_EQ(messages.entries[0].text, "'" + text + "' n'est pas une valeur à virgule flottante correcte");
        EXPECT_EQ(d.E_valeur_arr, "1");
    }
    d.E_valeur_dep = "1,5E3";
    evo.ConvertAirflow();
    EXPECT_EQ(d.E_valeur_arr, "1500");
}

TEST_F(SinglePointTest, ConvertedFlowTooLargeIsRefusedNotShownAsInfinite)
{
    d.C_unite_dep = 0;
    d.C_unite_arr = 1; // x 3600
    d.E_valeur_arr = "before";
    d.E_valeur_dep = "1e4931";
    evo.ConvertAirflow();
    EXPECT_THAT(messages.texts(), ElementsAre("'1e4931' n'est pas une valeur à virgule flottante correcte"));
    EXPECT_EQ(d.E_valeur_arr, "before");
}

} // namespace
} // namespace brumelle::test

