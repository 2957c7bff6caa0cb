#pragma once
#include "calculators/evolutions.h"
#include "model/messages.h"
#include "model/number_format.h"
#include "sizing/ahu_sizing.h"

#include <functional>

namespace brumelle {

struct ProgramState;

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
    // After the pressure changed: each calculation whose grid holds a result
    // (cell (1, 1) not empty), heating coil, cooling coil, washer, steam
    // humidifier, single point, mixing, then the AHU sizing.
    void RerunAfterPressureChange();

private:
    ProgramState &state_;
    Evolutions evolutions_;
    AhuSizing sizing_;
};

} // namespace brumelle
