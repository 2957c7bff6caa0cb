#pragma once
// The evolutions window's calculations as one table, the only description of
// their boxes: each one's tab caption and document section, its input boxes
// (caption, field, file key, what a document without the key gives, initial
// text), its result boxes, its grid, its "dessiner" flag and the record of its
// last run. The window builds its boxes from it, the document reads and
// writes by it, the runs keep their inputs by it, and the calculation note
// and the window's out-of-date marks read it. Adding a box is one line here
// (and its place in the window).
#include <array>
#include <string>
#include <vector>

#include "calculators/evolutions.h"
#include "calculators/last_run.h"
#include "presentation/drawing_flags.h"
#include "presentation/result_grid.h"

namespace brumelle {

// In the order of the window's tabs, which is also the document's.
enum class Evolution { Point, Heating, Mixing, Cooling, Washer, Steam };
constexpr std::array<Evolution, 6> kEvolutions = {Evolution::Point,   Evolution::Heating, Evolution::Mixing,
                                                  Evolution::Cooling, Evolution::Washer,  Evolution::Steam};

struct EvolutionTextBox {
    const char *caption; // as the window shows it, on one line
    std::string EvolutionData::*field;
    const char *key = nullptr;         // in the document's section; none for a result box
    const char *fileDefault = nullptr; // given by a document without the key
    const char *initialText = "";      // at every start of the program
};

struct EvolutionBoxes {
    const char *title;   // the tab's caption
    const char *section; // the document's section
    ResultGrid EvolutionData::*grid;
    LastRun EvolutionData::*lastRun;
    bool DrawingFlags::*drawn; // its "dessiner" box, the section's key "dessin"
    std::vector<EvolutionTextBox> inputs;  // in the window's order; the single point's are its grid cells
    std::vector<EvolutionTextBox> results; // read-only boxes
};

const EvolutionBoxes &BoxesOf(Evolution e);
// The box of a field, from whichever calculation has it; nullptr for a field
// that is no box of the table.
const EvolutionTextBox *FindBox(std::string EvolutionData::*field);

// The steam tab's choice, as captioned by its two buttons.
constexpr const char *kSteamTheoretical = "Evolution théorique";
constexpr const char *kSteamReal = "Evolution réelle";

// What the calculation would run from now, captioned: its boxes' texts (the
// steam tab adds its choice of evolution); for the single point, the cells
// given in its grid while it is editable, and those of its last "Calcul"
// while it is locked, since a re-run solves from them.
std::vector<CaptionedText> CurrentInputs(const EvolutionData &d, Evolution e);

// True when the calculation ran and its inputs are no longer those it ran from.
bool InputsChangedSinceRun(const EvolutionData &d, Evolution e);

} // namespace brumelle
