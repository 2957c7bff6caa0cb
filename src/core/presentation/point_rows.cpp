#include "presentation/point_rows.h"

namespace brumelle {

const std::array<const char *, 9> kEvolutionRowHeadings = {
    "Points",         "T° Seche °C",  "Hygrometrie en %", "Humidite g/kgas", "Enthalpie kJ/kgas",
    "Volume m3/kgas", "T° Humide °C", "T° de rosée °C",   "Pression Atm Pa",
};

const std::array<const char *, 10> kSizingRowHeadings = {
    "Points",         "T° Sèche °C",  "Hygrométrie en %", "Humidité g/kgas", "Enthalpie kJ/kgas",
    "Volume m3/kgas", "T° Humide °C", "T° de rosée °C",   "Pression Atm Pa", "Texte",
};

int PointRowDecimals(int row)
{
    switch (row) {
    case kHrRow: return 0;
    case kVRow: return 4;
    default: return 2;
    }
}

void WritePointColumn(ResultGrid &grid, int col, const MoistAirState &p, const NumberSeparators &sep)
{
    CheckPhysical(p);
    const std::array<long double, 7> shown = {p.TS, p.HR, p.R * 1000.0L, p.H, p.V, p.TH, p.TR};
    for (int row = kTsRow; row <= kTrRow; ++row)
        grid.SetCell(col, row, FormatFixed(shown[static_cast<size_t>(row - kTsRow)], PointRowDecimals(row), sep),
                     CellKind::Number);
}

} // namespace brumelle
