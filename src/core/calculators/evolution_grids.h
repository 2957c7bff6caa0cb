#pragma once
// The evolutions window's six grids as text: their headings, and each
// calculation's result shown in its grid and result boxes. The one place
// that knows which column holds which point and how each box is written.
#include <string>

#include "calculators/treatment_results.h"
#include "presentation/number_format.h"
#include "presentation/result_grid.h"

namespace brumelle {

struct EvolutionData;

// Row and column headings of every grid, and `pressureRow` (the pressure
// box's text) in every row 8, as the window writes them each time it is shown.
void WriteEvolutionFrames(EvolutionData &d, const std::string &pressureRow);

void ShowPoint(const PointResult &r, EvolutionData &d, const NumberSeparators &sep);
void ShowHeating(const HeatingResult &r, EvolutionData &d, const NumberSeparators &sep);
void ShowMixing(const MixingResult &r, EvolutionData &d, const NumberSeparators &sep);
void ShowCooling(const CoolingResult &r, EvolutionData &d, const NumberSeparators &sep);
void ShowWasher(const WasherResult &r, EvolutionData &d, const NumberSeparators &sep);
void ShowSteam(const SteamResult &r, EvolutionData &d, const NumberSeparators &sep);

} // namespace brumelle
