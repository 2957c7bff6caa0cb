#pragma once
// The steps every calculation shares: the evolutions window's calculators and
// the AHU sizing read their boxes, compute their points and fail the same way.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "model/fault.h"
#include "model/moist_air.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"
#include "presentation/result_grid.h"

namespace brumelle {

// Shown when a computation faults: a division by zero, the logarithm of a
// non-positive number, an overflow, a search that does not end.
constexpr const char *kCannotCompute = "Le programme ne peut pas calculer avec ces valeurs";

// A failed check: the calculation stops, its message shown in an information
// box (or a plain box when `plainBox`), its results emptied.
struct StopRun {
    std::string message;
    bool plainBox = false;
};

// The chart's ranges, which calculations check what they read and compute
// against. Bounds included; written so that a NaN is outside.
constexpr long double kChartMinTsC = -50.0L, kChartMaxTsC = 50.0L;
constexpr long double kChartMaxRGKg = 40.0L;    // g/kgas, as typed and shown
constexpr long double kChartMaxRKgKg = 0.040L;  // the same limit in kg/kg
inline bool InRange(long double v, long double lo, long double hi) { return v >= lo && v <= hi; }
inline bool InChartTemperature(long double tsC) { return InRange(tsC, kChartMinTsC, kChartMaxTsC); }
inline bool InPercent(long double hrPct) { return InRange(hrPct, 0.0L, 100.0L); }

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
// The rest of a point whose TS, R and Pv are set: V, then TR and TH from
// the point's own Pv and TS.
void FinishPoint(MoistAirState &p, uint32_t patmPa);
// The same, HR first.
void FinishFromPv(MoistAirState &p, uint32_t patmPa);

// Two airflows mixed: their flow-weighted enthalpy and humidity ratio. Two
// zero flows leave nothing to mix: a ComputeFault.
struct Mixture {
    long double hKJ, rKgKg;
};
// Inline: the sizing's preheating search mixes at every step.
inline Mixture Mix(long double qm1, long double h1KJ, long double r1KgKg, long double qm2, long double h2KJ,
                   long double r2KgKg)
{
    return {checked::div(qm1 * h1KJ + qm2 * h2KJ, qm1 + qm2, "mixture enthalpy"),
            checked::div(qm1 * r1KgKg + qm2 * r2KgKg, qm1 + qm2, "mixture humidity ratio")};
}

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
