#pragma once
// The layout every result grid shares, the evolutions window's six and the
// sizing's: row 0 the column headings, rows 1 to 7 the seven properties of a
// point column, row 8 the pressure the numbers are computed at (the sizing
// adds row 9, each point's label). Nothing else knows which row is which.
#include <array>

#include "model/moist_air.h"
#include "presentation/number_format.h"
#include "presentation/result_grid.h"

namespace brumelle {

enum PointRow : int {
    kHeadingRow = 0,
    kTsRow = 1, // °C, 2 decimals
    kHrRow = 2, // %, 0 decimals
    kRRow = 3,  // g/kgas, 2 decimals
    kHRow = 4,  // kJ/kgas, 2 decimals
    kVRow = 5,  // m3/kgas, 4 decimals
    kThRow = 6, // °C, 2 decimals
    kTrRow = 7, // °C, 2 decimals
    kPressureRow = 8,
    kLabelRow = 9, // the sizing's grid only
};

// Row headings, row 0 to the pressure row, as the evolutions window writes them.
extern const std::array<const char *, 9> kEvolutionRowHeadings;
// The sizing's, row 0 to its label row (with their accents).
extern const std::array<const char *, 10> kSizingRowHeadings;

// The decimals a point row shows.
int PointRowDecimals(int row);

// Rows 1 to 7 of a point column, number cells. A point that cannot exist is
// a ComputeFault, never shown.
void WritePointColumn(ResultGrid &grid, int col, const MoistAirState &p, const NumberSeparators &sep);

} // namespace brumelle
