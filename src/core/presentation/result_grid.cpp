#include "presentation/result_grid.h"

#include <utility>

namespace brumelle {

void ResultGrid::SetColCount(int colCount)
{
    std::vector<Entry> cells(static_cast<size_t>(colCount * rows_));
    for (int row = 0; row < rows_; ++row)
        for (int col = 0; col < colCount && col < cols_; ++col)
            cells[static_cast<size_t>(row * colCount + col)] = std::move(cells_[index(col, row)]);
    cells_ = std::move(cells);
    // Widths belong to the view's columns, which a string grid keeps when it
    // has fewer of them for a while.
    if (widths_.size() < static_cast<size_t>(colCount))
        widths_.resize(static_cast<size_t>(colCount), 0);
    cols_ = colCount;
}

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
