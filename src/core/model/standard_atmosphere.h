#pragma once
// The standard atmosphere: the pressure at sea level and at an altitude.
#include <cstdint>
#include <optional>

namespace brumelle {

// Standard atmosphere, Pa: stands in for a pressure of 0 or less, which
// every equation would divide by.
constexpr uint32_t kStandardPressurePa = 101325;

// Altitudes, m, at which the standard atmosphere below gives the pressure:
// the troposphere, and a little below sea level.
constexpr long double kLowestAltitudeM = -500;
constexpr long double kHighestAltitudeM = 11000;

// Pressure of the standard atmosphere at the altitude zM, in whole pascals:
// p = 101325 × (1 − 2.25577e−5 × Z)^5.2559 (ASHRAE Handbook—Fundamentals
// 2017, ch. 1, eq. 3), rounded to the nearest pascal. Nothing outside
// kLowestAltitudeM to kHighestAltitudeM.
std::optional<uint32_t> StandardPressureAt(long double zM);

} // namespace brumelle
