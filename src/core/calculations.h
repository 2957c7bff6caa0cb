#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "calculators/evolutions.h"
#include "presentation/messages.h"
#include "presentation/number_format.h"
#include "sizing/ahu_sizing.h"

namespace brumelle {

struct ProgramState;

// What the evolutions window's calculators and the AHU sizing work with, of
// the program's state: the pressure box, the pressure in use, their working
// points (the evolutions window's and the chart window's) and the drawing flags.
CalculationContext EvolutionsContext(ProgramState &state);
CalculationContext SizingContext(ProgramState &state);

// Owns every calculation of the program, the evolutions window's and the AHU
// sizing, and knows the orders in which other commands re-run them. The
// windows and brumelle-cli call it; none of them owns it.
class Calculations {
public:
    Calculations(ProgramState &state, Messages &messages, std::function<void()> repaintMainWindow,
                 NumberSeparators separators);

    Evolutions &evolutions() { return evolutions_; }
    AhuSizing &sizing() { return sizing_; }

    // After a document has put its inputs back: the single point when its
    // dry bulb is given, then mixing, heating coil, cooling coil, washer,
    // steam humidifier and the AHU sizing.
    void RerunAfterOpening();
    // After the pressure changed: the climate's hours without a station
    // pressure, then each calculation whose grid holds a result (cell (1, 1)
    // not empty), heating coil, cooling coil, washer, steam humidifier,
    // single point, mixing, then the AHU sizing.
    void RerunAfterPressureChange();
    // The options dialog's "Ok" with the pressure typed in its box: read by
    // the box's rule for typed text; when it differs from the pressure in use
    // (the one the dialog showed), every result on screen is computed anew.
    void PressureTyped(const std::string &typed);
    // The pressure in use was set by a preference file: the pressure box
    // shows it, so that the calculations use the chart's pressure, and when it
    // is not the one before, every result on screen is computed anew.
    void PressureSetBySettings(uint32_t patmBeforePa);

private:
    ProgramState &state_;
    Messages &messages_;
    Evolutions evolutions_;
    AhuSizing sizing_;
};

} // namespace brumelle
