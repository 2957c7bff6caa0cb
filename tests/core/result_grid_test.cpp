#include <gtest/gtest.h>

#include "presentation/result_grid.h"

using namespace brumelle;

TEST(ResultGrid, ClearGridKeepsOnlyTheHeadings)
{
    ResultGrid g(4, 9);
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 9; ++r)
            g.SetCell(c, r, "x" + std::to_string(c) + std::to_string(r));
    ClearGrid(g);
    int kept = 0;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 9; ++r) {
            const bool heading = c == 0 || r == 0;
            EXPECT_EQ(g.Cell(c, r).empty(), !heading) << c << "," << r;
            kept += heading;
        }
    EXPECT_EQ(kept, 4 + 8); // four column headings and eight row headings
}

TEST(ResultGrid, ClipboardTextUsesTabsAndABareCarriageReturn)
{
    ResultGrid g(3, 2);
    g.SetCell(0, 0, "Points");
    g.SetCell(1, 0, "Entrée");
    g.SetCell(2, 0, "Sortie");
    g.SetCell(0, 1, "T° Seche °C");
    g.SetCell(2, 1, "30,00");
    EXPECT_EQ(GridClipboardText(g), "Points\tEntrée\tSortie\rT° Seche °C\t\t30,00\r");
}

TEST(ResultGrid, ColumnCountChangesKeepTheCellsAndWidthsOfKeptColumns)
{
    ResultGrid g(3, 2);
    g.SetCell(2, 1, "kept");
    g.SetColWidth(2, 80);
    g.SetColCount(5);
    EXPECT_EQ(g.Cell(2, 1), "kept");
    EXPECT_EQ(g.ColWidth(2), 80);
    EXPECT_EQ(g.Cell(4, 1), "");
    EXPECT_EQ(g.ColWidth(4), 0);
    g.SetColCount(2);
    g.SetColCount(3);
    EXPECT_EQ(g.Cell(2, 1), ""); // a dropped column comes back empty
    EXPECT_EQ(g.ColWidth(2), 80); // but keeps its width
}
