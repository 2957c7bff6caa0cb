#pragma once
// The sizing's result grid as text: its frame, a point column (headed, with
// its pressure row and its label) and the equipment block that ends it. The
// one place that knows the grid's rows and how its cells are written; the
// sizing calls it as it goes, since a stopped run leaves the columns it had
// reached.
#include <string>
#include <vector>

#include "model/moist_air.h"
#include "presentation/number_format.h"
#include "presentation/result_grid.h"

namespace brumelle {

// A row of the equipment block: its label and its value with its unit.
struct EquipmentRow {
    const char *label;
    long double value;
    int decimals;
    const char *unit; // after the value and a blank: "[kW]", "%"
};

// Row headings, the first three column headings and `pressureRow` in row 8
// of every column.
void WriteSizingFrame(ResultGrid &grid, const std::string &pressureRow);
// A point in column `col` (the grid widened when it has fewer), its label
// the column's number.
void WriteSizingPoint(ResultGrid &grid, int col, const std::string &heading, const MoistAirState &p,
                      const std::string &pressureRow, const NumberSeparators &sep);
// The equipment block in columns `col` and `col` + 1: their headings and
// widths, a label and a value per row, every row below empty.
void WriteEquipmentBlock(ResultGrid &grid, int col, const std::vector<EquipmentRow> &rows,
                         const NumberSeparators &sep);

} // namespace brumelle
