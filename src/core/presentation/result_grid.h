#pragma once
#include <string>
#include <vector>

namespace brumelle {

// What a cell holds, which the calculation note aligns by: a text (left), a
// number the program computed (right, units after it included), or what the
// user typed, or the pressure box's text, which is aligned as it looks since
// nothing else tells what it is.
enum class CellKind { Text, Number, Typed };

// A string grid whose rows are properties and whose columns are points.
// Row 0 and column 0 hold the headings. Cells are addressed (column, row).
class ResultGrid {
public:
    explicit ResultGrid(int colCount = 2, int rowCount = 9)
        : cols_(colCount), rows_(rowCount), cells_(static_cast<size_t>(colCount * rowCount)),
          widths_(static_cast<size_t>(colCount), 0)
    {
    }

    int ColCount() const { return cols_; }
    int RowCount() const { return rows_; }
    const std::string &Cell(int col, int row) const { return cells_[index(col, row)].text; }
    CellKind Kind(int col, int row) const { return cells_[index(col, row)].kind; }
    void SetCell(int col, int row, const std::string &text, CellKind kind = CellKind::Text)
    {
        Entry &cell = cells_[index(col, row)];
        cell.text = text; // into the cell's own storage: grids are rewritten at every run
        cell.kind = kind;
    }

    // Changes the number of columns: the cells of the columns kept stay as
    // they are, new columns start empty (as a string grid does).
    void SetColCount(int colCount);

    // Width of a column in pixels; 0 when the window's own width applies.
    int ColWidth(int col) const { return widths_[static_cast<size_t>(col)]; }
    void SetColWidth(int col, int widthPx) { widths_[static_cast<size_t>(col)] = widthPx; }

    // Locked grids take no typing (the single-point grid after a solve).
    bool Enabled = true;

private:
    struct Entry {
        std::string text;
        CellKind kind = CellKind::Text;
    };
    size_t index(int col, int row) const { return static_cast<size_t>(row * cols_ + col); }
    int cols_, rows_;
    std::vector<Entry> cells_;
    std::vector<int> widths_;
};

// Empties every cell of row >= 1 and column >= 1; headings stay.
void ClearGrid(ResultGrid &grid);

// A grid holds a result once its first value cell (1, 1) is not empty.
inline bool HasResult(const ResultGrid &grid) { return !grid.Cell(1, 1).empty(); }

// The grid as clipboard text: a tab before every cell after the first of a
// row, a carriage return alone after every row, headings included.
std::string GridClipboardText(const ResultGrid &grid);

} // namespace brumelle
