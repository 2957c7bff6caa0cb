#include "calculators/evolution_grids.h"

#include <initializer_list>

#include "calculators/evolutions.h"
#include "presentation/point_rows.h"

namespace brumelle {

namespace {

// Row 0 headings from column 1 on, the row headings, and row 8 the pressure.
void WriteHeadings(ResultGrid &grid, std::initializer_list<const char *> columns, const std::string &pressure)
{
    for (int row = 0; row < grid.RowCount() && row < static_cast<int>(kEvolutionRowHeadings.size()); ++row)
        grid.SetCell(0, row, kEvolutionRowHeadings[static_cast<size_t>(row)]);
    int col = 1;
    for (const char *heading : columns) {
        if (col >= grid.ColCount())
            break;
        grid.SetCell(col++, kHeadingRow, heading);
    }
    for (int c = 1; c < grid.ColCount(); ++c)
        grid.SetCell(c, kPressureRow, pressure, CellKind::Typed);
}

std::string Fixed(long double v, int decimals, const NumberSeparators &sep) { return FormatFixed(v, decimals, sep); }

} // namespace

void WriteEvolutionFrames(EvolutionData &d, const std::string &pressureRow)
{
    WriteHeadings(d.grille_un_point, {"Valeurs"}, pressureRow);
    WriteHeadings(d.grille_BC, {"Entrée", "Sortie"}, pressureRow);
    WriteHeadings(d.grille_melange, {"Point 1", "Point 2", "Melange"}, pressureRow);
    WriteHeadings(d.grille_bfc, {"Entrée", "Sortie", "Surface"}, pressureRow);
    WriteHeadings(d.grille_lav, {"Entrée", "Sortie", "Maxi"}, pressureRow);
    WriteHeadings(d.grille_vap, {"Entrée", "Sortie"}, pressureRow);
}

void ShowPoint(const PointResult &r, EvolutionData &d, const NumberSeparators &sep)
{
    WritePointColumn(d.grille_un_point, 1, r.point, sep);
    d.grille_un_point.SetCell(1, kPressureRow, std::to_string(r.patmPa), CellKind::Number);
}

void ShowHeating(const HeatingResult &r, EvolutionData &d, const NumberSeparators &sep)
{
    WritePointColumn(d.grille_BC, 1, r.inlet, sep);
    WritePointColumn(d.grille_BC, 2, r.outlet, sep);
    d.e_P_bc = Fixed(r.powerW, 0, sep);
}

void ShowMixing(const MixingResult &r, EvolutionData &d, const NumberSeparators &sep)
{
    WritePointColumn(d.grille_melange, 1, r.air1, sep);
    WritePointColumn(d.grille_melange, 2, r.air2, sep);
    WritePointColumn(d.grille_melange, 3, r.mixture, sep);
}

void ShowCooling(const CoolingResult &r, EvolutionData &d, const NumberSeparators &sep)
{
    WritePointColumn(d.grille_bfc, 1, r.inlet, sep);
    WritePointColumn(d.grille_bfc, 2, r.outlet, sep);
    WritePointColumn(d.grille_bfc, 3, r.surface, sep);
    d.E_P_BFC = Fixed(r.powerW, 0, sep);
    d.E_Efficacite_BFC = Fixed(r.efficiencyPercent, 0, sep);
    d.e_condensation_bfc = Fixed(r.condensationGH, 2, sep);
}

void ShowWasher(const WasherResult &r, EvolutionData &d, const NumberSeparators &sep)
{
    WritePointColumn(d.grille_lav, 1, r.inlet, sep);
    WritePointColumn(d.grille_lav, 2, r.outlet, sep);
    WritePointColumn(d.grille_lav, 3, r.saturated, sep);
    d.E_efficacite_lav = Fixed(r.efficiencyPercent, 0, sep) + "%";
    d.E_qm_eau_lav = Fixed(r.waterGH, 2, sep);
}

void ShowSteam(const SteamResult &r, EvolutionData &d, const NumberSeparators &sep)
{
    WritePointColumn(d.grille_vap, 1, r.inlet, sep);
    WritePointColumn(d.grille_vap, 2, r.outlet, sep);
    d.E_qm_eau_vap = Fixed(r.waterGH, 2, sep);
}

void Evolutions::WriteGridFrames() { WriteEvolutionFrames(d_, ctx_.pressure.RowText()); }

} // namespace brumelle
