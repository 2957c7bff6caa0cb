// The six grids' frames, as the window writes them at each showing, and "Nouveau".
#include <string>
#include <vector>

#include <gmock/gmock.h>

#include "presentation/point_rows.h"
#include "single_point_fixture.h"

namespace brumelle::test {
namespace {

using ::testing::ElementsAre;

const std::vector<std::string> kRowHeadings(kEvolutionRowHeadings.begin(), kEvolutionRowHeadings.end());

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
    state.pressure.text = "98000";
    evo.WriteGridFrames();
    evo.ResetAirflowUnits();
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
    state.pressure.text = "abc";
    evo.WriteGridFrames();
    evo.ResetAirflowUnits();
    EXPECT_EQ(d.grille_lav.Cell(3, 8), "abc");
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(SinglePointTest, ActivationResetsTheUnitsAndConvertsAgain)
{
    d.C_unite_dep = 2;
    d.C_unite_arr = 3;
    d.E_valeur_dep = "2,5";
    d.E_valeur_arr = "9000";
    evo.WriteGridFrames();
    evo.ResetAirflowUnits();
    EXPECT_EQ(d.C_unite_dep, 0);
    EXPECT_EQ(d.C_unite_arr, 0);
    EXPECT_EQ(d.E_valeur_arr, "2,5");
}

TEST_F(SinglePointTest, NouveauEmptiesTheValuesAndUnlocks)
{
    evo.WriteGridFrames();
    evo.ResetAirflowUnits();
    Type({"20", "50", "", "", "", "", ""});
    evo.SolvePoint();
    ASSERT_FALSE(grid.Enabled);
    evo.NewPoint();
    EXPECT_TRUE(ValueCellsEmpty()); // the pressure row too
    EXPECT_TRUE(grid.Enabled);
    EXPECT_EQ(grid.Cell(1, 0), "Valeurs");
    EXPECT_EQ(grid.Cell(0, 8), "Pression Atm Pa");
}

} // namespace
} // namespace brumelle::test
