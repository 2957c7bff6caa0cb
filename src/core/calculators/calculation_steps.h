#pragma once
// The steps every calculation shares: the evolutions window's calculators and
// the AHU sizing read their boxes, compute their points and fail the same way.
#include "model/messages.h"
#include "model/moist_air.h"
#include "model/number_format.h"
#include "model/result_grid.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

namespace brumelle {

// Shown when a computation faults: a division by zero, the logarithm of a
// non-positive number, an overflow, a search that does not end.
constexpr const char *kCannotCompute = "Le programme ne peut pas calculer avec ces valeurs";

// A box's number: 0 when its text is empty, else ParseNumber (which shows its
// message and gives 0 for an unreadable text).
long double BoxNumber(const std::string &text, Messages &messages);

// The point recipes. Each fills every field of p (TS, HR, R, H, V, Pvs, Pv,
// TR, TH), TR and TH last from the point's own Pv and TS. Throw ComputeFault.
// From the dry bulb and the relative humidity.
void PointFromTsHr(MoistAirState &p, long double tsC, long double hrPct, uint32_t patmPa);
// From the dry bulb and the humidity ratio; H = Enthalpy(TS, R).
void PointFromTsR(MoistAirState &p, long double tsC, long double rKgKg, uint32_t patmPa);
// From the enthalpy and the humidity ratio, keeping the given H.
void PointFromHR(MoistAirState &p, long double hKJ, long double rKgKg, uint32_t patmPa);

// Rows 1 to 7 of a point column: TS, HR, R in g/kgas, H, V, TH, TR with
// 2, 0, 2, 2, 4, 2, 2 decimals. A point that cannot exist is a ComputeFault,
// never shown.
void WritePointColumn(ResultGrid &grid, int col, const MoistAirState &p, const NumberSeparators &sep);

// What a calculation does when it stops: its grid's value cells emptied
// (the headings of columns 1 on too when asked), its result boxes emptied and
// the chart repainted. StopCalculation first shows the message in an
// information box.
void EmptyResults(ResultGrid &grid, std::initializer_list<std::string *> resultBoxes,
                  const std::function<void()> &repaint, bool emptyColumnHeadings = false);
void StopCalculation(Messages &messages, const std::string &message, ResultGrid &grid,
                     std::initializer_list<std::string *> resultBoxes, const std::function<void()> &repaint,
                     bool emptyColumnHeadings = false);

} // namespace brumelle
