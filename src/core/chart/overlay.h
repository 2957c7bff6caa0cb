#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "chart/canvas.h"
#include "chart/geometry.h"

namespace brumelle {

// A point of an evolution on the chart.
struct ChartPoint {
    long double tsC;
    long double rKgKg;
};

// A path through points (1-based): move to the first, line to each next.
using AhuPath = std::vector<int>;

// One evolution to draw: its points, each marked, and the path joining them.
struct DrawnEvolution {
    std::vector<ChartPoint> points;
    AhuPath path;
};

// The air-handling unit's air path: its points with their labels, and the
// two modes the sizing left, which choose the segments.
struct DrawnUnit {
    std::vector<ChartPoint> points;
    std::vector<std::string> labels;
    int freshAirMode = 0, treatmentMode = 0;
};

// What the overlay draws, in its order: the ticked evolutions, then the unit.
struct OverlayInput {
    std::vector<DrawnEvolution> evolutions;
    std::vector<DrawnUnit> unit; // none, or the one unit
};

// Draws, over the chart, each evolution (a point too far out to draw leaves
// its evolution out), then the unit's air path; `windowColor` is the
// background of the unit's labels.
void DrawEvolutionOverlay(Canvas &canvas, const ChartGeometry &geometry, const OverlayInput &input,
                          int32_t windowColor);

// The paths that join the unit's points for a FreshAirMode (1 to 4) and a
// TreatmentMode (1 to 3); none for any other combination.
const std::vector<AhuPath> &AhuPaths(int freshAirMode, int treatmentMode);

// The unit's air path: the paths of its two modes without any segment that
// names a point beyond the last, then a marker and the label on every point.
void DrawAhuOverlay(Canvas &canvas, const ChartGeometry &geometry, const DrawnUnit &unit, int32_t windowColor);

} // namespace brumelle
