#include "result_grid.h"

namespace brumelle {

void ClearGrid(ResultGrid &grid)
{
    for (int row = 1; row < grid.RowCount(); ++row)
        for (int col = 1; col < grid.ColCount(); ++col)
            grid.SetCell(col, row, "");
}

std::string GridClipboardText(const ResultGrid &grid)
{
    std::string text;
    for (int row = 0; row < grid.RowCount(); ++row) {
        text += grid.Cell(0, row);
        for (int col = 1; col < grid.ColCount(); ++col)
            text += "\t" + grid.Cell(col, row);
        text += "\r";
    }
    return text;
}

} // namespace brumelle
