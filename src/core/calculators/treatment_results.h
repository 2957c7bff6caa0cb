#pragma once
// What each calculation of the evolutions window computed, as numbers: its
// points as moist-air states (the seven properties its grid shows, R in
// kg/kg) and its result boxes. Its grid and boxes show them as text
// (evolution_grids.h); the chart's overlay draws them.
#include <cstdint>

#include "model/moist_air.h"

namespace brumelle {

struct PointResult {
    MoistAirState point;
    uint32_t patmPa = 0;
};

struct HeatingResult {
    MoistAirState inlet, outlet;
    long double powerW = 0;
};

struct MixingResult {
    MoistAirState air1, air2, mixture;
};

struct CoolingResult {
    MoistAirState inlet, outlet, surface;
    long double powerW = 0, efficiencyPercent = 0, condensationGH = 0;
};

struct WasherResult {
    MoistAirState inlet, outlet, saturated;
    long double efficiencyPercent = 0, waterGH = 0;
};

struct SteamResult {
    MoistAirState inlet, outlet;
    long double waterGH = 0;
};

} // namespace brumelle
