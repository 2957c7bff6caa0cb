#pragma once
// What a calculation works with besides its own record. The evolutions
// window's calculators and the AHU sizing take it; neither sees the rest of
// the program.
#include <cstdint>

#include "model/moist_air.h"
#include "presentation/drawing_flags.h"
#include "presentation/pressure_box.h"

namespace brumelle {

struct CalculationContext {
    const PressureBox &pressure; // read again at the start of every calculation
    uint32_t &patmPa;            // the pressure in use (the chart's), which that reading sets
    MoistAirState &point;        // the working point the calculation computes in
    const DrawingFlags &flags;   // a ticked "dessiner" box asks for a repaint
};

} // namespace brumelle
