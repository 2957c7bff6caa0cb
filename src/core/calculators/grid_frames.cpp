// The frames of the evolutions window's six grids: the row headings, the
// column headings and the pressure row, written each time the window is shown.
#include <array>
#include <initializer_list>

#include "calculators/evolution_boxes.h"
#include "calculators/evolutions.h"

namespace brumelle {

namespace {

// Row 0 headings from column 1 on, and row 8 takes the pressure.
void WriteHeadings(ResultGrid &grid, std::initializer_list<const char *> columns, const std::string &pressure)
{
    for (int row = 0; row < grid.RowCount() && row < static_cast<int>(kEvolutionRowHeadings.size()); ++row)
        grid.SetCell(0, row, kEvolutionRowHeadings[static_cast<size_t>(row)]);
    int col = 1;
    for (const char *heading : columns) {
        if (col >= grid.ColCount())
            break;
        grid.SetCell(col++, 0, heading);
    }
    for (int c = 1; c < grid.ColCount(); ++c)
        grid.SetCell(c, 8, pressure);
}

} // namespace

void Evolutions::WriteGridFrames()
{
    const std::string p = ctx_.pressure.RowText();
    WriteHeadings(d_.grille_un_point, {"Valeurs"}, p);
    WriteHeadings(d_.grille_BC, {"Entrée", "Sortie"}, p);
    WriteHeadings(d_.grille_melange, {"Point 1", "Point 2", "Melange"}, p);
    WriteHeadings(d_.grille_bfc, {"Entrée", "Sortie", "Surface"}, p);
    WriteHeadings(d_.grille_lav, {"Entrée", "Sortie", "Maxi"}, p);
    WriteHeadings(d_.grille_vap, {"Entrée", "Sortie"}, p);
}

} // namespace brumelle
