#pragma once
// Thermal comfort by the PMV method: ANSI/ASHRAE Standard 55-2017, Thermal
// Environmental Conditions for Human Occupancy, PMV method (normative
// appendix); ISO 7730:2005, annex D. Fanger's model with no external work.
#include <cstdint>
#include <vector>

#include "weather/weather_types.h"
#include "weather/zone_shape.h"

namespace brumelle {

// Bound of the clothing-temperature iteration (the annex stops at 150 too);
// past it the computation throws ComputeFault.
constexpr int kPmvMaxIterations = 150;
// The annex stops when two estimates of the clothing temperature differ by
// less than this, in hundreds of kelvins.
constexpr long double kPmvClothingTolerance = 0.00015L;

// Fanger's model for one activity and one clothing, external work 0: the
// parts that depend on them alone are computed once, so that a year of hours
// costs only the clothing-temperature iteration of each.
class PmvModel {
public:
    // met: metabolic rate (1 met = 58.15 W/m²); clo: clothing insulation
    // (1 clo = 0.155 m²·K/W); varMs: relative air speed, m/s.
    // clothingTolerance: where the clothing-temperature iteration stops.
    PmvModel(long double met, long double clo, long double varMs,
             long double clothingTolerance = kPmvClothingTolerance);

    // Predicted mean vote at air temperature taC, mean radiant temperature
    // trC and vapour pressure paPa. Throws ComputeFault when the clothing
    // temperature does not settle within kPmvMaxIterations or a result is
    // not finite.
    long double Pmv(long double taC, long double trC, long double paPa) const;

private:
    long double m_, mw_, icl_, fcl_, hcForced_, sensitivity_, clothingTolerance_;
};

// The same for a single state.
long double PredictedMeanVote(long double taC, long double trC, long double varMs, long double paPa, long double met,
                              long double clo);
// Predicted percentage of dissatisfied of a PMV, %.
long double PredictedPercentDissatisfied(long double pmv);

// The comfort zone's description; the mean radiant temperature is the air's.
struct ComfortInputs {
    long double met = 1.1L;        // metabolic rate, met
    long double clo = 0.5L;        // clothing insulation, clo
    long double airSpeedMs = 0.1L; // relative air speed, m/s
};

// Above this air speed the standard asks for the elevated-air-speed (SET)
// method, which the program does not have.
constexpr long double kComfortMaxAirSpeedMs = 0.2L;
// A state is inside the comfort zone when -0.5 <= PMV <= +0.5 (PPD <= 10 %).
constexpr long double kComfortPmvLimit = 0.5L;

// The first field the program refuses: met not positive, clo negative, air
// speed negative or above kComfortMaxAirSpeedMs (or any of them not finite).
enum class ComfortField { None, Met, Clo, AirSpeed };
ComfortField InvalidComfortField(const ComfortInputs &inputs);

// The comfort zone at the given inputs, which must be valid (else
// ComputeFault, as for any fault of the model).
class ComfortZone {
public:
    explicit ComfortZone(const ComfortInputs &inputs);

    // PMV of air at dry bulb tsC (also the mean radiant temperature) and
    // vapour pressure pvPa, by the annex's iteration.
    long double Pmv(long double tsC, long double pvPa) const { return model_.Pmv(tsC, tsC, pvPa); }
    bool Inside(long double tsC, long double pvPa) const;

    // The retained hours and those inside the zone.
    HourCount CountHours(const std::vector<WeatherHour> &hours, const HourFilter &retained) const;

    // The outline of the states inside at chart pressure patmPa, counter-
    // clockwise in (dry bulb, humidity ratio) from the coldest point at R = 0:
    // along R = 0, up the PMV = +0.5 curve to saturation, back along the
    // saturation curve, down the PMV = -0.5 curve. Empty when the zone does
    // not lie wholly within the chart's dry bulbs (-50 to 50 °C). Throws
    // ComputeFault when the saturation pressure within the zone reaches
    // patmPa (water would boil there). Its curves are sought on the clothing
    // temperature iterated further than the annex stops: where the annex
    // stops moves the PMV by up to a few thousandths from one state to the
    // next, a jagged line on a zoomed chart; the curves lie within a few
    // hundredths of a kelvin of where the annex's verdict changes.
    Outline OutlineAt(uint32_t patmPa) const;

private:
    PmvModel model_;   // the annex's iteration: which states are inside
    PmvModel smooth_;  // iterated to convergence: the outline's curves
};

// Dry bulbs between which the outline is sought: the chart's.
constexpr long double kComfortOutlineMinC = -50.0L;
constexpr long double kComfortOutlineMaxC = 50.0L;
// Points on each PMV curve and on the saturation edge: a smooth line on a
// 4K chart.
constexpr int kComfortCurvePoints = 64;

} // namespace brumelle
