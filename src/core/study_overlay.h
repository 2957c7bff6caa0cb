#pragma once
// What the chart's overlay draws of the study: the evolutions whose
// "dessiner" box is ticked and the unit's air path, from what their
// calculations computed.
#include <optional>

#include "chart/overlay.h"
#include "presentation/number_format.h"

namespace brumelle {

struct AhuData;
struct ProgramState;

OverlayInput OverlayOf(const ProgramState &state, const NumberSeparators &sep);

// The unit's air path as the sizing's grid shows it; nothing while the grid
// holds no point.
std::optional<DrawnUnit> DrawnUnitOf(const AhuData &ahu, const NumberSeparators &sep);

} // namespace brumelle
