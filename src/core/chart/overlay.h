#pragma once
#include <cstdint>
#include <vector>

#include "chart/canvas.h"
#include "chart/geometry.h"
#include "presentation/drawing_flags.h"
#include "presentation/number_format.h"
#include "presentation/result_grid.h"

namespace brumelle {

// What the overlay draws from: the drawing flags, the seven result grids and
// the two modes the AHU sizing leaves for its air path.
struct OverlayInput {
    const DrawingFlags *flags;
    const ResultGrid *grille_un_point, *grille_BC, *grille_bfc, *grille_lav, *grille_vap, *grille_melange;
    const ResultGrid *grille_resultats;
    int FreshAirMode, TreatmentMode;
};

// Draws, over the chart, every evolution whose "dessiner" box is ticked, from
// its result grid: single point, heating coil, cooling coil, air washer, steam
// humidifier, mixing, then the air-handling unit. An evolution whose grid has
// an empty cell (1, 1), a cell that is not a number, or a point too far out to
// draw is left out. Grid numbers are read with the locale's decimal
// separator; `windowColor` is the background of the AHU's labels.
void DrawEvolutionOverlay(Canvas &canvas, const ChartGeometry &geometry, const OverlayInput &input,
                          int32_t windowColor, const NumberSeparators &sep);

// A path through grid points (1-based): move to the first, line to each next.
using AhuPath = std::vector<int>;

// The paths that join the unit's points for a FreshAirMode (1 to 4) and a
// TreatmentMode (1 to 3); none for any other combination.
const std::vector<AhuPath> &AhuPaths(int freshAirMode, int treatmentMode);

// The unit's air path from its result grid: points 1 to ColCount − 3 (the
// last two columns are the equipment block), the paths of the two modes
// without any segment that names a point beyond the last, then a marker and
// the label of row 9 on every point. `windowColor` is the labels' background.
void DrawAhuOverlay(Canvas &canvas, const ChartGeometry &geometry, const ResultGrid &grille_resultats,
                    int freshAirMode, int treatmentMode, int32_t windowColor, const NumberSeparators &sep);

} // namespace brumelle
