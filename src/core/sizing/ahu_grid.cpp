#include "sizing/ahu_grid.h"

#include "presentation/point_rows.h"

namespace brumelle {

void WriteSizingFrame(ResultGrid &g, const std::string &pressureRow)
{
    for (int row = 0; row < static_cast<int>(kSizingRowHeadings.size()); ++row)
        g.SetCell(0, row, kSizingRowHeadings[static_cast<size_t>(row)]);
    g.SetCell(1, kHeadingRow, "Intérieur");
    g.SetCell(2, kHeadingRow, "Soufflage");
    g.SetCell(3, kHeadingRow, "Extérieur");
    for (int col = 1; col < g.ColCount(); ++col)
        g.SetCell(col, kPressureRow, pressureRow, CellKind::Typed);
}

void WriteSizingPoint(ResultGrid &g, int col, const std::string &heading, const MoistAirState &p,
                      const std::string &pressureRow, const NumberSeparators &sep)
{
    if (col >= g.ColCount())
        g.SetColCount(col + 1);
    g.SetCell(col, kHeadingRow, heading);
    WritePointColumn(g, col, p, sep);
    g.SetCell(col, kPressureRow, pressureRow, CellKind::Typed);
    g.SetCell(col, kLabelRow, std::to_string(col), CellKind::Number);
}

void WriteEquipmentBlock(ResultGrid &g, int col, const std::vector<EquipmentRow> &rows, const NumberSeparators &sep)
{
    g.SetColWidth(col, 80);
    g.SetColWidth(col + 1, 75);
    g.SetCell(col, kHeadingRow, "Caractéristiques");
    g.SetCell(col + 1, kHeadingRow, "des matériels");
    // Every row below the last label is empty, the pressure row included.
    for (int row = 1; row < g.RowCount(); ++row) {
        const bool filled = static_cast<size_t>(row) <= rows.size();
        const EquipmentRow *r = filled ? &rows[static_cast<size_t>(row - 1)] : nullptr;
        g.SetCell(col, row, r ? r->label : "");
        g.SetCell(col + 1, row, r ? FormatFixed(r->value, r->decimals, sep) + " " + r->unit : "",
                  r ? CellKind::Number : CellKind::Text);
    }
}

} // namespace brumelle
