#pragma once
#include <string>

#include "chart/chart_settings.h"
#include "chart/geometry.h"
#include "model/moist_air.h"
#include "presentation/number_format.h"
#include "weather/hour_cells.h"

namespace brumelle {

// Text of the status bar for the point under client pixel (x, y): every
// property, then the hours of the climate's cell under it when the chart
// shows hours and that cell holds some; or an empty text beyond saturation,
// outside the plot, for a plot that cannot be drawn or when a computation
// faults.
std::string CursorReadout(const ChartSettings &settings, const ChartGeometry &geometry, int32_t x, int32_t y,
                          MoistAirState &scratch, const NumberSeparators &sep, const HourCells *hours = nullptr);

} // namespace brumelle
