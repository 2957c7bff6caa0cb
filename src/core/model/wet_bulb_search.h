#pragma once
#include <cstdint>

namespace brumelle {

// Outcome of the wet-bulb search of WetBulbFromPv.
struct WetBulbSearch {
    long double thC = 0;      // wet bulb, °C
    long double error = 0;    // relative error of the last correction
    int corrections = 0;
};

// The search of WetBulbFromPv with the psychrometric pressure in single
// precision, driven by a quick estimate in double precision: the same
// corrections, the same temperatures bit for bit, or false when that cannot
// be guaranteed (the caller then runs the search itself).
bool QuickSingleWetBulbSearch(long double tsC, long double pvPa, uint32_t patmPa, WetBulbSearch &out);

} // namespace brumelle
