#include "single_point_fixture.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

namespace brumelle::test {
namespace {

using ::testing::ElementsAre;

const std::vector<std::string> kRowHeadings = {"Points",         "T° Seche °C",  "Hygrometrie en %",
                                               "Humidite g/kgas", "Enthalpie kJ/kgas", "Volume m3/kgas",
                                               "T° Humide °C",    "T° de rosée °C", "Pression Atm Pa"};

std::vector<std::string> RowHeadings(const ResultGrid &g)
{
    std::vector<std::string> r;
    for (int row = 0; row < g.RowCount(); ++row)
        r.push_back(g.Cell(0, row));
    return r;
}

std::vector<std::string> Row(const ResultGrid &g, int row)
{
    std::vector<std::string> r;
    for (int col = 1; col < g.ColCount(); ++col)
        r.push_back(g.Cell(col, row));
    return r;
}

TEST_F(SinglePointTest, ActivationWritesEveryHeadingAndThePressureRow)
{
    d.grille_BC.SetCell(1, 1, "20,00"); // values are not touched
    state.pressureText = "98000";
    evo.FormActivate();
    struct Case { const ResultGrid *grid; std::vector<std::string> columns; };
    const Case cases[] = {
        {&d.grille_un_point, {"Valeurs"}},
        {&d.grille_BC, {"Entrée", "Sortie"}},
        {&d.grille_melange, {"Point 1", "Point 2", "Melange"}},
        {&d.grille_bfc, {"Entrée", "Sortie", "Surface"}},
        {&d.grille_lav, {"Entrée", "Sortie", "Maxi"}},
        {&d.grille_vap, {"Entrée", "Sortie"}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(RowHeadings(*c.grid), kRowHeadings);
        EXPECT_EQ(Row(*c.grid, 0), c.columns);
        EXPECT_EQ(Row(*c.grid, 8), std::vector<std::string>(c.columns.size(), "98000"));
    }
    EXPECT_EQ(d.grille_BC.Cell(1, 1), "20,00");

    // The text is copied as it is, even one no calculation could read.
    state.pressureText = "abc";
    evo.FormActivate();
    EXPECT_EQ(d.grille_lav.Cell(3, 8), "abc");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(SinglePointTest, ActivationResetsTheUnitsAndConvertsAgain)
{
    d.C_unite_dep = 2;
    d.C_unite_arr = 3;
    d.E_valeur_dep = "2,5";
    d.E_valeur_arr = "9000";
    evo.FormActivate();
    EXPECT_EQ(d.C_unite_dep, 0);
    EXPECT_EQ(d.C_unite_arr, 0);
    EXPECT_EQ(d.E_valeur_arr, "2,5");
}

TEST_F(SinglePointTest, NouveauEmptiesTheValuesAndUnlocks)
{
    evo.FormActivate();
    Type({"20", "50", "", "", "", "", ""});
    evo.B_Calcul_pointClick();
    ASSERT_FALSE(grid.Enabled);
    evo.B_Nouveau_1pointClick();
    EXPECT_TRUE(ValueCellsEmpty()); // the pressure row too
    EXPECT_TRUE(grid.Enabled);
    EXPECT_EQ(grid.Cell(1, 0), "Valeurs");
    EXPECT_EQ(grid.Cell(0, 8), "Pression Atm Pa");
}

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
        evo.C_unite_depChange();
        EXPECT_EQ(d.E_valeur_arr, c.text) << c.from << "->" << c.to;
    }
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(SinglePointTest, ConverterWithoutVolumeConvertsOneToOne)
{
    d.C_unite_dep = 0;
    d.C_unite_arr = 3;
    d.E_valeur_dep = "2";
    evo.C_unite_depChange();
    EXPECT_EQ(d.E_valeur_arr, "7200");
    grid.SetCell(1, 5, "0"); // a zero volume counts as 1 too
    evo.C_unite_depChange();
    EXPECT_EQ(d.E_valeur_arr, "7200");
}

TEST_F(SinglePointTest, UnitBoxWithoutSelectionKeepsThePreviousFactor)
{
    d.C_unite_dep = 0;
    d.C_unite_arr = 1;
    evo.C_unite_depChange();
    d.C_unite_dep = -1;
    d.E_valeur_dep = "2";
    evo.C_unite_depChange();
    EXPECT_EQ(d.E_valeur_arr, "7200");
}

TEST_F(SinglePointTest, ConverterReadsTheFlowStrictly)
{
    d.E_valeur_arr = "1";
    // Not ParseNumber: only the locale's separator, no unit, no stray letters.
    for (const std::string text : {"abc", "1.5", "2 kg/s", ""}) {
        messages.entries.clear();
        d.E_valeur_dep = text;
        evo.C_unite_depChange();
        ASSERT_EQ(messages.entries.size(), 1u) << text;
        EXPECT_EQ(messages.entries[0].kind, "erreur");
        EXPECT_EQ(messages.entries[0].text, "'" + text + "' n'est pas une valeur à virgule flottante correcte");
        EXPECT_EQ(d.E_valeur_arr, "1");
    }
    d.E_valeur_dep = "1,5E3";
    evo.C_unite_depChange();
    EXPECT_EQ(d.E_valeur_arr, "1500");
}

TEST_F(SinglePointTest, ConvertedFlowTooLargeIsRefusedNotShownAsInfinite)
{
    d.C_unite_dep = 0;
    d.C_unite_arr = 1; // x 3600
    d.E_valeur_arr = "before";
    d.E_valeur_dep = "1e4931";
    evo.C_unite_depChange();
    EXPECT_THAT(messages.texts(), ElementsAre("'1e4931' n'est pas une valeur à virgule flottante correcte"));
    EXPECT_EQ(d.E_valeur_arr, "before");
}

} // namespace
} // namespace brumelle::test
