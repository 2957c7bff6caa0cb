#pragma once
#include <cstdint>

#include "model/fault.h"

namespace brumelle {

// Working record of one air point. Temperatures in °C, H in kJ/kgas,
// R in kg/kg (screens show g/kgas), HR in %, V in m3/kgas, pressures in Pa.
struct MoistAirState {
    long double TS = 0, TH = 0, TR = 0, H = 0, R = 0, HR = 0, V = 0, Pvs = 0, Pv = 0;
    long double wetBulbError = 0;   // relative error of the last wet-bulb search
    int wetBulbCorrections = 0;     // corrections made by the last wet-bulb search
};

// The chart window keeps the psychrometric pressure and its coefficient in
// single precision; the evolutions window and the sizing keep them in double.
enum class PvPrecision { Single, Double };

// The constants of the equations below.
constexpr long double kMolarMassRatio = 0.622L;         // water to dry air, kg/kg (18.015 / 28.966)
constexpr long double kLatentHeatKJKg = 2501.0L;        // vaporisation of water at 0 °C, kJ/kg
constexpr long double kDryAirHeatKJKgK = 1.006L;        // specific heat of dry air, kJ/(kg·K)
constexpr long double kVapourHeatKJKgK = 1.83L;         // specific heat of water vapour, kJ/(kg·K)
constexpr long double kVapourGasConstantJKgK = 461.24L; // gas constant of water vapour, J/(kg·K)
constexpr long double kCelsiusOffsetK = 273.15L;        // 0 °C in kelvin

// Every operation throws ComputeFault instead of returning inf or NaN.
// patmPa is the atmospheric pressure in whole pascals.

long double SaturationPressure(long double tC);                          // Pa
void DewPointFromPv(MoistAirState &s);                                   // Pv -> TR
long double PvFromDewPoint(long double trC);                             // Pa
long double PsychrometricPv(long double tsC, long double thC, uint32_t patmPa, PvPrecision p);
void WetBulbFromPv(MoistAirState &s, uint32_t patmPa, PvPrecision p);    // TS, Pv -> TH
void DryBulbFromWetBulb(MoistAirState &s, uint32_t patmPa);              // TH, Pv -> TS
long double HumidityRatioFromPv(long double pvPa, uint32_t patmPa);      // kg/kg
long double PvFromHumidityRatio(long double rKgKg, uint32_t patmPa);     // Pa
long double SaturationHumidityRatio(long double tC, uint32_t patmPa);    // kg/kg
long double Enthalpy(long double tsC, long double rKgKg);                // kJ/kgas
long double HumidityRatioFromEnthalpy(long double hKJ, long double tsC); // kg/kg
long double DryBulbFromEnthalpy(long double hKJ, long double rKgKg);     // °C
long double SpecificVolume(long double tsC, long double rKgKg, uint32_t patmPa);        // m3/kgas
long double HumidityRatioFromVolume(long double vM3, long double tsC, uint32_t patmPa); // kg/kg
long double DryBulbFromVolume(long double vM3, long double rKgKg, uint32_t patmPa);     // °C
// %; inline: searches that decide on the humidity call it at every step.
inline long double RelativeHumidity(long double pvPa, long double tsC)
{
    return checked::div(100.0L * pvPa, SaturationPressure(tsC), "RelativeHumidity");
}

// Throws ComputeFault unless the point can exist: every field finite, TS, TH
// and TR above absolute zero, R not negative (the vapour pressure below the
// atmospheric one), V positive. Every point shown to the user passes it.
void CheckPhysical(const MoistAirState &p);

constexpr long double kAbsoluteZeroC = -kCelsiusOffsetK;
// How far a wet bulb may stray outside [dew point, dry bulb]: the search
// itself stays within 0.03 K of them.
constexpr long double kWetBulbSlackK = 1.0L;

// Dew point of a vapour pressure without the Pv = 0 guard (callers that know Pv > 0).
long double DewPointOf(long double pvPa);

// Bound of the wet-bulb search. Chart-range inputs (TS -50..50 °C, up to
// saturation, Patm up to 110000 Pa) need fewer than 200 corrections; hot dry
// air beyond that never settles, and the search then throws ComputeFault.
constexpr int kWetBulbMaxCorrections = 10000;

} // namespace brumelle
