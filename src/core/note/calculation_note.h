#pragma once
// The calculation note's content: what the evolutions window and the sizing
// wizard hold now, as the texts they show, for brumelle-cli and the program
// to lay out on pages.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calculators/evolutions.h"
#include "calculators/last_run.h"
#include "sizing/ahu_sizing.h"
#include "weather/climate.h"

namespace brumelle {

// A caption and the text beside it, as the window shows them.
using NoteField = CaptionedText;

// A cell of a result grid: its text, and whether it is a number (set right).
struct NoteCell {
    std::string text;
    bool number = false;
};

// One calculation that ran: its inputs as they were when it ran, its result
// grid and boxes when it completed, and the messages it showed.
struct NoteSection {
    std::string title;                          // the tab's caption, or "Dimensionnement CTA"
    std::vector<NoteField> inputs;              // the boxes as typed, then the choices
    std::vector<std::vector<NoteCell>> rows;    // the result grid row by row, headings included; none when stopped
    std::vector<NoteField> results;             // the result boxes; none when stopped
    std::vector<std::string> messages;          // what its last run showed, as shown
    bool inputsChanged = false;                 // the boxes no longer hold those inputs (kInputsChanged)
};

// What the heading names besides the calculations.
struct NoteStamp {
    std::string documentPath; // empty while the work has no file
    int year = 0, month = 0, day = 0; // the day the note is made
};

struct CalculationNote {
    std::string title;    // "Note de calcul"
    std::string document; // the document's file name, or "Sans titre"
    std::string date;     // "9 décembre 2026"
    std::string program;  // "Brumelle" and the version
    NoteField pressure;   // the options dialog's caption and the pressure in use
    // In the order of the evolutions window's tabs, then the AHU sizing.
    std::vector<NoteSection> sections;
};

// The months' names, "janvier" to "décembre".
extern const std::array<const char *, 12> kFrenchMonths;

// A day written out in French: "1 janvier 2027", "9 décembre 2026".
std::string FrenchDate(int year, int month, int day);

// The note of what the records hold, at the pressure in use: every
// calculation that ran, with the inputs it ran from; one never run (or set
// aside by "Nouveau") is left out.
CalculationNote BuildCalculationNote(const EvolutionData &evolutions, const AhuData &ahu, uint32_t patmPa,
                                     const NoteStamp &stamp);

// The section "Climat", first after the chart, when the study has a weather
// file: where, which months and hours are retained, how many hours and how
// many of them lie outside the chart's displayed ranges, the hours inside
// each zone, and the design conditions, the file's then the year's.
void AddClimateSection(CalculationNote &note, const Climate &climate, const DisplayedRanges &ranges,
                       const NumberSeparators &sep);

// A location as its parts joined by ", " (city, state, country), empty parts left out.
std::string PlaceName(const EpwLocation &location);

} // namespace brumelle
