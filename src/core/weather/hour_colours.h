#pragma once
// The colours of the hour cells: viridis, a perceptually uniform sequential
// scale (van der Walt and Smith, 2015), dark for the fewest hours, bright
// for the most, lightened on the chart.
#include <cstdint>

namespace brumelle {

// The scale at t from 0 (dark end) to 1 (bright end), interpolated linearly
// between its 256 published anchors; t is clamped, NaN gives the dark end. An
// RGB integer with red in the low byte, the program's colours.
int32_t ViridisColour(long double t);

// The share of white in the hours' colours: lightened so that the chart's
// black and coloured lines stay readable over the darkest cells, the scale
// keeping its order of lightness.
constexpr long double kHourCellWhite = 0.45L;
// The hours' scale at t: viridis lightened by kHourCellWhite.
int32_t HourScaleColour(long double t);

// The colour of a cell of `hours` on a chart whose cells hold from
// fewestHours to mostHours (HourScaleColour): the dark end when they are all alike.
int32_t HourCellColour(int32_t hours, int32_t fewestHours, int32_t mostHours);

} // namespace brumelle
