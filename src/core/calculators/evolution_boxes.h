#pragma once
// The evolutions window's calculations as one table: each one's tab caption,
// its input and result boxes with their captions, its grid and the record of
// its last run. The runs keep their inputs by it, the calculation note and
// the window's out-of-date marks read it.
#include <array>
#include <string>
#include <vector>

#include "calculators/evolutions.h"
#include "calculators/last_run.h"
#include "presentation/result_grid.h"

namespace brumelle {

// In the order of the window's tabs.
enum class Evolution { Point, Heating, Mixing, Cooling, Washer, Steam };
constexpr std::array<Evolution, 6> kEvolutions = {Evolution::Point,   Evolution::Heating, Evolution::Mixing,
                                                  Evolution::Cooling, Evolution::Washer,  Evolution::Steam};

// Row headings of the six grids (row 0 to the pressure row 8).
extern const std::array<const char *, 9> kEvolutionRowHeadings;

struct EvolutionTextBox {
    const char *caption; // as the window shows it, on one line
    std::string EvolutionData::*field;
};

struct EvolutionBoxes {
    const char *title; // the tab's caption
    ResultGrid EvolutionData::*grid;
    LastRun EvolutionData::*lastRun;
    std::vector<EvolutionTextBox> inputs;  // in the window's order; the single point's are its grid cells
    std::vector<EvolutionTextBox> results; // read-only boxes
};

const EvolutionBoxes &BoxesOf(Evolution e);

// What the calculation would run from now, captioned: its boxes' texts (the
// steam tab adds its choice of evolution); for the single point, the cells
// given in its grid while it is editable, and those of its last "Calcul"
// while it is locked, since a re-run solves from them.
std::vector<CaptionedText> CurrentInputs(const EvolutionData &d, Evolution e);

// True when the calculation ran and its inputs are no longer those it ran from.
bool InputsChangedSinceRun(const EvolutionData &d, Evolution e);

} // namespace brumelle
